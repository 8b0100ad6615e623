#include "tests/helpers/logassert.h"
#include "tests/helpers/testsupport.h"
#include "utility/jsonutility.h"

#include <QJSEngine>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// What QML sees at the end of a path of keys and list indices.
QJSValue qmlValueAt(QJSEngine &engine, const QVariantMap &map, const QStringList &path)
{
    QJSValue value = engine.toScriptValue(map);
    for (const QString &step : path) {
        bool isIndex = false;
        const uint index = step.toUInt(&isIndex);
        value = isIndex ? value.property(index) : value.property(step);
    }
    return value;
}

QVariant valueAt(const QVariantMap &map, const QStringList &path)
{
    QVariant value = map;
    for (const QString &step : path) {
        bool isIndex = false;
        const int index = step.toInt(&isIndex);
        value = isIndex ? value.toList().value(index) : value.toMap().value(step);
    }
    return value;
}

bool isRestoredNull(const QVariant &value)
{
    return value.userType() == QMetaType::VoidStar && value.isNull();
}

}

class TestJsonUtility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    // Reading
    void readsObjects_data();
    void readsObjects();
    void unreadableInput_data();
    void unreadableInput();
    void nullsReadAsNull_data();
    void nullsReadAsNull();
    void restoreNullsReplacesInvalidValues();

    // Writing
    void compactJson_data();
    void compactJson();
    void indentedJson();
    void writeJsonFile_data();
    void writeJsonFile();
    void writeJsonFileFails_data();
    void writeJsonFileFails();
    void failedWriteKeepsPreviousFile();
    void replacementKeepsPermissions();
};

void TestJsonUtility::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("Varnex.Runtime.Utility.debug=true"));
}

void TestJsonUtility::readsObjects_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QVariantMap>("expected");

    QTest::newRow("numbers, text and booleans")
            << str("{\"n\":1.5,\"s\":\"x\",\"b\":true}")
            << QVariantMap{ { str("n"), 1.5 }, { str("s"), str("x") }, { str("b"), true } };
    QTest::newRow("nested object and list")
            << str("{\"o\":{\"l\":[1,\"two\",{\"k\":false}]}}")
            << QVariantMap{ { str("o"),
                              QVariantMap{ { str("l"),
                                             QVariantList{ 1, str("two"), QVariantMap{ { str("k"), false } } } } } } };
    QTest::newRow("upper-case NULL in text stays text")
            << str("{\"note\":\"NULL\"}") << QVariantMap{ { str("note"), str("NULL") } };
    QTest::newRow("non-ASCII text")
            << QStringLiteral("{\"name\":\"gr\u00fc\u00dfe \u65e5\u672c\"}")
            << QVariantMap{ { str("name"), QStringLiteral("gr\u00fc\u00dfe \u65e5\u672c") } };
}

void TestJsonUtility::readsObjects()
{
    QFETCH(QString, json);
    QFETCH(QVariantMap, expected);

    QCOMPARE(JsonUtility::toVariantMap(json), expected);
    QCOMPARE(JsonUtility::toVariantMap(json.toUtf8(), false), expected);
    QCOMPARE(JsonUtility::toVariantMap(json.toUtf8(), true), expected);
}

void TestJsonUtility::unreadableInput_data()
{
    QTest::addColumn<QByteArray>("json");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("array") << QByteArrayLiteral("[1,2]");
    QTest::newRow("text document") << QByteArrayLiteral("\"text\"");
    QTest::newRow("truncated object") << QByteArrayLiteral("{\"a\":[1,");
    QTest::newRow("trailing garbage") << QByteArrayLiteral("{\"a\":1}x");
    QTest::newRow("not JSON") << QByteArrayLiteral("not json");
}

void TestJsonUtility::unreadableInput()
{
    QFETCH(QByteArray, json);

    if (json.isEmpty()) {
        MessageRecorder recorder;
        QCOMPARE(JsonUtility::toVariantMap(json, true), QVariantMap());
        QCOMPARE(JsonUtility::toVariantMap(QString()), QVariantMap());
        QCOMPARE(recorder.messages(), QStringList());
        return;
    }

    // The parser's own code and offset (an array parses without error: code 0).
    QJsonParseError error;
    QJsonDocument::fromJson(json, &error);
    const QRegularExpression line = logLine("JsonUtility::toVariantMap",
                                            QStringLiteral("Error %1 Offset %2 \"%3\"")
                                                    .arg(int(error.error))
                                                    .arg(error.offset)
                                                    .arg(error.errorString()));
    QTest::ignoreMessage(QtDebugMsg, line);
    QCOMPARE(JsonUtility::toVariantMap(json, true), QVariantMap());
    QTest::ignoreMessage(QtDebugMsg, line);
    QCOMPARE(JsonUtility::toVariantMap(QString::fromUtf8(json)), QVariantMap());
}

