// How long a tool takes from its process start to the first frame of a
// window that imports the three embedded modules and shows one themed
// control, with the modules' QML compiled ahead of time and without.
//
// The build makes the plugin twice: the main one in its configured mode and
// a copy in the other mode (bench/qml-<mode>). This program starts copies of
// itself with --child, each on one of the two; a child prints a line when
// its window has swapped its first frame. The time counts from just before
// the start of the child process to that line, so it includes loading Qt and
// the plugin. Best of N starts per mode; the aim is under 250 ms with
// ahead-of-time QML, offscreen.
//
// The children run without the engine's disk cache, which would otherwise
// keep compiled QML from the previous start and hide the difference.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

namespace {

// The themed control that the window shows; any type of the Controls module
// that can be declared without arguments will do.
const char DefaultControl[] = "ThemeCheckBox";
const int ChildTimeoutMs = 30000;

QByteArray windowQml(const QString &control)
{
    return QByteArrayLiteral("import QtQuick 2.15\n"
                             "import QtQuick.Window 2.15\n"
                             "import Varnex.Loomwright 1.0\n"
                             "import Varnex.Loomwright.Controls 1.0\n"
                             "import Varnex.Loomwright.Private 1.0\n"
                             "import Feldrin 1.0\n"
                             "Window {\n"
                             "    width: 320\n"
                             "    height: 120\n"
                             "    visible: true\n"
                             "    color: BrimforgeTheme.primaryBackground\n")
        + "    " + control.toUtf8() + " {\n"
        + QByteArrayLiteral("        id: control\n"
                            "        anchors.centerIn: parent\n"
                            "        Component.onCompleted: if (control.text !== undefined) control.text = \"Remember me\"\n"
                            "    }\n"
                            "}\n");
}

// The child: one window, one frame, then "frame <ms since main>" and exit.
int runChild(int argc, char *argv[], const QElapsedTimer &sinceMain)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption childOption(QStringLiteral("child"));
    const QCommandLineOption importOption(QStringLiteral("import-path"), QString(), QStringLiteral("dir"));
    const QCommandLineOption controlOption(QStringLiteral("control"), QString(), QStringLiteral("type"));
    parser.addOptions({ childOption, importOption, controlOption });
    parser.process(app);

    QQmlEngine engine;
    // Added last, searched first: the plugin of the mode under test before the
    // rest of the build's modules (the host SDK).
    for (const QString &path : parser.values(importOption))
        engine.addImportPath(path);
    QQmlComponent component(&engine);
    component.setData(windowQml(parser.value(controlOption)), QUrl(QStringLiteral("startup.qml")));
    std::unique_ptr<QObject> root(component.create());
    auto *window = qobject_cast<QQuickWindow *>(root.get());
    if (!window) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 1;
    }
    QObject::connect(window, &QQuickWindow::frameSwapped, &app, [&] {
        std::printf("frame %.3f\n", sinceMain.nsecsElapsed() / 1e6);
        std::fflush(stdout);
        app.quit();
    });
    return app.exec();
}

struct Start
{
    double total = std::numeric_limits<double>::infinity(); // ms, process start to first frame
    double inMain = 0; // ms, of that from main() on
};

// Starts one child and waits for its first frame; false when it fails.
bool startChild(const QStringList &importPaths, const QString &control, Start *start)
{
    QStringList arguments { QStringLiteral("--child"), QStringLiteral("--control"), control };
    for (const QString &path : importPaths)
        arguments << QStringLiteral("--import-path") << path;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    environment.insert(QStringLiteral("QML_DISABLE_DISK_CACHE"), QStringLiteral("1"));
    environment.remove(QStringLiteral("QML2_IMPORT_PATH"));
    child.setProcessEnvironment(environment);
    // The child's log goes to the terminal only when it fails.
    child.setProcessChannelMode(QProcess::SeparateChannels);

    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    QByteArray line;
    while (!line.endsWith('\n')) {
        if (!child.waitForReadyRead(ChildTimeoutMs))
            break;
        line += child.readLine();
    }
    const double total = timer.nsecsElapsed() / 1e6;
    child.waitForFinished(ChildTimeoutMs);
    if (!line.startsWith("frame ")) {
        std::fprintf(stderr, "%sthe window did not show (exit code %d)\n", child.readAllStandardError().constData(),
                     child.exitCode());
        return false;
    }
    start->total = total;
    start->inMain = line.mid(6).trimmed().toDouble();
    return true;
}

}

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--child") == 0)
            return runChild(argc, argv, sinceMain);
    }

    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Time from process start to the first frame of a window on the embedded modules, with ahead-of-time "
        "compiled QML and without."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringList { QStringLiteral("n"), QStringLiteral("runs") },
                                        QStringLiteral("Process starts per mode; the best counts (default 10)."),
                                        QStringLiteral("N"), QStringLiteral("10"));
    const QCommandLineOption controlOption(QStringLiteral("control"),
                                           QStringLiteral("The Controls type the window shows (default %1).")
                                               .arg(QLatin1String(DefaultControl)),
                                           QStringLiteral("type"), QLatin1String(DefaultControl));
    parser.addOptions({ runsOption, controlOption });
    parser.process(app);
    bool runsOk = false;
    const int runs = parser.value(runsOption).toInt(&runsOk);
    if (!runsOk || runs < 1) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
        return 2;
    }
    const QString control = parser.value(controlOption);

    struct Mode
    {
        const char *name;
        QStringList importPaths;
        Start best;
    };
    const QString buildModules = QStringLiteral(LOOMWRIGHT_QML_DIR);
    Mode modes[] = {
        { "ahead of time", {}, {} },
        { "compiled at start", {}, {} },
    };
    const bool mainIsAot = QLatin1String(LOOMWRIGHT_QML_MODE) == QLatin1String("aot");
    modes[mainIsAot ? 0 : 1].importPaths = QStringList { buildModules };
    modes[mainIsAot ? 1 : 0].importPaths = QStringList { buildModules, QStringLiteral(LOOMWRIGHT_OTHER_QML_DIR) };

    std::printf("startup: process start to first frame, window with %s, best of %d starts, offscreen\n",
                qPrintable(control), runs);
    // The modes take turns, so that a busy moment of the machine hits both.
    for (int run = 0; run < runs; ++run) {
        for (Mode &mode : modes) {
            Start start;
            if (!startChild(mode.importPaths, control, &start))
                return 1;
            if (start.total < mode.best.total)
                mode.best = start;
        }
    }
    for (const Mode &mode : modes) {
        std::printf("  %-18s %8.1f ms  (%.1f ms of it from main on)\n", mode.name, mode.best.total,
                    mode.best.inMain);
    }
    std::printf("  ratio              %8.2f  (compiled at start / ahead of time)\n",
                modes[1].best.total / modes[0].best.total);
    std::printf("  aim                ahead of time under 250 ms: %s\n", modes[0].best.total < 250 ? "met" : "missed");
    return 0;
}
