// The three embedded module trees and the Internal folder that Controls and
// Private share, as the library carries them: their files by name and count,
// the qmldir files, the fonts, the glyph maps and the pictures, read back
// from the resources of the built plugin.
#include "tests/helpers/testsupport.h"

#include <QFontDatabase>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainterPath>
#include <QPluginLoader>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

const QString controlsRoot = QStringLiteral(":/imports/Varnex/Loomwright/Controls");
const QString privateRoot = QStringLiteral(":/imports/Varnex/Loomwright/Private");
const QString internalRoot = QStringLiteral(":/imports/Varnex/Loomwright/Internal");
const QString feldrinRoot = QStringLiteral(":/imports/Feldrin");

// The public types of each module; "*" marks a singleton.
const QStringList controlsTypes = {
    QStringLiteral("ActivityOverlay"), QStringLiteral("AppActionButton"), QStringLiteral("AppItemDetailsDialog"),
    QStringLiteral("AppsDialog"), QStringLiteral("AppsGridView"), QStringLiteral("AppSummary"),
    QStringLiteral("AppToolConfig"), QStringLiteral("AppWindow"), QStringLiteral("AvenirTextMetrics"),
    QStringLiteral("BrimforgeAction"), QStringLiteral("BrimforgeActionWithTool"),
    QStringLiteral("BrimforgeBusyIndicator"), QStringLiteral("BrimforgeDialog"), QStringLiteral("BrimforgeIcon"),
    QStringLiteral("BrimforgeProgressBar"), QStringLiteral("*BrimforgeTheme"), QStringLiteral("BrimforgeVersionCheck"),
    QStringLiteral("FloatingPanel"), QStringLiteral("FloatingPanelPopup"), QStringLiteral("GalleryItem"),
    QStringLiteral("ImageButton"), QStringLiteral("InlineStyledTextEdit"), QStringLiteral("LabelValue"),
    QStringLiteral("MaterialButton"), QStringLiteral("MessageBox"), QStringLiteral("QRCode"),
    QStringLiteral("SignInDialog"), QStringLiteral("TextControlsContextMenu"), QStringLiteral("ThemeCheckBox"),
    QStringLiteral("ThemeComboBox"), QStringLiteral("ThemeMenu"), QStringLiteral("ThemeRadioButton"),
    QStringLiteral("ThemeSwitch"), QStringLiteral("ThemeSwitchWithIconLabel"), QStringLiteral("ThemeTabButton"),
    QStringLiteral("ThemeTabButtonVertical"), QStringLiteral("ThemeTextArea"), QStringLiteral("ThemeTextField"),
    QStringLiteral("ThemeTextFieldWithFilePathValidation"), QStringLiteral("ToastNotification"),
    QStringLiteral("ToolHelpDialog"), QStringLiteral("UserButton"),
};
const QStringList privateTypes = {
    QStringLiteral("AppSummary"), QStringLiteral("AppToolConfig"), QStringLiteral("AppToolWindow"),
    QStringLiteral("AppsDialog"), QStringLiteral("AppsGridView"), QStringLiteral("CheckBoxEx"),
    QStringLiteral("CheckBoxStyleEx"), QStringLiteral("ImageButton"), QStringLiteral("ItemProgress"),
    QStringLiteral("LabelValue"), QStringLiteral("MessageBox"), QStringLiteral("Portal"),
    QStringLiteral("PortalItem"), QStringLiteral("PortalRequest"), QStringLiteral("SideBar"),
    QStringLiteral("SignInButton"), QStringLiteral("SignInDialog"), QStringLiteral("StatusIndicator"),
    QStringLiteral("StyledButton"), QStringLiteral("StyledTabView"), QStringLiteral("StyledText"),
    QStringLiteral("ToolSideBar"), QStringLiteral("*TwitterKeys"),
};
const QStringList feldrinTypes = {
    QStringLiteral("*Feldrin"), QStringLiteral("*FeldrinColors"), QStringLiteral("GlyphSet"),
    QStringLiteral("GlyphItem"), QStringLiteral("GlyphControl"), QStringLiteral("GlyphBusyIndicator"),
};

// Files that a module uses inside its folders only, without a qmldir row:
// scripts, and components that only their neighbours use.
const QStringList controlsInternal = { QStringLiteral("AppWindowHeader.qml"), QStringLiteral("AppWindowUserPanel.qml"),
                                       QStringLiteral("QRCode.js") };
const QStringList privateInternal = {
    QStringLiteral("AppItemView.qml"),     QStringLiteral("AppToolDialogCover.qml"),
    QStringLiteral("AppToolIcon.qml"),     QStringLiteral("AppToolStatusBar.qml"),
    QStringLiteral("AppToolSummaryStrip.qml"), QStringLiteral("toolstyle.js"),
};
const QStringList feldrinInternal = {};

