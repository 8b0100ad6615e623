#include "toolhost.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QQmlContext>
#include <QQmlEngine>

ToolHost::ToolHost(QObject *parent)
    : QObject(parent)
{
}

bool ToolHost::parse(const QStringList &arguments)
{
    const bool complete = m_commandLine.parse(arguments);
    // The plugin picks its translations by this property when the engine
    // loads it.
    QString locale = m_commandLine.value(ToolCommandLine::localeOption());
    // A machine without a language (the C locale of servers and containers)
    // reads English, whose catalogue holds the forms of the texts that count.
    if (locale.isEmpty() && QLocale(QLocale::system().uiLanguages().value(0)).language() == QLocale::C)
        locale = QStringLiteral("en");
    if (!locale.isEmpty())
        QCoreApplication::instance()->setProperty("Varnex.Brimforge.locale", locale);
    return complete;
}

bool ToolHost::isDemo() const
{
    return m_commandLine.isSet(demoOption());
}

bool ToolHost::attach(QQmlEngine *engine)
{
    m_error.clear();
    QString productVersion = m_commandLine.value(ToolCommandLine::productVersionOption());
    if (productVersion.isEmpty())
        productVersion = QStringLiteral(LOOMWRIGHT_VERSION);
    if (isDemo() && !m_demo.isRunning() && !m_demo.start(productVersion)) {
        m_error = QStringLiteral("The demo's local portal does not start: %1").arg(m_demo.errorString());
        return false;
    }

    engine->addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlContext *context = engine->rootContext();
    context->setContextProperty(QStringLiteral("commandLine"), &m_commandLine);
    context->setContextProperty(QStringLiteral("productVersion"), productVersion);
    const QString toolsPath = m_commandLine.value(ToolCommandLine::toolsPathOption());
    context->setContextProperty(QStringLiteral("toolsPath"),
                                toolsPath.isEmpty() ? QCoreApplication::applicationDirPath() : toolsPath);
    context->setContextProperty(QStringLiteral("localeOptionName"), ToolCommandLine::localeOption());
    context->setContextProperty(QStringLiteral("highDpiOptionName"), ToolCommandLine::highDpiOption());
    context->setContextProperty(QStringLiteral("useExternalCodeEditor"),
                                m_commandLine.isSet(ToolCommandLine::externalCodeEditorOption()));
    context->setContextProperty(QStringLiteral("iconSets"), &m_iconSets);
    context->setContextProperty(QStringLiteral("demo"), isDemo() ? &m_demo : nullptr);
    const QStringList positional = m_commandLine.positionalArguments();
    const auto absolute = [](const QString &path) {
        return path.isEmpty() ? path : QDir::cleanPath(QDir::current().absoluteFilePath(path));
    };
    context->setContextProperty(QStringLiteral("initialPicture"), absolute(positional.value(0)));
    context->setContextProperty(QStringLiteral("initialOutputFolder"), absolute(positional.value(1)));
    return true;
}

void ToolHost::detach()
{
    m_demo.stop();
}
