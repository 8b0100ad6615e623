// The QML reference in docs/ against what a tool really gets: every registered
// type of the plugin and every qmldir row of the embedded modules has its
// section, and each section names exactly the members that the type itself
// declares. A member the reference lacks, or one it names that is gone,
// fails the row of its type.
#include "utility/logging.h"
#include "tests/helpers/testsupport.h"

#include <QDir>
#include <QHash>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <memory>

namespace {

const QString referenceDir = QStringLiteral(LOOMWRIGHT_SOURCE_DIR "/docs/");

struct Module
{
    QString uri;
    QString file; // below docs/
    QString folder; // below :/imports/, empty for the native module
};

const Module modules[] = {
    { QStringLiteral("Varnex.Loomwright"), QStringLiteral("loomwright.md"), QString() },
    { QStringLiteral("Varnex.Loomwright.Controls"), QStringLiteral("controls.md"),
      QStringLiteral("Varnex/Loomwright/Controls") },
    { QStringLiteral("Varnex.Loomwright.Private"), QStringLiteral("private.md"),
      QStringLiteral("Varnex/Loomwright/Private") },
    { QStringLiteral("Feldrin"), QStringLiteral("feldrin.md"), QStringLiteral("Feldrin") },
};

// The native module's registered names. The plugin offers no list of them:
// a name added to the registration and not here is caught by the reference's
// own test of stale sections only once it is documented, so keep both in step.
const QStringList nativeTypeNames = {
    QStringLiteral("HostkitObject"), QStringLiteral("Loomwright"), QStringLiteral("Process"),
    QStringLiteral("SynchronousProcess"), QStringLiteral("SharedData"),
};

// Components made with windows of their own, or that reach the host and the
// portal as soon as they exist, and a style that means nothing without its
// control: their members are read from the file.
const QStringList readFromFile = {
    QStringLiteral("AppWindow"), QStringLiteral("AppToolWindow"), QStringLiteral("SignInDialog"),
    QStringLiteral("AppItemDetailsDialog"), QStringLiteral("ToolHelpDialog"), QStringLiteral("CheckBoxStyleEx"),
};

// One reference file: for every type section ("## Name", a bare name) the
// members its tables name (rows whose first cell starts with `name`).
struct Reference
{
    QHash<QString, QStringList> members;
    QStringList sections; // in the order of the file
    QStringList duplicates; // sections that occur twice
};

Reference parseReference(const QString &markdown)
{
    static const QRegularExpression typeHeading(QStringLiteral("^##\\s+([A-Za-z_][A-Za-z0-9_]*)\\s*$"));
    static const QRegularExpression memberRow(QStringLiteral("^\\|\\s*`([A-Za-z_][A-Za-z0-9_]*)"));
    Reference reference;
    QString current;
    bool inCode = false;
    const QStringList lines = markdown.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.trimmed().startsWith(QLatin1String("```"))) {
            inCode = !inCode;
            continue;
        }
        if (inCode)
            continue;
        if (line.startsWith(QLatin1String("# ")) || line.startsWith(QLatin1String("## "))) {
            const QRegularExpressionMatch heading = typeHeading.match(line);
            current = heading.hasMatch() ? heading.captured(1) : QString();
            if (!current.isEmpty()) {
                if (reference.sections.contains(current))
                    reference.duplicates.append(current);
                else
                    reference.sections.append(current);
                reference.members[current];
            }
            continue;
        }
        const QRegularExpressionMatch row = memberRow.match(line);
        if (!current.isEmpty() && row.hasMatch() && !reference.members[current].contains(row.captured(1)))
            reference.members[current].append(row.captured(1));
    }
    return reference;
}

// The public rows of a qmldir: name, file and whether it is a singleton.
struct QmldirRow
{
    QString name;
    QString file;
    bool singleton = false;
};

QVector<QmldirRow> qmldirRows(const QString &text)
{
    QVector<QmldirRow> rows;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        QStringList fields = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.isEmpty() || fields.first().startsWith(QLatin1Char('#')))
            continue;
        QmldirRow row;
        if (fields.first() == QLatin1String("singleton")) {
            row.singleton = true;
            fields.removeFirst();
        }
        // "Name version File.qml"; module, plugin, internal and the other
        // directives have another form or are not public.
        if (fields.size() != 3 || !fields.at(0).at(0).isUpper() || !fields.at(2).endsWith(QLatin1String(".qml")))
            continue;
        row.name = fields.at(0);
        row.file = fields.at(2);
        rows.append(row);
    }
    return rows;
}

