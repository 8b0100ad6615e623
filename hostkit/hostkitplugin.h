#ifndef HOSTKIT_HOSTKITPLUGIN_H
#define HOSTKIT_HOSTKITPLUGIN_H

#include <QQmlExtensionPlugin>

// Module "Varnex.Hostkit": the singleton and the types it hands out.
class HostkitPlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid)

public:
    explicit HostkitPlugin(QObject *parent = nullptr);

    void registerTypes(const char *uri) override;
};

#endif
