// The Varnex.Hostkit module as QML calls it, checked where the effects land:
// the settings file on disk, files in folders and resources, the log.
#include "../helpers/logassert.h"
#include "../helpers/testsupport.h"

#include <QCoreApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Runs script expressions with `Hostkit` in scope, as QML code would call it,
// and gives back each result as JSON text ("undefined" for undefined).
const char *scriptQml = R"(
import QtQml 2.15
import Varnex.Hostkit 1.0

QtObject {
    function evaluate(code) {
        var result = new Function("Hostkit", "return (" + code + ");")(Hostkit)
        return result === undefined ? "undefined" : JSON.stringify(result)
    }
}
)";

class Script
{
public:
    Script()
    {
        m_engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
        QQmlComponent component(&m_engine);
        component.setData(scriptQml, QUrl(QStringLiteral("file:///script.qml")));
        m_root.reset(component.create());
        if (!m_root)
            qWarning() << component.errorString();
    }

    QString operator()(const QString &code)
    {
        QVariant result;
        QMetaObject::invokeMethod(m_root.get(), "evaluate", Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, code));
        return result.toString();
    }

private:
    QQmlEngine m_engine;
    std::unique_ptr<QObject> m_root;
};

QTemporaryDir &configFolder()
{
    static QTemporaryDir folder;
    return folder;
}

}

class HostkitTest : public QObject
{
    Q_OBJECT

public:
    // Before the application exists: QSettings reads the variable once.
    static void initMain() { qputenv("XDG_CONFIG_HOME", configFolder().path().toLocal8Bit()); }

private Q_SLOTS:
    void initTestCase();
    void init();

    void settingsKeepOnlyDifferences_data();
    void settingsKeepOnlyDifferences();
    void settingsReadStoredText_data();
    void settingsReadStoredText();
    void settingsRemoveGroup();

    void filesByEveryPathForm_data();
    void filesByEveryPathForm();
    void readJsonFileFailures_data();
    void readJsonFileFailures();
    void folderQuestions();
    void fileInfoFollowsItsPath();

    void loggingCategoryNamesTheLine();

private:
    QString settingsFile() const;

    QTemporaryDir m_folder;
};

void HostkitTest::initTestCase()
{
    QVERIFY(configFolder().isValid());
    QVERIFY(m_folder.isValid());
    QCoreApplication::setOrganizationName(str("LoomwrightTests"));
}

void HostkitTest::init()
{
    // A settings file of each row's own: QSettings caches the files of a
    // process, and a rewritten file must not meet a stale cache.
    QString name = QString::fromUtf8(QTest::currentTestFunction()) + QLatin1Char('-')
                   + QString::fromUtf8(QTest::currentDataTag());
    name.replace(QRegularExpression(str("[^A-Za-z0-9-]")), str("_"));
    QCoreApplication::setApplicationName(name);
}

QString HostkitTest::settingsFile() const
{
    return configFolder().filePath(QCoreApplication::organizationName() + QLatin1Char('/')
                                   + QCoreApplication::applicationName() + str(".conf"));
}

