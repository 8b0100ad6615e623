// Engine initialisation: the embedded import path and the three translators,
// with real engines importing the plugin from the build tree and the
// catalogues the build compiled into it.

#include "plugin/loomwrightplugin_p.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/testsupport.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <QLocale>
#include <QLoggingCategory>
#include <QPluginLoader>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QResource>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {

const QStringList pluginLocales = {
    str("ar"), str("bg"), str("bs"), str("ca"), str("cs"), str("da"), str("de"), str("en"), str("es"), str("et"),
    str("fi"), str("fr"), str("he"), str("hr"), str("hu"), str("id"), str("it"), str("ja"), str("ko"), str("lt"),
    str("lv"), str("nb_NO"), str("nl"), str("pl"), str("pt_BR"), str("pt_PT"), str("ro"), str("ru"), str("sk"),
    str("sl"), str("sr"), str("sv"), str("th"), str("tr"), str("uk"), str("vi"), str("zh_CN"), str("zh_HK"),
    str("zh_TW"),
};

const QStringList qtLocales = {
    str("ar"), str("bs"), str("ca"), str("cs"), str("da"), str("de"), str("el"), str("es"), str("et"), str("fi"),
    str("fr"), str("he"), str("hr"), str("hu"), str("id"), str("it"), str("ja"), str("ko"), str("lt"), str("lv"),
    str("nb_NO"), str("nl"), str("pl"), str("pt_BR"), str("pt_PT"), str("ro"), str("ru"), str("sk"), str("sl"),
    str("sr"), str("sv"), str("th"), str("tr"), str("uk"), str("vi"), str("zh_CN"), str("zh_HK"), str("zh_TW"),
};

const char localeProperty[] = "Varnex.Brimforge.locale";
const char initializeSignature[] = "virtual void LoomwrightPlugin::initializeEngine(QQmlEngine*, const char*)";

QString pluginFile(const QString &locale)
{
    return locale.isEmpty() ? QString() : str(":/languages/LoomwrightPlugin_") + locale + str(".qm");
}

QString quickControlsFile(const QString &locale)
{
    return locale.isEmpty() ? QString() : str(":/qt_translations/qtquickcontrols_") + locale + str(".qm");
}

QString qtFile(const QString &locale)
{
    return locale.isEmpty() ? QString() : str(":/qt_translations/qt_") + locale + str(".qm");
}

std::unique_ptr<QQmlEngine> makeEngine()
{
    auto engine = std::make_unique<QQmlEngine>();
    engine->addImportPath(str(LOOMWRIGHT_QML_DIR));
    return engine;
}

// Builds QML text in engine; the object, or null with the errors in errors.
std::unique_ptr<QObject> create(QQmlEngine *engine, const QByteArray &qml, QString *errors = nullptr)
{
    QQmlComponent component(engine);
    component.setData(qml, QUrl(str("file:///translations-test.qml")));
    std::unique_ptr<QObject> object(component.isReady() ? component.create() : nullptr);
    if (errors)
        *errors = component.errorString();
    return object;
}

// Imports the native module, which makes the engine initialise itself for it.
bool importModule(QQmlEngine *engine)
{
    QString errors;
    const bool imported = bool(create(engine, "import QtQml 2.15\nimport Varnex.Loomwright 1.0\nQtObject {}\n", &errors));
    if (!imported)
        qWarning().noquote() << errors;
    return imported;
}

// The files of the translators that initialisation gave engine, in the order
// they were made; empty for one that found no file.
QStringList translatorFiles(const QQmlEngine *engine)
{
    QStringList files;
    for (const QTranslator *translator : engine->findChildren<QTranslator *>(QString(), Qt::FindDirectChildrenOnly))
        files.append(translator->filePath());
    return files;
}

int criticalLines(const MessageRecorder &recorder)
{
    int count = 0;
    for (const QString &line : recorder.lines())
        count += line.startsWith(str("critical ")) ? 1 : 0;
    return count;
}

// Sets the host tool's locale choice while it lives; "unset" leaves none.
class LocaleChoice
{
public:
    explicit LocaleChoice(const QVariant &value) { qApp->setProperty(localeProperty, value); }
    ~LocaleChoice() { qApp->setProperty(localeProperty, QVariant()); }
    void set(const QVariant &value) { qApp->setProperty(localeProperty, value); }

private:
    Q_DISABLE_COPY(LocaleChoice)
};

