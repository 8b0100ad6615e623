// loomwright-sampletool [--demo] [--locale NAME] [PICTURE] [OUTPUT_FOLDER]
//
// A small tool of the suite on the AppWindow shell: it makes the app icon and
// launch-image sets of the chosen platforms from one picture (the main job of
// loomwright-iconsets) and shows what it made. With --demo it signs in to a
// portal on this machine (portal/localportal.py), which also serves an update
// site, so that the sign-in, the user panel, the gallery and the update link
// can be tried without internet. --locale ar (or he) lays it out right to left.
#include "toolhost.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QUrl>
#include <QtWebEngine/qtwebengineglobal.h>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // Help is read before anything needs a display, so that it is there on
    // a machine without one, or over a plain terminal connection.
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::printf("usage: loomwright-sampletool [--demo] [--locale NAME] [PICTURE] [OUTPUT_FOLDER]\n\n"
                        "  --demo         sign in to a portal on this machine, with its demo users and apps and\n"
                        "                 an update site (needs python3); both end with the tool\n"
                        "  --locale NAME  the language of the window, e.g. de, ar (right to left)\n"
                        "  PICTURE        the picture to start with\n"
                        "  OUTPUT_FOLDER  where the sets go (default: icon-sets in the current folder)\n");
            return 0;
        }
    }

    // The sign-in page is a web page; its engine must be set up before the
    // application.
    QtWebEngine::initialize();
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Loomwright"));
    QCoreApplication::setApplicationName(QStringLiteral("loomwright-sampletool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWRIGHT_VERSION));

    const QStringList arguments = app.arguments().mid(1);
    ToolHost host;
    if (!host.parse(arguments)) {
        std::fprintf(stderr, "loomwright-sampletool: an option lacks its value; see --help\n");
        return 2;
    }

    QQmlApplicationEngine engine;
    if (!host.attach(&engine)) {
        std::fprintf(stderr, "loomwright-sampletool: %s\n", qPrintable(host.errorString()));
        return 1;
    }
    // The window ends the application with Qt.quit().
    QObject::connect(&engine, &QQmlEngine::quit, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    engine.load(QUrl(QStringLiteral("qrc:/sampletool/SampleToolWindow.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    const int exitCode = app.exec();
    host.detach();
    return exitCode;
}
