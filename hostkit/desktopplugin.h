#ifndef HOSTKIT_DESKTOPPLUGIN_H
#define HOSTKIT_DESKTOPPLUGIN_H

#include <QQmlExtensionPlugin>

// Module "Varnex.Hostkit.Desktop": the app types of the window shells (the
// app, the app list of the gallery, and the downloads of items and apps).
class DesktopPlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid)

public:
    explicit DesktopPlugin(QObject *parent = nullptr);

    void registerTypes(const char *uri) override;
};

#endif