// A text of each tree that every catalogue of it translates.
QString pluginText()
{
    return QCoreApplication::translate("TextControlsContextMenu", "Copy");
}

QString countingText(int n)
{
    return QCoreApplication::translate("ActivityOverlay", "%n second(s) remaining", nullptr, n);
}

QString qtText()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

// Child mode: initialises one engine under the environment it was started
// with (and the locale choice given, if any) and prints what it got as JSON.
int reportInitialisation(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc > 2)
        application.setProperty(localeProperty, QString::fromUtf8(argv[2]));
    MessageRecorder recorder;
    auto engine = makeEngine();
    if (!importModule(engine.get()))
        return 2;
    const QJsonObject report {
        { str("uiLanguages"), QJsonArray::fromStringList(QLocale::system().uiLanguages()) },
        { str("files"), QJsonArray::fromStringList(translatorFiles(engine.get())) },
        { str("critical"), criticalLines(recorder) },
    };
    std::fputs(QJsonDocument(report).toJson(QJsonDocument::Compact).constData(), stdout);
    return 0;
}

}

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void catalogueTrees();
    void everyLocaleInitialises_data();
    void everyLocaleInitialises();
    void choiceIsReadOncePerEngine();
    void systemLanguages_data();
    void systemLanguages();
    void emptySystemLanguageList_data();
    void emptySystemLanguageList();
    void importPathIsAddedOnce();
    void controlsImportNeedsTheImportPath();
    void failedInstallationIsReported();
    void componentsShowTranslatedTexts_data();
    void componentsShowTranslatedTexts();
    void activityOverlayShowsAndHides();
    void contextMenuAnnouncesChoices();

private:
    QLibrary m_library { str(LOOMWRIGHT_PLUGIN_FILE) };
};

void TestTranslations::initTestCase()
{
    // Loaded for the whole run, so that the trees can be read without an
    // engine; engines load the same library.
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
}

void TestTranslations::cleanup()
{
    qApp->setProperty(localeProperty, QVariant());
    QLoggingCategory::setFilterRules(QString());
}

void TestTranslations::catalogueTrees()
{
    QStringList expected;
    for (const QString &locale : pluginLocales)
        expected.append(str("LoomwrightPlugin_") + locale + str(".qm"));
    expected.sort();
    QCOMPARE(entries(str(":/languages")), expected);
    QCOMPARE(expected.size(), 39);

    expected.clear();
    for (const QString &locale : qtLocales) {
        expected.append(str("qt_") + locale + str(".qm"));
        expected.append(str("qtquickcontrols_") + locale + str(".qm"));
    }
    expected.sort();
    QCOMPARE(entries(str(":/qt_translations")), expected);
    QCOMPARE(expected.size(), 76);

    // Every catalogue loads, holds messages (Qt refuses to install an empty
    // one) and is stored as it is, so that the translator reads it in place.
    for (const QString &tree : { str(":/languages"), str(":/qt_translations") }) {
        for (const QString &name : entries(tree)) {
            const QString path = tree + QLatin1Char('/') + name;
            QTranslator translator;
            QVERIFY2(translator.load(path), qPrintable(path));
            QVERIFY2(!translator.isEmpty(), qPrintable(path));
            QCOMPARE(QResource(path).compressionAlgorithm(), QResource::NoCompression);
        }
    }

    // The English catalogue holds only the plural forms of texts that count;
    // the others translate the texts themselves, plural forms included.
    for (const QString &locale : pluginLocales) {
        QTranslator translator;
        QVERIFY(translator.load(pluginFile(locale)));
        const QString copy = translator.translate("TextControlsContextMenu", "Copy");
        const QString one = translator.translate("ActivityOverlay", "%n second(s) remaining", nullptr, 1);
        const QString many = translator.translate("ActivityOverlay", "%n second(s) remaining", nullptr, 5);
        if (locale == str("en")) {
            QVERIFY(copy.isEmpty());
            QCOMPARE(one, str("%n second remaining"));
            QCOMPARE(many, str("%n seconds remaining"));
        } else {
            QVERIFY2(!copy.isEmpty() && copy != str("Copy"), qPrintable(locale));
            QVERIFY2(!one.isEmpty() && !many.isEmpty(), qPrintable(locale));
        }
    }

    // Qt's dialog buttons: from Qt's own catalogue, or from the project's
    // catalogue for languages that Qt's catalogue lacks them in.
    for (const QString &locale : qtLocales) {
        QTranslator qt;
        QTranslator quickControls;
        QVERIFY(qt.load(qtFile(locale)));
        QVERIFY(quickControls.load(quickControlsFile(locale)));
        const QString cancel = qt.translate("QPlatformTheme", "Cancel").isEmpty()
            ? quickControls.translate("QPlatformTheme", "Cancel")
            : qt.translate("QPlatformTheme", "Cancel");
        QVERIFY2(!cancel.isEmpty() && cancel != str("Cancel"), qPrintable(locale));
        QVERIFY2(!quickControls.translate("DefaultMessageDialog", "Cancel").isEmpty(), qPrintable(locale));
    }
}

