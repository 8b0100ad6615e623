#include "hostkit/hostkit.h"

#include "hostkit/filefolder.h"
#include "hostkit/fileinfo.h"
#include "hostkit/filepaths_p.h"
#include "hostkit/localeinfo.h"
#include "hostkit/logging.h"
#include "hostkit/network.h"
#include "hostkit/settings.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QSysInfo>
#include <QUrl>
#include <QUuid>

namespace {

// The logical resolution at which one unit is one pixel.
constexpr qreal referenceDpi = 96.0;
constexpr qreal scaleStep = 0.25;

// The names of QML's Qt.platform.os, which the callers compare against.
QString osName()
{
#if defined(Q_OS_ANDROID)
    return QStringLiteral("android");
#elif defined(Q_OS_IOS)
    return QStringLiteral("ios");
#elif defined(Q_OS_TVOS)
    return QStringLiteral("tvos");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("osx");
#elif defined(Q_OS_WINRT)
    return QStringLiteral("winrt");
#elif defined(Q_OS_WIN)
    return QStringLiteral("windows");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("linux");
#elif defined(Q_OS_UNIX)
    return QStringLiteral("unix");
#else
    return QString();
#endif
}

// QSysInfo says "unknown" where it knows nothing; callers put their own
// placeholder in for an empty text.
QString known(const QString &text)
{
    return text == QLatin1String("unknown") ? QString() : text;
}

}

Hostkit::Hostkit(QObject *parent)
    : QObject(parent)
{
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::primaryScreenChanged, this, &Hostkit::followPrimaryScreen);
        followPrimaryScreen(QGuiApplication::primaryScreen());
    }
}

Settings *Hostkit::settings()
{
    // Made on first use, so that the application has named itself by then.
    if (!m_settings)
        m_settings = new Settings(this);
    return m_settings;
}

Network *Hostkit::network()
{
    if (!m_network)
        m_network = new Network(this);
    return m_network;
}

QString Hostkit::version() const
{
    return QStringLiteral(HOSTKIT_VERSION);
}

QString Hostkit::qtVersion() const
{
    return QString::fromLatin1(qVersion());
}

QVariantMap Hostkit::systemInformation() const
{
    return {
        {QStringLiteral("osName"), osName()},
        {QStringLiteral("osVersion"), known(QSysInfo::productVersion())},
        {QStringLiteral("osDisplayName"), known(QSysInfo::prettyProductName())},
        {QStringLiteral("cpuArchitecture"), known(QSysInfo::currentCpuArchitecture())},
        {QStringLiteral("buildAbi"), known(QSysInfo::buildAbi())},
        {QStringLiteral("kernelType"), known(QSysInfo::kernelType())},
        {QStringLiteral("kernelVersion"), known(QSysInfo::kernelVersion())},
    };
}

LocaleInfo *Hostkit::localeInfo(const QString &name) const
{
    auto *info = new LocaleInfo(nullptr);
    QQmlEngine::setObjectOwnership(info, QQmlEngine::JavaScriptOwnership);
    info->setName(name);
    return info;
}

QString Hostkit::uuid(int format) const
{
    const QUuid uuid = QUuid::createUuid();
    switch (format) {
    case UuidWithBraces:
        return uuid.toString(QUuid::WithBraces);
    case UuidWithoutBraces:
        return uuid.toString(QUuid::WithoutBraces);
    case UuidHexDigits:
        return QString::fromLatin1(uuid.toRfc4122().toHex());
    default:
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Unknown format" << format;
        return QString();
    }
}

FileInfo *Hostkit::fileInfo(const QVariant &path) const
{
    auto *info = new FileInfo(nullptr);
    QQmlEngine::setObjectOwnership(info, QQmlEngine::JavaScriptOwnership);
    info->setFilePath(HostkitPaths::localPath(path));
    return info;
}

FileFolder *Hostkit::fileFolder(const QVariant &path) const
{
    auto *folder = new FileFolder(nullptr);
    QQmlEngine::setObjectOwnership(folder, QQmlEngine::JavaScriptOwnership);
    folder->setPath(HostkitPaths::localPath(path));
    return folder;
}

QString Hostkit::typeOf(const QJSValue &value) const
{
    if (value.isUndefined())
        return QStringLiteral("undefined");
    if (value.isNull())
        return QStringLiteral("null");
    if (value.isBool())
        return QStringLiteral("boolean");
    if (value.isNumber())
        return QStringLiteral("number");
    if (value.isString())
        return QStringLiteral("string");
    if (value.isArray())
        return QStringLiteral("array");
    if (value.isDate())
        return QStringLiteral("date");
    if (value.isRegExp())
        return QStringLiteral("regexp");
    if (value.isCallable())
        return QStringLiteral("function");
    if (value.isVariant() && value.toVariant().userType() == QMetaType::QUrl)
        return QStringLiteral("url");
    return QStringLiteral("object");
}

void Hostkit::followPrimaryScreen(QScreen *screen)
{
    if (m_screen)
        disconnect(m_screen, nullptr, this, nullptr);
    m_screen = screen;
    if (m_screen)
        connect(m_screen, &QScreen::logicalDotsPerInchChanged, this, &Hostkit::updateDisplayScaleFactor);
    updateDisplayScaleFactor();
}

void Hostkit::updateDisplayScaleFactor()
{
    qreal factor = 1.0;
#if !defined(Q_OS_MACOS)
    // macOS scales by itself and reports 72 dpi at any real density.
    // In the steps that desktop scaling settings offer (100 %, 125 %, 150 %
    // ...): a screen that reports 100 dpi is not meant to be drawn 4 % larger.
    if (m_screen && m_screen->logicalDotsPerInch() > 0)
        factor = qMax(scaleStep, qRound(m_screen->logicalDotsPerInch() / referenceDpi / scaleStep) * scaleStep);
#endif
    if (qFuzzyCompare(factor, m_displayScaleFactor))
        return;
    m_displayScaleFactor = factor;
    Q_EMIT displayScaleFactorChanged();
}
