#include "hostkit/appinfo.h"

#include "hostkit/apps_p.h"
#include "hostkit/filepaths_p.h"
#include "hostkit/logging.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QPointer>

namespace {

// A descriptor is a few hundred bytes; anything near this is not one.
constexpr qint64 largestDescriptor = qint64(4) << 20;

}

AppInfo::AppInfo(QObject *parent)
    : QObject(parent)
{
}

void AppInfo::setPath(const QString &path)
{
    const QString localPath = path.isEmpty() ? QString() : QDir::cleanPath(HostkitPaths::localPath(path));
    if (localPath == m_path)
        return;
    m_path = localPath;
    read();
    QPointer<AppInfo> self(this);
    Q_EMIT pathChanged();
    if (self)
        Q_EMIT infoChanged();
}

QUrl AppInfo::pathUrl() const
{
    return HostkitPaths::urlOf(m_path);
}

void AppInfo::setPathUrl(const QUrl &url)
{
    setPath(HostkitPaths::localPath(url));
}

void AppInfo::refresh()
{
    read();
    Q_EMIT infoChanged();
}

bool AppInfo::readDescriptor(const QString &folder, QJsonObject *descriptor, QString *problem)
{
    *descriptor = QJsonObject();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        *problem = QStringLiteral("no such folder");
        return false;
    }
    QFile file(folder + QLatin1Char('/') + HostkitApps::descriptorName());
    if (!file.exists()) {
        *problem = QStringLiteral("no ") + HostkitApps::descriptorName();
        return false;
    }
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("cannot read ") + HostkitApps::descriptorName();
        return false;
    }
    if (file.size() > largestDescriptor) {
        *problem = QStringLiteral("%1 of %2 bytes").arg(HostkitApps::descriptorName()).arg(file.size());
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.read(largestDescriptor), &error);
    if (error.error != QJsonParseError::NoError) {
        *problem = HostkitApps::descriptorName() + QStringLiteral(" is not JSON: ") + error.errorString();
        return false;
    }
    if (!document.isObject()) {
        *problem = HostkitApps::descriptorName() + QStringLiteral(" is not an object");
        return false;
    }
    *descriptor = document.object();
    return true;
}

void AppInfo::read()
{
    QString problem;
    m_valid = readDescriptor(m_path, &m_descriptor, &problem);
    if (!m_valid && !m_path.isEmpty())
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Not an app project:" << m_path << problem;
}

void AppInfo::setItem(const QVariantMap &item, const QUrl &restUrl, const QString &token)
{
    m_item = item;
    m_itemThumbnail.clear();
    const QString id = item.value(QStringLiteral("id")).toString();
    const QString thumbnail = item.value(QStringLiteral("thumbnail")).toString();
    if (HostkitApps::isSafeItemId(id) && !thumbnail.isEmpty() && restUrl.isValid()) {
        HostkitApps::PortalAccess access;
        access.restUrl = restUrl;
        access.token = token;
        m_itemThumbnail = access.url(QStringLiteral("/content/items/") + id + QStringLiteral("/info/") + thumbnail, {});
    }
    Q_EMIT infoChanged();
}

QVariant AppInfo::value(const QString &name, const QVariant &defaultValue) const
{
    if (m_valid) {
        const auto member = m_descriptor.constFind(name);
        if (member == m_descriptor.constEnd())
            return defaultValue;
        return member->isNull() ? QVariant::fromValue(nullptr) : member->toVariant();
    }
    return m_item.value(name, defaultValue);
}

QString AppInfo::title() const
{
    const QString title = value(QStringLiteral("title")).toString();
    if (!title.isEmpty() || !m_valid)
        return title;
    // A descriptor without a title still names an app: by its folder.
    return QFileInfo(m_path).fileName();
}

QString AppInfo::owner() const
{
    const QString owner = value(QStringLiteral("owner")).toString();
    return owner.isEmpty() ? m_item.value(QStringLiteral("owner")).toString() : owner;
}

QString AppInfo::itemId() const
{
    if (m_valid)
        return m_descriptor.value(QStringLiteral("itemId")).toString();
    return m_item.value(QStringLiteral("id")).toString();
}

QUrl AppInfo::thumbnail() const
{
    if (m_valid) {
        const QString name = m_descriptor.value(QStringLiteral("thumbnail")).toString();
        const QString file = QDir(m_path).filePath(name);
        // Only a picture inside the app's own folder.
        if (!name.isEmpty() && QFileInfo(file).isFile()
            && QDir::cleanPath(file).startsWith(m_path + QLatin1Char('/'))) {
            return QUrl::fromLocalFile(QDir::cleanPath(file));
        }
    }
    return m_itemThumbnail;
}

QDateTime AppInfo::modified() const
{
    const qint64 msecs = m_valid ? descriptorMsecs(QStringLiteral("modified"))
                                 : HostkitApps::msecsOf(m_item.value(QStringLiteral("modified")));
    return msecs > 0 ? QDateTime::fromMSecsSinceEpoch(msecs) : QDateTime();
}

QVariant AppInfo::modifiedValue() const
{
    const QDateTime date = modified();
    return date.isValid() ? QVariant(date) : QVariant::fromValue(nullptr);
}

QVariant AppInfo::itemInfo() const
{
    return m_item.isEmpty() ? QVariant::fromValue(nullptr) : QVariant(m_item);
}

qint64 AppInfo::descriptorMsecs(const QString &name) const
{
    return HostkitApps::msecsOf(m_descriptor.value(name).toVariant());
}

// The item's date that the local copy last matched: written on download and
// upload. Apps linked before that member existed fall back to their own date.
qint64 AppInfo::synchronizedMsecs() const
{
    if (m_descriptor.contains(QStringLiteral("itemModified")))
        return descriptorMsecs(QStringLiteral("itemModified"));
    return descriptorMsecs(QStringLiteral("modified"));
}

bool AppInfo::isUpdatedLocally() const
{
    return m_valid && isPublished() && descriptorMsecs(QStringLiteral("modified")) > synchronizedMsecs();
}

bool AppInfo::updateAvailable() const
{
    if (!m_valid || !isPublished() || m_item.isEmpty())
        return false;
    // Only the item this app belongs to tells of an update.
    if (m_item.value(QStringLiteral("id")).toString() != itemId())
        return false;
    return HostkitApps::msecsOf(m_item.value(QStringLiteral("modified"))) > synchronizedMsecs();
}
