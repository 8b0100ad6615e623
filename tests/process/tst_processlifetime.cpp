// How the QML process types end: destroyed, collected or taken down with
// their engine, in every state and from inside each of their own signals.
// A destroyed object reports nothing more and its child ends, unless it was
// detached; under the sanitizers this also proves there is no use after free
// and no leak. And a detached child outlives the tool that started it.
#include "tests/helpers/testchild.h"
#include "tests/helpers/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaMethod>
#include <QPointer>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// The tool's side: Process and SynchronousProcess objects made the way QML
// makes them, owned by the script engine.
const char hostQml[] = R"(
import QtQml 2.15
import Varnex.Loomwright 1.0
QtObject {
    property QtObject process: null
    property Component asynchronous: Component { Process {} }
    property Component synchronous: Component { SynchronousProcess {} }
    function make(type) {
        process = (type === "Process" ? asynchronous : synchronous).createObject(null)
        return process
    }
    function launch(program, args) {
        process = Loomwright.run(program, args)
        process.detach()
        return process
    }
    function drop() { process = null }
}
)";

enum class Ending { Destroy, Collect, Teardown };

#ifdef Q_OS_LINUX
// Whether a process that has not ended (zombies have no command line) runs
// with argument among its arguments.
bool runningWithArgument(const QString &argument)
{
    const QByteArray wanted = argument.toLocal8Bit();
    const QStringList ids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &id : ids) {
        const QList<QByteArray> arguments = fileContents(QStringLiteral("/proc/%1/cmdline").arg(id)).split('\0');
        if (arguments.contains(wanted))
            return true;
    }
    return false;
}
#endif

// When an object may end outside its handlers; the other rows end it inside
// the handler of the signal that the row names.
QStringList stateNames()
{
    return { QStringLiteral("never started"), QStringLiteral("starting"), QStringLiteral("running"),
             QStringLiteral("after detach") };
}

// A tool with one process object, and every signal that object sends.
class Tool : public QObject
{
    Q_OBJECT

public:
    explicit Tool(const QString &type)
        : m_engine(std::make_unique<QQmlEngine>())
        , m_className(type == QLatin1String("Process") ? "AppProcess" : "SynchronousProcess")
    {
        m_engine->addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
        QQmlComponent component(m_engine.get());
        component.setData(hostQml, QUrl());
        m_root.reset(component.create());
        if (!m_root)
            qWarning() << component.errors();
    }

    ~Tool() override
    {
        m_root.reset();
        m_engine.reset();
    }

    QObject *make(const QString &type)
    {
        QVariant made;
        QMetaObject::invokeMethod(m_root.get(), "make", Q_RETURN_ARG(QVariant, made), Q_ARG(QVariant, type));
        watch(made.value<QObject *>());
        return m_process;
    }

    // Ends the object the given way; from inside a handler too.
    void end(Ending ending)
    {
        switch (ending) {
        case Ending::Destroy:
            // What destroy() and wait(0) do in a QML handler.
            m_process->deleteLater();
            QTest::qWait(0);
            break;
        case Ending::Collect:
            QMetaObject::invokeMethod(m_root.get(), "drop");
            m_engine->collectGarbage();
            QTest::qWait(0);
            break;
        case Ending::Teardown:
            // The engine deletes the objects it owns right away.
            m_root.reset();
            m_engine.reset();
            m_deleted = true;
            break;
        }
    }

    // Ends the object from inside its first emission of signal.
    void endInside(const QByteArray &signal, Ending ending)
    {
        m_trigger = signal;
        m_ending = ending;
    }

    bool isGone() const { return m_process.isNull(); }
    bool triggered() const { return m_triggered; }
    QStringList violations;

private Q_SLOTS:
    void record()
    {
        // An object whose destruction has begun is no longer of its own
        // class: whatever it sends then reaches handlers that expect a whole
        // object.
        if (qstrcmp(sender()->metaObject()->className(), m_className) != 0) {
            violations << QStringLiteral("a signal during destruction");
            return;
        }
        const QByteArray name = sender()->metaObject()->method(senderSignalIndex()).name();
        if (m_deleted)
            violations << QStringLiteral("%1 after the object was deleted").arg(QLatin1String(name));
        if (!m_triggered && name == m_trigger) {
            m_triggered = true;
            end(m_ending);
        }
    }

private:
    void watch(QObject *object)
    {
        m_process = object;
        const QMetaObject *meta = object->metaObject();
        const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("record()"));
        for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                connect(object, meta->method(i), this, slot);
        }
    }

    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QObject> m_root;
    QPointer<QObject> m_process;
    const char *m_className;
    QByteArray m_trigger;
    Ending m_ending = Ending::Destroy;
    bool m_triggered = false;
    bool m_deleted = false;
};

}

class TestProcessLifetime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ending_data();
    void ending();
    void detachedChildOutlivesTool();
};