// The shared folder: what Controls and Private both use. Its files reach the
// two modules' users only through the modules' qmldir rows; the theme alone
// has a row of its own, which makes it a singleton for the relative import.
const QStringList internalTypes = { QStringLiteral("*BrimforgeTheme") };
const QStringList internalFiles = {
    QStringLiteral("AppFolderDialogLoader.qml"), QStringLiteral("AppSession.qml"),
    QStringLiteral("BannerSignInDialog.qml"),    QStringLiteral("BrimforgeBusyIndicator.qml"),
    QStringLiteral("BrimforgeIcon.qml"),         QStringLiteral("BrimforgeProgressBar.qml"),
    QStringLiteral("ImageButton.qml"),           QStringLiteral("LabelValue.qml"),
    QStringLiteral("MaterialButton.qml"),        QStringLiteral("Portal.qml"),
    QStringLiteral("SharedSignIn.qml"),          QStringLiteral("SignInDialog.qml"),
    QStringLiteral("palette.js"),                QStringLiteral("toolconfig.js"),
    QStringLiteral("toolcontext.js"),            QStringLiteral("toolwindow.js"),
};

QStringList names(const QStringList &types)
{
    QStringList result;
    for (const QString &type : types)
        result.append(type.startsWith(QLatin1Char('*')) ? type.mid(1) : type);
    return result;
}

// The files of a resource folder, relative to it, found by walking it.
QStringList treeFiles(const QString &root)
{
    return filesUnder(root);
}

QStringList withSuffix(const QStringList &files, const QString &suffix)
{
    QStringList result;
    for (const QString &file : files) {
        if (file.endsWith(suffix))
            result.append(file);
    }
    return result;
}

// Rows of a manifest of the sources: comment and blank lines left out, fields split at white space.
QVector<QStringList> manifestRows(const QString &name)
{
    QVector<QStringList> rows;
    const QString text = fileText(QStringLiteral(LOOMWRIGHT_SOURCE_DIR "/qml/assets/manifests/") + name);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        rows.append(trimmed.split(QRegularExpression(QStringLiteral("\\s+"))));
    }
    return rows;
}

QJsonObject jsonObject(const QString &path)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(fileContents(path), &error);
    if (error.error != QJsonParseError::NoError)
        qWarning().noquote() << path << error.errorString();
    return document.object();
}

// A glyph that the font maps the code point to and that draws something.
bool drawsCodePoint(const QRawFont &font, uint codePoint)
{
    if (!font.supportsCharacter(codePoint))
        return false;
    const QVector<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&codePoint, 1));
    return glyphs.size() == 1 && glyphs.first() != 0 && !font.pathForGlyph(glyphs.first()).isEmpty();
}

double meanLightness(const QImage &image)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > 128) {
                sum += pixel.lightnessF();
                ++count;
            }
        }
    }
    return count ? sum / count : -1;
}

}

class tst_ResourceTrees : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void moduleTrees_data();
    void moduleTrees();
    void qmldirFiles_data();
    void qmldirFiles();
    void imports_data();
    void imports();
    void oneTheme();

    void assetFolders_data();
    void assetFolders();
    void controlsImages();
    void themeVariants_data();
    void themeVariants();
    void svgPictures();

    void textFonts_data();
    void textFonts();
    void iconTable();
    void glyphMaps_data();
    void glyphMaps();
    void originTable();

private:
    QPluginLoader m_plugin { QStringLiteral(LOOMWRIGHT_PLUGIN_FILE) };
};

void tst_ResourceTrees::initTestCase()
{
    // Loading the library registers its trees.
    QVERIFY2(m_plugin.load(), qPrintable(m_plugin.errorString()));
    QVERIFY(QFileInfo(controlsRoot).isDir());
}

void tst_ResourceTrees::moduleTrees_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("sources");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QStringList>("internal");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<int>("assets");
    QTest::addColumn<int>("complete");

    // A complete tree: its public components, its internal files, the qmldir and the assets.
    // A public type whose file lives in Internal is no component of its module's tree.
    QTest::newRow("Controls") << controlsRoot << QStringLiteral("Varnex/Loomwright/Controls") << names(controlsTypes)
                              << controlsInternal << QStringList { QStringLiteral("images") } << 162
                              << 42 - 8 + 3 + 1 + 162;
    QTest::newRow("Private") << privateRoot << QStringLiteral("Varnex/Loomwright/Private") << names(privateTypes)
                             << privateInternal << QStringList { QStringLiteral("images") } << 8 << 23 - 2 + 6 + 1 + 8;
    QTest::newRow("Internal") << internalRoot << QStringLiteral("Varnex/Loomwright/Internal") << names(internalTypes)
                              << internalFiles << QStringList { QStringLiteral("fonts"), QStringLiteral("images") }
                              << 10 << 1 + 16 + 1 + 10;
    QTest::newRow("Feldrin") << feldrinRoot << QStringLiteral("Feldrin") << names(feldrinTypes) << feldrinInternal
                             << QStringList { QStringLiteral("fonts") } << 5 << 6 + 0 + 1 + 5;
}

