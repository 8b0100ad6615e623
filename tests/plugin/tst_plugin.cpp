#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLoggingCategory>
#include <QPluginLoader>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

const QStringList resourceTrees = {
    QStringLiteral(":/languages"),
    QStringLiteral(":/qt_translations"),
    QStringLiteral(":/imports/Varnex/Loomwright/Controls"),
    QStringLiteral(":/imports/Varnex/Loomwright/Private"),
    QStringLiteral(":/imports/Feldrin"),
};

std::unique_ptr<QQmlEngine> makeEngine()
{
    auto engine = std::make_unique<QQmlEngine>();
    engine->addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    return engine;
}

// Creates a component from QML text; fails the test when it does not build.
QObject *create(QQmlEngine *engine, const QByteArray &qml)
{
    QQmlComponent component(engine);
    component.setData(qml, QUrl());
    QObject *object = component.create();
    if (!object)
        qWarning().noquote() << component.errorString();
    return object;
}

QObject *facadeOf(QQmlEngine *engine)
{
    std::unique_ptr<QObject> holder(create(engine, "import QtQml 2.15\n"
                                                   "import Varnex.Loomwright 1.0\n"
                                                   "QtObject { property QtObject facade: Loomwright }\n"));
    return holder ? holder->property("facade").value<QObject *>() : nullptr;
}

}

class tst_Plugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first: nothing else in this process has loaded the library yet.
    void resourceTreesFollowTheLibrary();
    void instanceIsKeptUntilDestroyed();
    void metaData();
    void registersUnderTheGivenUri();
    void refusesUncreatableTypes_data();
    void refusesUncreatableTypes();
    void facadeIsSharedAndNeverHandedOutDestroyed();
    void providerLogsEveryRequest();
    void facadeServesEveryEngineUntilTheLast();
};

void tst_Plugin::resourceTreesFollowTheLibrary()
{
    for (const QString &tree : resourceTrees)
        QVERIFY2(!QDir(tree).exists(), qPrintable(tree));

    QLibrary library(QStringLiteral(LOOMWRIGHT_PLUGIN_FILE));
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    for (const QString &tree : resourceTrees)
        QVERIFY2(QDir(tree).exists(), qPrintable(tree));
    QVERIFY(QFile::exists(QStringLiteral(":/imports/Feldrin/qmldir")));

    QVERIFY(library.unload());
    for (const QString &tree : resourceTrees)
        QVERIFY2(!QDir(tree).exists(), qPrintable(tree));
}

void tst_Plugin::instanceIsKeptUntilDestroyed()
{
    QLibrary library(QStringLiteral(LOOMWRIGHT_PLUGIN_FILE));
    using InstanceFunction = QObject *(*)();
    auto instance = reinterpret_cast<InstanceFunction>(library.resolve("qt_plugin_instance"));
    QVERIFY2(instance, qPrintable(library.errorString()));

    QPointer<QObject> first = instance();
    QVERIFY(first);
    QCOMPARE(instance(), first.data());
    QCOMPARE(first->metaObject()->className(), "LoomwrightPlugin");
    QVERIFY(qobject_cast<QQmlExtensionPlugin *>(first));

    delete first.data();
    QPointer<QObject> second = instance();
    QVERIFY(second);
    QCOMPARE(instance(), second.data());
}

void tst_Plugin::metaData()
{
    QPluginLoader loader(QStringLiteral(LOOMWRIGHT_PLUGIN_FILE));
    const QJsonObject metaData = loader.metaData();

    QCOMPARE(metaData.value(QStringLiteral("IID")).toString(), QStringLiteral("org.qt-project.Qt.QQmlExtensionInterface"));
    QCOMPARE(metaData.value(QStringLiteral("className")).toString(), QStringLiteral("LoomwrightPlugin"));
    QCOMPARE(metaData.value(QStringLiteral("uri")).toArray(),
             QJsonArray({ QStringLiteral("Varnex.Loomwright") }));
    QCOMPARE(metaData.value(QStringLiteral("version")).toInt() >> 8, 0x050F);
    QCOMPARE(metaData.value(QStringLiteral("debug")).toBool(), false);
}

