#ifndef HOSTKIT_NETWORKREQUESTHEADERS_H
#define HOSTKIT_NETWORKREQUESTHEADERS_H

#include <QObject>
#include <QString>

// The headers a network request lets QML choose (its `headers` group).
class NetworkRequestHeaders : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString userAgent READ userAgent WRITE setUserAgent NOTIFY userAgentChanged)

public:
    explicit NetworkRequestHeaders(QObject *parent = nullptr);

    QString userAgent() const { return m_userAgent; }
    void setUserAgent(const QString &userAgent);

Q_SIGNALS:
    void userAgentChanged();

private:
    QString m_userAgent;
};

#endif