// A text without its comments and string literals, so that braces inside
// them do not count.
QString codeOnly(const QString &line, bool *inBlockComment)
{
    QString code;
    QChar quote;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        const QChar next = i + 1 < line.size() ? line.at(i + 1) : QChar();
        if (*inBlockComment) {
            if (c == QLatin1Char('*') && next == QLatin1Char('/')) {
                *inBlockComment = false;
                ++i;
            }
        } else if (!quote.isNull()) {
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
            break;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            *inBlockComment = true;
            ++i;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('`')) {
            quote = c;
        } else {
            code.append(c);
        }
    }
    return code;
}

// The members that a QML file's root object declares: its top-level
// property, signal and function declarations.
QStringList declaredInFile(const QString &qml)
{
    static const QRegularExpression declaration(QStringLiteral(
        "^\\s*(?:(?:readonly|default|required)\\s+)*(?:property\\s+[\\w.<>]+\\s+(\\w+)|signal\\s+(\\w+)|function\\s+(\\w+))"));
    QStringList members;
    int depth = 0;
    bool inBlockComment = false;
    const QStringList lines = qml.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString code = codeOnly(line, &inBlockComment);
        if (depth == 1) {
            const QRegularExpressionMatch match = declaration.match(code);
            if (match.hasMatch()) {
                const QString name = match.captured(1) + match.captured(2) + match.captured(3);
                if (!members.contains(name))
                    members.append(name);
            }
        }
        depth += code.count(QLatin1Char('{')) - code.count(QLatin1Char('}'));
    }
    return members;
}

// The members that the meta-object's own classes declare, below QObject:
// properties, public methods, signals and enumeration keys.
QStringList nativeMembers(const QMetaObject *metaObject)
{
    QStringList members;
    const auto add = [&members](const QString &name) {
        if (!members.contains(name))
            members.append(name);
    };
    for (const QMetaObject *mo = metaObject; mo && mo != &QObject::staticMetaObject; mo = mo->superClass()) {
        for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
            add(QString::fromLatin1(mo->property(i).name()));
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            const QMetaMethod method = mo->method(i);
            if (method.access() != QMetaMethod::Private)
                add(QString::fromLatin1(method.name()));
        }
        for (int i = mo->enumeratorOffset(); i < mo->enumeratorCount(); ++i) {
            const QMetaEnum enumerator = mo->enumerator(i);
            for (int k = 0; k < enumerator.keyCount(); ++k)
                add(QString::fromLatin1(enumerator.key(k)));
        }
    }
    return members;
}

// The members that a QML file adds to its base type: those of the
// meta-object level that QML made for the file. A file that declares
// nothing gets no level of its own; its object's meta-object is then its
// base type's. The change signals of the file's properties are not members
// of their own.
QStringList componentMembers(const QObject *object, const QString &typeName)
{
    const QMetaObject *mo = object->metaObject();
    if (!QString::fromLatin1(mo->className()).startsWith(typeName + QLatin1String("_QML")))
        return {};
    QStringList properties;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        properties.append(QString::fromLatin1(mo->property(i).name()));
    QStringList members = properties;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        const QMetaMethod method = mo->method(i);
        const QString name = QString::fromLatin1(method.name());
        if (method.methodType() == QMetaMethod::Signal && name.endsWith(QLatin1String("Changed"))
            && properties.contains(name.chopped(int(qstrlen("Changed")))))
            continue;
        if (!members.contains(name))
            members.append(name);
    }
    return members;
}

QString listed(QStringList names)
{
    names.sort();
    return names.join(QLatin1String(", "));
}

// The difference between reference and reality, said so that it can be
// mended from the message alone; empty when they agree.
QString mismatch(const QString &file, const QString &type, const QStringList &documented,
                 const QStringList &actual)
{
    QStringList missing;
    for (const QString &name : actual) {
        if (!documented.contains(name))
            missing.append(name);
    }
    QStringList stale;
    for (const QString &name : documented) {
        if (!actual.contains(name))
            stale.append(name);
    }
    QStringList problems;
    if (!missing.isEmpty())
        problems.append(QStringLiteral("%1 lacks in \"## %2\": %3").arg(file, type, listed(missing)));
    if (!stale.isEmpty())
        problems.append(QStringLiteral("%1 names in \"## %2\" what %2 does not have: %3").arg(file, type, listed(stale)));
    return problems.join(QLatin1String("; "));
}

}

