#include "imaging/imagecopy.h"
#include "tests/helpers/logassert.h"
#include "tests/helpers/pictures.h"
#include "tests/helpers/testsupport.h"
#include "utility/fileutility.h"

#include <QImageWriter>
#include <QtTest>

#include <memory>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

namespace {

using Block = QPair<QRect, QColor>;

QRegularExpression copyLine(const QString &items)
{
    return logLine("ImageCopy::copyImage", items);
}

// A picture of size in one colour with blocks of other colours on it.
QImage blocks(const QSize &size, const QColor &colour, const QVector<Block> &blocks = {})
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(colour);
    for (const Block &block : blocks) {
        for (int y = block.first.top(); y <= block.first.bottom(); ++y) {
            for (int x = block.first.left(); x <= block.first.right(); ++x)
                picture.setPixelColor(x, y, block.second);
        }
    }
    return picture;
}

// Noise from this test's own seed.
QImage noise(const QSize &size)
{
    return ::noise(size, 12345);
}

// Green, red and blue columns, the red ones from x = 50 to x = 149.
QImage stripes(int width)
{
    return blocks(QSize(width, 100), Qt::green,
                  { { QRect(50, 0, 100, 100), Qt::red }, { QRect(150, 0, width - 150, 100), Qt::blue } });
}

QString firstDifference(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel (%1, %2) is #%3, expected #%4")
                    .arg(x).arg(y).arg(actual.pixel(x, y), 8, 16, QLatin1Char('0'))
                    .arg(expected.pixel(x, y), 8, 16, QLatin1Char('0'));
        }
    }
    return QString();
}

QByteArray encoded(const QImage &picture, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(picture);
    return bytes;
}

// The content of a bad source that is a named pipe instead of a file.
const QByteArray NamedPipe = QByteArrayLiteral("<named pipe>");

QByteArray jpegClaiming(quint16 width, quint16 height)
{
    QByteArray jpeg = encoded(noise(QSize(16, 16)), "jpeg");
    const int frame = jpeg.indexOf(QByteArrayLiteral("\xff\xc0"));
    jpeg.replace(frame + 5, 2, bigEndian(height));
    return jpeg.replace(frame + 7, 2, bigEndian(width));
}

// An APP segment right after the start marker, holding an end marker, as an
// embedded thumbnail does.
QByteArray withThumbnailSegment(const QByteArray &jpeg)
{
    return jpeg.left(2) + QByteArrayLiteral("\xff\xe1\x00\x06\xff\xd9\xff\xd9") + jpeg.mid(2);
}

QByteArray damaged(QByteArray bytes, int from, int to)
{
    for (int i = from; i < to; ++i)
        bytes[i] = char(bytes[i] ^ 0x5a);
    return bytes;
}

// copyImage with the facade's defaults for what a test leaves out; an
// invalid box asks for no resizing.
bool copy(const QString &source,
          const QString &target,
          const QSize &box = QSize(),
          const QColor &fill = Qt::white,
          const QString &format = QString(),
          int quality = -1,
          Qt::AspectRatioMode aspectRatioMode = Qt::KeepAspectRatio,
          Qt::TransformationMode transformationMode = Qt::SmoothTransformation)
{
    return ImageCopy::copyImage(source, target, box.width(), box.height(), fill, format, quality, aspectRatioMode,
                                transformationMode);
}

}

class TestImageCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    // Geometry
    void fitAndCentre_data();
    void fitAndCentre();
    void keptAtOwnSize_data();
    void keptAtOwnSize();

    // File formats
    void fileFormat_data();
    void fileFormat();
    void qualityReachesTheWriter();

    // Sources
    void overLimitClaimAllocatesNothing();
    void badSource_data();
    void badSource();
    void wholeSourceLoads_data();
    void wholeSourceLoads();
    void boxTooLarge_data();
    void boxTooLarge();

    // Targets
    void badTarget_data();
    void badTarget();
    void failedSaveKeepsTheOldFile();
    void relativePaths_data();
    void relativePaths();
    void pathVariables();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // The lines of this project's categories logged in this test.
    int lines() const { return m_log->countFrom("Varnex."); }

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_initialFolder;
    std::unique_ptr<MessageRecorder> m_log;
};

// Every message is counted and handed on to QtTest, whose ignoreMessage then
// checks the text: so a test sees both what was logged and that nothing else
// was.
void TestImageCopy::initTestCase()
{
    m_log.reset(new MessageRecorder(MessageRecorder::PassOn));
    m_initialFolder = QDir::currentPath();
}

