#include "imaging/appicon.h"
#include "imaging/iosicon.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"
#include "utility/fileutility.h"

#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPainter>
#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

struct Row
{
    const char *idiom;
    const char *size;
    const char *scale;
    const char *file;
    int pixels;
};

// The icon set table, written out by hand.
const Row Table[] = {
    { "iphone", "20x20", "2x", "AppIcon-40.png", 40 },
    { "iphone", "20x20", "3x", "AppIcon-60.png", 60 },
    { "iphone", "29x29", "1x", "AppIcon-29.png", 29 },
    { "iphone", "29x29", "2x", "AppIcon-58.png", 58 },
    { "iphone", "29x29", "3x", "AppIcon-87.png", 87 },
    { "iphone", "40x40", "2x", "AppIcon-80.png", 80 },
    { "iphone", "40x40", "3x", "AppIcon-120.png", 120 },
    { "iphone", "60x60", "2x", "AppIcon-120.png", 120 },
    { "iphone", "60x60", "3x", "AppIcon-180.png", 180 },
    { "ipad", "20x20", "1x", "AppIcon-20.png", 20 },
    { "ipad", "20x20", "2x", "AppIcon-40.png", 40 },
    { "ipad", "29x29", "1x", "AppIcon-29.png", 29 },
    { "ipad", "29x29", "2x", "AppIcon-58.png", 58 },
    { "ipad", "40x40", "1x", "AppIcon-40.png", 40 },
    { "ipad", "40x40", "2x", "AppIcon-80.png", 80 },
    { "ipad", "76x76", "1x", "AppIcon-76.png", 76 },
    { "ipad", "76x76", "2x", "AppIcon-152.png", 152 },
    { "ipad", "83.5x83.5", "2x", "AppIcon-167.png", 167 },
    { "ios-marketing", "1024x1024", "1x", "AppIcon-1024.png", 1024 },
};

const int RowCount = int(sizeof(Table) / sizeof(Table[0]));

// The 13 files, each with its side.
QMap<QString, int> expectedFiles()
{
    QMap<QString, int> files;
    for (const Row &row : Table)
        files.insert(str(row.file), row.pixels);
    return files;
}

// The descriptor that the table gives, as a document.
QJsonDocument expectedDescriptor()
{
    QJsonArray images;
    for (const Row &row : Table) {
        images.append(QJsonObject{ { str("filename"), str(row.file) },
                                   { str("idiom"), str(row.idiom) },
                                   { str("scale"), str(row.scale) },
                                   { str("size"), str(row.size) } });
    }
    return QJsonDocument(QJsonObject{ { str("images"), images },
                                      { str("info"), QJsonObject{ { str("author"), str("xcode") }, { str("version"), 1 } } } });
}

QVariantMap backgroundColor(const char *name)
{
    return { { str("backgroundColor"), str(name) } };
}

// Every pixel differs and the alpha runs through all values, faint pixels
// with their colour included.
QImage translucentNoise(int side)
{
    QImage image = noise(QSize(side, side), 4242).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb pixel = image.pixel(x, y);
            image.setPixel(x, y, qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), (x + 3 * y) & 0xff));
        }
    }
    return image;
}

// Opaque red disc on a transparent square: the corners are transparent.
QImage roundIcon(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 0, 0));
    painter.drawEllipse(QRectF(side * 0.1, side * 0.1, side * 0.8, side * 0.8));
    painter.end();
    return image;
}

// What a file of side pixels must hold: the picture fitted by the scaler,
// on fill when given.
QImage expectedImage(const QImage &picture, int side, const QColor &fill = QColor())
{
    const QImage scaled = smoothScaled(picture, QSize(side, side), Qt::KeepAspectRatio);
    if (!fill.isValid())
        return scaled.convertToFormat(QImage::Format_ARGB32);
    QImage canvas = PictureCanvas::filled(QSize(side, side), fill);
    PictureCanvas::draw(&canvas, scaled, QPoint((side - scaled.width()) / 2, (side - scaled.height()) / 2));
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

}

class TestIOSIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    // The whole set
    void thirteenFilesNineteenEntries();
    void descriptorText();
    void pixels_data();
    void pixels();
    void transparencyAndBackground_data();
    void transparencyAndBackground();
    void emptyBackgroundColourGivesBlack();
    void smallSourceIsEnlarged();
    void readBackByImageMagick();
    void sharedFilesMatchSingleCalls_data();
    void sharedFilesMatchSingleCalls();

    // Where the set goes
    void replacesExistingSet();
    void relativePathFromWorkingFolder();
    void throughCreateAppIcon();
    void unwritableSetFolder();
    void descriptorThatCannotBeWritten();
    void failedDescriptorKeepsPrevious();

    // One row
    void createiOSImage_data();
    void createiOSImage();
    void createiOSImageFailures_data();
    void createiOSImageFailures();

private:
    QString setFolder() const { return m_out->filePath(str("AppIcon.appiconset")); }
    QString inSet(const QString &name) const { return setFolder() + QLatin1Char('/') + name; }

    std::unique_ptr<QTemporaryDir> m_out;
    QTemporaryDir m_pictures;
};

void TestIOSIcon::initTestCase()
{
    QVERIFY(m_pictures.isValid());
}

void TestIOSIcon::init()
{
    m_out.reset(new QTemporaryDir);
    QVERIFY(m_out->isValid());
}

void TestIOSIcon::thirteenFilesNineteenEntries()
{
    MessageRecorder recorder;
    QVERIFY(IOSIcon::createiOSIcon(noise(QSize(1024, 1024), 7), m_out->path(), QVariantMap()));
    QCOMPARE(recorder.messages(), QStringList());

    const QMap<QString, int> files = expectedFiles();
    QCOMPARE(files.size(), 13);
    QCOMPARE(sorted(QDir(setFolder()).entryList(QDir::Files)), sorted(files.keys() << str("Contents.json")));
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QImageReader reader(inSet(it.key()));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(it.value(), it.value()));
    }
    QCOMPARE(QFileInfo(inSet(str("AppIcon-167.png"))).exists(), true);
    QCOMPARE(QImage(inSet(str("AppIcon-167.png"))).size(), QSize(167, 167));

    QJsonParseError error;
    const QJsonDocument descriptor = QJsonDocument::fromJson(fileContents(inSet(str("Contents.json"))), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(descriptor, expectedDescriptor());

    const QJsonArray images = descriptor.object().value(str("images")).toArray();
    QCOMPARE(images.size(), 19);
    QCOMPARE(images.first().toObject(), (QJsonObject{ { str("filename"), str("AppIcon-40.png") },
                                                      { str("idiom"), str("iphone") },
                                                      { str("scale"), str("2x") },
                                                      { str("size"), str("20x20") } }));
    QCOMPARE(images.at(17).toObject(), (QJsonObject{ { str("filename"), str("AppIcon-167.png") },
                                                     { str("idiom"), str("ipad") },
                                                     { str("scale"), str("2x") },
                                                     { str("size"), str("83.5x83.5") } }));
    QCOMPARE(images.last().toObject(), (QJsonObject{ { str("filename"), str("AppIcon-1024.png") },
                                                     { str("idiom"), str("ios-marketing") },
                                                     { str("scale"), str("1x") },
                                                     { str("size"), str("1024x1024") } }));
    const QJsonObject info = descriptor.object().value(str("info")).toObject();
    QVERIFY(info.value(str("version")).isDouble());
    QCOMPARE(info.value(str("version")).toDouble(), 1.0);
    QVERIFY(info.value(str("author")).isString());
}

