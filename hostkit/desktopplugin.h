#ifndef HOSTKIT_DESKTOPPLUGIN_H
#define HOSTKIT_DESKTOPPLUGIN_H

#include <QQmlExtensionPlugin>

// Module "Varnex.Hostkit.Desktop": the embedded QML imports it, but uses
// nothing from it yet.
class DesktopPlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid)

public:
    explicit DesktopPlugin(QObject *parent = nullptr);

    void registerTypes(const char *uri) override;
};

#endif
