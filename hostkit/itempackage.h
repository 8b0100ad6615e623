#ifndef HOSTKIT_ITEMPACKAGE_H
#define HOSTKIT_ITEMPACKAGE_H

#include <QElapsedTimer>
#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class NetworkRequest;
class QTemporaryDir;

// A portal item's data, a zip archive, downloaded and unpacked into a folder
// of its own: <folder>/<item id>. Nothing of a failed download stays behind:
// the archive and what it unpacks to live in a hidden sibling folder until
// the whole item is there, which then takes the target's place in one step.
class ItemPackage : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *portal READ portal WRITE setPortal NOTIFY portalChanged)
    Q_PROPERTY(QString itemId READ itemId WRITE setItemId NOTIFY itemIdChanged)
    Q_PROPERTY(QString folder READ folder WRITE setFolder NOTIFY folderChanged)
    Q_PROPERTY(QString path READ path NOTIFY pathChanged)
    Q_PROPERTY(QVariant itemInfo READ itemInfo NOTIFY itemInfoChanged)
    Q_PROPERTY(Status status READ status NOTIFY statusChanged)
    Q_PROPERTY(qreal percentage READ percentage NOTIFY percentageChanged)
    Q_PROPERTY(int secondsRemainingEstimate READ secondsRemainingEstimate NOTIFY secondsRemainingEstimateChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(QVariantMap error READ error NOTIFY errorChanged)

public:
    enum Status { Null = 0, Downloading = 1, Ready = 2, Error = 3 };
    Q_ENUM(Status)

    // The most an archive may unpack to, and the most entries it may hold:
    // far above any app, far below what would fill a disk.
    static constexpr qint64 maximumUnpackedSize = qint64(4) << 30;
    static constexpr int maximumEntries = 100000;

    explicit ItemPackage(QObject *parent = nullptr);
    ~ItemPackage() override;

    QObject *portal() const { return m_portal; }
    void setPortal(QObject *portal);
    QString itemId() const { return m_itemId; }
    void setItemId(const QString &itemId);
    // Where item folders go; empty (the default) means the apps folder.
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);

    QString path() const { return m_path; }
    QVariant itemInfo() const;
    Status status() const { return m_status; }
    qreal percentage() const { return m_percentage; }
    int secondsRemainingEstimate() const { return m_secondsRemaining; }
    QString statusMessage() const { return m_statusMessage; }
    QVariantMap error() const { return m_error; }

    // Starts the download; one under way is abandoned. False when it cannot
    // start (status Error then says why).
    Q_INVOKABLE bool download();

Q_SIGNALS:
    void portalChanged();
    void itemIdChanged();
    void folderChanged();
    void pathChanged();
    void itemInfoChanged();
    void statusChanged();
    void percentageChanged();
    void secondsRemainingEstimateChanged();
    void statusMessageChanged();
    void errorChanged();

protected:
    // What one download is about, fixed when it starts.
    struct Target
    {
        QString itemId;
        QString title;
        // The folder the item goes to; see mayReplace() for one already there.
        QString path;
    };

    // The item to download and where it goes; false with an error otherwise.
    virtual bool prepare(Target *target, QVariantMap *error);
    // Whether the folder already at the target path may give way to the item;
    // when not, the item takes a free name beside it.
    virtual bool mayReplace(const QString &existing, const Target &target) const;
    // Turns the unpacked archive into the folder to put in place; false with
    // an error otherwise. The default takes the whole archive.
    virtual bool finishContent(const QString &content, const Target &target, const QVariantMap &item, QString *root,
                               QVariantMap *error);
    // The item is in place at path; Ready follows.
    virtual void completed(const QString &path);

    QString effectiveFolder() const;
    static QVariantMap failure(const QString &message, const QString &details = QString(), int code = 0);

private:
    enum Change {
        PathChange = 0x1,
        ItemInfoChange = 0x2,
        PercentageChange = 0x4,
        SecondsChange = 0x8,
        MessageChange = 0x10,
        ErrorChange = 0x20,
        StatusChange = 0x40
    };

    void reset();
    int setState(Status status, const QString &message);
    int setProgress(qreal percentage, int seconds);
    bool publish(int changes);
    void fail(const QVariantMap &error, int changes = 0);
    void requestStateChanged();
    void infoAnswered();
    void dataProgressed();
    void dataAnswered();
    void unpack(quint64 generation);
    QVariantMap requestError() const;

    QPointer<QObject> m_portal;
    QString m_itemId;
    QString m_folder;

    QString m_path;
    QVariantMap m_itemInfo;
    Status m_status = Null;
    qreal m_percentage = 0.0;
    int m_secondsRemaining = 0;
    QString m_statusMessage;
    QVariantMap m_error;

    // The download under way.
    quint64 m_generation = 0;
    Target m_target;
    std::unique_ptr<QTemporaryDir> m_work;
    enum Phase { Idle, FetchingInfo, FetchingData };
    NetworkRequest *m_request = nullptr;
    QJSValue m_requestWrapper;
    Phase m_phase = Idle;
    QElapsedTimer m_clock;
};

#endif
