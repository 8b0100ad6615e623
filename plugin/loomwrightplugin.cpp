#include "plugin/loomwrightplugin.h"

#include "utility/hostkitobject.h"
#include "utility/logging.h"
#include "plugin/loomwright.h"
#include "plugin/loomwrightplugin_p.h"
#include "process/appprocess.h"
#include "process/synchronousprocess.h"
#include "shared/shareddata.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QQmlEngine>
#include <QTranslator>
#include <QVector>

// The six resource trees (translations, Qt translations, the three
// embedded QML modules and the folder Controls and Private share) register themselves when the library is loaded and
// unregister when it is unloaded, through the initialisers that the resource
// compiler generates; the library lists them in registration order.

// The resource compiler's initialiser of the Private module's tree, named
// after its resource collection file "private". Registering a tree that is
// registered already changes nothing.
int qInitResources_private();

namespace {

void registerPrivateTree()
{
    qInitResources_private();
}

struct TranslatorRow
{
    const char *prefix;
    const char *directory;
    const char *failure;
};

// In installation order; Qt consults the translator installed last first,
// so Qt's own texts are looked up before the plugin's.
const TranslatorRow translatorRows[] = {
    { "LoomwrightPlugin_", ":/languages", "LoomwrightPlugin installTranslator() Failed" },
    { "qtquickcontrols_", ":/qt_translations", "qtquickcontrols_ installTranslator() Failed" },
    { "qt_", ":/qt_translations", "qt_ installTranslator() Failed" },
};

// The host tool's choice of locale is read afresh for every engine.
QString uiLocaleName()
{
    const QCoreApplication *application = QCoreApplication::instance();
    const QString chosen = application ? application->property("Varnex.Brimforge.locale").toString() : QString();
    const QLocale system = QLocale::system();
    return LoomwrightPluginPrivate::uiLocaleName(chosen, system.uiLanguages(), system.name());
}

// The facade and the engines that hold it. It lives as a child of one of
// them; when that engine goes while others still hold the facade, it moves
// to one of those, so that it serves every engine until the last one is
// gone. The guarded pointer keeps a destroyed facade from ever being handed
// out.
struct SharedFacade
{
    QPointer<Loomwright> facade;
    QVector<QObject *> holders;
};

SharedFacade &sharedFacade()
{
    static SharedFacade shared;
    return shared;
}

// Runs while the engine's children still live, before they are deleted.
void releaseFacade(QObject *engine)
{
    SharedFacade &shared = sharedFacade();
    shared.holders.removeAll(engine);
    if (shared.facade && shared.facade->parent() == engine && !shared.holders.isEmpty())
        shared.facade->setParent(shared.holders.constFirst());
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

void LoomwrightPlugin::initializeEngine(QQmlEngine *engine, const char *uri)
{
    qCDebug(lcPlugin) << Q_FUNC_INFO << uri;

    registerPrivateTree();

    // The engine keeps import paths as URLs, so the path added once reads
    // "qrc:/imports" from then on.
    const QStringList importPaths = engine->importPathList();
    if (!importPaths.contains(QStringLiteral(":/imports")) && !importPaths.contains(QStringLiteral("qrc:/imports"))) {
        engine->addImportPath(QStringLiteral(":/imports"));
        qCDebug(lcPlugin) << Q_FUNC_INFO << "Added embedded resource import path" << engine->importPathList();
    }

    const QString localeName = QLocale(uiLocaleName()).name();
    for (const TranslatorRow &row : translatorRows) {
        auto *translator = new QTranslator(engine);
        // Many languages have no catalogue of one kind or the other (Qt has
        // none for Bulgarian or English); the texts then stay as they are.
        if (!translator->load(QLatin1String(row.prefix) + localeName, QLatin1String(row.directory)))
            continue;
        if (!QCoreApplication::installTranslator(translator))
            qCCritical(lcPlugin) << Q_FUNC_INFO << row.failure;
    }

    QQmlExtensionPlugin::initializeEngine(engine, uri);
}

QObject *LoomwrightPlugin::loomwrightProvider(QQmlEngine *engine, QJSEngine *scriptEngine)
{
    Q_UNUSED(scriptEngine)
    qCDebug(lcPlugin) << Q_FUNC_INFO << "Providing Loomwright singleton";

    SharedFacade &shared = sharedFacade();
    if (!shared.facade) {
        shared.facade = new Loomwright(engine);
        // Only its parent may destroy the facade; without this, any engine
        // that received it would delete it when that engine goes.
        QQmlEngine::setObjectOwnership(shared.facade, QQmlEngine::CppOwnership);
        shared.holders.clear();
    }
    if (!shared.holders.contains(engine)) {
        shared.holders.append(engine);
        QObject::connect(engine, &QObject::destroyed, releaseFacade);
    }
    return shared.facade;
}
