#include "process/appprocess.h"
#include "tests/helpers/testchild.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/types.h>
#endif

namespace {

// Every signal of an AppProcess in the order it arrives; the text signals
// carry their text as "out:TEXT" and "err:TEXT".
class EventLog : public QObject
{
public:
    explicit EventLog(AppProcess *process)
    {
        const auto record = [this](const char *name) {
            return [this, name] { events << QLatin1String(name); };
        };
        connect(process, &AppProcess::started, this, record("started"));
        connect(process, &AppProcess::finished, this, record("finished"));
        connect(process, &AppProcess::stateChanged, this, record("stateChanged"));
        connect(process, &AppProcess::errorChanged, this, record("errorChanged"));
        connect(process, &AppProcess::processIdChanged, this, record("processIdChanged"));
        connect(process, &AppProcess::exitCodeChanged, this, record("exitCodeChanged"));
        connect(process, &AppProcess::exitStatusChanged, this, record("exitStatusChanged"));
        connect(process, &AppProcess::programChanged, this, record("programChanged"));
        connect(process, &AppProcess::argumentsChanged, this, record("argumentsChanged"));
        connect(process, &AppProcess::workingDirectoryChanged, this, record("workingDirectoryChanged"));
        connect(process, &AppProcess::bufferedStandardErrorChanged, this, record("bufferedStandardErrorChanged"));
        connect(process, &AppProcess::bufferedStandardOutputChanged, this, record("bufferedStandardOutputChanged"));
        connect(process, &AppProcess::standardOutput, this,
                [this](const QString &text) { events << QStringLiteral("out:") + text; });
        connect(process, &AppProcess::standardError, this,
                [this](const QString &text) { events << QStringLiteral("err:") + text; });
    }

    // The events whose name is one of names, in order.
    QStringList only(const QStringList &names) const
    {
        QStringList result;
        for (const QString &event : events) {
            if (names.contains(event))
                result << event;
        }
        return result;
    }

    // The text of the emissions on one channel ("out" or "err").
    QStringList texts(const QString &channel) const
    {
        const QString prefix = channel + QLatin1Char(':');
        QStringList result;
        for (const QString &event : events) {
            if (event.startsWith(prefix))
                result << event.mid(prefix.size());
        }
        return result;
    }

    QStringList events;
};

const QStringList propertySignals = { QStringLiteral("programChanged"), QStringLiteral("argumentsChanged"),
                                      QStringLiteral("workingDirectoryChanged") };

}

class TestAppProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startWithCommandEmitsPropertySignals();
    void signalOrderOfARun();

    void streams_data();
    void streams();
    void settingBufferedToItsValueEmitsNothing();
    void streamEndEmitsHeldFragment();
    void longUnterminatedOutputIsNotLost();
    void startWhileRunningLeavesStreamsAlone();
    void nulInCommandLineIsRefused_data();
    void nulInCommandLineIsRefused();

    void exitCode_data();
    void exitCode();
    void failedToStart();
    void crash();

    void detachKeepsChildRunning();
    void detachBeforeStartFails();
    void startAgainAfterDetach();
};

void TestAppProcess::startWithCommandEmitsPropertySignals()
{
    AppProcess process;
    EventLog log(&process);
    QSignalSpy finished(&process, &AppProcess::finished);
    const QStringList arguments = { QStringLiteral("exit:0") };

    // The same command twice: the signals come although nothing changed.
    for (int run = 1; run <= 2; ++run) {
        log.events.clear();
        process.start(testChild(), arguments);
        QCOMPARE(log.only(propertySignals), propertySignals);
        QCOMPARE(process.program(), testChild());
        QCOMPARE(process.arguments(), arguments);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), run, waitMs);
    }

    log.events.clear();
    process.start();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 3, waitMs);
    QCOMPARE(log.only(propertySignals), QStringList());
}