void TestJsonUtility::nullsReadAsNull_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<QStringList>("path");

    QTest::newRow("top level") << str("{\"a\":null}") << QStringList{ str("a") };
    QTest::newRow("in nested object") << str("{\"o\":{\"c\":null}}") << QStringList{ str("o"), str("c") };
    QTest::newRow("in object inside list") << str("{\"l\":[1,{\"b\":null}]}") << QStringList{ str("l"), str("1"), str("b") };
    QTest::newRow("directly in list") << str("{\"l\":[null]}") << QStringList{ str("l"), str("0") };
    QTest::newRow("next to NULL in text") << str("{\"note\":\"NULL\",\"a\":null}") << QStringList{ str("a") };
}

void TestJsonUtility::nullsReadAsNull()
{
    QFETCH(QString, json);
    QFETCH(QStringList, path);

    QJSEngine engine;
    const QVariantMap fromBytes = JsonUtility::toVariantMap(json.toUtf8(), true);
    const QVariantMap fromText = JsonUtility::toVariantMap(json);
    for (const QVariantMap &map : { fromBytes, fromText }) {
        const QVariant value = valueAt(map, path);
        QVERIFY(value.isValid());
        QVERIFY(value.isNull());
        QVERIFY(qmlValueAt(engine, map, path).isNull());
    }
}

void TestJsonUtility::restoreNullsReplacesInvalidValues()
{
    QVariantMap map{
        { str("gone"), QVariant() },
        { str("object"), QVariantMap{ { str("gone"), QVariant() }, { str("kept"), 1 } } },
        { str("list"), QVariantList{ QVariantMap{ { str("gone"), QVariant() } }, 2 } },
        { str("text"), str("x") },
    };
    JsonUtility::restoreNulls(map);

    QVERIFY(isRestoredNull(map.value(str("gone"))));
    QVERIFY(isRestoredNull(valueAt(map, { str("object"), str("gone") })));
    QCOMPARE(valueAt(map, { str("object"), str("kept") }), QVariant(1));
    QVERIFY(isRestoredNull(valueAt(map, { str("list"), str("0"), str("gone") })));
    QCOMPARE(valueAt(map, { str("list"), str("1") }), QVariant(2));
    QCOMPARE(map.value(str("text")), QVariant(str("x")));

    QJSEngine engine;
    QVERIFY(qmlValueAt(engine, map, { str("gone") }).isNull());
    QVERIFY(qmlValueAt(engine, map, { str("list"), str("0"), str("gone") }).isNull());
}

void TestJsonUtility::compactJson_data()
{
    QTest::addColumn<QVariantMap>("map");
    QTest::addColumn<QString>("expected");

    QTest::newRow("keys sorted") << QVariantMap{ { str("zeta"), 1 }, { str("alpha"), str("a") } }
                                 << str("{\"alpha\":\"a\",\"zeta\":1}");
    QTest::newRow("invalid value dropped") << QVariantMap{ { str("a"), QVariant() }, { str("b"), true } }
                                           << str("{\"b\":true}");
    QTest::newRow("invalid value in nested object dropped")
            << QVariantMap{ { str("o"), QVariantMap{ { str("x"), QVariant() }, { str("y"), 2 } } } }
            << str("{\"o\":{\"y\":2}}");
    QTest::newRow("invalid value in list kept as null")
            << QVariantMap{ { str("l"), QVariantList{ 1, QVariant() } } } << str("{\"l\":[1,null]}");
    QTest::newRow("restored null written as null")
            << QVariantMap{ { str("a"), QVariant(QMetaType::VoidStar, nullptr) } } << str("{\"a\":null}");
    QTest::newRow("nulls read back are written back")
            << JsonUtility::toVariantMap(str("{\"a\":null,\"l\":[{\"b\":null}]}"))
            << str("{\"a\":null,\"l\":[{\"b\":null}]}");
    QTest::newRow("non-ASCII and quotes")
            << QVariantMap{ { str("s"), QStringLiteral("\u65e5\"\u00fc") } } << QStringLiteral("{\"s\":\"\u65e5\\\"\u00fc\"}");
}

