#include "plugin/loomwrightplugin.h"

#include "plugin/hostkitobject.h"
#include "plugin/logging.h"
#include "plugin/loomwright.h"
#include "process/appprocess.h"
#include "process/synchronousprocess.h"
#include "shared/shareddata.h"

#include <QPointer>
#include <QQmlEngine>

// The five resource trees (translations, Qt translations and the three
// embedded QML modules) register themselves when the library is loaded and
// unregister when it is unloaded, through the initialisers that the resource
// compiler generates; the library lists them in registration order.

namespace {

// A guarded pointer: the facade dies with the engine that owns it, and a
// later request must never be answered with the destroyed object.
QPointer<Loomwright> &facade()
{
    static QPointer<Loomwright> instance;
    return instance;
}

}

LoomwrightPlugin::LoomwrightPlugin(QObject *parent)
    : QQmlExtensionPlugin(parent)
{
}

void LoomwrightPlugin::registerTypes(const char *uri)
{
    qCDebug(lcPlugin) << Q_FUNC_INFO << uri;

    qmlRegisterUncreatableType<HostkitObject>(uri, 1, 0, "HostkitObject",
                                              QStringLiteral("The Varnex type HostkitObject is not creatable"));
    qmlRegisterSingletonType<Loomwright>(uri, 1, 0, "Loomwright", &LoomwrightPlugin::loomwrightProvider);
    qmlRegisterType<AppProcess>(uri, 1, 0, "Process");
    qmlRegisterType<SynchronousProcess>(uri, 1, 0, "SynchronousProcess");
    qmlRegisterUncreatableType<SharedData>(uri, 1, 0, "SharedData",
                                           QStringLiteral("The Varnex type SharedData is not creatable"));
}

QObject *LoomwrightPlugin::loomwrightProvider(QQmlEngine *engine, QJSEngine *scriptEngine)
{
    Q_UNUSED(scriptEngine)
    qCDebug(lcPlugin) << Q_FUNC_INFO << "Providing Loomwright singleton";

    QPointer<Loomwright> &instance = facade();
    if (!instance) {
        instance = new Loomwright(engine);
        // Only the parent engine may destroy the facade; without this, any
        // engine that received it would delete it when that engine goes.
        QQmlEngine::setObjectOwnership(instance, QQmlEngine::CppOwnership);
    }
    return instance;
}