class tst_Reference : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void parsesReferences_data();
    void parsesReferences();
    void readsDeclarations_data();
    void readsDeclarations();
    void reportsMismatches_data();
    void reportsMismatches();

    void nativeTypes_data();
    void nativeTypes();
    void components_data();
    void components();
    void noStaleSections_data();
    void noStaleSections();
    void loggingCategories_data();
    void loggingCategories();

private:
    QObject *create(const QByteArray &qml, QString *errors);
    Reference reference(const QString &file);

    std::unique_ptr<QQmlEngine> m_engine;
    QObject *m_facade = nullptr;
    std::unique_ptr<QObject> m_facadeHolder;
};

void tst_Reference::initTestCase()
{
    m_engine = std::make_unique<QQmlEngine>();
    m_engine->addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QString errors;
    m_facadeHolder.reset(create("import QtQml 2.15\n"
                                "import Varnex.Loomwright 1.0\n"
                                "QtObject { property QtObject facade: Loomwright }\n",
                                &errors));
    QVERIFY2(m_facadeHolder, qPrintable(errors));
    m_facade = m_facadeHolder->property("facade").value<QObject *>();
    QVERIFY(m_facade);
}

QObject *tst_Reference::create(const QByteArray &qml, QString *errors)
{
    QQmlComponent component(m_engine.get());
    component.setData(qml, QUrl());
    QObject *object = component.create();
    if (!object)
        *errors = component.errorString();
    return object;
}

Reference tst_Reference::reference(const QString &file)
{
    return parseReference(fileText(referenceDir + file));
}

void tst_Reference::parsesReferences_data()
{
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<QStringList>("sections");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("members");

    const QString table = str("## Process\n\nIntro `notAMember` in prose.\n\n"
                              "### Properties\n\n| Property | Type | Meaning |\n|---|---|---|\n"
                              "| `state` | `ProcessState` | what it does |\n"
                              "| `start(command, arguments)` | | starts |\n");
    QTest::newRow("rows of a type section") << table << QStringList { str("Process") } << str("Process")
                                            << QStringList { str("state"), str("start") };
    QTest::newRow("prose heading ends the section")
        << table + str("\n## Option keys\n\n| `backgroundColor` | black |\n") << QStringList { str("Process") }
        << str("Process") << QStringList { str("state"), str("start") };
    QTest::newRow("examples are not rows")
        << str("## GlyphItem\n\n```qml\n| `fake` |\n```\n| `name` | string |\n") << QStringList { str("GlyphItem") }
        << str("GlyphItem") << QStringList { str("name") };
    QTest::newRow("sections in order, members not repeated")
        << str("# Module\n## B\n| `x` |\n| `x` |\n## A\n| `y` |\n") << QStringList { str("B"), str("A") } << str("B")
        << QStringList { str("x") };
    QTest::newRow("section without members") << str("## HostkitObject\n\nNo members.\n")
                                             << QStringList { str("HostkitObject") } << str("HostkitObject")
                                             << QStringList();
}

void tst_Reference::parsesReferences()
{
    QFETCH(QString, markdown);
    QFETCH(QStringList, sections);
    QFETCH(QString, type);
    QFETCH(QStringList, members);

    const Reference parsed = parseReference(markdown);
    QCOMPARE(parsed.sections, sections);
    QCOMPARE(parsed.members.value(type), members);
    QVERIFY(parsed.duplicates.isEmpty());
}