void TestAppProcess::signalOrderOfARun()
{
    AppProcess process;
    EventLog log(&process);
    QSignalSpy finished(&process, &AppProcess::finished);

    // The output ends inside a two-byte character: what is left of it is
    // delivered when the child has gone, before finished.
    process.start(testChild(), { QStringLiteral("out:x\\xC3"), QStringLiteral("exit:3") });
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, waitMs);

    const int started = log.events.indexOf(QStringLiteral("started"));
    QVERIFY2(started >= 0, qPrintable(log.events.join(QLatin1Char(' '))));
    QCOMPARE(log.events.value(started + 1), QStringLiteral("processIdChanged"));
    QCOMPARE(log.events.count(QStringLiteral("started")), 1);

    const QStringList tail = { QStringLiteral("out:") + QChar(QChar::ReplacementCharacter), QStringLiteral("finished"),
                               QStringLiteral("exitCodeChanged"), QStringLiteral("exitStatusChanged") };
    QCOMPARE(log.events.mid(log.events.size() - tail.size()), tail);
    QCOMPARE(log.texts(QStringLiteral("out")).first(), QStringLiteral("x"));

    QCOMPARE(process.state(), AppProcess::NotRunning);
    QCOMPARE(process.exitCode(), 3);
    QCOMPARE(process.exitStatus(), AppProcess::NormalExit);
}

void TestAppProcess::streams_data()
{
    QTest::addColumn<QString>("channel");
    QTest::addColumn<bool>("buffered");
    QTest::addColumn<QStringList>("pieces"); // as testchild writes them, one read each
    QTest::addColumn<QStringList>("emissions");

    for (const QString &channel : { QStringLiteral("out"), QStringLiteral("err") }) {
        const QByteArray name = channel == QLatin1String("out") ? "stdout" : "stderr";
        const auto row = [&name](const char *title) -> QTestData & {
            return QTest::newRow(QByteArray(name + ", " + title).constData());
        };

        row("unbuffered, one emission per read")
                << channel << false
                << QStringList{ QStringLiteral("one"), QStringLiteral("two\\n"), QStringLiteral("a\\nb") }
                << QStringList{ QStringLiteral("one"), QStringLiteral("two\n"), QStringLiteral("a\nb") };
        row("unbuffered, character split after first byte")
                << channel << false << QStringList{ QStringLiteral("caf\\xC3"), QStringLiteral("\\xA9!") }
                << QStringList{ QStringLiteral("caf"), QStringLiteral("\u00e9!") };
        row("unbuffered, character split before anything else")
                << channel << false << QStringList{ QStringLiteral("\\xE2\\x9C"), QStringLiteral("\\x93 ok") }
                << QStringList{ QString(), QStringLiteral("\u2713 ok") };
        row("unbuffered, four-byte character in three reads")
                << channel << false
                << QStringList{ QStringLiteral("<\\xF0\\x9F"), QStringLiteral("\\x98"), QStringLiteral("\\x80>") }
                << QStringList{ QStringLiteral("<"), QString(), QString::fromUtf8("\xF0\x9F\x98\x80>") };

        row("buffered, held rest goes in front of next line")
                << channel << true << QStringList{ QStringLiteral("a\\nb"), QStringLiteral("c\\n") }
                << QStringList{ QStringLiteral("a\n"), QStringLiteral("bc\n") };
        row("buffered, several lines of one read in one emission")
                << channel << true << QStringList{ QStringLiteral("x\\ny\\nz") }
                << QStringList{ QStringLiteral("x\ny\n"), QStringLiteral("z") };
        row("buffered, CR LF split across reads")
                << channel << true << QStringList{ QStringLiteral("one\\r"), QStringLiteral("\\ntwo\\n") }
                << QStringList{ QStringLiteral("one\r\ntwo\n") };
        row("buffered, CR at the end of the stream")
                << channel << true << QStringList{ QStringLiteral("a\\nb\\r") }
                << QStringList{ QStringLiteral("a\n"), QStringLiteral("b\r") };
        row("buffered, nothing terminated")
                << channel << true << QStringList{ QStringLiteral("ab"), QStringLiteral("cd") }
                << QStringList{ QStringLiteral("abcd") };
        row("buffered, character split across reads")
                << channel << true
                << QStringList{ QStringLiteral("\\xE6\\x97\\xA5\\xE6"), QStringLiteral("\\x9C\\xAC\\n") }
                << QStringList{ QStringLiteral("\u65e5\u672c\n") };
    }
}

