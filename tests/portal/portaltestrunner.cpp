// Runs the Qt Quick Tests of tests/portal: the portal components of the
// plugin against the local portal (portal/localportal.py), with the web
// engine for the sign-in page and the real shared memory of the suite.
//
// QML gets, as context properties:
//   localPortalUrl   the local portal's base URL (also exported to child
//                    processes as LOOMWRIGHT_PORTAL_URL)
//   localTlsPortalUrl  a second one on HTTPS with a certificate of its own,
//                    which nothing trusts
//   processRunner    the console QML host, for a second tool process
//   signInPeer       the QML program that that process runs
//   temporaryFolder  a folder of the run's own
//   logCapture       records every log line of the process while capturing
#include "../helpers/localportal.h"
#include "../helpers/logcapture.h"

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
    // Before the application exists, as the web engine requires.
    Setup() { QtWebEngine::initialize(); }

public Q_SLOTS:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
        // One portal for the whole run; each test file sets it up as it needs
        // through its controls.
        if (!m_portal.isRunning()) {
            if (m_portal.start())
                m_portal.exportUrl();
            else
                std::fprintf(stderr, "The local portal did not start: %s\n", qPrintable(m_portal.errorString()));
        }
        if (!m_tlsPortal.isRunning() && !m_tlsPortal.start({ QStringLiteral("--tls") }))
            std::fprintf(stderr, "The TLS portal did not start: %s\n", qPrintable(m_tlsPortal.errorString()));
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("localPortalUrl"), m_portal.url().toString());
        context->setContextProperty(QStringLiteral("localTlsPortalUrl"), m_tlsPortal.url().toString());
        context->setContextProperty(QStringLiteral("processRunner"), QStringLiteral(LOOMWRIGHT_PROCESSRUNNER));
        context->setContextProperty(QStringLiteral("signInPeer"), QStringLiteral(LOOMWRIGHT_SIGNIN_PEER));
        context->setContextProperty(QStringLiteral("temporaryFolder"), m_temporaryFolder.path());
        context->setContextProperty(QStringLiteral("logCapture"), &m_logCapture);
    }

    void cleanupTestCase()
    {
        m_portal.stop();
        m_tlsPortal.stop();
    }

private:
    LocalPortal m_portal;
    LocalPortal m_tlsPortal;
    QTemporaryDir m_temporaryFolder;
    LogCapture m_logCapture;
};

QUICK_TEST_MAIN_WITH_SETUP(portal, Setup)

#include "portaltestrunner.moc"