// Each tree holds its qmldir, every component of its source folder, known
// components only, and its asset folders; never more files than the finished module.
void tst_ResourceTrees::moduleTrees()
{
    QFETCH(QString, root);
    QFETCH(QString, sources);
    QFETCH(QStringList, types);
    QFETCH(QStringList, internal);
    QFETCH(QStringList, folders);
    QFETCH(int, assets);
    QFETCH(int, complete);

    const QStringList files = treeFiles(root);
    QStringList components;
    int assetFiles = 0;
    for (const QString &file : files) {
        if (file.contains(QLatin1Char('/'))) {
            QVERIFY2(folders.contains(file.section(QLatin1Char('/'), 0, 0)), qPrintable(file));
            ++assetFiles;
        } else if (file != QLatin1String("qmldir")) {
            components.append(file);
        }
    }
    QVERIFY(files.contains(QStringLiteral("qmldir")));
    QCOMPARE(assetFiles, assets);
    for (const QString &component : qAsConst(components)) {
        const bool known = internal.contains(component)
            || (component.endsWith(QLatin1String(".qml")) && types.contains(component.chopped(4)));
        QVERIFY2(known, qPrintable(component + QStringLiteral(" is no component of the module")));
    }

    const QDir sourceDir(QStringLiteral(LOOMWRIGHT_SOURCE_DIR "/qml/imports/") + sources);
    const QStringList dropped = sourceDir.entryList({ QStringLiteral("*.qml"), QStringLiteral("*.js") }, QDir::Files);
    for (const QString &file : dropped)
        QVERIFY2(components.contains(file), qPrintable(file + QStringLiteral(" is missing from the tree")));

    QVERIFY2(files.size() <= complete, qPrintable(QString::number(files.size())));
}

void tst_ResourceTrees::qmldirFiles_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QStringList>("internal");

    QTest::newRow("Controls") << controlsRoot << QStringLiteral("Varnex.Loomwright.Controls") << controlsTypes
                              << controlsInternal;
    QTest::newRow("Private") << privateRoot << QStringLiteral("Varnex.Loomwright.Private") << privateTypes
                             << privateInternal;
    QTest::newRow("Feldrin") << feldrinRoot << QStringLiteral("Feldrin") << feldrinTypes << feldrinInternal;
    // No URI: the folder is imported by path only.
    QTest::newRow("Internal") << internalRoot << QString() << internalTypes << internalFiles;
}