void TestIOSIcon::descriptorText()
{
    QVERIFY(IOSIcon::createiOSIcon(noise(QSize(64, 64), 8), m_out->path(), QVariantMap()));
    const QString text = fileText(inSet(str("Contents.json")));

    // Four spaces per level, members in ascending key order, a blank after each colon.
    QVERIFY2(text.startsWith(str("{\n"
                                 "    \"images\": [\n"
                                 "        {\n"
                                 "            \"filename\": \"AppIcon-40.png\",\n"
                                 "            \"idiom\": \"iphone\",\n"
                                 "            \"scale\": \"2x\",\n"
                                 "            \"size\": \"20x20\"\n"
                                 "        },\n"
                                 "        {\n")),
             qPrintable(text.left(300)));
    QVERIFY2(text.endsWith(str("            \"filename\": \"AppIcon-1024.png\",\n"
                               "            \"idiom\": \"ios-marketing\",\n"
                               "            \"scale\": \"1x\",\n"
                               "            \"size\": \"1024x1024\"\n"
                               "        }\n"
                               "    ],\n"
                               "    \"info\": {\n"
                               "        \"author\": \"xcode\",\n"
                               "        \"version\": 1\n"
                               "    }\n"
                               "}\n")),
             qPrintable(text.right(400)));
    QVERIFY(text.contains(str("            \"size\": \"83.5x83.5\"\n")));
    QVERIFY(!text.contains(QLatin1Char('\t')));
    QCOMPARE(text.count(str("\"filename\"")), 19);
}

void TestIOSIcon::pixels_data()
{
    QTest::addColumn<QImage>("source");

    QTest::newRow("1024, straight alpha") << translucentNoise(1024);
    QTest::newRow("1024, opaque") << noise(QSize(1024, 1024), 11);
    QTest::newRow("300, premultiplied") << translucentNoise(300).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QTest::newRow("167, one side needs no scaling") << translucentNoise(167);
}

void TestIOSIcon::pixels()
{
    QFETCH(QImage, source);

    QVERIFY(IOSIcon::createiOSIcon(source, m_out->path(), QVariantMap()));
    const QMap<QString, int> files = expectedFiles();
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QImage written = readPicture(inSet(it.key()));
        QVERIFY2(written == expectedImage(source, it.value()), qPrintable(it.key()));
    }
    // A side that needs no scaling is the picture itself, faint pixels and all.
    if (source.width() == 1024 || source.width() == 167) {
        const QImage same = readPicture(inSet(str("AppIcon-%1.png").arg(source.width())));
        QCOMPARE(same, source.convertToFormat(QImage::Format_ARGB32));
    }
}

void TestIOSIcon::transparencyAndBackground_data()
{
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<QColor>("corner");

    QTest::newRow("no background: transparent corners") << QVariantMap() << QColor(Qt::transparent);
    QTest::newRow("white") << backgroundColor("#ffffff") << QColor(Qt::white);
    QTest::newRow("named colour, any case") << backgroundColor("Blue") << QColor(Qt::blue);
    QTest::newRow("with alpha") << backgroundColor("#8000ff00") << QColor(0, 255, 0, 128);
    QTest::newRow("other keys are ignored")
        << QVariantMap{ { str("iconImage"), str("/nowhere.png") }, { str("overlayImage"), str("red") } }
        << QColor(Qt::transparent);
}

void TestIOSIcon::transparencyAndBackground()
{
    QFETCH(QVariantMap, options);
    QFETCH(QColor, corner);

    const QImage source = roundIcon(1024);
    QVERIFY(IOSIcon::createiOSIcon(source, m_out->path(), options));
    const QColor fill = options.contains(str("backgroundColor")) ? corner : QColor();
    const QMap<QString, int> files = expectedFiles();
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QImage written = readPicture(inSet(it.key()));
        QCOMPARE(written.size(), QSize(it.value(), it.value()));
        QCOMPARE(written.pixelColor(0, 0).rgba(), corner.rgba());
        QCOMPARE(written.pixelColor(it.value() - 1, it.value() - 1).rgba(), corner.rgba());
        QCOMPARE(written.pixelColor(it.value() / 2, it.value() / 2), QColor(200, 0, 0));
        QVERIFY2(written == expectedImage(source, it.value(), fill), qPrintable(it.key()));
    }
}