void TestProcessLifetime::ending_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("ending");
    QTest::addColumn<QString>("when");

    const QStringList asynchronous = stateNames() + QStringList{
                                       QStringLiteral("programChanged"), QStringLiteral("argumentsChanged"),
                                       QStringLiteral("workingDirectoryChanged"), QStringLiteral("stateChanged"),
                                       QStringLiteral("started"), QStringLiteral("processIdChanged"),
                                       QStringLiteral("standardOutput"), QStringLiteral("standardError"),
                                       QStringLiteral("errorChanged"), QStringLiteral("finished"),
                                       QStringLiteral("exitCodeChanged"), QStringLiteral("exitStatusChanged") };
    // A synchronous run is over when start() returns: its other states
    // exist only inside the handlers.
    const QStringList synchronous = { QStringLiteral("never started"), QStringLiteral("programChanged"),
                                      QStringLiteral("stateChanged"), QStringLiteral("started"),
                                      QStringLiteral("finished"), QStringLiteral("exitStatusChanged"),
                                      QStringLiteral("standardOutputChanged"), QStringLiteral("standardErrorChanged") };
    const struct { const char *name; Ending ending; } endings[] = {
        { "destroyed", Ending::Destroy }, { "collected", Ending::Collect }, { "engine gone", Ending::Teardown }
    };

    for (const auto &ending : endings) {
        for (const QString &when : asynchronous) {
            QTest::addRow("Process, %s, %s", ending.name, qPrintable(when))
                    << QStringLiteral("Process") << int(ending.ending) << when;
        }
        for (const QString &when : synchronous) {
            QTest::addRow("SynchronousProcess, %s, %s", ending.name, qPrintable(when))
                    << QStringLiteral("SynchronousProcess") << int(ending.ending) << when;
        }
    }
}

void TestProcessLifetime::ending()
{
    QFETCH(QString, type);
    QFETCH(int, ending);
    QFETCH(QString, when);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pidFile = dir.filePath(QStringLiteral("pid"));
    const QString alive = dir.filePath(QStringLiteral("alive"));
    const bool detached = when == QLatin1String("after detach");
    const bool inHandler = !stateNames().contains(when);
    const QStringList arguments = detached
            ? QStringList{ QStringLiteral("pid:") + pidFile, QStringLiteral("sleep:500"), QStringLiteral("out:late\\n"),
                           QStringLiteral("touch:") + alive }
            : QStringList{ QStringLiteral("pid:") + pidFile, QStringLiteral("out:o\\n"), QStringLiteral("err:e\\n"),
                           QStringLiteral("sleep:300"), type == QLatin1String("Process") ? QStringLiteral("crash")
                                                                                          : QStringLiteral("exit:0") };

    // The synchronous child crashes in no row: its errors are logged.
    auto tool = std::make_unique<Tool>(type);
    QObject *process = tool->make(type);
    QVERIFY(process);
    if (inHandler)
        tool->endInside(when.toLatin1(), Ending(ending));

    if (when != QLatin1String("never started")) {
        QMetaObject::invokeMethod(process, "start", Q_ARG(QString, testChild()), Q_ARG(QStringList, arguments));
        if (when == QLatin1String("starting")) {
            QCOMPARE(process->property("state").toInt(), int(QProcess::Starting));
        } else if (when == QLatin1String("running") || detached) {
            QTRY_COMPARE_WITH_TIMEOUT(process->property("state").toInt(), int(QProcess::Running), waitMs);
        }
        if (detached) {
            bool ok = false;
            QMetaObject::invokeMethod(process, "detach", Q_RETURN_ARG(bool, ok));
            QVERIFY(ok);
        }
    }

    if (inHandler)
        QTRY_VERIFY_WITH_TIMEOUT(tool->triggered(), waitMs);
    else
        tool->end(Ending(ending));
    QTRY_VERIFY_WITH_TIMEOUT(tool->isGone(), waitMs);
    QCOMPARE(tool->violations, QStringList());

    if (detached) {
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(alive), waitMs);
        return;
    }
    // Whatever child the object started ends with it, long before the end of
    // its run: killed before or after it wrote its id, even when the object
    // went before the start had forked it.
#ifdef Q_OS_LINUX
    QTRY_VERIFY_WITH_TIMEOUT(!runningWithArgument(QStringLiteral("pid:") + pidFile), waitMs);
#else
    if (!fileText(pidFile).isEmpty())
        QTRY_VERIFY_WITH_TIMEOUT(processEnded(fileText(pidFile).toLongLong()), waitMs);
#endif
    tool.reset();
}

// A tool starts a program, lets it go and quits. The program's output pipes
// no longer end in a living process of the tool's: it must still be able to
// write, and carry on to its end.
void TestProcessLifetime::detachedChildOutlivesTool()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString alive = dir.filePath(QStringLiteral("alive"));

    QProcess tool;
    tool.start(QCoreApplication::applicationFilePath(),
               { QStringLiteral("--detaching-tool"), testChild(), QStringLiteral("sleep:500"),
                 QStringLiteral("out:after the tool\\n"), QStringLiteral("err:after the tool\\n"),
                 QStringLiteral("out:more\\n"), QStringLiteral("touch:") + alive });
    QVERIFY(tool.waitForFinished(waitMs));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);
    QVERIFY(!QFile::exists(alive));

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(alive), waitMs);
}

// The tool of detachedChildOutlivesTool: starts PROGRAM with ARGUMENTS
// through Loomwright.run, detaches it once it runs, and exits.
static int runDetachingTool(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(3);
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent component(&engine);
    component.setData(hostQml, QUrl());
    std::unique_ptr<QObject> root(component.create());
    if (!root)
        return 2;
    QVariant process;
    QMetaObject::invokeMethod(root.get(), "launch", Q_RETURN_ARG(QVariant, process),
                              Q_ARG(QVariant, app.arguments().at(2)), Q_ARG(QVariant, arguments));
    return process.value<QObject *>() && process.value<QObject *>()->property("state").toInt() == 0 ? 0 : 3;
}

int main(int argc, char **argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--detaching-tool") == 0)
        return runDetachingTool(argc, argv);
    QCoreApplication app(argc, argv);
    TestProcessLifetime test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_processlifetime.moc"