void TestAppProcess::streams()
{
    QFETCH(QString, channel);
    QFETCH(bool, buffered);
    QFETCH(QStringList, pieces);
    QFETCH(QStringList, emissions);

    const bool output = channel == QLatin1String("out");
    const QString other = output ? QStringLiteral("err") : QStringLiteral("out");

    AppProcess process;
    if (output)
        process.setBufferedStandardOutput(buffered);
    else
        process.setBufferedStandardError(buffered);

    EventLog log(&process);
    QSignalSpy finished(&process, &AppProcess::finished);
    QStringList arguments;
    for (const QString &piece : qAsConst(pieces))
        arguments << channel + QLatin1Char(':') + piece;
    process.start(testChild(), arguments);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, waitMs);

    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(log.texts(channel), emissions);
    QCOMPARE(log.texts(other), QStringList());
    // Everything went out before finished, so nothing is held any more.
    QCOMPARE(log.events.mid(log.events.indexOf(QStringLiteral("finished"))),
             (QStringList{ QStringLiteral("finished"), QStringLiteral("exitCodeChanged"),
                           QStringLiteral("exitStatusChanged") }));
    log.events.clear();
    if (output)
        process.setBufferedStandardOutput(false);
    else
        process.setBufferedStandardError(false);
    QCOMPARE(log.texts(channel), QStringList());
}

void TestAppProcess::settingBufferedToItsValueEmitsNothing()
{
    AppProcess process;
    EventLog log(&process);

    process.setBufferedStandardOutput(false);
    process.setBufferedStandardError(false);
    QCOMPARE(log.events, QStringList());

    process.setBufferedStandardOutput(true);
    process.setBufferedStandardError(true);
    QCOMPARE(log.events, (QStringList{ QStringLiteral("bufferedStandardOutputChanged"),
                                       QStringLiteral("bufferedStandardErrorChanged") }));
    QVERIFY(process.bufferedStandardOutput());
    QVERIFY(process.bufferedStandardError());

    // With a fragment held, setting true again must neither signal nor flush.
    // The child writes standard error only once its output was read.
    process.start(testChild(), { QStringLiteral("out:held"), QStringLiteral("err:x\\n"), QStringLiteral("sleep:20000") });
    QTRY_COMPARE_WITH_TIMEOUT(log.texts(QStringLiteral("err")), QStringList{ QStringLiteral("x\n") }, waitMs);
    log.events.clear();
    process.setBufferedStandardOutput(true);
    QCOMPARE(log.events, QStringList());
    process.setBufferedStandardOutput(false);
    QCOMPARE(log.events, (QStringList{ QStringLiteral("out:held"), QStringLiteral("bufferedStandardOutputChanged") }));
}

// What a run leaves unterminated goes out on its own before finished: also
// when the object goes right after, and never in front of the next run's text.
void TestAppProcess::streamEndEmitsHeldFragment()
{
    AppProcess process;
    process.setBufferedStandardOutput(true);
    process.setBufferedStandardError(true);
    EventLog log(&process);
    QSignalSpy finished(&process, &AppProcess::finished);

    process.start(testChild(), { QStringLiteral("out:a\\nfrag"), QStringLiteral("err:e\\nefrag") });
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, waitMs);
    QCOMPARE(log.only({ QStringLiteral("out:a\n"), QStringLiteral("out:frag"), QStringLiteral("err:e\n"),
                        QStringLiteral("err:efrag"), QStringLiteral("finished") }),
             (QStringList{ QStringLiteral("out:a\n"), QStringLiteral("err:e\n"), QStringLiteral("out:frag"),
                           QStringLiteral("err:efrag"), QStringLiteral("finished") }));

    process.setArguments({ QStringLiteral("out:next\\n"), QStringLiteral("err:enext\\n") });
    log.events.clear();
    process.start();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, waitMs);
    QCOMPARE(log.texts(QStringLiteral("out")), QStringList{ QStringLiteral("next\n") });
    QCOMPARE(log.texts(QStringLiteral("err")), QStringList{ QStringLiteral("enext\n") });
}