void tst_Reference::readsDeclarations_data()
{
    QTest::addColumn<QString>("qml");
    QTest::addColumn<QStringList>("members");

    QTest::newRow("kinds of declaration")
        << str("import QtQuick 2.15\nItem {\n    id: root\n    property int a: 1\n    readonly property var b: ({})\n"
               "    default property alias c: x.data\n    required property string d\n    signal e(var f)\n"
               "    function g(h) {\n        var property = 1\n    }\n}\n")
        << QStringList { str("a"), str("b"), str("c"), str("d"), str("e"), str("g") };
    QTest::newRow("nested objects are not the root's")
        << str("Item {\n    property int a\n    Rectangle {\n        property int inner\n        function f() {}\n    }\n"
               "    readonly property QtObject o: QtObject {\n        property int deeper\n    }\n}\n")
        << QStringList { str("a"), str("o") };
    QTest::newRow("braces in strings and comments")
        << str("Item {\n    property string s: \"{\" // }\n    /* { */\n    property string t: '}'\n"
               "    function f() { return \"}\" }\n    signal g\n}\n")
        << QStringList { str("s"), str("t"), str("f"), str("g") };
    QTest::newRow("commented-out declaration") << str("Item {\n    // property int gone\n    property int kept\n}\n")
                                               << QStringList { str("kept") };
}

void tst_Reference::readsDeclarations()
{
    QFETCH(QString, qml);
    QFETCH(QStringList, members);
    QCOMPARE(declaredInFile(qml), members);
}

void tst_Reference::reportsMismatches_data()
{
    QTest::addColumn<QStringList>("documented");
    QTest::addColumn<QStringList>("actual");
    QTest::addColumn<QString>("message");

    const QStringList both = { str("a"), str("b") };
    QTest::newRow("agree") << both << QStringList { str("b"), str("a") } << QString();
    QTest::newRow("missing") << QStringList { str("a") } << both
                             << str("t.md lacks in \"## T\": b");
    QTest::newRow("stale") << both << QStringList { str("a") }
                           << str("t.md names in \"## T\" what T does not have: b");
    QTest::newRow("both") << QStringList { str("a"), str("z") } << QStringList { str("a"), str("y"), str("x") }
                          << str("t.md lacks in \"## T\": x, y; t.md names in \"## T\" what T does not have: z");
}

void tst_Reference::reportsMismatches()
{
    QFETCH(QStringList, documented);
    QFETCH(QStringList, actual);
    QFETCH(QString, message);
    QCOMPARE(mismatch(str("t.md"), str("T"), documented, actual), message);
}

void tst_Reference::nativeTypes_data()
{
    QTest::addColumn<QString>("type");
    for (const QString &type : nativeTypeNames)
        QTest::newRow(qPrintable(type)) << type;
}

void tst_Reference::nativeTypes()
{
    QFETCH(QString, type);

    // Each type's meta-object as QML sees it: the singleton, created
    // objects, and for the uncreatable types the meta-type of the
    // property or base that hands them to QML.
    const QMetaObject *metaObject = nullptr;
    std::unique_ptr<QObject> created;
    if (type == QLatin1String("Loomwright")) {
        metaObject = m_facade->metaObject();
    } else if (type == QLatin1String("HostkitObject")) {
        metaObject = m_facade->metaObject()->superClass();
        QVERIFY(metaObject);
        // The uncreatable base: QML names it, but it adds nothing.
        QCOMPARE(nativeMembers(metaObject), QStringList());
    } else if (type == QLatin1String("SharedData")) {
        // Read through its type, not its value: the value is the suite's
        // real shared segment.
        const QMetaObject *facade = m_facade->metaObject();
        const QMetaProperty property = facade->property(facade->indexOfProperty("sharedData"));
        metaObject = QMetaType::metaObjectForType(property.userType());
    } else {
        QString errors;
        created.reset(create("import Varnex.Loomwright 1.0\n" + type.toUtf8() + " {}\n", &errors));
        QVERIFY2(created, qPrintable(errors));
        metaObject = created->metaObject();
    }
    QVERIFY(metaObject);

    const Reference parsed = reference(QStringLiteral("loomwright.md"));
    QVERIFY2(parsed.sections.contains(type),
             qPrintable(QStringLiteral("loomwright.md has no section \"## %1\"").arg(type)));
    const QString problems = mismatch(QStringLiteral("loomwright.md"), type, parsed.members.value(type),
                                      nativeMembers(metaObject));
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void tst_Reference::components_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("qmlFile");
    QTest::addColumn<bool>("singleton");

    // The rows as the library registers them, from its own resources
    // (there since the facade's import loaded the library).
    for (const Module &module : modules) {
        if (module.folder.isEmpty())
            continue;
        const QString qmldir = fileText(QStringLiteral(":/imports/") + module.folder + QStringLiteral("/qmldir"));
        QVERIFY2(!qmldir.isEmpty(), qPrintable(module.folder));
        for (const QmldirRow &row : qmldirRows(qmldir)) {
            const QString tag = module.uri.section(QLatin1Char('.'), -1) + QLatin1Char('/') + row.name;
            QTest::newRow(qPrintable(tag)) << module.uri << module.file << module.folder << row.name << row.file
                                           << row.singleton;
        }
    }
}

