#include "plugin/loomwright.h"
#include "process/appprocess.h"
#include "process/synchronousprocess.h"
#include "tests/helpers/testchild.h"
#include "tests/helpers/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestLoomwright : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runReturnsStartedProcess();
    void runSynchronousReturnsFinishedProcess();
    void runDetachedFailure_data();
    void runDetachedFailure();
    void runDetachedInWorkingDirectory();
    void processFromQmlIsCollected();
    void runLogsCommandWhenDebugging();
};

void TestLoomwright::runReturnsStartedProcess()
{
    Loomwright facade;
    const QStringList arguments = { QStringLiteral("out:hello"), QStringLiteral("exit:4") };
    std::unique_ptr<AppProcess> process(facade.run(testChild(), arguments));
    QVERIFY(process);

    QCOMPARE(process->parent(), nullptr);
    QCOMPARE(QQmlEngine::objectOwnership(process.get()), QQmlEngine::JavaScriptOwnership);
    QVERIFY(process->state() != AppProcess::NotRunning);
    QCOMPARE(process->program(), testChild());
    QCOMPARE(process->arguments(), arguments);

    // Nothing is lost to a caller that connects right after run() returns.
    QSignalSpy output(process.get(), &AppProcess::standardOutput);
    QSignalSpy finished(process.get(), &AppProcess::finished);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, waitMs);
    QCOMPARE(output.count(), 1);
    QCOMPARE(output.at(0).at(0).toString(), QStringLiteral("hello"));
    QCOMPARE(process->exitCode(), 4);
}

void TestLoomwright::runSynchronousReturnsFinishedProcess()
{
    Loomwright facade;
    const QString input = QStringLiteral("gr\u00fc\u00dfe \u2713 \u65e5\u672c");
    std::unique_ptr<SynchronousProcess> process(facade.runSynchronous(testChild(), { QStringLiteral("cat") }, input));
    QVERIFY(process);

    QCOMPARE(process->parent(), nullptr);
    QCOMPARE(QQmlEngine::objectOwnership(process.get()), QQmlEngine::JavaScriptOwnership);
    QCOMPARE(process->state(), SynchronousProcess::NotRunning);
    QCOMPARE(process->exitStatus(), SynchronousProcess::NormalExit);
    QCOMPARE(process->standardInput(), input);
    QCOMPARE(process->standardOutput(), input);
}

void TestLoomwright::runDetachedFailure_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("workingDirectory");
    QTest::addColumn<QString>("logged"); // what the warning says after the command

    const QString missing = QStringLiteral("/nonexistent/loomwright-no-such-program");
    const QString missingFolder = QDir::tempPath() + QStringLiteral("/loomwright-no-such-folder");
    QTest::newRow("with arguments and working directory")
            << missing << QStringList{ QStringLiteral("exit:0"), QStringLiteral("two words") } << QDir::tempPath()
            << QStringLiteral("arguments: (\"exit:0\", \"two words\") workingDirectory: \"%1\"").arg(QDir::tempPath());
    QTest::newRow("command only") << missing << QStringList() << QString()
                                  << QStringLiteral("arguments: () workingDirectory: \"\"");
    // A program that exists must not silently run in this process's folder instead.
    QTest::newRow("missing working directory")
            << QStringLiteral(LOOMWRIGHT_TESTCHILD) << QStringList{ QStringLiteral("exit:0") } << missingFolder
            << QStringLiteral("arguments: (\"exit:0\") workingDirectory: \"%1\"").arg(missingFolder);
}

void TestLoomwright::runDetachedFailure()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, workingDirectory);
    QFETCH(QString, logged);

    const QString details = QStringLiteral("Error starting detached command: \"%1\" ").arg(program) + logged;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("Loomwright::runDetached\\(.*\\) ")
                                            + QRegularExpression::escape(details) + QLatin1Char('$')));

    Loomwright facade;
    QCOMPARE(facade.runDetached(program, arguments, workingDirectory), qulonglong(0));
}

void TestLoomwright::runDetachedInWorkingDirectory()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString cwdFile = dir.filePath(QStringLiteral("cwd"));
    const QString pidFile = dir.filePath(QStringLiteral("pid"));

    Loomwright facade;
    const qulonglong pid = facade.runDetached(
            testChild(), { QStringLiteral("cwd:") + cwdFile, QStringLiteral("pid:") + pidFile }, dir.path());
    QVERIFY(pid > 0);

    QTRY_COMPARE_WITH_TIMEOUT(fileText(pidFile), QString::number(pid), waitMs);
    QCOMPARE(QFileInfo(fileText(cwdFile)).canonicalFilePath(), QFileInfo(dir.path()).canonicalFilePath());
}

void TestLoomwright::processFromQmlIsCollected()
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\n"
                      "import Varnex.Loomwright 1.0\n"
                      "QtObject {\n"
                      "    function launch(program) { return Loomwright.run(program, [\"out:gone\"]) }\n"
                      "}\n",
                      QUrl(QStringLiteral("qrc:/collect.qml")));
    std::unique_ptr<QObject> root(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));

    QVariant result;
    QVERIFY(QMetaObject::invokeMethod(root.get(), "launch", Q_RETURN_ARG(QVariant, result),
                                      Q_ARG(QVariant, testChild())));
    QPointer<QObject> process = result.value<QObject *>();
    result.clear();
    QVERIFY(process);
    QCOMPARE(process->metaObject()->className(), "AppProcess");

    QSignalSpy finished(process.data(), SIGNAL(finished()));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, waitMs);
    QVERIFY(process);

    engine.collectGarbage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY_WITH_TIMEOUT(process.isNull(), waitMs);
}

void TestLoomwright::runLogsCommandWhenDebugging()
{
    Loomwright facade;
    QLoggingCategory::setFilterRules(QStringLiteral("Varnex.Loomwright.Core.debug=true"));
    const auto restore = qScopeGuard([] { QLoggingCategory::setFilterRules(QString()); });

    const QString tail = QLatin1Char('"') + testChild() + QStringLiteral("\" (\"exit:0\", \"two words\")");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^AppProcess ?\\* ?Loomwright::run\\(.*\\) ")
                                                        + QRegularExpression::escape(tail) + QLatin1Char('$')));
    std::unique_ptr<AppProcess> process(
            facade.run(testChild(), { QStringLiteral("exit:0"), QStringLiteral("two words") }));

    QSignalSpy finished(process.get(), &AppProcess::finished);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, waitMs);
}

QTEST_GUILESS_MAIN(TestLoomwright)

#include "tst_loomwright.moc"