void TestImageCopy::cleanupTestCase()
{
    m_log.reset();
}

void TestImageCopy::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_log->clear();
}

void TestImageCopy::cleanup()
{
    QDir::setCurrent(m_initialFolder);
    FileUtility::setPathVariable(QStringLiteral("LWTEST_PICS"), QString());
}

void TestImageCopy::fitAndCentre_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("aspectRatioMode");
    QTest::addColumn<int>("transformationMode");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QImage>("expected");

    const QSize box(100, 100);
    const QImage red200x100 = blocks(QSize(200, 100), Qt::red);
    const QColor white(Qt::white);
    const int keep = Qt::KeepAspectRatio;
    const int smooth = Qt::SmoothTransformation;

    QTest::newRow("200x100 into 100x100, bands above and below")
        << red200x100 << box << keep << smooth << white << blocks(box, white, { { QRect(0, 25, 100, 50), Qt::red } });
    QTest::newRow("200x100 into 100x100 by expanding, middle kept")
        << stripes(200) << box << int(Qt::KeepAspectRatioByExpanding) << smooth << white << blocks(box, Qt::red);
    QTest::newRow("201x100 by expanding, offset truncated toward zero")
        << stripes(201) << box << int(Qt::KeepAspectRatioByExpanding) << smooth << white << blocks(box, Qt::red);
    QTest::newRow("200x100 into 100x100 ignoring aspect, no fill")
        << red200x100 << box << int(Qt::IgnoreAspectRatio) << smooth << white << blocks(box, Qt::red);
    QTest::newRow("202x200 into 100x100, spare row at the bottom")
        << blocks(QSize(202, 200), Qt::red) << box << keep << smooth << white
        << blocks(box, white, { { QRect(0, 0, 100, 99), Qt::red } });
    QTest::newRow("101x100 into 100x100, height matches")
        << blocks(QSize(101, 100), Qt::red) << box << keep << smooth << white
        << blocks(box, white, { { QRect(0, 0, 100, 99), Qt::red } });
    QTest::newRow("200x100 into 200x50, width matches")
        << red200x100 << QSize(200, 50) << keep << smooth << white
        << blocks(QSize(200, 50), white, { { QRect(50, 0, 100, 50), Qt::red } });
    QTest::newRow("100x200 into 101x100, spare column at the right")
        << blocks(QSize(100, 200), Qt::red) << QSize(101, 100) << keep << smooth << white
        << blocks(QSize(101, 100), white, { { QRect(25, 0, 50, 100), Qt::red } });
    QTest::newRow("50x25 enlarged into 100x100")
        << blocks(QSize(50, 25), Qt::red) << box << keep << smooth << white
        << blocks(box, white, { { QRect(0, 25, 100, 50), Qt::red } });
    QTest::newRow("300x200 into 100x100, fast")
        << blocks(QSize(300, 200), Qt::red) << box << keep << int(Qt::FastTransformation) << white
        << blocks(box, white, { { QRect(0, 17, 100, 66), Qt::red } });
    QTest::newRow("fill colour in the bands")
        << blocks(QSize(200, 100), Qt::blue) << box << keep << smooth << QColor(Qt::red)
        << blocks(box, Qt::red, { { QRect(0, 25, 100, 50), Qt::blue } });
    QTest::newRow("transparent parts show the fill")
        << blocks(QSize(200, 100), Qt::transparent, { { QRect(0, 0, 100, 100), Qt::blue } }) << box << keep
        << int(Qt::FastTransformation) << QColor(Qt::red)
        << blocks(box, Qt::red, { { QRect(0, 25, 50, 50), Qt::blue } });
}

void TestImageCopy::fitAndCentre()
{
    QFETCH(QImage, source);
    QFETCH(QSize, box);
    QFETCH(int, aspectRatioMode);
    QFETCH(int, transformationMode);
    QFETCH(QColor, fill);
    QFETCH(QImage, expected);

    const QString sourcePath = writePicture(path(QStringLiteral("source.png")), source);
    const QString targetPath = path(QStringLiteral("copy.png"));
    QVERIFY(copy(sourcePath, targetPath, box, fill, QString(), -1, Qt::AspectRatioMode(aspectRatioMode),
                 Qt::TransformationMode(transformationMode)));

    const QImage written(targetPath);
    QVERIFY2(firstDifference(written, expected).isEmpty(), qPrintable(firstDifference(written, expected)));
    QCOMPARE(lines(), 0);
}