void TestTranslations::everyLocaleInitialises_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("pluginLocale");
    QTest::addColumn<QString>("qtLocale");

    QStringList locales = pluginLocales + qtLocales;
    locales.sort();
    locales.removeDuplicates();
    for (const QString &locale : qAsConst(locales)) {
        QTest::addRow("%s", qPrintable(locale))
            << locale << (pluginLocales.contains(locale) ? locale : QString())
            << (qtLocales.contains(locale) ? locale : QString());
    }

    // A locale name is first completed with its territory, then shortened
    // until a catalogue is found.
    QTest::newRow("fr becomes fr_FR, falls back to fr") << str("fr") << str("fr") << str("fr");
    QTest::newRow("pt-BR") << str("pt-BR") << str("pt_BR") << str("pt_BR");
    QTest::newRow("pt becomes pt_BR") << str("pt") << str("pt_BR") << str("pt_BR");
    QTest::newRow("de_AT falls back to de") << str("de_AT") << str("de") << str("de");
    QTest::newRow("sr becomes sr_RS, falls back to sr") << str("sr") << str("sr") << str("sr");
    QTest::newRow("nb becomes nb_NO") << str("nb") << str("nb_NO") << str("nb_NO");
    QTest::newRow("zh becomes zh_CN") << str("zh") << str("zh_CN") << str("zh_CN");
    QTest::newRow("bg: no Qt catalogues") << str("bg") << str("bg") << QString();
    QTest::newRow("el: no plugin catalogue") << str("el") << QString() << str("el");
    QTest::newRow("en: plural forms only, no Qt catalogues") << str("en") << str("en") << QString();
    QTest::newRow("en_GB falls back to en") << str("en_GB") << str("en") << QString();
    QTest::newRow("a language without catalogues") << str("sw") << QString() << QString();
    QTest::newRow("not a language") << str("xx") << QString() << QString();
}

void TestTranslations::everyLocaleInitialises()
{
    QFETCH(QString, choice);
    QFETCH(QString, pluginLocale);
    QFETCH(QString, qtLocale);

    LocaleChoice locale(choice);
    MessageRecorder recorder(MessageRecorder::PassOn);
    auto engine = makeEngine();
    QVERIFY(importModule(engine.get()));

    QCOMPARE(criticalLines(recorder), 0);
    QCOMPARE(translatorFiles(engine.get()),
             QStringList({ pluginFile(pluginLocale), quickControlsFile(qtLocale), qtFile(qtLocale) }));

    // What the application now shows.
    if (pluginLocale.isEmpty() || pluginLocale == str("en"))
        QCOMPARE(pluginText(), str("Copy"));
    else
        QVERIFY2(pluginText() != str("Copy"), qPrintable(pluginText()));
    if (pluginLocale == str("en"))
        QCOMPARE(countingText(1), str("1 second remaining"));
    else if (pluginLocale.isEmpty())
        QCOMPARE(countingText(1), str("1 second(s) remaining"));
    if (qtLocale.isEmpty())
        QCOMPARE(qtText(), str("Cancel"));
    else
        QVERIFY2(qtText() != str("Cancel"), qPrintable(qtText()));

    // The translators go with their engine.
    engine.reset();
    QCOMPARE(pluginText(), str("Copy"));
    QCOMPARE(qtText(), str("Cancel"));
}

