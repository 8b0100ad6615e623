#include "process/synchronousprocess.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/testchild.h"
#include "tests/helpers/testsupport.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/types.h>
#endif

namespace {

// A log line of a void function of this class (a pattern), then text.
QRegularExpression processLine(const char *function, const char *text)
{
    return logLine(QStringLiteral("void SynchronousProcess::") + QLatin1String(function), QLatin1String(text));
}

}

class TestSynchronousProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startWithCommandEmitsPropertySignals();

    void standardInput_data();
    void standardInput();
    void outputsAndExitCode();
    void silentProgramStillSignalsOutputs();
    void secondStartClearsOutputUntilDone();

    void timeoutLeavesChildRunning();
    void startAfterTimeoutRunsNewProgram();
    void nulInArgumentIsRefused();
    void longTimeoutsWait_data();
    void longTimeoutsWait();
    void missingProgram();
    void crash();
};

void TestSynchronousProcess::startWithCommandEmitsPropertySignals()
{
    SynchronousProcess process;
    QStringList order;
    connect(&process, &SynchronousProcess::programChanged, this, [&] { order << QStringLiteral("program"); });
    connect(&process, &SynchronousProcess::argumentsChanged, this, [&] { order << QStringLiteral("arguments"); });
    connect(&process, &SynchronousProcess::workingDirectoryChanged, this,
            [&] { order << QStringLiteral("workingDirectory"); });
    const QStringList expected = { QStringLiteral("program"), QStringLiteral("arguments"),
                                   QStringLiteral("workingDirectory") };

    process.start(testChild(), { QStringLiteral("exit:0") });
    QCOMPARE(order, expected);
    order.clear();
    process.start(testChild(), { QStringLiteral("exit:0") });
    QCOMPARE(order, expected);
    order.clear();
    process.start();
    QCOMPARE(order, QStringList());
    QCOMPARE(process.state(), SynchronousProcess::NotRunning);
}

void TestSynchronousProcess::standardInput_data()
{
    QTest::addColumn<QString>("input");

    QTest::newRow("non-ASCII text") << QStringLiteral("gr\u00fc\u00dfe \u2713 \u65e5\u672c");
    QTest::newRow("several lines") << QStringLiteral("one\ntwo\r\nthree");
    QTest::newRow("larger than a pipe buffer") << QStringLiteral("0123456789abcd\u00e9\n").repeated(20000);
    // Nothing to feed: the child sees end of input at once instead of waiting
    // until the time-out.
    QTest::newRow("empty") << QString();
}

void TestSynchronousProcess::standardInput()
{
    QFETCH(QString, input);

    SynchronousProcess process;
    QSignalSpy finished(&process, &SynchronousProcess::finished);
    QSignalSpy outputChanged(&process, &SynchronousProcess::standardOutputChanged);
    process.setStandardInput(input);
    process.start(testChild(), { QStringLiteral("cat") });

    QCOMPARE(finished.count(), 1);
    QCOMPARE(outputChanged.count(), 1);
    QCOMPARE(process.state(), SynchronousProcess::NotRunning);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.standardOutput().size(), input.size());
    QCOMPARE(process.standardOutput(), input);
    QCOMPARE(process.standardInput(), input);
}

void TestSynchronousProcess::outputsAndExitCode()
{
    SynchronousProcess process;
    QSignalSpy started(&process, &SynchronousProcess::started);
    QSignalSpy exitCodeChanged(&process, &SynchronousProcess::exitCodeChanged);
    process.setProgram(testChild());
    process.setArguments({ QStringLiteral("out:caf\\xC3"), QStringLiteral("err:warn\\n"),
                           QStringLiteral("out:\\xA9\\n"), QStringLiteral("exit:7") });
    process.start();

    QCOMPARE(started.count(), 1);
    QCOMPARE(exitCodeChanged.count(), 1);
    QCOMPARE(process.standardOutput(), QStringLiteral("caf\u00e9\n"));
    QCOMPARE(process.standardError(), QStringLiteral("warn\n"));
    QCOMPARE(process.exitCode(), 7);
    QCOMPARE(process.exitStatus(), SynchronousProcess::NormalExit);
}

