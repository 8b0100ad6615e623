#include "hostkit/networkrequestheaders.h"

NetworkRequestHeaders::NetworkRequestHeaders(QObject *parent)
    : QObject(parent)
{
}

void NetworkRequestHeaders::setUserAgent(const QString &userAgent)
{
    if (userAgent == m_userAgent)
        return;
    m_userAgent = userAgent;
    Q_EMIT userAgentChanged();
}