void TestImageCopy::keptAtOwnSize_data()
{
    QTest::addColumn<QSize>("box");

    QTest::newRow("no size") << QSize(0, 0);
    QTest::newRow("width zero") << QSize(0, 50);
    QTest::newRow("height zero") << QSize(100, 0);
    QTest::newRow("negative width") << QSize(-5, 50);
    QTest::newRow("its own size") << QSize(200, 100);
}

void TestImageCopy::keptAtOwnSize()
{
    QFETCH(QSize, box);

    const QImage source = noise(QSize(200, 100));
    const QString sourcePath = writePicture(path(QStringLiteral("source.png")), source);
    const QString targetPath = path(QStringLiteral("copy.png"));
    QVERIFY(copy(sourcePath, targetPath, box, Qt::red));

    const QImage written(targetPath);
    QVERIFY2(firstDifference(written, source).isEmpty(), qPrintable(firstDifference(written, source)));
}

void TestImageCopy::fileFormat_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("magic");

    const QByteArray png = QByteArrayLiteral("\x89PNG\r\n");
    const QByteArray jpeg = QByteArrayLiteral("\xff\xd8\xff");
    QTest::newRow(".png suffix") << str("copy.png") << QString() << png;
    QTest::newRow("no suffix") << str("copy") << QString() << png;
    QTest::newRow(".gif suffix gets PNG") << str("copy.gif") << QString() << png;
    QTest::newRow(".jpeg suffix") << str("copy.jpeg") << QString() << jpeg;
    QTest::newRow(".JPG suffix") << str("copy.JPG") << QString() << jpeg;
    QTest::newRow("BMP into a .png name") << str("copy.png") << str("BMP") << QByteArrayLiteral("BM");
    QTest::newRow("lower-case jpeg into a .png name") << str("copy.png") << str("jpeg") << jpeg;
}

void TestImageCopy::fileFormat()
{
    QFETCH(QString, target);
    QFETCH(QString, format);
    QFETCH(QByteArray, magic);

    const QString sourcePath = writePicture(path(QStringLiteral("source.png")), noise(QSize(20, 10)));
    QVERIFY(copy(sourcePath, path(target), QSize(), Qt::white, format));

    const QByteArray written = fileContents(path(target));
    QCOMPARE(written.left(magic.size()), magic);
    QCOMPARE(QImage::fromData(written).size(), QSize(20, 10));
    QCOMPARE(lines(), 0);
}

void TestImageCopy::qualityReachesTheWriter()
{
    const QString sourcePath = writePicture(path(QStringLiteral("source.png")), noise(QSize(100, 100)));
    QVERIFY(copy(sourcePath, path(QStringLiteral("low.jpg")), QSize(), Qt::white, QString(), 5));
    QVERIFY(copy(sourcePath, path(QStringLiteral("high.jpg")), QSize(), Qt::white, QString(), 95));

    QVERIFY(QFileInfo(path(QStringLiteral("low.jpg"))).size() * 2
            < QFileInfo(path(QStringLiteral("high.jpg"))).size());
}

void TestImageCopy::badSource_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // a null array: no such file; NamedPipe: a named pipe

    const QByteArray png = encoded(noise(QSize(64, 64)), "png");
    const QByteArray jpeg = encoded(noise(QSize(64, 64)), "jpeg");
    const QString pngName = str("source.png");
    const QString jpegName = str("source.jpg");

    QTest::newRow("missing file") << pngName << QByteArray();
    QTest::newRow("empty file") << pngName << QByteArrayLiteral("");
    QTest::newRow("text file named .png") << pngName << QByteArrayLiteral("not a picture\n");
    QTest::newRow("png cut in half") << pngName << png.left(png.size() / 2);
    QTest::newRow("png without its end chunk") << pngName << png.left(png.size() - 12);
    QTest::newRow("png cut inside its end chunk") << pngName << png.left(png.size() - 2);
    QTest::newRow("png with damaged image data") << pngName << damaged(png, png.size() / 2, png.size() / 2 + 8);
    QTest::newRow("jpeg cut in half") << jpegName << jpeg.left(jpeg.size() / 2);
    QTest::newRow("jpeg without its end marker") << jpegName << jpeg.left(jpeg.size() - 2);
    QTest::newRow("jpeg cut behind a segment holding an end marker")
        << jpegName << withThumbnailSegment(jpeg).left(jpeg.size() / 2);
    QTest::newRow("jpeg with damaged header") << jpegName << damaged(jpeg, 2, 40);
    QTest::newRow("png claiming 100000x100000") << pngName << pngClaiming(100000, 100000);
    QTest::newRow("png claiming one row over the pixel limit") << pngName << pngClaiming(16384, 16385);
    QTest::newRow("named pipe") << pngName << NamedPipe;
}