// A module's qmldir: "module <URI>", an empty line, then one row per type of
// the module with its singleton mark where it has one. A row names
// "<Type>.qml" inside the module's own folder, or a file inside the Internal
// folder ("../Internal/<File>.qml") whose name is the type's or ends in it
// (a variant such as BannerSignInDialog); either file exists. Every
// component in the module's tree but the internal ones has its row.
// Internal's qmldir names no module: comment lines that say so, then its
// rows, which name files of its own folder.
void tst_ResourceTrees::qmldirFiles()
{
    QFETCH(QString, root);
    QFETCH(QString, uri);
    QFETCH(QStringList, types);
    QFETCH(QStringList, internal);

    QStringList lines = fileText(root + QStringLiteral("/qmldir")).split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    QVERIFY(!lines.isEmpty());
    int firstRow = 0;
    if (uri.isEmpty()) {
        while (firstRow < lines.size() && lines.at(firstRow).startsWith(QLatin1Char('#')))
            ++firstRow;
        QVERIFY2(firstRow > 0, "no comment says why the folder is no module");
    } else {
        QCOMPARE(lines.first(), QStringLiteral("module ") + uri);
        firstRow = 1;
        if (lines.size() > 1) {
            QCOMPARE(lines.at(1), QString());
            firstRow = 2;
        }
    }

    const QStringList files = treeFiles(root);
    const QStringList internalFolder = treeFiles(internalRoot);
    const QRegularExpression row(QStringLiteral("^(singleton )?(\\w+) 1\\.0 (\\.\\./Internal/)?(\\w+)\\.qml$"));
    QSet<QString> rowFiles;
    QSet<QString> rowTypes;
    for (int i = firstRow; i < lines.size(); ++i) {
        const QRegularExpressionMatch match = row.match(lines.at(i));
        QVERIFY2(match.hasMatch(), qPrintable(lines.at(i)));
        const QString type = match.captured(2);
        const bool inInternal = match.capturedLength(3) > 0;
        const QString file = match.captured(4) + QStringLiteral(".qml");
        QVERIFY2(!(inInternal && uri.isEmpty()), qPrintable(lines.at(i)));
        if (inInternal) {
            QVERIFY2(match.captured(4).endsWith(type), qPrintable(lines.at(i)));
            QVERIFY2(internalFolder.contains(file), qPrintable(lines.at(i)));
            QVERIFY2(!files.contains(type + QStringLiteral(".qml")),
                     qPrintable(lines.at(i) + QStringLiteral(": the module's folder has its own file too")));
        } else {
            QCOMPARE(match.captured(4), type);
            QVERIFY2(files.contains(file), qPrintable(lines.at(i)));
            rowFiles.insert(file);
        }
        const QString expected = match.capturedLength(1) ? QLatin1Char('*') + type : type;
        QVERIFY2(types.contains(expected), qPrintable(lines.at(i)));
        QVERIFY2(!rowTypes.contains(type), qPrintable(lines.at(i)));
        rowTypes.insert(type);
    }
    for (const QString &file : files) {
        if (file.endsWith(QLatin1String(".qml")) && !file.contains(QLatin1Char('/')) && !internal.contains(file))
            QVERIFY2(rowFiles.contains(file), qPrintable(file + QStringLiteral(" has no qmldir row")));
    }
    // The bundle is complete: every type of the module has its row and file.
    for (const QString &type : names(types))
        QVERIFY2(rowTypes.contains(type), qPrintable(type + QStringLiteral(" is missing")));
}

void tst_ResourceTrees::imports_data()
{
    QTest::addColumn<QByteArray>("imports");
    QTest::addColumn<bool>("resolves");

    QTest::newRow("all three after the plugin's own module")
        << QByteArray("import Varnex.Loomwright 1.0\nimport Varnex.Loomwright.Controls 1.0\n"
                      "import Varnex.Loomwright.Private 1.0\nimport Feldrin 1.0\n")
        << true;
    // The embedded import path comes with the plugin's engine set-up.
    QTest::newRow("Controls without the plugin's module") << QByteArray("import Varnex.Loomwright.Controls 1.0\n")
                                                          << false;
    QTest::newRow("Feldrin by its resource folder") << QByteArray("import \"qrc:/imports/Feldrin\"\n") << true;
}

void tst_ResourceTrees::imports()
{
    QFETCH(QByteArray, imports);
    QFETCH(bool, resolves);

    QQmlEngine engine;
    engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\n" + imports + "QtObject {}\n", QUrl());
    QVERIFY2(component.isReady() == resolves, qPrintable(component.errorString()));
}

// Controls' qmldir row, the Internal folder's own row and the files of
// Private all name Internal/BrimforgeTheme.qml: the engine makes one theme
// of them, so a setting changed through one is seen through the others.
void tst_ResourceTrees::oneTheme()
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\nimport QtQuick 2.15\nimport Varnex.Loomwright 1.0\n"
                      "import Varnex.Loomwright.Controls 1.0 as Controls\n"
                      "import Varnex.Loomwright.Private 1.0 as Private\n"
                      "import \"qrc:/imports/Varnex/Loomwright/Internal\" as Internal\n"
                      "QtObject {\n"
                      "    property QtObject controlsTheme: Controls.BrimforgeTheme\n"
                      "    property QtObject internalTheme: Internal.BrimforgeTheme\n"
                      "    property Item privateText: Private.StyledText {}\n"
                      "}\n",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QObject *controlsTheme = object->property("controlsTheme").value<QObject *>();
    QObject *internalTheme = object->property("internalTheme").value<QObject *>();
    QObject *privateText = object->property("privateText").value<QObject *>();
    QVERIFY(controlsTheme && internalTheme && privateText);
    QCOMPARE(internalTheme, controlsTheme);

    for (const bool dark : { false, true }) {
        QVERIFY(controlsTheme->setProperty("useDarkTheme", dark));
        QCOMPARE(internalTheme->property("useDarkTheme").toBool(), dark);
        QCOMPARE(privateText->property("color").value<QColor>(),
                 controlsTheme->property("primaryForeground").value<QColor>());
    }
    QVERIFY(controlsTheme->setProperty("scaleFactor", 1.5));
    QCOMPARE(internalTheme->property("scaleFactor").toReal(), 1.5);
}

