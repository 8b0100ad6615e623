#include "hostkit/apppackage.h"

#include "hostkit/apps_p.h"
#include "hostkit/logging.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

AppPackage::AppPackage(QObject *parent)
    : ItemPackage(parent)
{
}

void AppPackage::setAppInfo(AppInfo *appInfo)
{
    if (appInfo == m_appInfo)
        return;
    disconnect(m_appInfoGone);
    m_appInfo = appInfo;
    // The app list replaces its apps on every refresh.
    if (appInfo)
        m_appInfoGone = connect(appInfo, &QObject::destroyed, this, &AppPackage::appInfoChanged);
    Q_EMIT appInfoChanged();
}

bool AppPackage::prepare(Target *target, QVariantMap *error)
{
    if (!m_appInfo) {
        *error = failure(tr("No app to download"));
        return false;
    }
    const QString itemId = m_appInfo->itemId();
    if (itemId.isEmpty()) {
        *error = failure(tr("The app is not on the portal"), m_appInfo->title());
        return false;
    }
    if (!HostkitApps::isSafeItemId(itemId)) {
        *error = failure(tr("Invalid item id"), itemId);
        return false;
    }
    // What the download needs is taken now: the app may go before it ends.
    target->itemId = itemId;
    target->title = m_appInfo->title().isEmpty() ? itemId : m_appInfo->title();
    target->path = m_appInfo->isLocal() ? m_appInfo->path() : effectiveFolder() + QLatin1Char('/') + itemId;
    return true;
}

bool AppPackage::mayReplace(const QString &existing, const Target &target) const
{
    // Only the same app: anything else there is somebody's work.
    QJsonObject descriptor;
    QString problem;
    return AppInfo::readDescriptor(existing, &descriptor, &problem)
        && descriptor.value(QStringLiteral("itemId")).toString() == target.itemId;
}

bool AppPackage::finishContent(const QString &content, const Target &target, const QVariantMap &item, QString *root,
                               QVariantMap *error)
{
    // The app is the archive's top folder when that holds the descriptor,
    // else the one folder below it that does.
    const QString descriptorName = HostkitApps::descriptorName();
    if (QFileInfo::exists(content + QLatin1Char('/') + descriptorName)) {
        *root = content;
    } else {
        QStringList found;
        const QDir dir(content);
        for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks)) {
            if (QFileInfo::exists(dir.filePath(name) + QLatin1Char('/') + descriptorName))
                found.append(dir.filePath(name));
        }
        if (found.size() != 1) {
            *error = failure(found.isEmpty() ? tr("The download holds no app project")
                                             : tr("The download holds more than one app project"),
                             target.title);
            return false;
        }
        *root = found.first();
    }
    QJsonObject descriptor;
    QString problem;
    if (!AppInfo::readDescriptor(*root, &descriptor, &problem)) {
        *error = failure(tr("The download holds no app project"), problem);
        return false;
    }

    // The descriptor says which item the app is and which state of the item
    // it holds: the base of the local and update rules.
    descriptor.insert(QStringLiteral("itemId"), target.itemId);
    const qint64 modified = HostkitApps::msecsOf(item.value(QStringLiteral("modified")));
    if (modified > 0) {
        descriptor.insert(QStringLiteral("itemModified"), double(modified));
        descriptor.insert(QStringLiteral("modified"), double(modified));
    }
    for (const char *name : {"owner", "title"}) {
        const QString key = QString::fromLatin1(name);
        if (descriptor.value(key).toString().isEmpty() && !item.value(key).toString().isEmpty())
            descriptor.insert(key, item.value(key).toString());
    }
    QSaveFile file(*root + QLatin1Char('/') + descriptorName);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(descriptor).toJson(QJsonDocument::Indented)) < 0
        || !file.commit()) {
        *error = failure(tr("Cannot unpack the archive"), file.fileName() + QStringLiteral(": ") + file.errorString());
        return false;
    }
    return true;
}

void AppPackage::completed(const QString &path)
{
    if (!m_appInfo)
        return;
    // The app now has a local folder; the same folder needs reading again.
    if (QDir::cleanPath(path) == m_appInfo->path())
        m_appInfo->refresh();
    else
        m_appInfo->setPath(path);
}
