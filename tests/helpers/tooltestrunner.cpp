// Runs the Qt Quick Tests of a folder that tests what a suite tool shows:
// the portal components, the app window and the older tool window, through
// the real plugin and host layer. One run starts, once, what those tests talk
// to: the local portal (portal/localportal.py) over HTTP and over TLS, and a
// local documentation site (docsite.py). The web engine serves
// the sign-in page; the suite's real shared memory is shared with second
// tool processes that the console QML host runs.
//
// QML gets, as context properties:
//   localPortalUrl     the local portal's base URL (also exported to child
//                      processes as LOOMWRIGHT_PORTAL_URL)
//   localTlsPortalUrl  a second portal on HTTPS with a certificate of its own,
//                      which nothing trusts
//   docSiteUrl         the documentation site's base URL; it serves the files
//                      under docSiteFolder
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
#include "localportal.h"
#include "logcapture.h"
#include "examples/processrunner/toolcommandline.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtQuickTest>
#include <QtWebEngine/qtwebengineglobal.h>

#include <cstdio>
#include <memory>

// What the hosting tool does around a window, for the tests to drive: its
// context names, its command line, its language, and the end of the
// application (Qt.quit() is counted here instead of ending the test file);
// plus the files that a test lays out for the window to find.
class TestHost : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int quitCount READ quitCount NOTIFY quitCountChanged)
    Q_PROPERTY(qint64 processId READ processId CONSTANT)

public:
    void attach(QQmlEngine *engine, const QString &toolsPath)
    {
        m_engine = engine;
        m_quitCount = 0;
        m_commandLine.parse({});
        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("commandLine"), &m_commandLine);
        context->setContextProperty(QStringLiteral("productVersion"), QStringLiteral("3.4.2"));
        context->setContextProperty(QStringLiteral("toolsPath"), toolsPath);
        context->setContextProperty(QStringLiteral("localeOptionName"), ToolCommandLine::localeOption());
        context->setContextProperty(QStringLiteral("highDpiOptionName"), ToolCommandLine::highDpiOption());
        context->setContextProperty(QStringLiteral("useExternalCodeEditor"), false);
        QObject::disconnect(engine, &QQmlEngine::quit, nullptr, nullptr);
        QObject::connect(engine, &QQmlEngine::quit, this, [this] {
            ++m_quitCount;
            Q_EMIT quitCountChanged();
        });
        setLanguage(QString());
    }

    int quitCount() const { return m_quitCount; }
    qint64 processId() const { return QCoreApplication::applicationPid(); }

    // Sets a context name; an undefined value stands for a name the host
    // does not provide.
    Q_INVOKABLE void setContextName(const QString &name, const QVariant &value)
    {
        if (m_engine)
            m_engine->rootContext()->setContextProperty(name, value);
    }

    Q_INVOKABLE void setCommandLine(const QStringList &arguments)
    {
        m_commandLine.parse(arguments);
        setContextName(QStringLiteral("commandLine"), QVariant::fromValue<QObject *>(&m_commandLine));
    }

    // Translates the plugin's texts into `locale` from now on (an empty
    // name: back to the source texts); false when there is no catalogue.
    // Without `retranslate` only texts that QML asks for afterwards are
    // translated (in windows made and functions called afterwards): the
    // engine's bindings stay as they are, a test case's own included.
    Q_INVOKABLE bool setLanguage(const QString &locale, bool retranslate = false)
    {
        m_translator.reset();
        bool loaded = true;
        if (!locale.isEmpty()) {
            auto translator = std::make_unique<QTranslator>();
            loaded = translator->load(QStringLiteral("LoomwrightPlugin_") + locale, QStringLiteral(":/languages"));
            if (loaded && QCoreApplication::installTranslator(translator.get()))
                m_translator = std::move(translator);
        }
        if (m_engine && retranslate)
            m_engine->retranslate();
        return loaded;
    }

    Q_INVOKABLE bool writeFile(const QString &path, const QString &text, bool executable = false) const
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        const bool written = file.write(text.toUtf8()) >= 0;
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
        return written;
    }

    Q_INVOKABLE QString readFile(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    Q_INVOKABLE bool exists(const QString &path) const { return QFileInfo::exists(path); }

    Q_INVOKABLE bool makeFolder(const QString &path) const { return QDir().mkpath(path); }

    // A file, or a folder with everything in it; true when it is gone.
    Q_INVOKABLE bool removePath(const QString &path) const
    {
        const QFileInfo info(path);
        if (info.isDir())
            return QDir(path).removeRecursively();
        return !info.exists() || QFile::remove(path);
    }

    // Every file and folder below `path`, hidden ones included, as paths
    // relative to it, sorted.
    Q_INVOKABLE QStringList entries(const QString &path) const
    {
        QStringList result;
        const QDir root(path);
        QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            result.append(root.relativeFilePath(it.next()));
        result.sort();
        return result;
    }

Q_SIGNALS:
    void quitCountChanged();

private:
    QPointer<QQmlEngine> m_engine;
    ToolCommandLine m_commandLine;
    std::unique_ptr<QTranslator> m_translator;
    int m_quitCount = 0;
};

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
        context->setContextProperty(QStringLiteral("docSiteUrl"), m_docSiteUrl);
        context->setContextProperty(QStringLiteral("docSiteFolder"), docSiteFolder());
        context->setContextProperty(QStringLiteral("temporaryFolder"), m_temporaryFolder.path());
        context->setContextProperty(QStringLiteral("processRunner"), QStringLiteral(LOOMWRIGHT_PROCESSRUNNER));
        context->setContextProperty(QStringLiteral("signInPeer"), QStringLiteral(LOOMWRIGHT_SIGNIN_PEER));
        context->setContextProperty(QStringLiteral("toolWindowPeer"), QStringLiteral(LOOMWRIGHT_TOOLWINDOW_PEER));
        context->setContextProperty(QStringLiteral("logCapture"), &m_logCapture);
        context->setContextProperty(QStringLiteral("testHost"), &m_host);
        m_host.attach(engine, toolsPath);
    }

    void cleanupTestCase()
    {
        m_portal.stop();
        m_tlsPortal.stop();
        stopDocSite();
    }

