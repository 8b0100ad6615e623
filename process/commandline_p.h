#ifndef LOOMWRIGHT_COMMANDLINE_P_H
#define LOOMWRIGHT_COMMANDLINE_P_H

#include <QString>
#include <QStringList>

namespace CommandLine {

// Whether program, arguments and working folder reach the child as given.
// The system passes each of them as a NUL-terminated string, so a NUL inside
// one would cut it short without a word: such a start is refused with a
// warning that names the text and, for an argument, its position (counted
// from 0, as in the argument list). function is the caller's signature,
// which the line starts with.
bool isPassable(const char *function, const QString &program, const QStringList &arguments,
                const QString &workingDirectory);

}

#endif