void tst_Plugin::registersUnderTheGivenUri()
{
    QPluginLoader loader(QStringLiteral(LOOMWRIGHT_PLUGIN_FILE));
    auto *plugin = qobject_cast<QQmlExtensionPlugin *>(loader.instance());
    QVERIFY2(plugin, qPrintable(loader.errorString()));

    QLoggingCategory::setFilterRules(QStringLiteral("Varnex.Loomwright.Plugin.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "virtual void LoomwrightPlugin::registerTypes(const char*) Test.Other.Uri");
    plugin->registerTypes("Test.Other.Uri");
    QLoggingCategory::setFilterRules(QString());

    auto engine = makeEngine();
    std::unique_ptr<QObject> object(create(engine.get(), "import Test.Other.Uri 1.0\n"
                                                         "SynchronousProcess { property var inner: Process {} }\n"));
    QVERIFY(object);
    QVERIFY(object->inherits("SynchronousProcess"));
    QVERIFY(object->property("inner").value<QObject *>()->inherits("AppProcess"));
}

void tst_Plugin::refusesUncreatableTypes_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::newRow("HostkitObject") << QByteArray("HostkitObject");
    QTest::newRow("SharedData") << QByteArray("SharedData");
}

void tst_Plugin::refusesUncreatableTypes()
{
    QFETCH(QByteArray, type);

    auto engine = makeEngine();
    QQmlComponent component(engine.get());
    component.setData("import Varnex.Loomwright 1.0\n" + type + " {}\n", QUrl());
    QVERIFY(component.isError());
    const QString expected = QStringLiteral("The Varnex type %1 is not creatable").arg(QString::fromLatin1(type));
    QVERIFY2(component.errorString().contains(expected), qPrintable(component.errorString()));
}

void tst_Plugin::facadeIsSharedAndNeverHandedOutDestroyed()
{
    auto first = makeEngine();
    QPointer<QObject> facade = facadeOf(first.get());
    QVERIFY(facade);
    QCOMPARE(facade->metaObject()->className(), "Loomwright");
    QCOMPARE(facade->parent(), first.get());
    QCOMPARE(QQmlEngine::objectOwnership(facade), QQmlEngine::CppOwnership);

    // A second engine gets the same object, and taking it down leaves the
    // facade to its parent engine.
    auto second = makeEngine();
    QCOMPARE(facadeOf(second.get()), facade.data());
    second.reset();
    QVERIFY(facade);

    first.reset();
    QVERIFY(facade.isNull());

    auto third = makeEngine();
    QPointer<QObject> renewed = facadeOf(third.get());
    QVERIFY(renewed);
    QCOMPARE(renewed->parent(), third.get());
    std::unique_ptr<QObject> usage(create(third.get(), "import QtQml 2.15\n"
                                                       "import Varnex.Loomwright 1.0\n"
                                                       "QtObject { property int mode: Loomwright.KeepAspectRatioByExpanding }\n"));
    QVERIFY(usage);
    QCOMPARE(usage->property("mode").toInt(), 2);
}

void tst_Plugin::providerLogsEveryRequest()
{
    QLoggingCategory::setFilterRules(QStringLiteral("Varnex.Loomwright.Plugin.debug=true"));
    const char *line = "static QObject* LoomwrightPlugin::loomwrightProvider(QQmlEngine*, QJSEngine*) "
                       "Providing Loomwright singleton";
    QTest::ignoreMessage(QtDebugMsg, line);
    QTest::ignoreMessage(QtDebugMsg, line);

    auto first = makeEngine();
    auto second = makeEngine();
    QObject *facade = facadeOf(first.get());
    QCOMPARE(facadeOf(second.get()), facade);
    QLoggingCategory::setFilterRules(QString());
}

// The engine that made the facade may go first: the others still use it,
// and every facade of the process shows the same shared data.
void tst_Plugin::facadeServesEveryEngineUntilTheLast()
{
    auto first = makeEngine();
    auto second = makeEngine();
    QPointer<QObject> facade = facadeOf(first.get());
    QCOMPARE(facadeOf(second.get()), facade.data());
    QObject *sharedData = facade->property("sharedData").value<QObject *>();
    QVERIFY(sharedData);

    first.reset();
    QVERIFY(facade);
    QCOMPARE(facade->parent(), second.get());
    std::unique_ptr<QObject> usage(create(second.get(), "import QtQml 2.15\n"
                                                        "import Varnex.Loomwright 1.0\n"
                                                        "QtObject { property string kind: typeof Loomwright.copyImage }\n"));
    QVERIFY(usage);
    QCOMPARE(usage->property("kind").toString(), QStringLiteral("function"));
    usage.reset();

    second.reset();
    QVERIFY(facade.isNull());
    auto third = makeEngine();
    QObject *renewed = facadeOf(third.get());
    QVERIFY(renewed);
    QCOMPARE(renewed->property("sharedData").value<QObject *>(), sharedData);
}

QTEST_GUILESS_MAIN(tst_Plugin)

#include "tst_plugin.moc"
