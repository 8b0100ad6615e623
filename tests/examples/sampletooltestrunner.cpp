// Runs tests/examples/tst_sampletool.qml: the sample tool's window in the
// host that its program has (ToolHost, in demo mode, so with the local
// portal and its update site), driven as a person would use it.
//
// QML gets, besides the tool's context names:
//   screenshotFolder   where the pictures of the steps go
//   temporaryFolder    a folder of the run's own
//   testHost           the language of the plugin's texts and files to
//                      write (tests/helpers/testhost.h)
#include "examples/sampletool/toolhost.h"
#include "tests/helpers/testhost.h"

#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQuickTest>
#include <QtWebEngine/qtwebengineglobal.h>

#include <cstdio>

class Setup : public QObject
{
    Q_OBJECT

public:
    // Before the application exists, as the web engine of the sign-in page
    // requires.
    Setup() { QtWebEngine::initialize(); }

public Q_SLOTS:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        m_host.parse({QStringLiteral("--demo")});
        if (!m_host.attach(engine))
            std::fprintf(stderr, "%s\n", qPrintable(m_host.errorString()));
        const QString screenshots = QDir::current().absoluteFilePath(QStringLiteral("sampletool-screenshots"));
        QDir(screenshots).removeRecursively();
        QDir().mkpath(screenshots);
        m_testHost.attach(engine);
        engine->rootContext()->setContextProperty(QStringLiteral("screenshotFolder"), screenshots);
        engine->rootContext()->setContextProperty(QStringLiteral("testHost"), &m_testHost);
        engine->rootContext()->setContextProperty(QStringLiteral("temporaryFolder"), m_temporaryFolder.path());
    }

    void cleanupTestCase() { m_host.detach(); }

private:
    ToolHost m_host;
    TestHost m_testHost;
    QTemporaryDir m_temporaryFolder;
};

QUICK_TEST_MAIN_WITH_SETUP(sampletool, Setup)

#include "sampletooltestrunner.moc"
