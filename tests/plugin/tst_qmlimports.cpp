// The QML folders of Varnex/Loomwright as layers, the way the C++ folders
// are (loomwright_expose_headers): Controls and Private stand side by side
// on Internal and never import each other, and Internal imports neither.
// Every .qml and .js file under qml/imports is read; an import that runs
// sideways or up fails the test with its file and line.
//
// LOOMWRIGHT_QML_IMPORTS names another imports folder to check (a checkout
// of an older tree, say); by default the one of the sources.
#include "tests/helpers/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString layerParent = QStringLiteral("Varnex/Loomwright");
const QString resourceRoot = QStringLiteral("qrc:/imports/");

// Each folder of Varnex/Loomwright and the folders of Varnex/Loomwright it
// may import besides itself. Modules outside (Qt, the host SDK, Feldrin,
// the plugin's own Varnex.Loomwright) are below all of them.
const QHash<QString, QStringList> layerTable = {
    { QStringLiteral("Controls"), { QStringLiteral("Internal") } },
    { QStringLiteral("Private"), { QStringLiteral("Internal") } },
    { QStringLiteral("Internal"), {} },
};

QString importsRoot()
{
    const QString chosen = qEnvironmentVariable("LOOMWRIGHT_QML_IMPORTS");
    // The build names this file by its full path.
    const QString sources = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../qml/imports");
    return QDir::cleanPath(chosen.isEmpty() ? sources : chosen);
}

// What one line imports: a module URI or a path, or nothing.
struct Import
{
    QString uri;
    QString path;
};

// QML ("import X.Y 1.0", "import \"../Z\" as Z") and library script
// (".import \"a.js\" as A", ".import X.Y 1.0 as Y") imports.
Import importOf(const QString &line)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*\\.?import\\s+(?:\"([^\"]*)\"|'([^']*)'|([A-Za-z_][\\w.]*))"));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch())
        return {};
    if (match.capturedLength(3))
        return { match.captured(3), QString() };
    return { QString(), match.capturedLength(1) ? match.captured(1) : match.captured(2) };
}

// The layer (a folder of Varnex/Loomwright) that an import reaches from a
// file in <fromFolder> (relative to the imports root), or an empty string
// for anything outside them.
QString layerOf(const Import &import, const QString &fromFolder)
{
    QString target;
    if (import.uri.isEmpty() && import.path.isEmpty()) {
        return QString();
    } else if (!import.uri.isEmpty()) {
        target = QString(import.uri).replace(QLatin1Char('.'), QLatin1Char('/'));
    } else if (import.path.startsWith(resourceRoot)) {
        target = QDir::cleanPath(import.path.mid(resourceRoot.size()));
    } else if (import.path.startsWith(QLatin1String(":/imports/"))) {
        target = QDir::cleanPath(import.path.mid(10));
    } else if (!import.path.contains(QLatin1Char(':'))) {
        target = QDir::cleanPath(fromFolder + QLatin1Char('/') + import.path);
    }
    if (!target.startsWith(layerParent + QLatin1Char('/')))
        return QString();
    return target.mid(layerParent.size() + 1).section(QLatin1Char('/'), 0, 0);
}

}

class tst_QmlImports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void reading_data();
    void reading();
    void everyFolderHasItsLayer();
    void layers_data();
    void layers();
};

void tst_QmlImports::initTestCase()
{
    QVERIFY2(QDir(importsRoot() + QLatin1Char('/') + layerParent).exists(), qPrintable(importsRoot()));
}

void tst_QmlImports::reading_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("layer");

    const QString controls = QStringLiteral("Varnex/Loomwright/Controls");
    const QString priv = QStringLiteral("Private");
    QTest::newRow("module by URI") << str("import Varnex.Loomwright.Private 1.0 as Private") << controls << priv;
    QTest::newRow("module by URI, no version") << str("import Varnex.Loomwright.Private") << controls << priv;
    QTest::newRow("folder by relative path") << str("import \"../Private\" as Private") << controls << priv;
    QTest::newRow("script by relative path") << str("import \"../Private/toolwindow.js\" as T") << controls << priv;
    QTest::newRow("script of the own folder") << str("import \"toolcontext.js\" as T") << controls
                                              << str("Controls");
    QTest::newRow("folder by resource URL") << str("  import \"qrc:/imports/Varnex/Loomwright/Private\"") << controls
                                            << priv;
    QTest::newRow("library script import") << str(".import \"../Private/toolwindow.js\" as T") << controls << priv;
    QTest::newRow("plugin module") << str("import Varnex.Loomwright 1.0") << controls << QString();
    QTest::newRow("other module") << str("import Feldrin 1.0") << controls << QString();
    QTest::newRow("other folder by resource URL") << str("import \"qrc:/imports/Feldrin\"") << controls << QString();
    QTest::newRow("path out of the layers") << str("import \"../../../Feldrin\"") << controls << QString();
    QTest::newRow("comment") << str("// import Varnex.Loomwright.Private 1.0") << controls << QString();
    QTest::newRow("code") << str("    property var importer: null") << controls << QString();
}

void tst_QmlImports::reading()
{
    QFETCH(QString, line);
    QFETCH(QString, from);
    QFETCH(QString, layer);

    QCOMPARE(layerOf(importOf(line), from), layer);
}

// A folder added under Varnex/Loomwright needs its row in the table first.
void tst_QmlImports::everyFolderHasItsLayer()
{
    const QDir parent(importsRoot() + QLatin1Char('/') + layerParent);
    for (const QString &folder : parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QVERIFY2(layerTable.contains(folder), qPrintable(folder + str(" has no layer")));
}

void tst_QmlImports::layers_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("allowed");

    for (const QString &folder : { str("Controls"), str("Private"), str("Internal") })
        QTest::newRow(qPrintable(folder)) << folder << layerTable.value(folder);
}

// Every import of every file of the folder stays in it or reaches a folder
// below it.
void tst_QmlImports::layers()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, allowed);

    const QString relativeFolder = layerParent + QLatin1Char('/') + folder;
    const QDir dir(importsRoot() + QLatin1Char('/') + relativeFolder);
    // An older tree may not have the folder yet; the own sources must.
    if (!dir.exists() && !qEnvironmentVariableIsEmpty("LOOMWRIGHT_QML_IMPORTS"))
        QSKIP("the tree has no such folder");
    const QStringList files = dir.entryList({ str("*.qml"), str("*.js") }, QDir::Files, QDir::Name);
    QVERIFY2(!files.isEmpty(), qPrintable(dir.path()));

    QStringList wrong;
    for (const QString &file : files) {
        const QStringList lines = fileText(dir.filePath(file)).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            const QString layer = layerOf(importOf(lines.at(i)), relativeFolder);
            if (!layer.isEmpty() && layer != folder && !allowed.contains(layer))
                wrong.append(str("%1/%2:%3: imports %4: %5")
                                 .arg(relativeFolder, file)
                                 .arg(i + 1)
                                 .arg(layer, lines.at(i).trimmed()));
        }
    }
    // One line each: a failure message would cut a long list short.
    for (const QString &line : qAsConst(wrong))
        qWarning().noquote() << line;
    QVERIFY2(wrong.isEmpty(), qPrintable(str("%1 imports run sideways or up").arg(wrong.size())));
}

QTEST_GUILESS_MAIN(tst_QmlImports)
#include "tst_qmlimports.moc"