void TestTranslations::choiceIsReadOncePerEngine()
{
    LocaleChoice locale(str("de"));
    auto german = makeEngine();
    QVERIFY(importModule(german.get()));
    QCOMPARE(pluginText(), str("Kopieren"));

    locale.set(str("fr"));
    QCOMPARE(translatorFiles(german.get()), QStringList({ pluginFile(str("de")), quickControlsFile(str("de")),
                                                          qtFile(str("de")) }));
    QCOMPARE(pluginText(), str("Kopieren"));

    auto french = makeEngine();
    QVERIFY(importModule(french.get()));
    QCOMPARE(translatorFiles(french.get()), QStringList({ pluginFile(str("fr")), quickControlsFile(str("fr")),
                                                          qtFile(str("fr")) }));
    QCOMPARE(translatorFiles(german.get()).first(), pluginFile(str("de")));
    // The translator installed last answers first.
    QCOMPARE(pluginText(), str("Copier"));
    french.reset();
    QCOMPARE(pluginText(), str("Kopieren"));
}

void TestTranslations::systemLanguages_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QVariant>("choice");
    QTest::addColumn<QStringList>("files");

    const QVariant none;
    QTest::newRow("no choice: the system's language")
        << QStringList({ str("LANG=pt_BR.UTF-8") }) << none
        << QStringList({ pluginFile(str("pt_BR")), quickControlsFile(str("pt_BR")), qtFile(str("pt_BR")) });
    QTest::newRow("no choice: the first of several")
        << QStringList({ str("LANGUAGE=bg:de"), str("LANG=de_DE.UTF-8") }) << none
        << QStringList({ pluginFile(str("bg")), QString(), QString() });
    QTest::newRow("empty choice: the system's language")
        << QStringList({ str("LANG=el_GR.UTF-8") }) << QVariant(QString())
        << QStringList({ QString(), quickControlsFile(str("el")), qtFile(str("el")) });
    QTest::newRow("a choice wins over the system")
        << QStringList({ str("LANG=de_DE.UTF-8") }) << QVariant(str("fr"))
        << QStringList({ pluginFile(str("fr")), quickControlsFile(str("fr")), qtFile(str("fr")) });
    QTest::newRow("C locale: no catalogues")
        << QStringList({ str("LC_ALL=C") }) << none << QStringList({ QString(), QString(), QString() });
}

void TestTranslations::systemLanguages()
{
    QFETCH(QStringList, environment);
    QFETCH(QVariant, choice);
    QFETCH(QStringList, files);

    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" })
        variables.remove(QString::fromLatin1(name));
    for (const QString &variable : environment)
        variables.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));

    QProcess child;
    child.setProcessEnvironment(variables);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments = { str("--report-initialisation") };
    if (choice.isValid())
        arguments.append(choice.toString());
    child.start(QCoreApplication::applicationFilePath(), arguments);
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);

    const QJsonObject report = QJsonDocument::fromJson(child.readAllStandardOutput()).object();
    QVERIFY2(!report.isEmpty(), "no report from the child");
    QCOMPARE(report.value(str("critical")).toInt(), 0);
    QVariantList got = report.value(str("files")).toArray().toVariantList();
    QStringList gotFiles;
    for (const QVariant &file : got)
        gotFiles.append(file.toString());
    QCOMPARE(gotFiles, files);
}

void TestTranslations::emptySystemLanguageList_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("systemLanguages");
    QTest::addColumn<QString>("systemName");
    QTest::addColumn<QString>("expected");

    // Qt on Unix always names at least one language; other systems may not.
    QTest::newRow("no languages: the system locale's name")
        << QString() << QStringList() << str("de_AT") << str("de_AT");
    QTest::newRow("no languages, C locale") << QString() << QStringList() << str("C") << str("C");
    QTest::newRow("no languages, but a choice") << str("fr") << QStringList() << str("de_AT") << str("fr");
}

