#include "hostkit/desktopplugin.h"

#include <QQmlEngine>

DesktopPlugin::DesktopPlugin(QObject *parent)
    : QQmlExtensionPlugin(parent)
{
}

void DesktopPlugin::registerTypes(const char *uri)
{
    // A module without types must still register its version, or the
    // engine reports "module is not installed" for the import.
    qmlRegisterModule(uri, 1, 0);
}
