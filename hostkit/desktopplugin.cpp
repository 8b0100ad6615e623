#include "hostkit/desktopplugin.h"

#include "hostkit/appinfo.h"
#include "hostkit/appinfolist.h"
#include "hostkit/appinfolistfilter.h"
#include "hostkit/apppackage.h"
#include "hostkit/itempackage.h"

#include <QQmlEngine>

DesktopPlugin::DesktopPlugin(QObject *parent)
    : QQmlExtensionPlugin(parent)
{
}

void DesktopPlugin::registerTypes(const char *uri)
{
    qmlRegisterType<AppInfo>(uri, 1, 0, "AppInfo");
    qmlRegisterType<AppInfoList>(uri, 1, 0, "AppInfoList");
    qmlRegisterUncreatableType<AppInfoListFilter>(uri, 1, 0, "AppInfoListFilter",
                                                  QStringLiteral("AppInfoListFilter is the filter group of AppInfoList"));
    qmlRegisterType<ItemPackage>(uri, 1, 0, "ItemPackage");
    qmlRegisterType<AppPackage>(uri, 1, 0, "AppPackage");
}
