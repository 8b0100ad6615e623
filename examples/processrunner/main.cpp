// loomwright-processrunner PROGRAM.qml [ARGUMENTS...]
//
// Runs a console QML program with the build tree's Loomwright module on the
// import path. The program reaches its arguments and the terminal through the
// context object "terminal". It is a GUI application, as the plugin's picture
// operations need one; without a display, QT_QPA_PLATFORM=offscreen serves.
//
// It also hosts tool windows (AppWindow): the context names of a hosting
// tool come from the same arguments, read as a tool's command line:
//   commandLine            positional arguments (the first names the app)
//                          and options
//   productVersion         --product-version V (default: this project's)
//   toolsPath              --tools-path P (default: this program's folder)
//   localeOptionName       "locale": --locale NAME is handed on to the tools
//                          the window starts, and chooses the translations
//   highDpiOptionName      "high-dpi"
//   useExternalCodeEditor  whether --external-code-editor is given
#include "terminal.h"
#include "toolcommandline.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QUrl>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);

    QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: loomwright-processrunner PROGRAM.qml [ARGUMENTS...]\n");
        return 2;
    }
    arguments.removeFirst();
    const QString programFile = arguments.takeFirst();

    ToolCommandLine commandLine;
    commandLine.parse(arguments);
    if (commandLine.isSet(ToolCommandLine::localeOption()))
        app.setProperty("Varnex.Brimforge.locale", commandLine.value(ToolCommandLine::localeOption()));

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    Terminal terminal(arguments);
    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("terminal"), &terminal);
    context->setContextProperty(QStringLiteral("commandLine"), &commandLine);
    const QString productVersion = commandLine.value(ToolCommandLine::productVersionOption());
    context->setContextProperty(QStringLiteral("productVersion"),
                                productVersion.isEmpty() ? QStringLiteral(LOOMWRIGHT_VERSION) : productVersion);
    const QString toolsPath = commandLine.value(ToolCommandLine::toolsPathOption());
    context->setContextProperty(QStringLiteral("toolsPath"),
                                toolsPath.isEmpty() ? QCoreApplication::applicationDirPath() : toolsPath);
    context->setContextProperty(QStringLiteral("localeOptionName"), ToolCommandLine::localeOption());
    context->setContextProperty(QStringLiteral("highDpiOptionName"), ToolCommandLine::highDpiOption());
    context->setContextProperty(QStringLiteral("useExternalCodeEditor"),
                                commandLine.isSet(ToolCommandLine::externalCodeEditorOption()));

    // A tool window ends the application with Qt.quit() (a cancelled picker).
    QObject::connect(&engine, &QQmlEngine::quit, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    QQmlComponent component(&engine, QUrl::fromLocalFile(programFile));
    std::unique_ptr<QObject> program(component.create());
    if (!program) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 2;
    }
    return app.exec();
}