// 50 MB without a line terminator reach the handler whole, even when the
// object is destroyed as soon as the child has ended.
void TestAppProcess::longUnterminatedOutputIsNotLost()
{
    const int size = 50 * 1000 * 1000;
    auto *process = new AppProcess;
    process->setBufferedStandardOutput(true);
    qint64 received = 0;
    bool finished = false;
    connect(process, &AppProcess::standardOutput, this, [&received](const QString &text) { received += text.size(); });
    connect(process, &AppProcess::finished, this, [&finished, process] {
        finished = true;
        delete process;
    });
    process->start(testChild(), { QStringLiteral("fill:") + QString::number(size) });
    QTRY_VERIFY_WITH_TIMEOUT(finished, waitMs);
    QCOMPARE(received, qint64(size));
}

// A refused second start leaves the running child's streams as they were:
// no line cut in two, no character broken.
void TestAppProcess::startWhileRunningLeavesStreamsAlone()
{
    AppProcess process;
    process.setBufferedStandardOutput(true);
    EventLog log(&process);
    QSignalSpy finished(&process, &AppProcess::finished);

    process.start(testChild(), { QStringLiteral("out:li"), QStringLiteral("err:\\xE2"), QStringLiteral("sleep:300"),
                                 QStringLiteral("out:ne\\n"), QStringLiteral("err:\\x9C\\x93") });
    QTRY_VERIFY_WITH_TIMEOUT(log.events.contains(QStringLiteral("err:")), waitMs);
    log.events.clear();
    const QString message = QStringLiteral("void AppProcess::start(const QString&, const QStringList&) "
                                           "Process is already running: \"") + testChild() + QLatin1Char('"');
    QTest::ignoreMessage(QtWarningMsg, qPrintable(message));
    process.start(testChild(), { QStringLiteral("exit:9") });
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, waitMs);

    QCOMPARE(log.texts(QStringLiteral("out")), QStringList{ QStringLiteral("line\n") });
    QCOMPARE(log.texts(QStringLiteral("err")), QStringList{ QStringLiteral("\u2713") });
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(!log.events.contains(QStringLiteral("programChanged")));
}

// Text with a NUL cannot reach the child intact: the start is refused the
// way a program that cannot start fails, and the next good start clears it.
void TestAppProcess::nulInCommandLineIsRefused_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("warning");

    const QString nul(QChar(0));
    const QString function = QStringLiteral("void AppProcess::start(const QString&, const QStringList&) ");
    QTest::newRow("second argument")
            << testChild() << QStringList{ QStringLiteral("exit:0"), QStringLiteral("a") + nul + QStringLiteral("b") }
            << function + QStringLiteral("Refused to start \"") + testChild() + QStringLiteral("\" : argument 1 contains a NUL character");
    QTest::newRow("program")
            << testChild() + nul << QStringList()
            << function + QStringLiteral("Refused to start: the program name contains a NUL character");
}

void TestAppProcess::nulInCommandLineIsRefused()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, warning);

    AppProcess process;
    EventLog log(&process);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    process.start(program, arguments);
    QCOMPARE(process.error(), AppProcess::FailedToStart);
    QCOMPARE(process.state(), AppProcess::NotRunning);
    QCOMPARE(log.events, QStringList{ QStringLiteral("errorChanged") });

    QSignalSpy finished(&process, &AppProcess::finished);
    process.start(testChild(), { QStringLiteral("exit:4") });
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, waitMs);
    QCOMPARE(process.exitCode(), 4);
    QVERIFY(process.error() != AppProcess::FailedToStart);
}

void TestAppProcess::exitCode_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("zero") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("42") << 42;
    QTest::newRow("255") << 255;
}

void TestAppProcess::exitCode()
{
    QFETCH(int, code);

    AppProcess process;
    QSignalSpy finished(&process, &AppProcess::finished);
    QSignalSpy exitCodeChanged(&process, &AppProcess::exitCodeChanged);
    process.start(testChild(), { QStringLiteral("exit:") + QString::number(code) });
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, waitMs);

    QCOMPARE(exitCodeChanged.count(), 1);
    QCOMPARE(process.exitCode(), code);
    QCOMPARE(process.exitStatus(), AppProcess::NormalExit);
    QCOMPARE(process.state(), AppProcess::NotRunning);
}