void HostkitTest::settingsKeepOnlyDifferences_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expectedLines");

    // Each row starts from a file that holds [Portal] name=Old.
    QTest::newRow("text equal to the default removes the key")
        << R"(Hostkit.settings.setValue("Portal/name", "Varnex Online", "Varnex Online"))" << QStringList();
    QTest::newRow("text unlike the default is stored")
        << R"(Hostkit.settings.setValue("Portal/name", "Mine", "Varnex Online"))"
        << QStringList{str("[Portal]"), str("name=Mine")};
    QTest::newRow("false equal to the default removes the key")
        << R"(Hostkit.settings.setValue("Portal/name", false, false))" << QStringList();
    QTest::newRow("true unlike the default is stored")
        << R"(Hostkit.settings.setValue("Portal/ignoreSslErrors", true, false))"
        << QStringList{str("[Portal]"), str("ignoreSslErrors=true"), str("name=Old")};
    QTest::newRow("URL equal to the default text removes the key")
        << R"(Hostkit.settings.setValue("Portal/name", Qt.resolvedUrl("https://portal.example/p"), "https://portal.example/p"))"
        << QStringList();
    QTest::newRow("URL is stored as its text")
        << R"(Hostkit.settings.setValue("Portal/portalUrl", Qt.resolvedUrl("https://mine.example/p"), "https://portal.example/p"))"
        << QStringList{str("[Portal]"), str("name=Old"), str("portalUrl=https://mine.example/p")};
    QTest::newRow("number equal to the default removes the key")
        << R"(Hostkit.settings.setValue("Portal/name", 3, 3.0))" << QStringList();
    QTest::newRow("without a default the value is stored")
        << R"(Hostkit.settings.setValue("udid", "0123abcd"))"
        << QStringList{str("[General]"), str("udid=0123abcd"), QString(), str("[Portal]"), str("name=Old")};
    QTest::newRow("null removes the key")
        << R"(Hostkit.settings.setValue("Portal/name", null))" << QStringList();
    QTest::newRow("an empty text is a value")
        << R"(Hostkit.settings.setValue("Portal/name", ""))" << QStringList{str("[Portal]"), str("name=")};
}

void HostkitTest::settingsKeepOnlyDifferences()
{
    QFETCH(QString, code);
    QFETCH(QStringList, expectedLines);

    QVERIFY(QDir().mkpath(QFileInfo(settingsFile()).path()));
    QVERIFY(writeFile(settingsFile(), "[Portal]\nname=Old\n"));
    {
        Script script;
        QCOMPARE(script(code), str("undefined"));
        // The engine's end writes the file.
    }
    QString text = fileText(settingsFile());
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QCOMPARE(lines, expectedLines);
}

void HostkitTest::settingsReadStoredText_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");

    // The stored file, as a text-based store gives every value back: as text.
    QTest::newRow("value: false text with a boolean default") << R"(value("flags/no", true))" << "false";
    QTest::newRow("value: number text with a number default") << R"(value("count", 0))" << "12";
    QTest::newRow("value: text that is no number") << R"(value("word", 7))" << "7";
    QTest::newRow("value: text that is no boolean") << R"(value("word", true))" << "true";
    QTest::newRow("value: no default") << R"(value("word"))" << R"("maybe")";
    QTest::newRow("value: missing, no default") << R"(value("missing"))" << "undefined";
    QTest::newRow("value: missing") << R"(value("missing", "fallback"))" << R"("fallback")";
    QTest::newRow("boolValue: false") << R"(boolValue("flags/no", true))" << "false";
    QTest::newRow("boolValue: off") << R"(boolValue("flags/off", true))" << "false";
    QTest::newRow("boolValue: yes") << R"(boolValue("flags/word", false))" << "true";
    QTest::newRow("boolValue: unreadable gives the default") << R"(boolValue("word", true))" << "true";
    QTest::newRow("boolValue: missing gives the default") << R"(boolValue("missing", true))" << "true";
}

void HostkitTest::settingsReadStoredText()
{
    QFETCH(QString, code);
    QFETCH(QString, expected);

    QVERIFY(QDir().mkpath(QFileInfo(settingsFile()).path()));
    QVERIFY(writeFile(settingsFile(),
                      "[General]\ncount=12\nword=maybe\n\n"
                      "[flags]\nno=false\nyes=true\nzero=0\noff=off\nword=yes\n"));
    Script script;
    QCOMPARE(script(str("Hostkit.settings.") + code), expected);
}

