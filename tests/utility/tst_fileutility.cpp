#include "tests/helpers/logassert.h"
#include "tests/helpers/testsupport.h"
#include "utility/fileutility.h"

#include <QtTest>

namespace {

const QByteArray TablePrefix = QByteArrayLiteral("Varnex/Runtime/pathVariables.");

// Every environment variable a test may set; TEMP is cleared so that the
// built-in default is what "$TEMP" finds. HOME stays: QDir::homePath() reads it.
const char *const EnvironmentNames[] = { "LWTEST_VAR", "LWTEST_PROJ", "TEMP" };

QByteArray tableProperty(const QString &name)
{
    return TablePrefix + name.toUtf8();
}

QVariantMap vars(std::initializer_list<std::pair<const char *, QString>> entries)
{
    QVariantMap map;
    for (const auto &entry : entries)
        map.insert(str(entry.first), entry.second);
    return map;
}

}

class TestFileUtility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    // Expanding "$NAME" and "~"
    void resolvedPath_data();
    void resolvedPath();
    void existingPathsStayAsTheyAre_data();
    void existingPathsStayAsTheyAre();

    // Looking variables up
    void lookupOrder_data();
    void lookupOrder();
    void builtInDefaultIsStoredOnce_data();
    void builtInDefaultIsStoredOnce();
    void emptyValueRemovesTableEntry();
    void emptyNameIsRefused();
    void nonAsciiEnvironmentValue();

private:
    void setUp(const QVariantMap &table, const QVariantMap &settings, const QVariantMap &environment);

    QTemporaryDir m_dir;
};

void TestFileUtility::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.filePath(QStringLiteral("user")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_dir.filePath(QStringLiteral("system")));
    QCoreApplication::setOrganizationName(QStringLiteral("LoomwrightTests"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_utility_fileutility"));
    QVERIFY(QSettings().fileName().startsWith(m_dir.path()));
    QLoggingCategory::setFilterRules(QStringLiteral("Varnex.Runtime.Utility.debug=true"));
}

void TestFileUtility::init()
{
    setUp(QVariantMap(), QVariantMap(), QVariantMap());
}

void TestFileUtility::setUp(const QVariantMap &table, const QVariantMap &settings, const QVariantMap &environment)
{
    const QList<QByteArray> properties = QCoreApplication::instance()->dynamicPropertyNames();
    for (const QByteArray &property : properties) {
        if (property.startsWith(TablePrefix))
            QCoreApplication::instance()->setProperty(property.constData(), QVariant());
    }
    for (const char *name : EnvironmentNames)
        qunsetenv(name);
    QSettings store;
    store.clear();

    for (auto it = table.cbegin(); it != table.cend(); ++it)
        QCoreApplication::instance()->setProperty(tableProperty(it.key()).constData(), it.value());
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        store.setValue(QStringLiteral("Varnex/Runtime/pathVariables/") + it.key(), it.value());
    store.sync();
    for (auto it = environment.cbegin(); it != environment.cend(); ++it)
        qputenv(it.key().toLocal8Bit().constData(), it.value().toString().toLocal8Bit());
}

void TestFileUtility::resolvedPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("useStore");
    QTest::addColumn<QVariantMap>("table");
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<QVariantMap>("environment");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("warning");

    const QString home = QDir::homePath();
    const QString temp = QDir::tempPath();
    const QVariantMap none;
    const QVariantMap proj = vars({ { "LWTEST_PROJ", str("/srv/proj") } });

    QTest::newRow("tilde alone") << str("~") << false << none << none << none << home << QString();
    QTest::newRow("tilde and slash") << str("~/a/b") << true << none << none << none << home + str("/a/b") << QString();
    QTest::newRow("tilde and backslash") << str("~\\a") << false << none << none << none << home + str("\\a") << QString();
    QTest::newRow("tilde takes HOME from the table")
            << str("~/a") << false << vars({ { "HOME", str("/elsewhere") } }) << none << none << str("/elsewhere/a")
            << QString();
    QTest::newRow("tilde with a name") << str("~LWTEST_PROJ/x") << false << proj << none << none << str("/srv/proj/x")
                                       << QString();
    QTest::newRow("dollar name alone") << str("$LWTEST_PROJ") << false << proj << none << none << str("/srv/proj")
                                       << QString();
    QTest::newRow("dollar name and slash")
            << str("$LWTEST_PROJ/sub/f.txt") << false << proj << none << none << str("/srv/proj/sub/f.txt") << QString();
    QTest::newRow("backslash ends the name in a path without slash")
            << str("$TEMP\\x.png") << true << none << none << none << temp + str("\\x.png") << QString();
    QTest::newRow("slash ends the name even after a backslash")
            << str("$LWTEST_A\\b/c") << false << vars({ { "LWTEST_A\\b", str("/v") } }) << none << none << str("/v/c")
            << QString();
    QTest::newRow("built-in TEMP") << str("$TEMP/x") << true << none << none << none << temp + str("/x") << QString();
    QTest::newRow("name from settings")
            << str("$LWTEST_PROJ/x") << true << none << vars({ { "LWTEST_PROJ", str("/s") } }) << none << str("/s/x")
            << QString();
    QTest::newRow("settings value with blanks")
            << str("$LWTEST_PROJ/x") << true << none << vars({ { "LWTEST_PROJ", str("  /opt/data \t") } }) << none
            << str("/opt/data/x") << QString();
    QTest::newRow("name from environment")
            << str("$LWTEST_PROJ/x") << true << none << none << vars({ { "LWTEST_PROJ", str("/e") } }) << str("/e/x")
            << QString();
    QTest::newRow("use-store off: HOME still built in")
            << str("~/x") << false << none << none << none << home + str("/x") << QString();
    QTest::newRow("use-store off: TEMP still built in")
            << str("$TEMP") << false << none << none << none << temp << QString();
    QTest::newRow("use-store off: settings ignored")
            << str("$LWTEST_PROJ/x") << false << none << vars({ { "LWTEST_PROJ", str("/s") } }) << none << str("/x")
            << str("Nonexistent Path variable \"LWTEST_PROJ\"");
    QTest::newRow("use-store off: environment ignored")
            << str("$LWTEST_PROJ/x") << false << none << none << vars({ { "LWTEST_PROJ", str("/e") } }) << str("/x")
            << str("Nonexistent Path variable \"LWTEST_PROJ\"");
    QTest::newRow("unset name") << str("$LWTEST_UNSET/x") << true << none << none << none << str("/x")
                                << str("Nonexistent Path variable \"LWTEST_UNSET\"");
    QTest::newRow("lone dollar") << str("$") << true << none << none << none << QString()
                                 << str("Path variable name not specified");
    QTest::newRow("dollar and slash") << str("$/x") << true << none << none << none << str("/x")
                                      << str("Path variable name not specified");
    QTest::newRow("dollar and backslash") << str("$\\x") << true << none << none << none << str("\\x")
                                          << str("Path variable name not specified");
    QTest::newRow("content: left alone") << str("content:x") << true << none << none << none << str("content:x")
                                         << QString();
    QTest::newRow("Content: left alone") << str("Content:x") << true << none << none << none << str("Content:x")
                                         << QString();
    QTest::newRow("variable later in the path")
            << str("/a/$LWTEST_PROJ/~") << true << proj << none << none << str("/a/$LWTEST_PROJ/~") << QString();
    QTest::newRow("relative path") << str("a/b") << true << proj << none << none << str("a/b") << QString();
    QTest::newRow("empty path") << QString() << true << none << none << none << QString() << QString();
}