void tst_Reference::components()
{
    QFETCH(QString, uri);
    QFETCH(QString, file);
    QFETCH(QString, folder);
    QFETCH(QString, type);
    QFETCH(QString, qmlFile);
    QFETCH(bool, singleton);

    // The file the qmldir row names, which may lie in the Internal folder
    // that Controls and Private share ("../Internal/BrimforgeTheme.qml").
    const QString source =
        fileText(QDir::cleanPath(QStringLiteral(":/imports/") + folder + QLatin1Char('/') + qmlFile));
    QVERIFY2(!source.isEmpty(), qPrintable(qmlFile));
    const QStringList declared = declaredInFile(source);

    QStringList actual;
    if (readFromFile.contains(type)) {
        actual = declared;
    } else {
        QString errors;
        std::unique_ptr<QObject> holder;
        QObject *object = nullptr;
        if (singleton) {
            holder.reset(create("import QtQml 2.15\nimport " + uri.toUtf8() + " 1.0\nQtObject { property QtObject value: "
                                    + type.toUtf8() + " }\n",
                                &errors));
            object = holder ? holder->property("value").value<QObject *>() : nullptr;
        } else {
            holder.reset(create("import " + uri.toUtf8() + " 1.0\n" + type.toUtf8() + " {}\n", &errors));
            object = holder.get();
        }
        QVERIFY2(object, qPrintable(errors));
        actual = componentMembers(object, type);
        // The file reader stands in for the windows; it must read every
        // file the way the engine does.
        QCOMPARE(listed(declared), listed(actual));
    }

    const Reference parsed = reference(file);
    QVERIFY2(parsed.sections.contains(type),
             qPrintable(QStringLiteral("%1 has no section \"## %2\" (%3)").arg(file, type, uri)));
    const QString problems = mismatch(file, type, parsed.members.value(type), actual);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

void tst_Reference::noStaleSections_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("types");

    for (const Module &module : modules) {
        QStringList types;
        if (module.folder.isEmpty()) {
            types = nativeTypeNames;
        } else {
            for (const QmldirRow &row : qmldirRows(fileText(QStringLiteral(":/imports/") + module.folder
                                                             + QStringLiteral("/qmldir"))))
                types.append(row.name);
        }
        QTest::newRow(qPrintable(module.file)) << module.file << types;
    }
}

void tst_Reference::noStaleSections()
{
    QFETCH(QString, file);
    QFETCH(QStringList, types);

    const Reference parsed = reference(file);
    QVERIFY2(!parsed.sections.isEmpty(), qPrintable(file + QStringLiteral(" is missing or has no type sections")));
    QStringList stale;
    for (const QString &section : parsed.sections) {
        if (!types.contains(section))
            stale.append(section);
    }
    QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("%1 documents types that the module does not have: %2")
                                             .arg(file, listed(stale))));
    QVERIFY2(parsed.duplicates.isEmpty(),
             qPrintable(QStringLiteral("%1 documents twice: %2").arg(file, listed(parsed.duplicates))));
}

void tst_Reference::loggingCategories_data()
{
    QTest::addColumn<QString>("category");
    QTest::newRow("plugin") << QString::fromLatin1(lcPlugin().categoryName());
    QTest::newRow("core") << QString::fromLatin1(lcCore().categoryName());
    QTest::newRow("utility") << QString::fromLatin1(lcUtility().categoryName());
}

void tst_Reference::loggingCategories()
{
    QFETCH(QString, category);
    const QString text = fileText(referenceDir + QStringLiteral("loomwright.md"));
    QVERIFY2(text.contains(QLatin1Char('`') + category + QLatin1Char('`')),
             qPrintable(QStringLiteral("loomwright.md does not name the logging category %1").arg(category)));
}

QTEST_MAIN(tst_Reference)

#include "tst_reference.moc"
