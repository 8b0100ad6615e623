#include "toolcommandline.h"

ToolCommandLine::ToolCommandLine(QObject *parent)
    : QObject(parent)
    , m_valueOptions{localeOption(), productVersionOption(), toolsPathOption()}
{
}

bool ToolCommandLine::parse(const QStringList &arguments)
{
    m_positional.clear();
    m_set.clear();
    m_values.clear();
    bool complete = true;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1String("--")) || argument.size() == 2) {
            if (!optionsEnded && argument == QLatin1String("--"))
                optionsEnded = true;
            else
                m_positional.append(argument);
            continue;
        }
        const int equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        m_set.insert(name);
        if (equals >= 0) {
            m_values.insert(name, argument.mid(equals + 1));
        } else if (m_valueOptions.contains(name)) {
            if (i + 1 < arguments.size()) {
                m_values.insert(name, arguments.at(++i));
            } else {
                m_values.insert(name, QString());
                complete = false;
            }
        }
    }
    Q_EMIT changed();
    return complete;
}

bool ToolCommandLine::isSet(const QString &name) const
{
    return m_set.contains(name);
}

QString ToolCommandLine::value(const QString &name) const
{
    return m_values.value(name);
}