void tst_ResourceTrees::assetFolders_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("Internal fonts") << internalRoot + QStringLiteral("/fonts")
                                    << QStringList {
                                           QStringLiteral("AvenirNextLTPro-Bold.ttf"),
                                           QStringLiteral("AvenirNextLTPro-BoldIt.ttf"),
                                           QStringLiteral("AvenirNextLTPro-Demi.ttf"),
                                           QStringLiteral("AvenirNextLTPro-DemiIt.ttf"),
                                           QStringLiteral("AvenirNextLTPro-It.ttf"),
                                           QStringLiteral("AvenirNextLTPro-Light.ttf"),
                                           QStringLiteral("AvenirNextLTPro-LightIt.ttf"),
                                           QStringLiteral("AvenirNextLTPro-Regular.ttf"),
                                           QStringLiteral("Brimforge.ttf"),
                                       };
    QTest::newRow("Private images") << privateRoot + QStringLiteral("/images")
                                    << QStringList {
                                           QStringLiteral("contextMenu.png"),
                                           QStringLiteral("downloadIndicator.png"),
                                           QStringLiteral("gis5.png"),
                                           QStringLiteral("hexagonBannerWhite.png"),
                                           QStringLiteral("info.png"),
                                           QStringLiteral("uploadIndicator.png"),
                                           QStringLiteral("user-light.png"),
                                           QStringLiteral("user.png"),
                                       };
    // The portal's stand-in for a user without a picture, loaded by Portal.qml.
    QTest::newRow("Internal images") << internalRoot + QStringLiteral("/images")
                                     << QStringList { QStringLiteral("no_user.png") };
    QTest::newRow("Feldrin fonts") << feldrinRoot + QStringLiteral("/fonts")
                                   << QStringList {
                                          QStringLiteral("feldrin-point-symbols-21.info"),
                                          QStringLiteral("feldrin-point-symbols-21.json"),
                                          QStringLiteral("feldrin-point-symbols-21.ttf"),
                                          QStringLiteral("feldrin-ui-icons-24.json"),
                                          QStringLiteral("feldrin-ui-icons-24.ttf"),
                                      };
}

void tst_ResourceTrees::assetFolders()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, expected);

    QCOMPARE(treeFiles(folder), expected);
    // Pictures that Qt cannot read would show as empty boxes.
    for (const QString &file : withSuffix(expected, QStringLiteral(".png")))
        QVERIFY2(!QImage(folder + QLatin1Char('/') + file).isNull(), qPrintable(file));
}

// 78 SVG and 84 PNG pictures, among them the state pictures and every
// picture that the icon table names.
void tst_ResourceTrees::controlsImages()
{
    const QString folder = controlsRoot + QStringLiteral("/images");
    const QStringList files = treeFiles(folder);
    QCOMPARE(files.size(), 162);
    QCOMPARE(withSuffix(files, QStringLiteral(".svg")).size(), 78);
    QCOMPARE(withSuffix(files, QStringLiteral(".png")).size(), 84);

    const QStringList statePictures = {
        QStringLiteral("no_user.png"),        QStringLiteral("user-light.png"),
        QStringLiteral("no_apps_dark.png"),   QStringLiteral("no_apps_light.png"),
        QStringLiteral("no_search_results_dark.png"), QStringLiteral("no_search_results_light.png"),
    };
    for (const QString &picture : statePictures) {
        QVERIFY2(files.contains(picture), qPrintable(picture));
        QVERIFY2(!QImage(folder + QLatin1Char('/') + picture).isNull(), qPrintable(picture));
    }

    const QVector<QStringList> icons = manifestRows(QStringLiteral("brimforge-icons.tsv"));
    QCOMPARE(icons.size(), 79);
    for (const QStringList &icon : icons) {
        QCOMPARE(icon.size(), 3);
        QVERIFY2(icon.at(2).startsWith(QLatin1String("images/")), qPrintable(icon.at(2)));
        QVERIFY2(files.contains(icon.at(2).mid(7)), qPrintable(icon.join(QLatin1Char(' '))));
    }
}

void tst_ResourceTrees::themeVariants_data()
{
    QTest::addColumn<QString>("base");

    const QStringList files = treeFiles(controlsRoot + QStringLiteral("/images"));
    for (const QString &file : files) {
        if (file.endsWith(QLatin1String("_l.png")))
            QTest::newRow(qPrintable(file.chopped(6))) << controlsRoot + QStringLiteral("/images/") + file.chopped(6);
    }
}