void TestIOSIcon::emptyBackgroundColourGivesBlack()
{
    // The key alone makes the canvas; an empty name, like any name that
    // names no colour, gives black with one warning for the whole set.
    for (const char *name : { "", "no-such-colour" }) {
        init();
        MessageRecorder recorder;
        QVERIFY(IOSIcon::createiOSIcon(roundIcon(256), m_out->path(), backgroundColor(name)));
        QCOMPARE(recorder.lines(), QStringList{ str("warning ImageOptions::colour: Invalid colour \"backgroundColor\" ")
                                                + quoted(str(name)) + str(" using \"black\"") });
        const QImage written = readPicture(inSet(str("AppIcon-58.png")));
        QCOMPARE(written.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(written.pixelColor(29, 29), QColor(200, 0, 0));
    }
}

void TestIOSIcon::smallSourceIsEnlarged()
{
    MessageRecorder recorder;
    const QImage source = translucentNoise(64);
    QVERIFY(IOSIcon::createiOSIcon(source, m_out->path(), QVariantMap()));
    QCOMPARE(recorder.messages(), QStringList());
    QCOMPARE(QImage(inSet(str("AppIcon-1024.png"))).size(), QSize(1024, 1024));
    QVERIFY(readPicture(inSet(str("AppIcon-1024.png"))) == expectedImage(source, 1024));
    QCOMPARE(QImage(inSet(str("AppIcon-20.png"))).size(), QSize(20, 20));
}

void TestIOSIcon::readBackByImageMagick()
{
    const QString identify = QStandardPaths::findExecutable(str("identify"));
    if (identify.isEmpty())
        QSKIP("ImageMagick's identify is not installed");

    for (const bool withBackground : { false, true }) {
        init();
        QVERIFY(IOSIcon::createiOSIcon(roundIcon(512), m_out->path(),
                                       withBackground ? backgroundColor("#ffffff") : QVariantMap()));
        const QMap<QString, int> files = expectedFiles();
        QStringList paths;
        QStringList expected;
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            paths.append(inSet(it.key()));
            // %A: whether the picture has an alpha channel that is in use.
            expected.append(str("PNG %1x%1 ").arg(it.value()) + str(withBackground ? "False" : "True"));
        }
        QProcess process;
        process.start(identify, QStringList{ str("-format"), str("%m %wx%h %A\n") } + paths);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QStringList lines =
            QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // ImageMagick names an opaque picture's unused alpha "Undefined" or "False" by version.
        QStringList normalised = lines;
        normalised.replaceInStrings(str(" Undefined"), str(" False"));
        QCOMPARE(normalised, expected);
    }
}

void TestIOSIcon::sharedFilesMatchSingleCalls_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<QVariantMap>("options");

    QTest::newRow("straight alpha") << translucentNoise(500) << QVariantMap();
    QTest::newRow("on a background") << translucentNoise(500) << backgroundColor("#336699");
}

void TestIOSIcon::sharedFilesMatchSingleCalls()
{
    QFETCH(QImage, source);
    QFETCH(QVariantMap, options);

    // The set keeps what it made for a side; each row called on its own
    // makes everything afresh. The files must be the same, byte for byte.
    QVERIFY(IOSIcon::createiOSIcon(source, m_out->path(), options));

    QTemporaryDir single;
    QVERIFY(single.isValid());
    QVariantList entries;
    for (const Row &row : Table) {
        const float size = QString::fromLatin1(row.size).section(QLatin1Char('x'), 0, 0).toFloat();
        const int scale = QString::fromLatin1(row.scale).chopped(1).toInt();
        QVERIFY(IOSIcon::createiOSImage(source, QDir(single.path()), &entries, size, str(row.idiom), scale, options));
        QCOMPARE(fileContents(single.filePath(str(row.file))), fileContents(inSet(str(row.file))));
    }
    QCOMPARE(QJsonDocument::fromVariant(QVariantMap{ { str("images"), entries } }).object().value(str("images")),
             expectedDescriptor().object().value(str("images")));
}

