#ifndef HOSTKIT_NETWORK_H
#define HOSTKIT_NETWORK_H

#include <QObject>
#include <QString>
#include <QTimer>

// Whether the machine is online, and the user agent that network requests
// send unless they name their own.
class Network : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isOnline READ isOnline NOTIFY isOnlineChanged)
    Q_PROPERTY(QString userAgent READ userAgent WRITE setUserAgent NOTIFY userAgentChanged)

public:
    explicit Network(QObject *parent = nullptr);

    bool isOnline() const { return m_isOnline; }

    QString userAgent() const;
    void setUserAgent(const QString &userAgent);

    // The process-wide default that every request without its own uses.
    static QString defaultUserAgent();

Q_SIGNALS:
    void isOnlineChanged();
    void userAgentChanged();

private:
    void checkOnline();

    QTimer m_timer;
    bool m_isOnline = false;
};

#endif
