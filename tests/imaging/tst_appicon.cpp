#include "imaging/appicon.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"
#include "utility/fileutility.h"

#include <QImageReader>
#include <QtTest>

#include <memory>

namespace {

QRegularExpression appIconLine(const QString &items)
{
    return logLine("AppIcon::createAppIcon", items);
}

QVariantMap backgroundColor(const char *name)
{
    return { { QStringLiteral("backgroundColor"), str(name) } };
}

// Noise from this test's own seed.
QImage noise(const QSize &size)
{
    return ::noise(size, 987654321);
}

// A transparent picture with an opaque blue square in its middle.
QImage translucent(const QSize &size)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const int side = qMin(size.width(), size.height()) / 2;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            picture.setPixel((size.width() - side) / 2 + x, (size.height() - side) / 2 + y, 0xff0000ffu);
    }
    return picture;
}

// Where square differs from source drawn at offset on fill (straight alpha).
QString firstDifference(const QImage &premultiplied, const QImage &source, const QPoint &offset, QRgb fill)
{
    const QImage square = premultiplied.convertToFormat(QImage::Format_ARGB32);
    const int side = qMax(source.width(), source.height());
    if (square.size() != QSize(side, side))
        return QStringLiteral("size %1x%2").arg(square.width()).arg(square.height());
    const QRect inside(offset, source.size());
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb expected = inside.contains(x, y) ? source.pixel(x - offset.x(), y - offset.y()) : fill;
            if (square.pixel(x, y) != expected)
                return QStringLiteral("pixel (%1, %2) is #%3, expected #%4")
                    .arg(x).arg(y).arg(square.pixel(x, y), 8, 16, QLatin1Char('0'))
                    .arg(expected, 8, 16, QLatin1Char('0'));
        }
    }
    return QString();
}

}

class TestAppIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    // Squaring
    void squaring_data();
    void squaring();
    void unknownColourFallsBackToBlack_data();
    void unknownColourFallsBackToBlack();
    void squareSourceKeepsItsTransparency_data();
    void squareSourceKeepsItsTransparency();
    void transparentPartsShowTheFill();

    // Dispatch
    void unknownPlatform_data();
    void unknownPlatform();
    void windowsIcon();
    void windowsGeneratorFailure();
    void traceShowsExpandedTargetAndOptions();

    // Sources
    void badSource_data();
    void badSource();
    void sourceTooTallToSquare();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // The lines of this project's categories logged in this test.
    int lines() const { return m_log->countFrom("Varnex."); }

    QScopedPointer<QTemporaryDir> m_dir;
    std::unique_ptr<MessageRecorder> m_log;
};

// Every message is counted and handed on to QtTest, whose ignoreMessage then
// checks the text: so a test sees both what was logged and that nothing else
// was.
void TestAppIcon::initTestCase()
{
    m_log.reset(new MessageRecorder(MessageRecorder::PassOn));
}

void TestAppIcon::cleanupTestCase()
{
    m_log.reset();
}

void TestAppIcon::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_log->clear();
}

void TestAppIcon::cleanup()
{
    QLoggingCategory::setFilterRules(QString());
    FileUtility::setPathVariable(QStringLiteral("LWTEST_ICONS"), QString());
}

void TestAppIcon::squaring_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QRgb>("fill");

    const QRgb black = 0xff000000u;
    const QRgb white = 0xffffffffu;
    const QRgb red = 0xffff0000u;
    const QSize wide(300, 200);
    const QSize tall(200, 301);

    QTest::newRow("300x200, no options: black bands") << wide << QVariantMap() << QPoint(0, 50) << black;
    QTest::newRow("300x200, #ffffff") << wide << backgroundColor("#ffffff") << QPoint(0, 50) << white;
    QTest::newRow("300x200, red") << wide << backgroundColor("red") << QPoint(0, 50) << red;
    QTest::newRow("200x301, no options: 50 columns left, 51 right") << tall << QVariantMap() << QPoint(50, 0) << black;
    QTest::newRow("200x301, #ffffff") << tall << backgroundColor("#ffffff") << QPoint(50, 0) << white;
    QTest::newRow("200x301, red") << tall << backgroundColor("red") << QPoint(50, 0) << red;
    QTest::newRow("301x200, spare row at the bottom") << QSize(301, 200) << QVariantMap() << QPoint(0, 50) << black;
    QTest::newRow("#RGB") << wide << backgroundColor("#f00") << QPoint(0, 50) << red;
    QTest::newRow("colour name in capitals") << wide << backgroundColor("RED") << QPoint(0, 50) << red;
    QTest::newRow("other keys ignored")
        << wide << QVariantMap({ { str("iconImage"), str("white") } }) << QPoint(0, 50) << black;
    // A colour with transparency is what the bands hold, alpha included.
    QTest::newRow("#AARRGGBB keeps its alpha") << wide << backgroundColor("#80ff0000") << QPoint(0, 50)
                                               << QRgb(0x80ff0000u);
    QTest::newRow("transparent") << wide << backgroundColor("transparent") << QPoint(0, 50) << QRgb(0);
}