void HostkitTest::settingsRemoveGroup()
{
    QVERIFY(QDir().mkpath(QFileInfo(settingsFile()).path()));
    QVERIFY(writeFile(settingsFile(), "[OAuth]\nclient_id=a\nrefresh_token=b\n\n[Portal]\nname=Old\n"));
    {
        Script script;
        QCOMPARE(script(str(R"(Hostkit.settings.remove("OAuth/client_id"))")), str("undefined"));
        QCOMPARE(script(str(R"(Hostkit.settings.value("OAuth/client_id"))")), str("undefined"));
        QCOMPARE(script(str(R"(Hostkit.settings.remove("Portal"))")), str("undefined"));
    }
    QCOMPARE(fileText(settingsFile()), str("[OAuth]\nrefresh_token=b\n"));
}

void HostkitTest::filesByEveryPathForm_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expectedPath");
    QTest::addColumn<QString>("expectedUrl");

    QVERIFY(QFile::copy(str(":/hostkit/icons-24.ttf"), m_folder.filePath(str("icons-24.ttf"))));
    QVERIFY(QFile::copy(str(":/hostkit/icons-24.json"), m_folder.filePath(str("icons-24.json"))));
    const QString local = m_folder.filePath(str("icons-24.ttf"));
    const QString localUrl = QUrl::fromLocalFile(local).toString();

    QTest::newRow("resource path") << ":/hostkit/icons-24.ttf" << ":/hostkit/icons-24.ttf"
                                   << "qrc:/hostkit/icons-24.ttf";
    QTest::newRow("qrc URL") << "qrc:/hostkit/icons-24.ttf" << ":/hostkit/icons-24.ttf" << "qrc:/hostkit/icons-24.ttf";
    QTest::newRow("qrc URL with three slashes") << "qrc:///hostkit/icons-24.ttf" << ":/hostkit/icons-24.ttf"
                                                << "qrc:/hostkit/icons-24.ttf";
    QTest::newRow("local path") << local << local << localUrl;
    QTest::newRow("file URL") << localUrl << local << localUrl;
}

void HostkitTest::filesByEveryPathForm()
{
    QFETCH(QString, path);
    QFETCH(QString, expectedPath);
    QFETCH(QString, expectedUrl);

    // What a glyph set does: find the font, then the name map beside it.
    Script script;
    const QString info = str("Hostkit.fileInfo(\"%1\")").arg(path);
    QCOMPARE(script(info + str(".exists")), str("true"));
    QCOMPARE(script(info + str(".isFile")), str("true"));
    QCOMPARE(script(info + str(".filePath")), quoted(expectedPath));
    QCOMPARE(script(info + str(".url")), quoted(expectedUrl));
    QCOMPARE(script(info + str(".fileName")), str(R"("icons-24.ttf")"));
    QCOMPARE(script(info + str(".baseName")), str(R"("icons-24")"));
    QCOMPARE(script(info + str(".suffix")), str(R"("ttf")"));
    QCOMPARE(script(info + str(".folder.path")), quoted(QFileInfo(expectedPath).path()));
    QCOMPARE(script(str("(function (f) { return f.folder.readJsonFile(f.baseName + \".json\") })(%1)").arg(info)),
             str(R"({"chevron-down":57346,"sign-in":"\\e001"})"));
}

void HostkitTest::readJsonFileFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("expectedLog");

    QTest::newRow("a list") << "list.json" << R"([1,"two",{"three":3}])" << QString();
    QTest::newRow("missing file") << "missing.json" << "{}" << "Cannot read \":/hostkit/missing.json\"";
    QTest::newRow("not JSON") << "broken.json" << "{}" << "Invalid JSON in \":/hostkit/broken.json\"";
}

void HostkitTest::readJsonFileFailures()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(QString, expectedLog);

    Script script;
    MessageRecorder recorder;
    QCOMPARE(script(str("Hostkit.fileFolder(\"qrc:/hostkit\").readJsonFile(\"%1\")").arg(name)), expected);
    if (expectedLog.isEmpty()) {
        QCOMPARE(recorder.lines(), QStringList());
    } else {
        QCOMPARE(recorder.messages().size(), 1);
        const QRegularExpression line = logLinePattern(signatureOf(str("FileFolder::readJsonFile")),
                                                       QRegularExpression::escape(expectedLog) + str(" .*"));
        QVERIFY2(line.match(recorder.messages().first()).hasMatch(), qPrintable(recorder.messages().first()));
    }
}