void TestTranslations::emptySystemLanguageList()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, systemLanguages);
    QFETCH(QString, systemName);
    QFETCH(QString, expected);

    QCOMPARE(LoomwrightPluginPrivate::uiLocaleName(choice, systemLanguages, systemName), expected);
}

void TestTranslations::importPathIsAddedOnce()
{
    LocaleChoice locale(str("de"));
    QPluginLoader loader(str(LOOMWRIGHT_PLUGIN_FILE));
    auto *plugin = qobject_cast<QQmlExtensionPlugin *>(loader.instance());
    QVERIFY2(plugin, qPrintable(loader.errorString()));

    QLoggingCategory::setFilterRules(str("Varnex.Loomwright.Plugin.debug=true"));
    MessageRecorder recorder;
    const QRegularExpression added(QRegularExpression::escape(str(initializeSignature))
                                   + str(" Added embedded resource import path \\(.*\"qrc:/imports\".*\\)$"));

    auto first = makeEngine();
    QVERIFY(importModule(first.get()));
    plugin->initializeEngine(first.get(), "Varnex.Loomwright");
    auto second = makeEngine();
    QVERIFY(importModule(second.get()));

    for (const QQmlEngine *engine : { first.get(), second.get() })
        QCOMPARE(engine->importPathList().count(str("qrc:/imports")), 1);
    // Three initialisations, one line each; the path is added and told once per engine.
    QCOMPARE(recorder.messages().count(str(initializeSignature) + str(" Varnex.Loomwright")), 3);
    QCOMPARE(recorder.messages().filter(added).size(), 2);
    // Each initialisation installs its three translators all the same.
    QCOMPARE(translatorFiles(first.get()).size(), 6);
    QCOMPARE(translatorFiles(second.get()).size(), 3);
}

void TestTranslations::controlsImportNeedsTheImportPath()
{
    const QByteArray usage = "import Varnex.Loomwright.Controls 1.0\nTextControlsContextMenu {}\n";

    // The module's files exist nowhere but in the plugin.
    auto engine = makeEngine();
    for (const QString &path : engine->importPathList()) {
        if (!path.startsWith(str("qrc:")))
            QVERIFY2(!QDir(path + str("/Varnex/Loomwright/Controls")).exists(), qPrintable(path));
    }
    QString errors;
    QVERIFY(!create(engine.get(), usage, &errors));
    QVERIFY2(errors.contains(str("module \"Varnex.Loomwright.Controls\" is not installed")), qPrintable(errors));

    // An engine caches what it failed to find, so another one tries again.
    engine = makeEngine();
    QVERIFY(importModule(engine.get()));
    std::unique_ptr<QObject> menu = create(engine.get(), usage, &errors);
    QVERIFY2(menu, qPrintable(errors));

    // One file may import both: the native module first.
    auto other = makeEngine();
    std::unique_ptr<QObject> both = create(other.get(), "import Varnex.Loomwright 1.0\n" + usage, &errors);
    QVERIFY2(both, qPrintable(errors));
}

void TestTranslations::failedInstallationIsReported()
{
    // A catalogue without messages, added to the plugin's tree for Greek,
    // which has none of its own: Qt loads it but refuses to install it.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(writeFile(folder.filePath(str("LoomwrightPlugin_el.ts")),
                      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"el\"></TS>\n"));
    QVERIFY(writeFile(folder.filePath(str("empty.qrc")),
                      "<RCC><qresource prefix=\"/\"><file>LoomwrightPlugin_el.qm</file></qresource></RCC>\n"));
    QProcess tool;
    tool.setWorkingDirectory(folder.path());
    tool.start(str(LOOMWRIGHT_LRELEASE), { str("-silent"), str("LoomwrightPlugin_el.ts") });
    QVERIFY(tool.waitForFinished() && tool.exitCode() == 0);
    tool.start(str(LOOMWRIGHT_RCC), { str("--binary"), str("empty.qrc"), str("-o"), str("empty.rcc") });
    QVERIFY(tool.waitForFinished() && tool.exitCode() == 0);
    const QString rcc = folder.filePath(str("empty.rcc"));
    QVERIFY(QResource::registerResource(rcc, str("/languages")));
    auto unregister = qScopeGuard([&rcc] { QResource::unregisterResource(rcc, str("/languages")); });
    QVERIFY(QFile::exists(str(":/languages/LoomwrightPlugin_el.qm")));

    LocaleChoice locale(str("el"));
    QTest::ignoreMessage(QtCriticalMsg, (str(initializeSignature) + str(" LoomwrightPlugin installTranslator() Failed"))
                                            .toUtf8().constData());
    auto engine = makeEngine();
    QVERIFY(importModule(engine.get()));
    // The other rows go on regardless.
    QCOMPARE(translatorFiles(engine.get()), QStringList({ str(":/languages/LoomwrightPlugin_el.qm"),
                                                          quickControlsFile(str("el")), qtFile(str("el")) }));
    QVERIFY(qtText() != str("Cancel"));
}

