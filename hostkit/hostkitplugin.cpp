#include "hostkit/hostkitplugin.h"

#include "hostkit/filefolder.h"
#include "hostkit/fileinfo.h"
#include "hostkit/hostkit.h"
#include "hostkit/localeinfo.h"
#include "hostkit/network.h"
#include "hostkit/settings.h"

#include <QQmlEngine>

HostkitPlugin::HostkitPlugin(QObject *parent)
    : QQmlExtensionPlugin(parent)
{
}

void HostkitPlugin::registerTypes(const char *uri)
{
    // The engine owns the singleton and deletes it with itself.
    qmlRegisterSingletonType<Hostkit>(uri, 1, 0, "Hostkit", [](QQmlEngine *, QJSEngine *) -> QObject * {
        return new Hostkit(nullptr);
    });
    qmlRegisterUncreatableType<Settings>(uri, 1, 0, "Settings",
                                         QStringLiteral("Settings is not creatable; use Hostkit.settings"));
    qmlRegisterUncreatableType<Network>(uri, 1, 0, "Network",
                                        QStringLiteral("Network is not creatable; use Hostkit.network"));
    qmlRegisterType<LocaleInfo>(uri, 1, 0, "LocaleInfo");
    qmlRegisterType<FileInfo>(uri, 1, 0, "FileInfo");
    qmlRegisterType<FileFolder>(uri, 1, 0, "FileFolder");
}
