#ifndef HOSTKIT_APPINFO_H
#define HOSTKIT_APPINFO_H

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <QVariant>
#include <QVariantMap>

// One app: a local app project (a folder with its descriptor, appinfo.json),
// a portal item of an app, or both when the local folder was downloaded
// from, or uploaded to, that item.
class AppInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(QUrl pathUrl READ pathUrl WRITE setPathUrl NOTIFY pathChanged)
    Q_PROPERTY(bool isValid READ isValid NOTIFY infoChanged)
    Q_PROPERTY(QString title READ title NOTIFY infoChanged)
    Q_PROPERTY(QString owner READ owner NOTIFY infoChanged)
    Q_PROPERTY(QString itemId READ itemId NOTIFY infoChanged)
    Q_PROPERTY(QUrl thumbnail READ thumbnail NOTIFY infoChanged)
    // null when there is no date: a date that holds no time reads as an
    // unreadable one.
    Q_PROPERTY(QVariant modified READ modifiedValue NOTIFY infoChanged)
    Q_PROPERTY(QVariant itemInfo READ itemInfo NOTIFY infoChanged)
    Q_PROPERTY(bool isLocal READ isLocal NOTIFY infoChanged)
    Q_PROPERTY(bool isPublished READ isPublished NOTIFY infoChanged)
    Q_PROPERTY(bool isUpdatedLocally READ isUpdatedLocally NOTIFY infoChanged)
    Q_PROPERTY(bool updateAvailable READ updateAvailable NOTIFY infoChanged)

public:
    // Kinds of items a tool works with, as flags.
    enum AppType { AppTypeApp = 0x1 };
    Q_ENUM(AppType)

    explicit AppInfo(QObject *parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString &path);
    QUrl pathUrl() const;
    void setPathUrl(const QUrl &url);

    bool isValid() const { return m_valid; }
    QString title() const;
    QString owner() const;
    QString itemId() const;
    QUrl thumbnail() const;
    QDateTime modified() const;
    QVariant modifiedValue() const;
    QVariant itemInfo() const;
    bool isLocal() const { return m_valid; }
    bool isPublished() const { return !itemId().isEmpty(); }
    bool isUpdatedLocally() const;
    bool updateAvailable() const;

    // A member of the descriptor; for an app known only on the portal, the
    // member of the same name of its item.
    Q_INVOKABLE QVariant value(const QString &name, const QVariant &defaultValue = QVariant()) const;
    // Reads the descriptor again, after someone changed it.
    Q_INVOKABLE void refresh();

    // The portal item of this app, as the portal's search describes it, and
    // where its thumbnail is (the portal's REST root and a token).
    void setItem(const QVariantMap &item, const QUrl &restUrl, const QString &token);

    // The descriptor of the folder, or false with why not (no folder, no
    // descriptor, unreadable, too large, not JSON, not an object).
    static bool readDescriptor(const QString &folder, QJsonObject *descriptor, QString *problem);

Q_SIGNALS:
    void pathChanged();
    void infoChanged();

private:
    void read();
    qint64 descriptorMsecs(const QString &name) const;
    qint64 synchronizedMsecs() const;

    QString m_path;
    bool m_valid = false;
    QJsonObject m_descriptor;
    QVariantMap m_item;
    QUrl m_itemThumbnail;
};

#endif