private:
    QString docSiteFolder() const { return m_temporaryFolder.filePath(QStringLiteral("site")); }

    // Once for the run; each test file sets them up as it needs through
    // their controls and files.
    void startServers()
    {
        if (!m_portal.isRunning()) {
            if (m_portal.start())
                m_portal.exportUrl();
            else
                std::fprintf(stderr, "The local portal did not start: %s\n", qPrintable(m_portal.errorString()));
        }
        if (!m_tlsPortal.isRunning() && !m_tlsPortal.start({ QStringLiteral("--tls") }))
            std::fprintf(stderr, "The TLS portal did not start: %s\n", qPrintable(m_tlsPortal.errorString()));
        if (m_docSiteUrl.isEmpty())
            startDocSite();
    }

    void startDocSite()
    {
        QDir().mkpath(docSiteFolder());
        m_docSite.setProgram(QStringLiteral(LOOMWRIGHT_PYTHON));
        m_docSite.setArguments({ QStringLiteral(LOOMWRIGHT_DOCSITE), docSiteFolder() });
        m_docSite.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_docSite.start();
        if (m_docSite.waitForStarted(30000)) {
            while (!m_docSite.canReadLine() && m_docSite.waitForReadyRead(30000)) {
            }
            m_docSiteUrl = QString::fromUtf8(m_docSite.readLine()).trimmed();
        }
        if (m_docSiteUrl.isEmpty())
            std::fprintf(stderr, "The documentation site did not start: %s\n", qPrintable(m_docSite.errorString()));
    }

    void stopDocSite()
    {
        if (m_docSite.state() == QProcess::NotRunning)
            return;
        // It ends when its input closes.
        m_docSite.closeWriteChannel();
        if (!m_docSite.waitForFinished(5000)) {
            m_docSite.kill();
            m_docSite.waitForFinished(5000);
        }
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
    QProcess m_docSite;
    QString m_docSiteUrl;
    QTemporaryDir m_temporaryFolder;
    LogCapture m_logCapture;
    TestHost m_host;
};

QUICK_TEST_MAIN_WITH_SETUP(tooltest, Setup)

#include "tooltestrunner.moc"
