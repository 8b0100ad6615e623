#ifndef LOOMWRIGHT_EXAMPLES_TOOLHOST_H
#define LOOMWRIGHT_EXAMPLES_TOOLHOST_H

#include "demoservices.h"
#include "iconsetgenerator.h"
#include "examples/processrunner/toolcommandline.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QQmlEngine;

// What the sample tool's program does around its AppWindow, as a hosting
// tool of the suite would: the command line, the language, the context names
// that the window reads, the icon-set generator, and in demo mode the local
// portal and update site. The tool's main() and its test share it.
//
// Command line: [--demo] [--locale NAME] [PICTURE] [OUTPUT_FOLDER], plus the
// options that every tool window reads (see ToolCommandLine).
//
// Context names: commandLine, productVersion, toolsPath, localeOptionName,
// highDpiOptionName, useExternalCodeEditor (the window's), and the tool's
// own: iconSets (IconSetGenerator), demo (DemoServices, null without
// --demo), initialPicture and initialOutputFolder (the positional
// arguments, empty when not given).
class ToolHost : public QObject
{
    Q_OBJECT

public:
    static QString demoOption() { return QStringLiteral("demo"); }

    explicit ToolHost(QObject *parent = nullptr);

    // Reads the tool's arguments (without the program's name); before the
    // engine exists, as the language is chosen from them. False when an
    // option lacks its value.
    bool parse(const QStringList &arguments);

    // Starts the demo's services when asked for, then gives the engine the
    // build tree's import path and the context names. False with
    // errorString() when the demo cannot start.
    bool attach(QQmlEngine *engine);
    void detach();

    bool isDemo() const;
    QString errorString() const { return m_error; }
    ToolCommandLine *commandLine() { return &m_commandLine; }
    IconSetGenerator *iconSets() { return &m_iconSets; }
    DemoServices *demo() { return &m_demo; }

private:
    ToolCommandLine m_commandLine;
    IconSetGenerator m_iconSets;
    DemoServices m_demo;
    QString m_error;
};

#endif
