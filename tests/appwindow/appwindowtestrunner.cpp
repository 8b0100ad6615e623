// Runs the Qt Quick Tests of tests/appwindow: the app window, its gallery,
// update check and tool actions, through the real plugin and host layer,
// against the local portal (portal/localportal.py) and a local documentation
// site (docsite.py), both started once for the run.
//
// QML gets, as context properties:
//   localPortalUrl   the local portal's base URL
//   docSiteUrl       the documentation site's base URL; it serves the files
//                    under docSiteFolder
//   docSiteFolder    where the tests put the site's files
//   temporaryFolder  a folder of the run's own
//   testHost         the hosting tool's side (see TestHost)
// and the context names of a hosting tool, as the console host sets them:
// commandLine, productVersion, toolsPath, localeOptionName,
// highDpiOptionName, useExternalCodeEditor. Each test file starts with the
// defaults set in qmlEngineAvailable().
#include "../helpers/localportal.h"
#include "toolcommandline.h"

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
// application (Qt.quit() is counted here instead of ending the test run);
// plus the files that a test lays out for the window to find.
class TestHost : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int quitCount READ quitCount NOTIFY quitCountChanged)

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
        // The test runner ends a test file when its engine asks to quit:
        // here the window's quit is something to observe.
        QObject::disconnect(engine, &QQmlEngine::quit, nullptr, nullptr);
        QObject::connect(engine, &QQmlEngine::quit, this, [this] {
            ++m_quitCount;
            Q_EMIT quitCountChanged();
        });
        m_translator.reset();
    }

    int quitCount() const { return m_quitCount; }

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
    // name: back to the source texts): texts that QML asks for afterwards,
    // in windows made afterwards and in functions called afterwards.
    Q_INVOKABLE bool setLanguage(const QString &locale)
    {
        m_translator.reset();
        bool loaded = true;
        if (!locale.isEmpty()) {
            auto translator = std::make_unique<QTranslator>();
            loaded = translator->load(QStringLiteral("LoomwrightPlugin_") + locale, QStringLiteral(":/languages"));
            if (loaded && QCoreApplication::installTranslator(translator.get()))
                m_translator = std::move(translator);
        }
        return loaded;
    }

    Q_INVOKABLE bool writeFile(const QString &path, const QString &text, bool executable = false)
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
        if (!m_portal.isRunning() && !m_portal.start())
            std::fprintf(stderr, "The local portal did not start: %s\n", qPrintable(m_portal.errorString()));
        const QString siteFolder = m_temporaryFolder.filePath(QStringLiteral("site"));
        if (m_docSiteUrl.isEmpty())
            startDocSite(siteFolder);
        const QString toolsPath = m_temporaryFolder.filePath(QStringLiteral("tools"));
        QDir().mkpath(toolsPath);

        QQmlContext *context = engine->rootContext();
        context->setContextProperty(QStringLiteral("localPortalUrl"), m_portal.url().toString());
        context->setContextProperty(QStringLiteral("docSiteUrl"), m_docSiteUrl);
        context->setContextProperty(QStringLiteral("docSiteFolder"), siteFolder);
        context->setContextProperty(QStringLiteral("temporaryFolder"), m_temporaryFolder.path());
        context->setContextProperty(QStringLiteral("testHost"), &m_host);
        m_host.attach(engine, toolsPath);
    }

    void cleanupTestCase()
    {
        m_portal.stop();
        stopDocSite();
    }

private:
    void startDocSite(const QString &folder)
    {
        QDir().mkpath(folder);
        m_docSite.setProgram(QStringLiteral(LOOMWRIGHT_PYTHON));
        m_docSite.setArguments({QStringLiteral(LOOMWRIGHT_DOCSITE), folder});
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

    LocalPortal m_portal;
    QProcess m_docSite;
    QString m_docSiteUrl;
    QTemporaryDir m_temporaryFolder;
    TestHost m_host;
};

QUICK_TEST_MAIN_WITH_SETUP(appwindow, Setup)

#include "appwindowtestrunner.moc"