void TestFileUtility::resolvedPath()
{
    QFETCH(QString, path);
    QFETCH(bool, useStore);
    QFETCH(QVariantMap, table);
    QFETCH(QVariantMap, settings);
    QFETCH(QVariantMap, environment);
    QFETCH(QString, expected);
    QFETCH(QString, warning);

    setUp(table, settings, environment);
    if (warning.isEmpty()) {
        MessageRecorder recorder;
        QCOMPARE(FileUtility::resolvedPath(path, useStore), expected);
        for (const QString &message : recorder.messages())
            QVERIFY2(message.contains(QLatin1String("Setting default")), qPrintable(message));
    } else {
        QTest::ignoreMessage(QtWarningMsg, logLine("FileUtility::resolvedPath", warning));
        QCOMPARE(FileUtility::resolvedPath(path, useStore), expected);
    }
}

void TestFileUtility::existingPathsStayAsTheyAre_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("file named like a variable") << str("$LWTEST_PROJ");
    QTest::newRow("file inside a folder named like a variable") << str("$LWTEST_PROJ/inner.txt");
    QTest::newRow("folder starting with a tilde") << str("~LWTEST_PROJ");
}

void TestFileUtility::existingPathsStayAsTheyAre()
{
    QFETCH(QString, path);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(str("$LWTEST_PROJ")));
    QVERIFY(QDir(dir.path()).mkpath(str("~LWTEST_PROJ")));
    QFile file(dir.filePath(str("$LWTEST_PROJ/inner.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    setUp(vars({ { "LWTEST_PROJ", str("/srv/proj") } }), QVariantMap(), QVariantMap());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const QString resolved = FileUtility::resolvedPath(path, true);
    QDir::setCurrent(previous);
    QCOMPARE(resolved, path);
}

void TestFileUtility::lookupOrder_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("environment"); // null: not set
    QTest::addColumn<bool>("useStore");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("source");

    const QString none;
    QTest::newRow("table beats settings and environment")
            << str("/t") << str("/s") << str("/e") << true << str("/t") << int(FileUtility::RuntimeTable);
    QTest::newRow("settings beat environment")
            << none << str("/s") << str("/e") << true << str("/s") << int(FileUtility::SettingsStore);
    QTest::newRow("environment alone") << none << none << str("/e") << true << str("/e") << int(FileUtility::Environment);
    QTest::newRow("settings value with blanks is trimmed")
            << none << str(" /s  ") << str("/e") << true << str("/s") << int(FileUtility::SettingsStore);
    // A blank stored value still counts as the source, though its value is the environment's.
    QTest::newRow("blank settings value falls through to environment")
            << none << str("   ") << str("/e") << true << str("/e") << int(FileUtility::SettingsStore);
    QTest::newRow("empty environment value is unset")
            << none << none << str("") << true << QString() << int(FileUtility::NotDefined);
    QTest::newRow("use-store off: table still used")
            << str("/t") << str("/s") << str("/e") << false << str("/t") << int(FileUtility::RuntimeTable);
    QTest::newRow("use-store off: settings and environment ignored")
            << none << str("/s") << str("/e") << false << QString() << int(FileUtility::NotDefined);
    QTest::newRow("defined nowhere") << none << none << none << true << QString() << int(FileUtility::NotDefined);
}

void TestFileUtility::lookupOrder()
{
    QFETCH(QString, table);
    QFETCH(QString, settings);
    QFETCH(QString, environment);
    QFETCH(bool, useStore);
    QFETCH(QString, value);
    QFETCH(int, source);

    const QString name = str("LWTEST_VAR");
    setUp(table.isNull() ? QVariantMap() : QVariantMap{ { name, table } },
          settings.isNull() ? QVariantMap() : QVariantMap{ { name, settings } },
          environment.isNull() ? QVariantMap() : QVariantMap{ { name, environment } });

    MessageRecorder recorder;
    QCOMPARE(FileUtility::pathVariable(name, QString(), useStore), value);
    QCOMPARE(FileUtility::pathVariableSource(name, useStore), source);
    // Values from settings or the environment are not copied into the table.
    QCOMPARE(QCoreApplication::instance()->property(tableProperty(name).constData()).toString(), table);
    QCOMPARE(recorder.messages(), QStringList());
}

void TestFileUtility::builtInDefaultIsStoredOnce_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("useStore");
    QTest::addColumn<QString>("value");

    QTest::newRow("HOME, use-store off") << str("HOME") << false << QDir::homePath();
    QTest::newRow("TEMP, use-store off") << str("TEMP") << false << QDir::tempPath();
    QTest::newRow("TEMP, nothing stored") << str("TEMP") << true << QDir::tempPath();
}