// "_l" and "_d" come from the same SVG: same size and same shape, dark
// strokes for the light theme and light strokes for the dark one.
void tst_ResourceTrees::themeVariants()
{
    QFETCH(QString, base);

    QVERIFY2(QFileInfo::exists(base + QStringLiteral(".svg")), qPrintable(base));
    const QImage light = QImage(base + QStringLiteral("_l.png")).convertToFormat(QImage::Format_ARGB32);
    const QImage dark = QImage(base + QStringLiteral("_d.png")).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!light.isNull());
    QCOMPARE(dark.size(), light.size());
    int differing = 0;
    for (int y = 0; y < light.height(); ++y) {
        for (int x = 0; x < light.width(); ++x)
            differing += std::abs(qAlpha(light.pixel(x, y)) - qAlpha(dark.pixel(x, y))) > 2;
    }
    QCOMPARE(differing, 0);
    QVERIFY(meanLightness(light) >= 0);
    QVERIFY(meanLightness(light) + 0.3 < meanLightness(dark));
}

void tst_ResourceTrees::svgPictures()
{
    const QString folder = controlsRoot + QStringLiteral("/images/");
    for (const QString &file : withSuffix(treeFiles(folder), QStringLiteral(".svg"))) {
        const QImage image(folder + file);
        QVERIFY2(!image.isNull(), qPrintable(file));
        QVERIFY2(meanLightness(image.convertToFormat(QImage::Format_ARGB32)) >= 0,
                 qPrintable(file + QStringLiteral(" draws nothing")));
    }
}

void tst_ResourceTrees::textFonts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("italic");

    QTest::newRow("Regular") << QStringLiteral("Regular") << QStringLiteral("Regular") << int(QFont::Normal) << false;
    QTest::newRow("Italic") << QStringLiteral("It") << QStringLiteral("Italic") << int(QFont::Normal) << true;
    QTest::newRow("Light") << QStringLiteral("Light") << QStringLiteral("Light") << int(QFont::Light) << false;
    QTest::newRow("Light Italic") << QStringLiteral("LightIt") << QStringLiteral("Light Italic") << int(QFont::Light)
                                  << true;
    QTest::newRow("Demi") << QStringLiteral("Demi") << QStringLiteral("Demi") << int(QFont::DemiBold) << false;
    QTest::newRow("Demi Italic") << QStringLiteral("DemiIt") << QStringLiteral("Demi Italic")
                                 << int(QFont::DemiBold) << true;
    QTest::newRow("Bold") << QStringLiteral("Bold") << QStringLiteral("Bold") << int(QFont::Bold) << false;
    QTest::newRow("Bold Italic") << QStringLiteral("BoldIt") << QStringLiteral("Bold Italic") << int(QFont::Bold)
                                 << true;
}

// Every style loads from the tree into the one family that the theme names.
void tst_ResourceTrees::textFonts()
{
    QFETCH(QString, file);
    QFETCH(QString, style);
    QFETCH(int, weight);
    QFETCH(bool, italic);

    const QString family = QStringLiteral("Avenir Next LT Pro");
    const int id = QFontDatabase::addApplicationFont(internalRoot + QStringLiteral("/fonts/AvenirNextLTPro-")
                                                     + file + QStringLiteral(".ttf"));
    QVERIFY(id >= 0);
    QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList { family });
    const QFontDatabase database;
    QVERIFY2(database.styles(family).contains(style), qPrintable(database.styles(family).join(QLatin1Char(','))));
    QCOMPARE(database.weight(family, style), weight);
    QCOMPARE(database.italic(family, style), italic);
    const QRawFont raw(fileContents(internalRoot + QStringLiteral("/fonts/AvenirNextLTPro-") + file
                                    + QStringLiteral(".ttf")),
                       12);
    for (const char32_t c : { U'A', U'z', U'\u00e9', U'\u0416' })
        QVERIFY(drawsCodePoint(raw, c));
}