void TestAppIcon::squaring()
{
    QFETCH(QSize, size);
    QFETCH(QVariantMap, options);
    QFETCH(QPoint, offset);
    QFETCH(QRgb, fill);

    const QImage source = noise(size);
    const QImage square = AppIcon::squared(source, options);
    QVERIFY2(firstDifference(square, source, offset, fill).isEmpty(),
             qPrintable(firstDifference(square, source, offset, fill)));
    QCOMPARE(lines(), 0);
}

void TestAppIcon::unknownColourFallsBackToBlack_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("logged");

    QTest::newRow("misspelt name") << QVariant(str("blu")) << str("blu");
    QTest::newRow("empty") << QVariant(QString()) << QString();
    QTest::newRow("five hex digits") << QVariant(str("#12345")) << str("#12345");
    QTest::newRow("not hex") << QVariant(str("#gggggg")) << str("#gggggg");
    QTest::newRow("no text form") << QVariant(QVariantList({ 1, 2 })) << QString();
}

void TestAppIcon::unknownColourFallsBackToBlack()
{
    QFETCH(QVariant, value);
    QFETCH(QString, logged);

    const QImage source = noise(QSize(300, 200));
    QTest::ignoreMessage(QtWarningMsg, logLine("ImageOptions::colour", QStringLiteral("Invalid colour \"backgroundColor\" ")
                                                                           + quoted(logged) + str(" using \"black\"")));
    const QImage square = AppIcon::squared(source, { { QStringLiteral("backgroundColor"), value } });
    QVERIFY2(firstDifference(square, source, QPoint(0, 50), 0xff000000u).isEmpty(),
             qPrintable(firstDifference(square, source, QPoint(0, 50), 0xff000000u)));
    QCOMPARE(lines(), 1);
}

void TestAppIcon::squareSourceKeepsItsTransparency_data()
{
    QTest::addColumn<QVariantMap>("options");

    QTest::newRow("no options") << QVariantMap();
    QTest::newRow("white") << backgroundColor("#ffffff");
    QTest::newRow("red") << backgroundColor("red");
    QTest::newRow("no colour at all") << backgroundColor("blu");
}

void TestAppIcon::squareSourceKeepsItsTransparency()
{
    QFETCH(QVariantMap, options);

    const QImage source = translucent(QSize(64, 64));
    const QImage square = AppIcon::squared(source, options);
    QCOMPARE(square, source);
    QCOMPARE(qAlpha(square.pixel(0, 0)), 0);
    QCOMPARE(lines(), 0);
}

void TestAppIcon::transparentPartsShowTheFill()
{
    const QImage source = translucent(QSize(300, 200));
    const QImage square = AppIcon::squared(source, backgroundColor("red"));

    QCOMPARE(square.size(), QSize(300, 300));
    QCOMPARE(square.pixel(0, 0), 0xffff0000u);   // band
    QCOMPARE(square.pixel(0, 150), 0xffff0000u); // transparent part of the picture
    QCOMPARE(square.pixel(150, 150), 0xff0000ffu);
}

void TestAppIcon::unknownPlatform_data()
{
    QTest::addColumn<QString>("os");

    QTest::newRow("win32") << str("win32");
    QTest::newRow("linux") << str("linux");
    QTest::newRow("ios followed by a blank") << str("ios ");
    QTest::newRow("empty") << QString();
}

void TestAppIcon::unknownPlatform()
{
    QFETCH(QString, os);

    const QString source = writePicture(path(QStringLiteral("source.png")), noise(QSize(30, 20)));
    QTest::ignoreMessage(QtCriticalMsg, appIconLine(QStringLiteral("Unknown format ") + quoted(os)));
    QVERIFY(!AppIcon::createAppIcon(os, source, path(QStringLiteral("icon.ico")), QVariantMap()));
    QCOMPARE(lines(), 1);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("icon.ico"))));
}