void TestIOSIcon::replacesExistingSet()
{
    QVERIFY(QDir().mkpath(setFolder()));
    QVERIFY(writeFile(inSet(str("Contents.json")), QByteArray(20000, ' ') + "{}"));
    QVERIFY(writeFile(inSet(str("AppIcon-40.png")), "not a picture"));
    QVERIFY(writeFile(inSet(str("Other.png")), "someone else's"));

    QVERIFY(IOSIcon::createiOSIcon(noise(QSize(100, 100), 5), m_out->path(), QVariantMap()));
    QCOMPARE(QJsonDocument::fromJson(fileContents(inSet(str("Contents.json")))), expectedDescriptor());
    QCOMPARE(QImage(inSet(str("AppIcon-40.png"))).size(), QSize(40, 40));
    QCOMPARE(fileContents(inSet(str("Other.png"))), QByteArray("someone else's"));
    QCOMPARE(QDir(setFolder()).entryList(QDir::Files).size(), 15);
}

void TestIOSIcon::relativePathFromWorkingFolder()
{
    const QString working = m_out->filePath(str("working"));
    QVERIFY(QDir().mkpath(working));
    const QString previousWorking = QDir::currentPath();
    QVERIFY(QDir::setCurrent(working));
    const bool written = IOSIcon::createiOSIcon(noise(QSize(64, 64), 9), str("Assets.xcassets"), QVariantMap());
    QVERIFY(QDir::setCurrent(previousWorking));

    QVERIFY(written);
    const QDir set(working + str("/Assets.xcassets/AppIcon.appiconset"));
    QCOMPARE(set.entryList(QDir::Files).size(), 14);
    QCOMPARE(QJsonDocument::fromJson(fileContents(set.filePath(str("Contents.json")))), expectedDescriptor());
    QCOMPARE(QDir(working).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{ str("Assets.xcassets") });
}

void TestIOSIcon::throughCreateAppIcon()
{
    const QString source = writePicture(m_pictures.filePath(str("source.png")), noise(QSize(300, 200), 12));
    QVERIFY(!source.isEmpty());
    FileUtility::setPathVariable(str("LWTEST_IOS_OUT"), m_out->path());

    MessageRecorder recorder;
    QVERIFY(AppIcon::createAppIcon(str("IOS"), source, str("$LWTEST_IOS_OUT/Assets.xcassets"), QVariantMap()));
    QCOMPARE(recorder.messages(), QStringList());

    const QDir set(m_out->filePath(str("Assets.xcassets/AppIcon.appiconset")));
    QCOMPARE(set.entryList(QDir::Files).size(), 14);
    QCOMPARE(QJsonDocument::fromJson(fileContents(set.filePath(str("Contents.json")))), expectedDescriptor());
    // Squared on black before it reached the set: 50 black rows above in 300.
    const QImage big = readPicture(set.filePath(str("AppIcon-1024.png")));
    QCOMPARE(big.size(), QSize(1024, 1024));
    QCOMPARE(big.pixelColor(512, 10), QColor(Qt::black));
}

