// Runs the Qt Quick Tests of a folder that tests what a suite tool shows:
// the portal components, the app window and the older tool window, through
// the real plugin and host layer. One run starts, once, what those tests talk
// to: the local portal (portal/localportal.py) over HTTP, which also serves
// a documentation site from a folder, and over TLS. The web engine serves
// the sign-in page; the suite's real shared memory is shared with second
// tool processes that the console QML host runs.
//
// QML gets, as context properties:
//   localPortalUrl     the local portal's base URL (also exported to child
//                      processes as LOOMWRIGHT_PORTAL_URL)
//   localTlsPortalUrl  a second portal on HTTPS with a certificate of its own,
//                      which nothing trusts
//   docSiteUrl         the documentation site's base URL (the portal's); it
//                      serves the files under docSiteFolder
//   docSiteFolder      where the tests put the site's files
//   temporaryFolder    a folder of the run's own
//   processRunner      the console QML host, for a second tool process
//   signInPeer, toolWindowPeer
//                      the QML programs that such a process runs
//   logCapture         records every log line of the process while capturing
//   testHost           the hosting tool's side (see TestHost)
// and the context names of a hosting tool, as the console host sets them:
// commandLine (no arguments), productVersion "3.4.2", toolsPath (a folder of
// the run's own that holds one tool, "console": a script that writes, beside
// itself, "console.ran" with its parent's process id and its arguments),
// localeOptionName, highDpiOptionName, useExternalCodeEditor. Each test file
// starts with these defaults.
#include "logcapture.h"
#include "portal/localportal.h"
#include "testhost.h"

#include <QDir>
#include <QFile>
#include <QObject>
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
        engine->addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
        startServers();
        const QString toolsPath = m_temporaryFolder.filePath(QStringLiteral("tools"));
        makeConsoleTool(toolsPath);

        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("localPortalUrl"), m_portal.url().toString());
        context->setContextProperty(QStringLiteral("localTlsPortalUrl"), m_tlsPortal.url().toString());
        context->setContextProperty(QStringLiteral("docSiteUrl"), m_portal.url().toString());
        context->setContextProperty(QStringLiteral("docSiteFolder"), docSiteFolder());
        context->setContextProperty(QStringLiteral("temporaryFolder"), m_temporaryFolder.path());
        context->setContextProperty(QStringLiteral("processRunner"), QStringLiteral(LOOMWRIGHT_PROCESSRUNNER));
        context->setContextProperty(QStringLiteral("signInPeer"), QStringLiteral(LOOMWRIGHT_SIGNIN_PEER));
        context->setContextProperty(QStringLiteral("toolWindowPeer"), QStringLiteral(LOOMWRIGHT_TOOLWINDOW_PEER));
        context->setContextProperty(QStringLiteral("logCapture"), &m_logCapture);
        context->setContextProperty(QStringLiteral("testHost"), &m_host);
        m_host.attach(engine);
        m_host.provideHostNames(toolsPath);
    }

    void cleanupTestCase()
    {
        m_portal.stop();
        m_tlsPortal.stop();
    }

private:
    QString docSiteFolder() const { return m_temporaryFolder.filePath(QStringLiteral("site")); }

    // Once for the run; each test file sets them up as it needs through
    // their controls and files.
    void startServers()
    {
        if (!m_portal.isRunning()) {
            QDir().mkpath(docSiteFolder());
            if (m_portal.start({ QStringLiteral("--site"), docSiteFolder() }))
                m_portal.exportUrl();
            else
                std::fprintf(stderr, "The local portal did not start: %s\n", qPrintable(m_portal.errorString()));
        }
        if (!m_tlsPortal.isRunning() && !m_tlsPortal.start({ QStringLiteral("--tls") }))
            std::fprintf(stderr, "The TLS portal did not start: %s\n", qPrintable(m_tlsPortal.errorString()));
    }

    static void makeConsoleTool(const QString &toolsPath)
    {
        QDir().mkpath(toolsPath);
        QFile tool(toolsPath + QStringLiteral("/console"));
        if (tool.exists())
            return;
        if (!tool.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(tool.fileName()));
            return;
        }
        tool.write("#!/bin/sh\n"
                   "# A stand-in suite tool: says that it ran, whose child it is and with what.\n"
                   "printf 'ppid %s\\nargs %s\\n' \"$PPID\" \"$*\" > \"$0.ran.part\"\n"
                   "mv \"$0.ran.part\" \"$0.ran\"\n");
        tool.close();
        tool.setPermissions(tool.permissions() | QFile::ExeOwner | QFile::ExeUser);
    }

    LocalPortal m_portal;
    LocalPortal m_tlsPortal;
    QTemporaryDir m_temporaryFolder;
    LogCapture m_logCapture;
    TestHost m_host;
};

QUICK_TEST_MAIN_WITH_SETUP(tooltest, Setup)

#include "tooltestrunner.moc"