void TestJsonUtility::compactJson()
{
    QFETCH(QVariantMap, map);
    QFETCH(QString, expected);

    QCOMPARE(JsonUtility::toCompactJson(map), expected);
}

void TestJsonUtility::indentedJson()
{
    const QVariantMap map{
        { str("l"), QVariantList{ 1, 2 } },
        { str("gone"), QVariant() },
        { str("b"), QVariantMap{ { str("c"), QStringLiteral("gr\u00fc\u00dfe") } } },
        { str("a"), 1 },
    };
    const QByteArray expected = "{\n"
                                "    \"a\": 1,\n"
                                "    \"b\": {\n"
                                "        \"c\": \"gr\xc3\xbc\xc3\x9f" "e\"\n"
                                "    },\n"
                                "    \"l\": [\n"
                                "        1,\n"
                                "        2\n"
                                "    ]\n"
                                "}\n";
    QCOMPARE(JsonUtility::toIndentedJson(map), expected);
}

void TestJsonUtility::writeJsonFile_data()
{
    QTest::addColumn<QByteArray>("existing"); // null: no file yet

    QTest::newRow("new file") << QByteArray();
    QTest::newRow("longer file is cut to the new document") << QByteArray(4096, 'x');
}

void TestJsonUtility::writeJsonFile()
{
    QFETCH(QByteArray, existing);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(str("out.json"));
    QFile file(path);
    if (!existing.isNull()) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(existing), qint64(existing.size()));
        file.close();
    }

    const QVariantMap map{ { str("name"), QStringLiteral("\u65e5\u672c") }, { str("size"), 3 } };
    QVERIFY(JsonUtility::writeJsonFile(path, map));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), JsonUtility::toIndentedJson(map));
}

void TestJsonUtility::writeJsonFileFails_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("mustNotExist");

    QTest::newRow("missing folder") << str("missing/out.json") << str("missing");
    QTest::newRow("path is a folder") << QString() << QString();
}

void TestJsonUtility::writeJsonFileFails()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, mustNotExist);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!JsonUtility::writeJsonFile(relativePath.isEmpty() ? dir.path() : dir.filePath(relativePath),
                                        QVariantMap{ { str("a"), 1 } }));
    if (!mustNotExist.isEmpty())
        QVERIFY(!QFileInfo::exists(dir.filePath(mustNotExist)));
}

void TestJsonUtility::failedWriteKeepsPreviousFile()
{
#ifdef Q_OS_UNIX
    // The document goes through a temporary file that replaces the old one
    // only when it is whole. Writes past a file size limit fail with EFBIG,
    // as on a full disk; the signal that would end the process is ignored
    // meanwhile. The limit bites only when the buffered bytes are flushed.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(str("out.json"));
    const QVariantMap small{ { str("a"), 1 } };
    QVERIFY(JsonUtility::writeJsonFile(path, small));
    const QByteArray previous = fileContents(path);

    const QVariantMap large{ { str("text"), QString(4096, QLatin1Char('x')) } };
    rlimit limit = {};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit previousLimit = limit;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = 1024;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
    const bool written = JsonUtility::writeJsonFile(path, large);
    const bool writtenAnew = JsonUtility::writeJsonFile(dir.filePath(str("new.json")), large);
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QVERIFY(!writtenAnew);
    QCOMPARE(fileContents(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{ str("out.json") });
#else
    QSKIP("Needs a file size limit");
#endif
}

void TestJsonUtility::replacementKeepsPermissions()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(str("out.json"));
    QVERIFY(writeFile(path, "{}"));
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(path, permissions));

    QVERIFY(JsonUtility::writeJsonFile(path, QVariantMap{ { str("a"), 1 } }));
    QCOMPARE(fileContents(path), JsonUtility::toIndentedJson(QVariantMap{ { str("a"), 1 } }));
    QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), permissions);
}

QTEST_GUILESS_MAIN(TestJsonUtility)
#include "tst_jsonutility.moc"