void TestIOSIcon::unwritableSetFolder()
{
    // A file where the target folder should be: the set folder cannot be made,
    // whoever runs the test.
    const QString target = m_out->filePath(str("file"));
    QVERIFY(writeFile(target, "plain text"));
    const QString set = target + str("/AppIcon.appiconset");

    MessageRecorder recorder;
    QVERIFY(!IOSIcon::createiOSIcon(noise(QSize(64, 64), 1), target, QVariantMap()));

    QStringList expected{ str("critical IOSIcon::createiOSIcon: Error creating ") + quoted(set) };
    for (const Row &row : Table)
        expected.append(str("critical IOSIcon::createiOSImage: Error saving image ") + quoted(set + QLatin1Char('/') + str(row.file)));
    QCOMPARE(recorder.lines(), expected);
    QCOMPARE(fileContents(target), QByteArray("plain text"));

    // Through the dispatcher, its warning follows.
    const QString source = writePicture(m_pictures.filePath(str("square.png")), noise(QSize(64, 64), 1));
    recorder.clear();
    QVERIFY(!AppIcon::createAppIcon(str("ios"), source, target, QVariantMap()));
    QCOMPARE(recorder.lines().size(), 21);
    QCOMPARE(recorder.lines().last(), str("warning AppIcon::createAppIcon: Error converting to format \"ios\""));
}

void TestIOSIcon::descriptorThatCannotBeWritten()
{
    // A folder in the descriptor's place: every picture is written, the
    // descriptor is not, and the folder is left as it was.
    QVERIFY(QDir().mkpath(inSet(str("Contents.json/inside"))));
    MessageRecorder recorder;
    QVERIFY(!IOSIcon::createiOSIcon(noise(QSize(64, 64), 2), m_out->path(), QVariantMap()));
    QCOMPARE(recorder.messages(), QStringList());
    QCOMPARE(QDir(setFolder()).entryList(QDir::Files).size(), 13);
    QVERIFY(QFileInfo(inSet(str("Contents.json/inside"))).isDir());
}

void TestIOSIcon::failedDescriptorKeepsPrevious()
{
#ifdef Q_OS_UNIX
    // Writes past a file size limit fail with EFBIG, as on a full disk; the
    // signal that would end the process is ignored meanwhile. The descriptor
    // grows past the limit; so does the largest picture, whose file is the
    // picture writer's business and not looked at here.
    const qint64 sizeLimit = 2048;
    QImage plain(64, 64, QImage::Format_RGB32);
    plain.fill(QColor(10, 20, 30));
    QVERIFY(IOSIcon::createiOSIcon(plain, m_out->path(), QVariantMap()));
    const QByteArray previousDescriptor = fileContents(inSet(str("Contents.json")));
    QVERIFY(previousDescriptor.size() > sizeLimit);
    QVERIFY(QFileInfo(inSet(str("AppIcon-180.png"))).size() < sizeLimit);

    rlimit limit = {};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit previousLimit = limit;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = rlim_t(sizeLimit);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
    plain.fill(QColor(200, 100, 0));
    bool written = true;
    {
        MessageRecorder recorder;
        written = IOSIcon::createiOSIcon(plain, m_out->path(), QVariantMap());
    }
    setrlimit(RLIMIT_FSIZE, &previousLimit);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QCOMPARE(fileContents(inSet(str("Contents.json"))), previousDescriptor);
    QCOMPARE(readPicture(inSet(str("AppIcon-180.png"))).pixelColor(0, 0), QColor(200, 100, 0));
    // No temporary file is left behind.
    QCOMPARE(QDir(setFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 14);
#else
    QSKIP("Needs a file size limit");
#endif
}

void TestIOSIcon::createiOSImage_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<float>("size");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QString>("sizeText");

    QTest::newRow("83.5 at 2x") << translucentNoise(256) << 83.5f << 2 << str("AppIcon-167.png") << QSize(167, 167)
                                << str("83.5x83.5");
    QTest::newRow("20 at 3x") << translucentNoise(256) << 20.0f << 3 << str("AppIcon-60.png") << QSize(60, 60)
                              << str("20x20");
    QTest::newRow("fraction is truncated") << translucentNoise(256) << 0.75f << 3 << str("AppIcon-2.25.png")
                                           << QSize(2, 2) << str("0.75x0.75");
    QTest::newRow("wide picture fits the width") << translucentNoise(100).copy(0, 0, 100, 50) << 40.0f << 1
                                                 << str("AppIcon-40.png") << QSize(40, 20) << str("40x40");
}