void TestSynchronousProcess::silentProgramStillSignalsOutputs()
{
    SynchronousProcess process;
    QSignalSpy outputChanged(&process, &SynchronousProcess::standardOutputChanged);
    QSignalSpy errorChanged(&process, &SynchronousProcess::standardErrorChanged);
    process.start(testChild());

    QCOMPARE(outputChanged.count(), 1);
    QCOMPARE(errorChanged.count(), 1);
    QCOMPARE(process.standardOutput(), QString());
    QCOMPARE(process.standardError(), QString());
}

void TestSynchronousProcess::secondStartClearsOutputUntilDone()
{
    SynchronousProcess process;
    process.start(testChild(), { QStringLiteral("out:first"), QStringLiteral("err:first") });
    QCOMPARE(process.standardOutput(), QStringLiteral("first"));

    QSignalSpy outputChanged(&process, &SynchronousProcess::standardOutputChanged);
    QSignalSpy errorChanged(&process, &SynchronousProcess::standardErrorChanged);
    QStringList seenWhileRunning;
    int changesWhileRunning = -1;
    connect(&process, &SynchronousProcess::started, this, [&] {
        seenWhileRunning = QStringList{ process.standardOutput(), process.standardError() };
        changesWhileRunning = outputChanged.count() + errorChanged.count();
    });

    process.start(testChild(), { QStringLiteral("out:second") });
    QCOMPARE(seenWhileRunning, (QStringList{ QString(), QString() }));
    QCOMPARE(changesWhileRunning, 0);
    QCOMPARE(outputChanged.count(), 1);
    QCOMPARE(errorChanged.count(), 1);
    QCOMPARE(process.standardOutput(), QStringLiteral("second"));
    QCOMPARE(process.standardError(), QString());
}

void TestSynchronousProcess::timeoutLeavesChildRunning()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pidFile = dir.filePath(QStringLiteral("pid"));

    SynchronousProcess process;
    QSignalSpy outputChanged(&process, &SynchronousProcess::standardOutputChanged);
    process.setTimeout(300);
    QTest::ignoreMessage(QtWarningMsg, processLine("\\w+", "waitForFinished error"));
    process.start(testChild(),
                  { QStringLiteral("pid:") + pidFile, QStringLiteral("out:x"), QStringLiteral("sleep:5000") });

    QTRY_VERIFY_WITH_TIMEOUT(!fileText(pidFile).isEmpty(), waitMs);
    const qint64 pid = fileText(pidFile).toLongLong();
    QVERIFY(pid > 0);
    const auto killChild = qScopeGuard([&] {
#ifdef Q_OS_UNIX
        QTest::ignoreMessage(QtCriticalMsg, processLine("onError", "1"));
        ::kill(pid_t(pid), SIGKILL);
#endif
        QTRY_COMPARE_WITH_TIMEOUT(process.state(), SynchronousProcess::NotRunning, waitMs);
    });

    QCOMPARE(outputChanged.count(), 0);
    QCOMPARE(process.standardOutput(), QString());
    QCOMPARE(process.standardError(), QString());
    QCOMPARE(process.state(), SynchronousProcess::Running);
    QCOMPARE(qint64(process.processId()), pid);
#ifdef Q_OS_UNIX
    QCOMPARE(::kill(pid_t(pid), 0), 0);
#endif
}

// The child that outlived its time-out keeps running on its own; the next
// start runs the new program and reports its output only.
void TestSynchronousProcess::startAfterTimeoutRunsNewProgram()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pidFile = dir.filePath(QStringLiteral("pid"));

    SynchronousProcess process;
    process.setTimeout(300);
    QTest::ignoreMessage(QtWarningMsg, processLine("\\w+", "waitForFinished error"));
    process.start(testChild(), { QStringLiteral("pid:") + pidFile, QStringLiteral("out:old-run"),
                                 QStringLiteral("sleep:20000") });
    QTRY_VERIFY_WITH_TIMEOUT(!fileText(pidFile).isEmpty(), waitMs);
    const qint64 oldPid = fileText(pidFile).toLongLong();

    process.setTimeout(30000);
    process.start(testChild(), { QStringLiteral("out:new-run"), QStringLiteral("err:new-error") });
    QCOMPARE(process.standardOutput(), QStringLiteral("new-run"));
    QCOMPARE(process.standardError(), QStringLiteral("new-error"));
    QCOMPARE(process.state(), SynchronousProcess::NotRunning);
    QVERIFY(qint64(process.processId()) != oldPid);