// The squared picture and the expanded target reach the Windows generator.
void TestAppIcon::windowsIcon()
{
    QImage source(300, 200, QImage::Format_RGB32);
    source.fill(Qt::red);
    const QString sourcePath = writePicture(path(QStringLiteral("source.png")), source);
    FileUtility::setPathVariable(QStringLiteral("LWTEST_ICONS"), m_dir->path());

    QVERIFY(AppIcon::createAppIcon(QStringLiteral("Windows"), sourcePath, str("$LWTEST_ICONS/app.ico"),
                                   backgroundColor("#ffffff")));
    QCOMPARE(lines(), 0);

    QImageReader reader(path(QStringLiteral("app.ico")), "ico");
    QVERIFY(reader.imageCount() > 0);
    QImage largest;
    do {
        const QImage entry = reader.read();
        if (entry.width() > largest.width())
            largest = entry;
    } while (reader.jumpToNextImage());
    QCOMPARE(largest.width(), largest.height());
    QCOMPARE(largest.pixel(largest.width() / 2, 0), 0xffffffffu);
    QCOMPARE(largest.pixel(largest.width() / 2, largest.height() / 2), 0xffff0000u);
}

void TestAppIcon::windowsGeneratorFailure()
{
    const QString source = writePicture(path(QStringLiteral("source.png")), noise(QSize(30, 20)));
    QFile file(path(QStringLiteral("file.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    // The generator says why in its own words; this operation adds one line.
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("WindowsIcon::createWindowsIcon\\(")));
    QTest::ignoreMessage(QtWarningMsg, appIconLine(QStringLiteral("Error converting to format \"windows\"")));
    QVERIFY(!AppIcon::createAppIcon(QStringLiteral("windows"), source, path(QStringLiteral("file.txt/app.ico")),
                                    QVariantMap()));
    QCOMPARE(lines(), 2);
}

void TestAppIcon::traceShowsExpandedTargetAndOptions()
{
    writePicture(path(QStringLiteral("source.png")), noise(QSize(30, 20)));
    FileUtility::setPathVariable(QStringLiteral("LWTEST_ICONS"), m_dir->path());
    QLoggingCategory::setFilterRules(QStringLiteral("Varnex.Loomwright.Core.debug=true"));

    const QVariantMap options = { { str("size"), 5 }, { str("backgroundColor"), str("red") } };
    QTest::ignoreMessage(QtDebugMsg,
                         appIconLine(QStringLiteral("\"linux\" \"$LWTEST_ICONS/source.png\" ")
                                     + quoted(path(QStringLiteral("out")))
                                     + QStringLiteral(" QMap((\"backgroundColor\", QVariant(QString, \"red\"))"
                                                      "(\"size\", QVariant(int, 5)))")));
    QTest::ignoreMessage(QtCriticalMsg, appIconLine(QStringLiteral("Unknown format \"linux\"")));
    QVERIFY(!AppIcon::createAppIcon(QStringLiteral("linux"), str("$LWTEST_ICONS/source.png"),
                                    str("$LWTEST_ICONS/out"), options));
    QCOMPARE(lines(), 2);
}

// A source that cannot be loaded fails before the platform is looked at.
void TestAppIcon::badSource_data()
{
    QTest::addColumn<QByteArray>("content"); // a null array: no such file

    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("empty file") << QByteArrayLiteral("");
    QTest::newRow("text file named .png") << QByteArrayLiteral("not a picture\n");
    QTest::newRow("jpeg cut short") << QByteArrayLiteral("\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01");
}

void TestAppIcon::badSource()
{
    QFETCH(QByteArray, content);

    const QString source = path(QStringLiteral("source.png"));
    if (!content.isNull()) {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTest::ignoreMessage(QtCriticalMsg, appIconLine(QStringLiteral("Error loading image ") + quoted(source)));
    QVERIFY(!AppIcon::createAppIcon(QStringLiteral("linux"), source, path(QStringLiteral("icon.ico")), QVariantMap()));
    QCOMPARE(lines(), 1);
}

// A picture within the pixel limit whose square would exceed it.
void TestAppIcon::sourceTooTallToSquare()
{
    QImage tall(1, 300000, QImage::Format_RGB32);
    tall.fill(Qt::red);
    const QString source = writePicture(path(QStringLiteral("tall.png")), tall);

    QTest::ignoreMessage(QtCriticalMsg,
                         appIconLine(QStringLiteral("Error transforming image ") + quoted(source) + str(" 300000")));
    QVERIFY(!AppIcon::createAppIcon(QStringLiteral("windows"), source, path(QStringLiteral("icon.ico")),
                                    QVariantMap()));
    QCOMPARE(lines(), 1);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("icon.ico"))));
}

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
