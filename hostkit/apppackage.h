#ifndef HOSTKIT_APPPACKAGE_H
#define HOSTKIT_APPPACKAGE_H

#include "hostkit/appinfo.h"
#include "hostkit/itempackage.h"

#include <QPointer>

// An app downloaded from its portal item into the apps folder: the folder of
// the archive that holds the descriptor becomes the app, and its descriptor
// records the item it came from. A local app is replaced where it is.
class AppPackage : public ItemPackage
{
    Q_OBJECT
    Q_PROPERTY(AppInfo *appInfo READ appInfo WRITE setAppInfo NOTIFY appInfoChanged)

public:
    explicit AppPackage(QObject *parent = nullptr);

    AppInfo *appInfo() const { return m_appInfo; }
    void setAppInfo(AppInfo *appInfo);

Q_SIGNALS:
    void appInfoChanged();

protected:
    bool prepare(Target *target, QVariantMap *error) override;
    bool mayReplace(const QString &existing, const Target &target) const override;
    bool finishContent(const QString &content, const Target &target, const QVariantMap &item, QString *root,
                       QVariantMap *error) override;
    void completed(const QString &path) override;

private:
    QPointer<AppInfo> m_appInfo;
    QMetaObject::Connection m_appInfoGone;
};

#endif