// The theme's icon table in its order, the code points and pictures that
// must not move, and a glyph of the icon font at every code point.
void tst_ResourceTrees::iconTable()
{
    const QStringList order = {
        QStringLiteral("brim_forge"), QStringLiteral("make_tool"), QStringLiteral("console_tool"),
        QStringLiteral("run_tool"), QStringLiteral("deploy_tool"), QStringLiteral("settings_tool"),
        QStringLiteral("edit_tool"), QStringLiteral("varnex_online"), QStringLiteral("virtual_device"),
        QStringLiteral("trash_bin"), QStringLiteral("download"), QStringLiteral("download2"),
        QStringLiteral("chevron"), QStringLiteral("filter"), QStringLiteral("duplicate"), QStringLiteral("folder"),
        QStringLiteral("question"), QStringLiteral("information"), QStringLiteral("refresh"), QStringLiteral("pencil"),
        QStringLiteral("search"), QStringLiteral("close"), QStringLiteral("warning"), QStringLiteral("qr_code"),
        QStringLiteral("caret"), QStringLiteral("plus"), QStringLiteral("sign_in"), QStringLiteral("sign_out"),
        QStringLiteral("checkmark"), QStringLiteral("portal"), QStringLiteral("sort_by_date"),
        QStringLiteral("sort_by_date_desc"), QStringLiteral("sort_by_date_asc"), QStringLiteral("sort_by_alpha"),
        QStringLiteral("sort_by_alpha_desc"), QStringLiteral("sort_by_alpha_asc"), QStringLiteral("banana"),
        QStringLiteral("sliders"), QStringLiteral("android"), QStringLiteral("apple"), QStringLiteral("usb"),
        QStringLiteral("chainlink"), QStringLiteral("arrow"), QStringLiteral("key"), QStringLiteral("alert"),
        QStringLiteral("cut"), QStringLiteral("copy"), QStringLiteral("paste"), QStringLiteral("wifi"),
        QStringLiteral("location"), QStringLiteral("camera"), QStringLiteral("audio"), QStringLiteral("microphone"),
        QStringLiteral("bluetooth"), QStringLiteral("external_storage"), QStringLiteral("file_sharing"),
        QStringLiteral("vibration"), QStringLiteral("local_notification"), QStringLiteral("background_location"),
        QStringLiteral("high_accuracy_location"), QStringLiteral("desktop"), QStringLiteral("tablet"),
        QStringLiteral("devices"), QStringLiteral("portrait"), QStringLiteral("landscape"),
        QStringLiteral("status_bar"), QStringLiteral("biometric_authentication"), QStringLiteral("beacon"),
        QStringLiteral("community"), QStringLiteral("quillbay"), QStringLiteral("quillbay_questions"),
        QStringLiteral("blog"), QStringLiteral("lightbulb"), QStringLiteral("twitter"), QStringLiteral("youtube"),
        QStringLiteral("process1"), QStringLiteral("process2"), QStringLiteral("process3"),
        QStringLiteral("process4"),
    };
    const QHash<QString, QPair<uint, QString>> fixed = {
        { QStringLiteral("brim_forge"), { 0xE904, QStringLiteral("images/brimforge.svg") } },
        { QStringLiteral("sort_by_alpha"), { 0xE900, QStringLiteral("images/alpha.svg") } },
        { QStringLiteral("warning"), { 0xE903, QStringLiteral("images/warning.svg") } },
        { QStringLiteral("run_tool"), { 0xE906, QStringLiteral("images/player.svg") } },
        { QStringLiteral("chevron"), { 0xE90A, QStringLiteral("images/chevron.svg") } },
        { QStringLiteral("caret"), { 0xE90A, QStringLiteral("images/chevron.svg") } },
        { QStringLiteral("usb"), { 0xE916, QStringLiteral("images/linked.svg") } },
        { QStringLiteral("chainlink"), { 0xE916, QStringLiteral("images/linked.svg") } },
        { QStringLiteral("portrait"), { 0xE93B, QStringLiteral("images/phone.svg") } },
        { QStringLiteral("audio"), { 0xEA26, QStringLiteral("images/audio.svg") } },
        { QStringLiteral("microphone"), { 0xF130, QStringLiteral("images/microphone.svg") } },
        { QStringLiteral("bluetooth"), { 0xF293, QStringLiteral("images/bluetooth.svg") } },
    };

    const QString fontPath = internalRoot + QStringLiteral("/fonts/Brimforge.ttf");
    const int id = QFontDatabase::addApplicationFont(fontPath);
    QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList { QStringLiteral("Brimforge") });
    const QRawFont font(fileContents(fontPath), 16);
    QVERIFY(font.isValid());

    const QVector<QStringList> rows = manifestRows(QStringLiteral("brimforge-icons.tsv"));
    QStringList entries;
    QHash<uint, QString> pictureOf;
    for (const QStringList &row : rows) {
        const QString &entry = row.at(0);
        bool ok = false;
        const uint codePoint = row.at(1).toUInt(&ok, 16);
        QVERIFY2(ok && codePoint >= 0xE000 && codePoint <= 0xF8FF, qPrintable(row.join(QLatin1Char(' '))));
        entries.append(entry);
        if (fixed.contains(entry)) {
            QCOMPARE(codePoint, fixed.value(entry).first);
            QCOMPARE(row.at(2), fixed.value(entry).second);
        }
        // One code point, one picture: entries that differ in picture differ in glyph.
        QCOMPARE(pictureOf.value(codePoint, row.at(2)), row.at(2));
        pictureOf.insert(codePoint, row.at(2));
        QVERIFY2(drawsCodePoint(font, codePoint), qPrintable(entry));
    }
    QCOMPARE(entries, order);
}

