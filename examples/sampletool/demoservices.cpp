#include "demoservices.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

DemoServices::DemoServices(QObject *parent)
    : QObject(parent)
{
}

DemoServices::~DemoServices()
{
    stop();
}

QString DemoServices::newerVersion(const QString &productVersion)
{
    const QStringList parts = productVersion.split(QLatin1Char('.'));
    bool majorOk = false;
    bool minorOk = false;
    const int major = parts.value(0).toInt(&majorOk);
    const int minor = parts.size() > 1 ? parts.at(1).toInt(&minorOk) : 0;
    if (!majorOk || (parts.size() > 1 && !minorOk))
        return QStringLiteral("1.0");
    return QStringLiteral("%1.%2").arg(major).arg(minor + 1);
}

bool DemoServices::writeSite(const QString &folder)
{
    const QDir site(folder);
    if (!site.mkpath(QStringLiteral("en/brimforge/download")))
        return false;
    // Every platform's list, so that the demo shows the link on any system.
    const QJsonObject versions{{m_updateVersion, QJsonObject{{QStringLiteral("demo"), true}}}};
    QJsonObject secured;
    for (const QString &platform : {QStringLiteral("linux"), QStringLiteral("mac"), QStringLiteral("windows86")})
        secured.insert(platform, QJsonObject{{QStringLiteral("versions"), versions}});
    QFile list(site.filePath(QStringLiteral("en/brimforge/versions.json")));
    if (!list.open(QIODevice::WriteOnly)
        || list.write(QJsonDocument(QJsonObject{{QStringLiteral("secured"), secured}}).toJson()) < 0)
        return false;
    list.close();
    QFile page(site.filePath(QStringLiteral("en/brimforge/download/index.html")));
    if (!page.open(QIODevice::WriteOnly))
        return false;
    const QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Download %1</title>"
                                        "</head><body><h1>Version %1</h1><p>The demo's download page: in the "
                                        "suite this page offers the new version.</p></body></html>\n")
                             .arg(m_updateVersion);
    return page.write(html.toUtf8()) >= 0;
}

bool DemoServices::start(const QString &productVersion)
{
    stop();
    m_error.clear();
    m_folder = std::make_unique<QTemporaryDir>();
    if (!m_folder->isValid()) {
        m_error = QStringLiteral("Cannot make a temporary folder: %1").arg(m_folder->errorString());
        return false;
    }
    m_updateVersion = newerVersion(productVersion);
    const QString siteFolder = m_folder->filePath(QStringLiteral("site"));
    if (!writeSite(siteFolder)) {
        m_error = QStringLiteral("Cannot write the demo site into %1").arg(siteFolder);
        return false;
    }
    if (!m_portal.start({QStringLiteral("--site"), siteFolder, QStringLiteral("--portal-name"),
                         QStringLiteral("Loomwright Demo Portal")})) {
        m_error = m_portal.errorString();
        return false;
    }
    m_portalUrl = m_portal.url().toString();

    // The demo's settings never mix with the user's own: its portal lives
    // only as long as this run.
    const QString settingsFolder = m_folder->filePath(QStringLiteral("settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder);
    QSettings settings;
    settings.setValue(QStringLiteral("Portal/portalUrl"), m_portalUrl);
    settings.setValue(QStringLiteral("Portal/name"), QStringLiteral("Loomwright Demo Portal"));
    settings.setValue(QStringLiteral("appsFolder"), m_folder->filePath(QStringLiteral("apps")));
    settings.sync();
    QDir().mkpath(m_folder->filePath(QStringLiteral("apps")));
    Q_EMIT changed();
    return true;
}

void DemoServices::stop()
{
    if (m_portalUrl.isEmpty() && !m_portal.isRunning())
        return;
    m_portal.stop();
    m_portalUrl.clear();
    Q_EMIT changed();
}

bool DemoServices::isRunning() const
{
    return m_portal.isRunning();
}
