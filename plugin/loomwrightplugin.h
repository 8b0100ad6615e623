#ifndef LOOMWRIGHT_LOOMWRIGHTPLUGIN_H
#define LOOMWRIGHT_LOOMWRIGHTPLUGIN_H

#include <QQmlExtensionPlugin>

class QJSEngine;
class QQmlEngine;

class LoomwrightPlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    // The suite's plugin loaders know the interface by its original name,
    // which Qt still accepts for QML extension plugins.
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid_old)

public:
    explicit LoomwrightPlugin(QObject *parent = nullptr);

    void registerTypes(const char *uri) override;
    void initializeEngine(QQmlEngine *engine, const char *uri) override;

    static QObject *loomwrightProvider(QQmlEngine *engine, QJSEngine *scriptEngine);
};

#endif