void tst_ResourceTrees::glyphMaps_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("required");

    QTest::newRow("UI icons") << QStringLiteral("feldrin-ui-icons-24") << QStringLiteral("Feldrin UI Icons 24") << 809
                              << QStringList {
                                     QStringLiteral("sign-in"), QStringLiteral("sign-out"),
                                     QStringLiteral("download-to"), QStringLiteral("chevron-down"),
                                     QStringLiteral("spinner"), QStringLiteral("pencil"),
                                     QStringLiteral("check"), QStringLiteral("x"),
                                     QStringLiteral("arrow-right"), QStringLiteral("refresh"),
                                     QStringLiteral("upload"), QStringLiteral("download"),
                                 };
    QTest::newRow("point symbols") << QStringLiteral("feldrin-point-symbols-21")
                                   << QStringLiteral("Feldrin Point Symbols 21") << 603
                                   << QStringList { QStringLiteral("marker"), QStringLiteral("pin"),
                                                    QStringLiteral("flag") };
}

// A name map names every code point from U+E001 on exactly once, in the
// string form, with names of lower-case words; the font draws each one.
void tst_ResourceTrees::glyphMaps()
{
    QFETCH(QString, base);
    QFETCH(QString, family);
    QFETCH(int, count);
    QFETCH(QStringList, required);

    const QString path = feldrinRoot + QStringLiteral("/fonts/") + base;
    const QJsonObject map = jsonObject(path + QStringLiteral(".json"));
    QCOMPARE(map.size(), count);
    for (const QString &name : qAsConst(required))
        QVERIFY2(map.contains(name), qPrintable(name));

    const int id = QFontDatabase::addApplicationFont(path + QStringLiteral(".ttf"));
    QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList { family });
    const QRawFont font(fileContents(path + QStringLiteral(".ttf")), 24);
    QVERIFY(font.isValid());

    const QRegularExpression namePattern(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
    const QRegularExpression valuePattern(QStringLiteral("^\\\\([0-9a-f]{4})$"));
    QSet<uint> codePoints;
    for (auto it = map.begin(); it != map.end(); ++it) {
        QVERIFY2(namePattern.match(it.key()).hasMatch(), qPrintable(it.key()));
        const QRegularExpressionMatch value = valuePattern.match(it.value().toString());
        QVERIFY2(value.hasMatch(), qPrintable(it.key()));
        const uint codePoint = value.captured(1).toUInt(nullptr, 16);
        QVERIFY2(codePoint >= 0xE001 && codePoint < 0xE001 + uint(count), qPrintable(it.key()));
        codePoints.insert(codePoint);
        QVERIFY2(drawsCodePoint(font, codePoint), qPrintable(it.key()));
    }
    QCOMPARE(codePoints.size(), count);
}

// Anchors of point symbols that map glyph names to fractions of the glyph box.
void tst_ResourceTrees::originTable()
{
    const QString path = feldrinRoot + QStringLiteral("/fonts/feldrin-point-symbols-21");
    const QJsonObject names = jsonObject(path + QStringLiteral(".json"));
    const QJsonObject origins = jsonObject(path + QStringLiteral(".info"));
    QCOMPARE(origins.size(), 27);
    for (auto it = origins.begin(); it != origins.end(); ++it) {
        QVERIFY2(names.contains(it.key()), qPrintable(it.key()));
        const QJsonObject record = it.value().toObject();
        for (const QString &key : { QStringLiteral("xorigin"), QStringLiteral("yorigin") }) {
            const QJsonValue fraction = record.value(key);
            QVERIFY2(fraction.isDouble(), qPrintable(it.key() + QLatin1Char(' ') + key));
            QVERIFY(std::isfinite(fraction.toDouble()) && fraction.toDouble() >= 0 && fraction.toDouble() <= 1);
        }
    }
    // Pins stand on their tip: centred, near the bottom.
    QCOMPARE(origins.value(QStringLiteral("marker")).toObject().value(QStringLiteral("xorigin")).toDouble(), 0.5);
    QVERIFY(origins.value(QStringLiteral("marker")).toObject().value(QStringLiteral("yorigin")).toDouble() > 0.8);
}

QTEST_MAIN(tst_ResourceTrees)

#include "tst_resourcetrees.moc"