void TestImageCopy::badSource()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    if (content == NamedPipe)
        QVERIFY(makeNamedPipe(path(name)));
    else if (!content.isNull())
        QVERIFY(writeFile(path(name), content));
    const QString targetPath = path(QStringLiteral("copy.png"));

    QTest::ignoreMessage(QtCriticalMsg, copyLine(QStringLiteral("Error loading image ") + quoted(path(name))));
    QVERIFY(!copy(path(name), targetPath, QSize(100, 100)));
    QVERIFY(!QFileInfo::exists(targetPath));
    QCOMPARE(lines(), 1);
}

// The decoder would take the claimed 1.6 GB and fill it with grey: the peak
// memory of the process shows whether the refusal came first. It runs before
// any test that could raise the peak itself.
void TestImageCopy::overLimitClaimAllocatesNothing()
{
#ifdef Q_OS_LINUX
    QVERIFY(writeFile(path(QStringLiteral("source.jpg")), jpegClaiming(20000, 20000)));
    rusage before;
    getrusage(RUSAGE_SELF, &before);

    QTest::ignoreMessage(QtCriticalMsg, copyLine(QStringLiteral("Error loading image ")
                                                 + quoted(path(QStringLiteral("source.jpg")))));
    QVERIFY(!copy(path(QStringLiteral("source.jpg")), path(QStringLiteral("copy.png"))));

    rusage after;
    getrusage(RUSAGE_SELF, &after);
    QVERIFY2(after.ru_maxrss - before.ru_maxrss < 64 * 1024, // KiB
             qPrintable(QStringLiteral("peak grew by %1 KiB").arg(after.ru_maxrss - before.ru_maxrss)));
#else
    QSKIP("Peak memory is read the Linux way");
#endif
}

// The completeness checks must not refuse what is whole.
void TestImageCopy::wholeSourceLoads_data()
{
    QTest::addColumn<QByteArray>("content");

    const QImage picture = noise(QSize(64, 48));
    const QByteArray jpeg = encoded(picture, "jpeg");
    QTest::newRow("png") << encoded(picture, "png");
    QTest::newRow("png with bytes after its end") << encoded(picture, "png") + QByteArrayLiteral("trailing");
    QTest::newRow("baseline jpeg") << jpeg;
    QTest::newRow("progressive jpeg") << encoded(picture, "jpeg", true);
    QTest::newRow("jpeg with a segment holding an end marker") << withThumbnailSegment(jpeg);
    QTest::newRow("jpeg with bytes after its end") << jpeg + QByteArrayLiteral("\0\0trailing");
    QTest::newRow("bmp") << encoded(picture, "bmp");
}

void TestImageCopy::wholeSourceLoads()
{
    QFETCH(QByteArray, content);

    QVERIFY(writeFile(path(QStringLiteral("source")), content));
    QVERIFY(copy(path(QStringLiteral("source")), path(QStringLiteral("copy.png"))));
    QCOMPARE(QImage(path(QStringLiteral("copy.png"))).size(), QSize(64, 48));
}

void TestImageCopy::boxTooLarge_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("aspectRatioMode");

    QTest::newRow("scaled picture over the limit") << QSize(200, 100) << QSize(100000, 100000)
                                                   << int(Qt::KeepAspectRatio);
    QTest::newRow("expanded picture beyond int") << QSize(1, 100) << QSize(40000, 40000)
                                                 << int(Qt::KeepAspectRatioByExpanding);
    QTest::newRow("canvas over the limit") << QSize(100, 1) << QSize(40000, 40000) << int(Qt::KeepAspectRatio);
}

void TestImageCopy::boxTooLarge()
{
    QFETCH(QSize, source);
    QFETCH(QSize, box);
    QFETCH(int, aspectRatioMode);

    const QString sourcePath = writePicture(path(QStringLiteral("source.png")), blocks(source, Qt::red));
    const QString targetPath = path(QStringLiteral("copy.png"));
    QTest::ignoreMessage(QtCriticalMsg, copyLine(QStringLiteral("Error transforming image %1 %2 %3")
                                                     .arg(quoted(sourcePath)).arg(box.width()).arg(box.height())));
    QVERIFY(!copy(sourcePath, targetPath, box, Qt::white, QString(), -1, Qt::AspectRatioMode(aspectRatioMode)));
    QVERIFY(!QFileInfo::exists(targetPath));
    QCOMPARE(lines(), 1);
}