void TestFileUtility::builtInDefaultIsStoredOnce()
{
    QFETCH(QString, name);
    QFETCH(bool, useStore);
    QFETCH(QString, value);

    QCOMPARE(FileUtility::pathVariableSource(name, useStore), int(FileUtility::NotDefined));
    QTest::ignoreMessage(QtDebugMsg, logLine("FileUtility::pathVariable",
                                             QStringLiteral("Setting default \"%1\" = \"%2\"").arg(name, value)));
    QCOMPARE(FileUtility::pathVariable(name, QString(), useStore), value);
    QCOMPARE(FileUtility::pathVariableSource(name, false), int(FileUtility::RuntimeTable));

    MessageRecorder recorder;
    QCOMPARE(FileUtility::pathVariable(name, QString(), useStore), value);
    QCOMPARE(recorder.messages(), QStringList());
}

void TestFileUtility::emptyValueRemovesTableEntry()
{
    const QString name = str("LWTEST_VAR");
    setUp(QVariantMap(), vars({ { "LWTEST_VAR", str("/s") } }), QVariantMap());

    FileUtility::setPathVariable(name, str("/t"));
    QCOMPARE(FileUtility::pathVariable(name, QString(), true), str("/t"));
    FileUtility::setPathVariable(name, QString());
    QVERIFY(!QCoreApplication::instance()->dynamicPropertyNames().contains(tableProperty(name)));
    QCOMPARE(FileUtility::pathVariable(name, QString(), true), str("/s"));
    QCOMPARE(FileUtility::pathVariableSource(name, true), int(FileUtility::SettingsStore));
}

void TestFileUtility::emptyNameIsRefused()
{
    const QList<QByteArray> before = QCoreApplication::instance()->dynamicPropertyNames();
    QTest::ignoreMessage(QtWarningMsg,
                         logLine("FileUtility::setPathVariable", str("Empty name, value= \"/x\"")));
    FileUtility::setPathVariable(QString(), str("/x"));
    QCOMPARE(QCoreApplication::instance()->dynamicPropertyNames(), before);

    QTest::ignoreMessage(QtWarningMsg, logLine("FileUtility::pathVariable", str("Empty name")));
    QCOMPARE(FileUtility::pathVariable(QString(), str("/fallback"), true), str("/fallback"));
}

void TestFileUtility::nonAsciiEnvironmentValue()
{
    const QString value = QStringLiteral("/tmp/gr\u00fc\u00dfe/\u65e5\u672c");
    qputenv("LWTEST_VAR", value.toUtf8());
    QCOMPARE(FileUtility::pathVariable(str("LWTEST_VAR"), QString(), true), value);
    QCOMPARE(FileUtility::resolvedPath(str("$LWTEST_VAR/x"), true), value + str("/x"));
}

QTEST_GUILESS_MAIN(TestFileUtility)
#include "tst_fileutility.moc"
