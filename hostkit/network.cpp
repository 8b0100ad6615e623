#include "hostkit/network.h"

#include "hostkit/logging.h"

#include <QMutex>
#include <QMutexLocker>
#include <QNetworkInterface>

namespace {

// Interfaces come and go without any notification that Qt offers on every
// platform, so they are looked at again this often.
constexpr int onlineCheckInterval = 5000;

struct UserAgent
{
    QMutex mutex;
    QString text = QStringLiteral("Hostkit/") + QStringLiteral(HOSTKIT_VERSION);
};

UserAgent &userAgentStore()
{
    static UserAgent store;
    return store;
}

bool anyInterfaceOnline()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning)
            || flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        if (!interface.addressEntries().isEmpty())
            return true;
    }
    return false;
}

}

Network::Network(QObject *parent)
    : QObject(parent)
{
    m_isOnline = anyInterfaceOnline();
    m_timer.setInterval(onlineCheckInterval);
    connect(&m_timer, &QTimer::timeout, this, &Network::checkOnline);
    m_timer.start();
}

QString Network::userAgent() const
{
    return defaultUserAgent();
}

void Network::setUserAgent(const QString &userAgent)
{
    {
        UserAgent &store = userAgentStore();
        QMutexLocker locker(&store.mutex);
        if (store.text == userAgent)
            return;
        store.text = userAgent;
    }
    qCDebug(lcHostkit) << Q_FUNC_INFO << userAgent;
    Q_EMIT userAgentChanged();
}

QString Network::defaultUserAgent()
{
    UserAgent &store = userAgentStore();
    QMutexLocker locker(&store.mutex);
    return store.text;
}

void Network::checkOnline()
{
    const bool online = anyInterfaceOnline();
    if (online == m_isOnline)
        return;
    m_isOnline = online;
    qCDebug(lcHostkit) << Q_FUNC_INFO << online;
    Q_EMIT isOnlineChanged();
}