void TestImageCopy::badTarget_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("format");

    QTest::newRow("existing folder") << str("folder") << QString();
    QTest::newRow("folder that is a file") << str("file.txt/copy.png") << QString();
    QTest::newRow("missing folder") << str("missing/copy.png") << QString();
    QTest::newRow("format no writer knows") << str("copy.png") << str("NOPE");
}

void TestImageCopy::badTarget()
{
    QFETCH(QString, target);
    QFETCH(QString, format);

    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    QVERIFY(writeFile(path(QStringLiteral("file.txt")), QByteArrayLiteral("text")));
    const QString sourcePath = writePicture(path(QStringLiteral("source.png")), noise(QSize(20, 10)));
    const QStringList before = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    const QString formatUsed = format.isEmpty() ? str("PNG") : format;
    QTest::ignoreMessage(QtCriticalMsg, copyLine(QStringLiteral("Error saving image ") + quoted(path(target))
                                                 + QLatin1Char(' ') + quoted(formatUsed)));
    QVERIFY(!copy(sourcePath, path(target), QSize(), Qt::white, format));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QVERIFY(QFileInfo(path(QStringLiteral("folder"))).isDir());
    QCOMPARE(lines(), 1);
}

void TestImageCopy::failedSaveKeepsTheOldFile()
{
    const QString sourcePath = writePicture(path(QStringLiteral("source.png")), noise(QSize(20, 10)));
    const QString targetPath = path(QStringLiteral("copy.png"));
    QVERIFY(writeFile(targetPath, QByteArrayLiteral("the previous copy")));

    QTest::ignoreMessage(QtCriticalMsg, copyLine(QStringLiteral("Error saving image ") + quoted(targetPath)
                                                 + QStringLiteral(" \"NOPE\"")));
    QVERIFY(!copy(sourcePath, targetPath, QSize(), Qt::white, QStringLiteral("NOPE")));
    QCOMPARE(fileContents(targetPath), QByteArrayLiteral("the previous copy"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({ str("copy.png"), str("source.png") }));
}

void TestImageCopy::relativePaths_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");

    QTest::newRow("file in the working folder") << str("source.png") << str("copy.png");
    QTest::newRow("file in a subfolder") << str("source.png") << str("sub/copy.jpg");
    QTest::newRow("source in a subfolder") << str("sub/source.png") << str("copy.png");
}

void TestImageCopy::relativePaths()
{
    QFETCH(QString, source);
    QFETCH(QString, target);

    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("sub")));
    QVERIFY(!writePicture(path(source), noise(QSize(20, 10))).isEmpty());
    QVERIFY(QDir::setCurrent(m_dir->path()));

    QVERIFY(copy(source, target, QSize(10, 10)));
    QCOMPARE(QImage(path(target)).size(), QSize(10, 10));
}

// The source path is expanded; the target path is taken literally.
void TestImageCopy::pathVariables()
{
    FileUtility::setPathVariable(QStringLiteral("LWTEST_PICS"), m_dir->path());
    writePicture(path(QStringLiteral("source.png")), noise(QSize(20, 10)));
    const QString source = str("$LWTEST_PICS/source.png");
    QVERIFY(QDir::setCurrent(m_dir->path()));

    QVERIFY(copy(source, path(QStringLiteral("copy.png"))));
    QVERIFY(QFileInfo::exists(path(QStringLiteral("copy.png"))));

    QTest::ignoreMessage(QtCriticalMsg, copyLine(str("Error loading image \"$LWTEST_PICS/missing.png\"")));
    QVERIFY(!copy(str("$LWTEST_PICS/missing.png"), path(QStringLiteral("copy.png"))));

    QTest::ignoreMessage(QtCriticalMsg, copyLine(str("Error saving image \"$LWTEST_PICS/copy.png\" \"PNG\"")));
    QVERIFY(!copy(source, str("$LWTEST_PICS/copy.png")));
    QCOMPARE(lines(), 2);

    // A folder of that literal name in the working folder takes the file.
    QVERIFY(QDir(m_dir->path()).mkdir(str("$LWTEST_PICS")));
    QVERIFY(copy(source, str("$LWTEST_PICS/copy.png")));
    QVERIFY(QFileInfo::exists(path(str("$LWTEST_PICS/copy.png"))));
}

QTEST_MAIN(TestImageCopy)
#include "tst_imagecopy.moc"
