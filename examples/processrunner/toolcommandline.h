#ifndef LOOMWRIGHT_EXAMPLES_TOOLCOMMANDLINE_H
#define LOOMWRIGHT_EXAMPLES_TOOLCOMMANDLINE_H

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

// The hosting tool's command line as a tool window reads it from its QML
// context (`commandLine`): the positional arguments and the options, as a
// command-line parser answers for them.
//
// Options are long ones: "--name value" or "--name=value" for the options
// that take a value (valueOptions), "--name" for the others; "--" ends the
// options. An option that the host does not know is taken as a switch, so
// that a program's own options never hide its positional arguments.
class ToolCommandLine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList positionalArguments READ positionalArguments NOTIFY changed)

public:
    // Option names of the console host, each also a context name's value
    // (localeOptionName, highDpiOptionName) or the source of one.
    static QString localeOption() { return QStringLiteral("locale"); }
    static QString highDpiOption() { return QStringLiteral("high-dpi"); }
    static QString productVersionOption() { return QStringLiteral("product-version"); }
    static QString toolsPathOption() { return QStringLiteral("tools-path"); }
    static QString externalCodeEditorOption() { return QStringLiteral("external-code-editor"); }

    explicit ToolCommandLine(QObject *parent = nullptr);

    // Reads the arguments (without the program's name) afresh; false when a
    // value option came without its value, which is then empty.
    Q_INVOKABLE bool parse(const QStringList &arguments);

    QStringList positionalArguments() const { return m_positional; }
    Q_INVOKABLE bool isSet(const QString &name) const;
    // The option's last value; empty when it is not set.
    Q_INVOKABLE QString value(const QString &name) const;

Q_SIGNALS:
    void changed();

private:
    QSet<QString> m_valueOptions;
    QStringList m_positional;
    QSet<QString> m_set;
    QHash<QString, QString> m_values;
};

#endif
