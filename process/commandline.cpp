#include "process/commandline_p.h"

#include "utility/logging.h"

namespace {

bool hasNul(const QString &text)
{
    return text.contains(QChar(0));
}

}

bool CommandLine::isPassable(const char *function, const QString &program, const QStringList &arguments,
                             const QString &workingDirectory)
{
    if (hasNul(program)) {
        qCWarning(lcCore) << function << "Refused to start: the program name contains a NUL character";
        return false;
    }
    for (int i = 0; i < arguments.size(); ++i) {
        if (hasNul(arguments.at(i))) {
            qCWarning(lcCore) << function << "Refused to start" << program << ": argument" << i
                              << "contains a NUL character";
            return false;
        }
    }
    if (hasNul(workingDirectory)) {
        qCWarning(lcCore) << function << "Refused to start" << program
                          << ": the working directory contains a NUL character";
        return false;
    }
    return true;
}