void TestTranslations::componentsShowTranslatedTexts_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<double>("percentage");
    QTest::addColumn<QString>("percentageText");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("remainingText");
    QTest::addColumn<QStringList>("menuTexts");

    const QStringList english = { str("Cut"), str("Copy"), str("Paste") };
    QTest::newRow("C locale: the source texts")
        << str("C") << 42.4 << str("42%") << 1.0 << str("1 second(s) remaining") << english;
    QTest::newRow("en: one second") << str("en") << 0.0 << str("0%") << 1.0 << str("1 second remaining") << english;
    QTest::newRow("en: seconds") << str("en") << 100.0 << str("100%") << 59.0 << str("59 seconds remaining")
                                 << english;
    QTest::newRow("en: a minute from 60 seconds")
        << str("en") << 7.0 << str("7%") << 60.0 << str("1 minute remaining") << english;
    QTest::newRow("en: minutes, rounded") << str("en") << 7.0 << str("7%") << 150.0 << str("3 minutes remaining")
                                          << english;
    QTest::newRow("de") << str("de") << 42.0 << str("42\u00a0%") << 1.0 << str("Noch 1 Sekunde")
                        << QStringList({ str("Ausschneiden"), str("Kopieren"), str("Einfügen") });
    QTest::newRow("fr: zero is singular") << str("fr") << 5.0 << str("5\u00a0%") << 0.0
                                          << str("0 seconde restante")
                                          << QStringList({ str("Couper"), str("Copier"), str("Coller") });
    QTest::newRow("ru: 21 takes the singular") << str("ru") << 5.0 << str("5\u00a0%") << 21.0
                                               << str("Осталась 21 секунда")
                                               << QStringList({ str("Вырезать"), str("Копировать"), str("Вставить") });
    QTest::newRow("ru: 2 minutes") << str("ru") << 5.0 << str("5\u00a0%") << 120.0 << str("Осталось 2 минуты")
                                   << QStringList({ str("Вырезать"), str("Копировать"), str("Вставить") });
    QTest::newRow("tr: percent sign first") << str("tr") << 50.0 << str("%50") << 5.0 << str("5 saniye kaldı")
                                            << QStringList({ str("Kes"), str("Kopyala"), str("Yapıştır") });
    QTest::newRow("ar") << str("ar") << 50.0 << str("50٪") << 2.0 << str("ثانيتان متبقيتان")
                        << QStringList({ str("قص"), str("نسخ"), str("لصق") });
    QTest::newRow("el: Qt's catalogues only")
        << str("el") << 50.0 << str("50%") << 2.0 << str("2 second(s) remaining") << english;
}

