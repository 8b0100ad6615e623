// loomwright-processrunner PROGRAM.qml [ARGUMENTS...]
//
// Runs a console QML program with the build tree's Loomwright module on the
// import path. The program reaches its arguments and the terminal through the
// context object "terminal". It is a GUI application, as the plugin's picture
// operations need one; without a display, QT_QPA_PLATFORM=offscreen serves.
#include "terminal.h"

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

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    Terminal terminal(arguments);
    engine.rootContext()->setContextProperty(QStringLiteral("terminal"), &terminal);

    QQmlComponent component(&engine, QUrl::fromLocalFile(programFile));
    std::unique_ptr<QObject> program(component.create());
    if (!program) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 2;
    }
    return app.exec();
}