void TestIOSIcon::createiOSImage()
{
    QFETCH(QImage, source);
    QFETCH(float, size);
    QFETCH(int, scale);
    QFETCH(QString, file);
    QFETCH(QSize, pixels);
    QFETCH(QString, sizeText);

    QVariantList entries{ str("kept") };
    MessageRecorder recorder;
    QVERIFY(IOSIcon::createiOSImage(source, QDir(m_out->path()), &entries, size, str("ipad"), scale, QVariantMap()));
    QCOMPARE(recorder.messages(), QStringList());
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.first(), QVariant(str("kept")));
    QCOMPARE(entries.last().toMap(), (QVariantMap{ { str("filename"), file },
                                                   { str("idiom"), str("ipad") },
                                                   { str("scale"), str("%1x").arg(scale) },
                                                   { str("size"), sizeText } }));
    const QImage written = readPicture(m_out->filePath(file));
    QCOMPARE(written.size(), pixels);
    QVERIFY(written == smoothScaled(source, QSize(pixels.width(), pixels.width()), Qt::KeepAspectRatio)
                           .convertToFormat(QImage::Format_ARGB32));

    // On a background, the canvas is square and the picture centred on it.
    const QString background = m_out->filePath(str("background"));
    QVERIFY(QDir().mkpath(background));
    QVERIFY(IOSIcon::createiOSImage(source, QDir(background), &entries, size, str("ipad"), scale,
                                    backgroundColor("#00ff00")));
    QCOMPARE(entries.size(), 3);
    const QImage flattened = readPicture(QDir(background).filePath(file));
    QCOMPARE(flattened.size(), QSize(pixels.width(), pixels.width()));
    QVERIFY(flattened == expectedImage(source, pixels.width(), QColor(0, 255, 0)));
}

void TestIOSIcon::createiOSImageFailures_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<float>("size");
    QTest::addColumn<QVariantMap>("options");
    QTest::addColumn<QString>("folder"); // relative to the output folder
    QTest::addColumn<QString>("expectedLine");

    const QString missing = str("missing");
    QTest::newRow("null picture") << QImage() << 20.0f << QVariantMap() << QString()
                                  << str("critical IOSIcon::createiOSImage: Error scaling image QImage(null)");
    QTest::newRow("null picture on a background")
        << QImage() << 20.0f << backgroundColor("white") << QString()
        << str("critical IOSIcon::createiOSImage: Error scaling draw image QImage(null) 40 40");
    QTest::newRow("no pixels") << translucentNoise(8) << 0.25f << QVariantMap() << QString()
                               << str("critical IOSIcon::createiOSImage: Error scaling image ") + debugForm(translucentNoise(8));
    QTest::newRow("missing folder") << translucentNoise(8) << 20.0f << QVariantMap() << missing
                                    << str("critical IOSIcon::createiOSImage: Error saving image \"%1/missing/AppIcon-40.png\"");
}

void TestIOSIcon::createiOSImageFailures()
{
    QFETCH(QImage, source);
    QFETCH(float, size);
    QFETCH(QVariantMap, options);
    QFETCH(QString, folder);
    QFETCH(QString, expectedLine);

    const QDir setFolder(folder.isEmpty() ? m_out->path() : m_out->filePath(folder));
    QVariantList entries;
    MessageRecorder recorder;
    QVERIFY(!IOSIcon::createiOSImage(source, setFolder, &entries, size, str("iphone"), 2, options));
    QCOMPARE(recorder.lines(), QStringList{ expectedLine.contains(str("%1")) ? expectedLine.arg(m_out->path()) : expectedLine });
    QVERIFY(entries.isEmpty());
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

    // Without a list nothing is done.
    recorder.clear();
    QVERIFY(!IOSIcon::createiOSImage(translucentNoise(8), QDir(m_out->path()), nullptr, 20.0f, str("iphone"), 2, options));
    QCOMPARE(recorder.messages(), QStringList());
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_MAIN(TestIOSIcon)
#include "tst_iosicon.moc"