void TestTranslations::componentsShowTranslatedTexts()
{
    QFETCH(QString, choice);
    QFETCH(double, percentage);
    QFETCH(QString, percentageText);
    QFETCH(double, seconds);
    QFETCH(QString, remainingText);
    QFETCH(QStringList, menuTexts);

    LocaleChoice locale(choice);
    auto engine = makeEngine();
    QString errors;
    std::unique_ptr<QObject> item = create(engine.get(),
                                           "import QtQuick 2.15\n"
                                           "import Varnex.Loomwright 1.0\n"
                                           "import Varnex.Loomwright.Controls 1.0\n"
                                           "Item {\n"
                                           "    property alias overlay: overlay\n"
                                           "    property alias menu: menu\n"
                                           "    ActivityOverlay { id: overlay }\n"
                                           "    TextControlsContextMenu { id: menu }\n"
                                           "}\n",
                                           &errors);
    QVERIFY2(item, qPrintable(errors));
    auto *overlay = item->property("overlay").value<QObject *>();
    auto *menu = item->property("menu").value<QObject *>();

    overlay->setProperty("percentage", percentage);
    overlay->setProperty("secondsRemaining", seconds);
    QCOMPARE(overlay->property("percentageText").toString(), percentageText);
    QCOMPARE(overlay->property("remainingText").toString(), remainingText);
    QCOMPARE(overlay->findChild<QObject *>(str("percentageText"))->property("text").toString(), percentageText);
    QCOMPARE(overlay->findChild<QObject *>(str("remainingText"))->property("text").toString(), remainingText);

    QStringList texts;
    for (const char *name : { "cutAction", "copyAction", "pasteAction" })
        texts.append(menu->findChild<QObject *>(QString::fromLatin1(name))->property("text").toString());
    QCOMPARE(texts, menuTexts);
}

void TestTranslations::activityOverlayShowsAndHides()
{
    auto engine = makeEngine();
    QString errors;
    std::unique_ptr<QObject> overlay = create(engine.get(),
                                              "import Varnex.Loomwright 1.0\n"
                                              "import Varnex.Loomwright.Controls 1.0\n"
                                              "ActivityOverlay { title: \"Downloading X\" }\n",
                                              &errors);
    QVERIFY2(overlay, qPrintable(errors));

    // Nothing known yet: no figures rather than made-up ones.
    QCOMPARE(overlay->property("visible").toBool(), false);
    QCOMPARE(overlay->property("percentageText").toString(), QString());
    QCOMPARE(overlay->property("remainingText").toString(), QString());
    QVERIFY(overlay->findChild<QObject *>(str("progressBar"))->property("indeterminate").toBool());

    QVERIFY(QMetaObject::invokeMethod(overlay.get(), "show", Q_ARG(QVariant, str("Fetching the package"))));
    QCOMPARE(overlay->property("visible").toBool(), true);
    QCOMPARE(overlay->property("text").toString(), str("Fetching the package"));
    QCOMPARE(overlay->findChild<QObject *>(str("titleText"))->property("text").toString(), str("Downloading X"));

    // Showing again without a message keeps the text.
    QVERIFY(QMetaObject::invokeMethod(overlay.get(), "hide"));
    QCOMPARE(overlay->property("visible").toBool(), false);
    QVERIFY(QMetaObject::invokeMethod(overlay.get(), "show", Q_ARG(QVariant, QVariant())));
    QCOMPARE(overlay->property("visible").toBool(), true);
    QCOMPARE(overlay->property("text").toString(), str("Fetching the package"));

    overlay->setProperty("percentage", 150);
    QCOMPARE(overlay->findChild<QObject *>(str("progressBar"))->property("value").toDouble(), 100.0);
    QVERIFY(!overlay->findChild<QObject *>(str("progressBar"))->property("indeterminate").toBool());
}

void TestTranslations::contextMenuAnnouncesChoices()
{
    auto engine = makeEngine();
    QString errors;
    std::unique_ptr<QObject> menu = create(engine.get(),
                                           "import Varnex.Loomwright 1.0\n"
                                           "import Varnex.Loomwright.Controls 1.0\n"
                                           "TextControlsContextMenu {\n"
                                           "    property string chosen\n"
                                           "    canPaste: false\n"
                                           "    onCut: chosen += \"cut \"\n"
                                           "    onCopy: chosen += \"copy \"\n"
                                           "    onPaste: chosen += \"paste \"\n"
                                           "}\n",
                                           &errors);
    QVERIFY2(menu, qPrintable(errors));
    for (const char *name : { "cutAction", "copyAction", "pasteAction" })
        QVERIFY(QMetaObject::invokeMethod(menu->findChild<QObject *>(QString::fromLatin1(name)), "trigger"));
    // A disabled action does not trigger.
    QCOMPARE(menu->property("chosen").toString(), str("cut copy "));
    QCOMPARE(menu->property("count").toInt(), 3);
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--report-initialisation") == 0)
        return reportInitialisation(argc, argv);
    QGuiApplication application(argc, argv);
    TestTranslations test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
