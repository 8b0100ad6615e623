#include "hostkit/networkingplugin.h"

#include "hostkit/networkrequest.h"
#include "hostkit/networkrequestheaders.h"

#include <QQmlEngine>

NetworkingPlugin::NetworkingPlugin(QObject *parent)
    : QQmlExtensionPlugin(parent)
{
}

void NetworkingPlugin::registerTypes(const char *uri)
{
    qmlRegisterType<NetworkRequest>(uri, 1, 0, "NetworkRequest");
    qmlRegisterUncreatableType<NetworkRequestHeaders>(
        uri, 1, 0, "NetworkRequestHeaders", QStringLiteral("NetworkRequestHeaders is the headers group of NetworkRequest"));
}