#ifdef Q_OS_UNIX
    QCOMPARE(::kill(pid_t(oldPid), 0), 0);
    ::kill(pid_t(oldPid), SIGKILL);
#endif
}

void TestSynchronousProcess::nulInArgumentIsRefused()
{
    SynchronousProcess process;
    process.start(testChild(), { QStringLiteral("out:first") });
    QCOMPARE(process.standardOutput(), QStringLiteral("first"));

    QSignalSpy errorChanged(&process, &SynchronousProcess::errorChanged);
    QSignalSpy outputChanged(&process, &SynchronousProcess::standardOutputChanged);
    QTest::ignoreMessage(QtWarningMsg, logLine(QStringLiteral("void SynchronousProcess::start"),
                                               QStringLiteral("Refused to start ") + quoted(testChild()) + QStringLiteral(" : argument 2 contains a NUL character")));
    process.start(testChild(), { QStringLiteral("out:a"), QStringLiteral("out:b"), QStringLiteral("out:c") + QChar(0) });
    QCOMPARE(process.error(), SynchronousProcess::FailedToStart);
    QCOMPARE(errorChanged.count(), 1);
    QCOMPARE(outputChanged.count(), 0);
    QCOMPARE(process.standardOutput(), QString());
}

void TestSynchronousProcess::longTimeoutsWait_data()
{
    QTest::addColumn<qlonglong>("timeout");

    // Cut to 32 bits, these would become 100 ms, a negative count and -1.
    QTest::newRow("2^32 + 100") << (qlonglong(1) << 32) + 100;
    QTest::newRow("INT_MAX + 1") << qlonglong(std::numeric_limits<int>::max()) + 1;
    QTest::newRow("largest") << std::numeric_limits<qlonglong>::max();
    QTest::newRow("negative: no limit") << qlonglong(-1);
}

void TestSynchronousProcess::longTimeoutsWait()
{
    QFETCH(qlonglong, timeout);

    SynchronousProcess process;
    process.setTimeout(timeout);
    QCOMPARE(process.timeout(), timeout);
    process.start(testChild(), { QStringLiteral("sleep:500"), QStringLiteral("out:done") });

    QCOMPARE(process.state(), SynchronousProcess::NotRunning);
    QCOMPARE(process.standardOutput(), QStringLiteral("done"));
}

void TestSynchronousProcess::missingProgram()
{
    SynchronousProcess process;
    QSignalSpy started(&process, &SynchronousProcess::started);
    QSignalSpy outputChanged(&process, &SynchronousProcess::standardOutputChanged);

    QTest::ignoreMessage(QtCriticalMsg, processLine("onError", "0"));
    QTest::ignoreMessage(QtWarningMsg, processLine("\\w+", "waitForStarted error"));
    process.start(QStringLiteral("/nonexistent/loomwright-no-such-program"));

    QCOMPARE(process.error(), SynchronousProcess::FailedToStart);
    QCOMPARE(process.state(), SynchronousProcess::NotRunning);
    QCOMPARE(started.count(), 0);
    QCOMPARE(outputChanged.count(), 0);
}

void TestSynchronousProcess::crash()
{
    SynchronousProcess process;
    QTest::ignoreMessage(QtCriticalMsg, processLine("onError", "1"));
    process.start(testChild(),
                  { QStringLiteral("out:before"), QStringLiteral("err:oops\\n"), QStringLiteral("crash") });

    QCOMPARE(process.error(), SynchronousProcess::Crashed);
    QCOMPARE(process.exitStatus(), SynchronousProcess::CrashExit);
    QCOMPARE(process.standardOutput(), QStringLiteral("before"));
    QCOMPARE(process.standardError(), QStringLiteral("oops\n"));
}

QTEST_GUILESS_MAIN(TestSynchronousProcess)

#include "tst_synchronousprocess.moc"
