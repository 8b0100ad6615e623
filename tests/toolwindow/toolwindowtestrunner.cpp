// Runs the Qt Quick Tests of tests/toolwindow: the older tool window and
// the components of its module, through the real plugin and host layer,
// against the local portal (portal/localportal.py), with the web engine for
// the sign-in page and the suite's real shared memory, shared with second
// tool processes that the console QML host runs (toolwindowpeer.qml).
//
// QML gets, as context properties:
//   localPortalUrl   the local portal's base URL
//   temporaryFolder  a folder of the run's own
//   processRunner    the console QML host, for a second tool process
//   toolWindowPeer   the QML program that that process runs
//   logCapture       records every log line of the process while capturing
//   testHost         the process id, the language of the plugin's texts, and
//                    files to write and remove
// and the context names of a hosting tool: commandLine (no positional
// arguments), productVersion "3.4.2" and toolsPath, a folder of the run's
// own that holds one tool, "console": a script that writes, beside itself,
// "console.ran" with its parent's process id and its arguments.
#include "../helpers/localportal.h"
#include "../helpers/logcapture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVariantMap>
#include <QtQuickTest>
#include <QtWebEngine/qtwebengineglobal.h>

#include <cstdio>
#include <memory>

// What a test needs of the process around it.
class TestHost : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qint64 processId READ processId CONSTANT)

public:
    void attach(QQmlEngine *engine) { m_engine = engine; }

    qint64 processId() const { return QCoreApplication::applicationPid(); }

    // Translates the plugin's texts into `locale` from now on (an empty
    // name: back to the source texts). False when there is no catalogue.
    // Without `retranslate` only what is made afterwards is translated: the
    // engine's bindings stay as they are (a test case's own included).
    Q_INVOKABLE bool setLanguage(const QString &locale, bool retranslate = true)
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

    // Files that a test lays out (app folders) or cleans up (markers).
    Q_INVOKABLE bool writeFile(const QString &path, const QString &text) const
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
    }

    Q_INVOKABLE bool removeFile(const QString &path) const { return !QFile::exists(path) || QFile::remove(path); }

private:
    QPointer<QQmlEngine> m_engine;
    std::unique_ptr<QTranslator> m_translator;
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
        if (!m_portal.isRunning()) {
            if (m_portal.start())
                m_portal.exportUrl();
            else
                std::fprintf(stderr, "The local portal did not start: %s\n", qPrintable(m_portal.errorString()));
        }
        const QString toolsPath = m_temporaryFolder.filePath(QStringLiteral("tools"));
        makeConsoleTool(toolsPath);
        m_host.setLanguage(QString());
        m_host.attach(engine);

        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("localPortalUrl"), m_portal.url().toString());
        context->setContextProperty(QStringLiteral("temporaryFolder"), m_temporaryFolder.path());
        context->setContextProperty(QStringLiteral("processRunner"), QStringLiteral(LOOMWRIGHT_PROCESSRUNNER));
        context->setContextProperty(QStringLiteral("toolWindowPeer"), QStringLiteral(LOOMWRIGHT_TOOLWINDOW_PEER));
        context->setContextProperty(QStringLiteral("logCapture"), &m_logCapture);
        context->setContextProperty(QStringLiteral("testHost"), &m_host);
        context->setContextProperty(QStringLiteral("commandLine"),
                                    QVariantMap { { QStringLiteral("positionalArguments"), QStringList() } });
        context->setContextProperty(QStringLiteral("productVersion"), QStringLiteral("3.4.2"));
        context->setContextProperty(QStringLiteral("toolsPath"), toolsPath);
    }

    void cleanupTestCase() { m_portal.stop(); }

private:
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
    QTemporaryDir m_temporaryFolder;
    LogCapture m_logCapture;
    TestHost m_host;
};

QUICK_TEST_MAIN_WITH_SETUP(toolwindow, Setup)

#include "toolwindowtestrunner.moc"
