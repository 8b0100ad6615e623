#ifndef HOSTKIT_NETWORKINGPLUGIN_H
#define HOSTKIT_NETWORKINGPLUGIN_H

#include <QQmlExtensionPlugin>

// Module "Varnex.Hostkit.Networking": network requests.
class NetworkingPlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid)

public:
    explicit NetworkingPlugin(QObject *parent = nullptr);

    void registerTypes(const char *uri) override;
};

#endif