void TestAppProcess::failedToStart()
{
    AppProcess process;
    EventLog log(&process);
    QSignalSpy errorChanged(&process, &AppProcess::errorChanged);

    process.start(QStringLiteral("/nonexistent/loomwright-no-such-program"));
    QTRY_VERIFY_WITH_TIMEOUT(errorChanged.count() > 0, waitMs);

    QCOMPARE(process.error(), AppProcess::FailedToStart);
    QCOMPARE(process.state(), AppProcess::NotRunning);
    QVERIFY(!log.events.contains(QStringLiteral("started")));
    QVERIFY(!log.events.contains(QStringLiteral("finished")));
}

void TestAppProcess::crash()
{
    AppProcess process;
    EventLog log(&process);
    QSignalSpy finished(&process, &AppProcess::finished);

    process.start(testChild(), { QStringLiteral("out:before\\n"), QStringLiteral("crash") });
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, waitMs);

    QCOMPARE(process.error(), AppProcess::Crashed);
    QCOMPARE(process.exitStatus(), AppProcess::CrashExit);
    QVERIFY(log.events.contains(QStringLiteral("errorChanged")));
    QCOMPARE(log.texts(QStringLiteral("out")), QStringList{ QStringLiteral("before\n") });
}

void TestAppProcess::detachKeepsChildRunning()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString alive = dir.filePath(QStringLiteral("alive"));

    auto *process = new AppProcess;
    QSignalSpy started(process, &AppProcess::started);
    QSignalSpy stateChanged(process, &AppProcess::stateChanged);
    // The child writes after its object is gone: that must neither kill nor block it.
    process->start(testChild(), { QStringLiteral("sleep:800"), QStringLiteral("out:late\\n"),
                                  QStringLiteral("err:late\\n"), QStringLiteral("touch:") + alive });
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, waitMs);

    stateChanged.clear();
    QVERIFY(process->detach());
    QCOMPARE(process->state(), AppProcess::NotRunning);
    QCOMPARE(stateChanged.count(), 1);

    // Destroying a process that still owned its child would kill it.
    delete process;
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(alive), waitMs);
}

void TestAppProcess::detachBeforeStartFails()
{
    AppProcess process;
    EventLog log(&process);
    QVERIFY(!process.detach());
    QCOMPARE(process.state(), AppProcess::NotRunning);
    QCOMPARE(log.events, QStringList());
}

void TestAppProcess::startAgainAfterDetach()
{
    AppProcess process;
    EventLog log(&process);
    QSignalSpy started(&process, &AppProcess::started);
    QSignalSpy finished(&process, &AppProcess::finished);
    process.start(testChild(), { QStringLiteral("sleep:300") });
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, waitMs);
    const qint64 detachedPid = qint64(process.processId());
    QVERIFY(process.detach());

    // The same object runs the next child and reports it in full.
    log.events.clear();
    process.start(testChild(), { QStringLiteral("out:again"), QStringLiteral("sleep:20000") });
    QTRY_COMPARE_WITH_TIMEOUT(log.texts(QStringLiteral("out")), QStringList{ QStringLiteral("again") }, waitMs);
    QCOMPARE(started.count(), 2);

    // The end of the detached child belongs to nobody: it must neither end
    // the new run nor hold up the event loop until the new child is gone.
    QTRY_VERIFY_WITH_TIMEOUT(processEnded(detachedPid), waitMs);
    QTest::qWait(200);
    QCOMPARE(process.state(), AppProcess::Running);
    QCOMPARE(finished.count(), 0);

#ifdef Q_OS_UNIX
    ::kill(pid_t(process.processId()), SIGKILL);
#endif
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, waitMs);
    QCOMPARE(process.exitStatus(), AppProcess::CrashExit);
}

QTEST_GUILESS_MAIN(TestAppProcess)

#include "tst_appprocess.moc"