void HostkitTest::folderQuestions()
{
    // What a window's help lookup asks of its folder.
    Script script;
    const QString folder = str("Hostkit.fileFolder(\":/hostkit\")");
    QCOMPARE(script(folder + str(".exists")), str("true"));
    QCOMPARE(script(folder + str(".url")), str(R"("qrc:/hostkit")"));
    QCOMPARE(script(folder + str(".fileExists(\"help_de.html\")")), str("true"));
    QCOMPARE(script(folder + str(".fileExists(\"help_fr.html\")")), str("false"));
    QCOMPARE(script(folder + str(".fileExists(\"\")")), str("false"));
    QCOMPARE(script(folder + str(".fileNames(\"help_??.html\")")),
             str(R"(["help_de.html","help_en.html","help_sv.html"])"));
    QCOMPARE(script(folder + str(".fileNames(\"*sv_??.html\")")), str("[]"));
    QCOMPARE(script(folder + str(".readTextFile(\"help_sv.html\")")), str(R"("<p>Hjälp ✓</p>\n")"));
    QCOMPARE(script(folder + str(".filePath(\"help_en.html\")")), str(R"(":/hostkit/help_en.html")"));
    QCOMPARE(script(folder + str(".filePath(\"/abs/x.html\")")), str(R"("/abs/x.html")"));
    QCOMPARE(script(folder + str(".fileUrl(\"help_en.html\")")), str(R"("qrc:/hostkit/help_en.html")"));
    QCOMPARE(script(str("Hostkit.fileFolder(\":/nowhere\").exists")), str("false"));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str("FileFolder::readTextFile.*Cannot read")));
    QCOMPARE(script(folder + str(".readTextFile(\"help_fr.html\")")), str(R"("")"));
}

void HostkitTest::fileInfoFollowsItsPath()
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent component(&engine);
    component.setData(R"(
import QtQml 2.15
import Varnex.Hostkit 1.0

FileInfo {
    property string chosenPath
    property bool chosenExists: exists
    property bool chosenIsDir: isDir
    property string chosenFolder: folder.path
    filePath: chosenPath
}
)",
                      QUrl(QStringLiteral("file:///fileinfo.qml")));
    std::unique_ptr<QObject> info(component.create());
    QVERIFY2(info, qPrintable(component.errorString()));
    QCOMPARE(info->property("chosenExists").toBool(), false);

    info->setProperty("chosenPath", m_folder.path());
    QCOMPARE(info->property("chosenExists").toBool(), true);
    QCOMPARE(info->property("chosenIsDir").toBool(), true);

    info->setProperty("chosenPath", QUrl::fromLocalFile(m_folder.filePath(str("app/appinfo.json"))).toString());
    QCOMPARE(info->property("chosenExists").toBool(), false);
    QCOMPARE(info->property("chosenFolder").toString(), m_folder.filePath(str("app")));
}

void HostkitTest::loggingCategoryNamesTheLine()
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent component(&engine);
    component.setData(R"(
import QtQml 2.15
import Varnex.Hostkit 1.0

QtObject {
    property LoggingCategory log: LoggingCategory { name: "GlyphSet" }
    function run() { console.warn(log, "family:", "Feldrin") }
}
)",
                      QUrl(QStringLiteral("file:///logging.qml")));
    std::unique_ptr<QObject> root(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));

    MessageRecorder recorder;
    QMetaObject::invokeMethod(root.get(), "run");
    QCOMPARE(recorder.messages(), QStringList{str("family: Feldrin")});
    QCOMPARE(recorder.countFrom("GlyphSet"), 1);
}

QTEST_MAIN(HostkitTest)

#include "tst_hostkit.moc"
