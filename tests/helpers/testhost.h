#ifndef LOOMWRIGHT_TESTS_TESTHOST_H
#define LOOMWRIGHT_TESTS_TESTHOST_H

// The side of a Qt Quick Test runner that hosts tool windows, for the tests
// to drive (a context property "testHost"). A target that uses it lists this
// header among its sources, for moc, and links loomwright_toolcommandline.

#include "examples/processrunner/toolcommandline.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTranslator>

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
    // Takes over a test file's engine: its quit, and the source texts.
    void attach(QQmlEngine *engine)
    {
        m_engine = engine;
        m_quitCount = 0;
        QObject::disconnect(engine, &QQmlEngine::quit, nullptr, nullptr);
        QObject::connect(engine, &QQmlEngine::quit, this, [this] {
            ++m_quitCount;
            Q_EMIT quitCountChanged();
        });
        setLanguage(QString());
    }

    // The context names of a hosting tool, as the console host sets them:
    // no arguments, product version "3.4.2", the given tools folder.
    void provideHostNames(const QString &toolsPath)
    {
        if (!m_engine)
            return;
        m_commandLine.parse({});
        QQmlContext *context = m_engine->rootContext();
        context->setContextProperty(QStringLiteral("commandLine"), &m_commandLine);
        context->setContextProperty(QStringLiteral("productVersion"), QStringLiteral("3.4.2"));
        context->setContextProperty(QStringLiteral("toolsPath"), toolsPath);
        context->setContextProperty(QStringLiteral("localeOptionName"), ToolCommandLine::localeOption());
        context->setContextProperty(QStringLiteral("highDpiOptionName"), ToolCommandLine::highDpiOption());
        context->setContextProperty(QStringLiteral("useExternalCodeEditor"), false);
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

#endif // LOOMWRIGHT_TESTS_TESTHOST_H
