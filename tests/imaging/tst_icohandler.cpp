#include "imaging/icohandler.h"
#include "imaging/picturecanvas.h"
#include "tests/helpers/containers.h"

#include <QtTest>
#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QProcess>
#include <QtEndian>

namespace {

using Images = QList<QImage>;

quint32 u32(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// Alpha runs through 0, 1, partial and 255, and every pixel has its own
// colour, even the transparent ones: row order, channel order and mask bits
// all show.
QImage pattern(int width, int height, QImage::Format format = QImage::Format_ARGB32)
{
    static const int alphas[] = { 0, 1, 64, 128, 200, 254, 255 };
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(x * 37 % 256, y * 59 % 256, (x ^ y) & 0xff, alphas[(x * 5 + y * 3) % 7]));
    }
    return image.convertToFormat(format);
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// What an entry must hold: the picture shrunk to fit 128 × 128 when larger,
// as straight-alpha pixels.
QImage stored(const QImage &image)
{
    const QImage fitted = image.width() > 128 || image.height() > 128
        ? PictureCanvas::scaled(image, QSize(128, 128), Qt::KeepAspectRatio, Qt::SmoothTransformation)
        : image;
    return PictureCanvas::straight(fitted).convertToFormat(QImage::Format_ARGB32);
}

// The icon written to memory; empty when the writer reported failure.
QByteArray written(const Images &images)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    IcoHandler handler(&buffer);
    return handler.writeImages(images) ? buffer.data() : QByteArray();
}

// Checks every field and every pixel of the icon that starts at start in file.
void verifyIcon(const QByteArray &file, qint64 start, const Images &images)
{
    const int count = images.size();
    const containers::Ico ico = containers::readIco(file, start);
    QVERIFY2(ico.valid(), ico.fault.constData());
    QCOMPARE(ico.reserved, quint16(0));
    QCOMPARE(ico.type, quint16(1));
    QCOMPARE(ico.count, quint16(count));

    quint32 offset = quint32(start + 6 + 16 * count);
    for (int i = 0; i < count; ++i) {
        const QImage expected = stored(images.at(i));
        const int width = expected.width();
        const int height = expected.height();
        const int colourRow = width * 4;
        const int maskRow = (width + 31) / 32 * 4;
        const quint32 size = quint32(40 + height * (colourRow + maskRow));

        const containers::IcoEntry &entry = ico.entries.at(i);
        QCOMPARE(entry.width, width);
        QCOMPARE(entry.height, height);
        QCOMPARE(entry.colourCount, quint16(0));
        QCOMPARE(entry.planes, quint16(1));
        QCOMPARE(entry.bitsPerPixel, quint16(32));
        QCOMPARE(entry.size, size);
        QCOMPARE(entry.offset, offset);

        QVERIFY(file.size() >= qint64(offset) + size);
        // Planes (1) and bits per pixel (32) share the fourth 32-bit field.
        const QList<quint32> header = { 40, quint32(width), quint32(2 * height), 1 | (32 << 16), 0, size - 40, 0, 0, 0, 0 };
        for (int field = 0; field < header.size(); ++field)
            QCOMPARE(u32(file, offset + 4 * field), header.at(field));

        const qint64 colours = offset + 40;
        const qint64 masks = colours + height * colourRow;
        for (int row = 0; row < height; ++row) {
            const int y = height - 1 - row;
            for (int x = 0; x < width; ++x) {
                const QRgb pixel = expected.pixel(x, y);
                const qint64 at = colours + row * colourRow + 4 * x;
                // Blue, green, red, alpha read as a little-endian number is the ARGB value.
                QCOMPARE(u32(file, at), quint32(pixel));
                const bool masked = uchar(file.at(masks + row * maskRow + x / 8)) & (0x80 >> (x % 8));
                QCOMPARE(masked, qAlpha(pixel) == 0);
            }
        }
        offset += size;
    }
    QCOMPARE(qint64(file.size()), qint64(offset));
}

// Takes no more than limit bytes in all, like a full disk.
class LimitedBuffer : public QBuffer
{
public:
    explicit LimitedBuffer(qint64 limit) : m_limit(limit) {}

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 room = m_limit - pos();
        return room > 0 ? QBuffer::writeData(data, qMin(length, room)) : -1;
    }

private:
    qint64 m_limit;
};

}

class TestIcoHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    // Directory, entries and resources, byte by byte
    void layout_data();
    void layout();
    void windowsIconSizes();
    void startPosition();
    void pixelFormats_data();
    void pixelFormats();

    // Nothing or a part written
    void refused_data();
    void refused();
    void shortWrite_data();
    void shortWrite();

    // Read back by other readers
    void qtReader_data() { readersData(); }
    void qtReader();
    void imageMagick_data() { readersData(); }
    void imageMagick();
    void pillow_data() { readersData(); }
    void pillow();

private:
    void readersData();
    QString writtenFile(const Images &images);

    QTemporaryDir m_dir;
    int m_files = 0;
};

void TestIcoHandler::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestIcoHandler::layout_data()
{
    QTest::addColumn<Images>("images");
    QTest::addColumn<QList<QSize>>("sizes");

    QTest::newRow("16, 32, 64, 96") << Images{ pattern(16, 16), pattern(32, 32), pattern(64, 64), pattern(96, 96) }
                                    << QList<QSize>{ { 16, 16 }, { 32, 32 }, { 64, 64 }, { 96, 96 } };
    QTest::newRow("list order, not size order") << Images{ pattern(96, 96), pattern(16, 16) }
                                                << QList<QSize>{ { 96, 96 }, { 16, 16 } };
    QTest::newRow("256 x 256 stored as 128 x 128") << Images{ pattern(256, 256) } << QList<QSize>{ { 128, 128 } };
    QTest::newRow("300 x 150 stored as 128 x 64") << Images{ pattern(300, 150) } << QList<QSize>{ { 128, 64 } };
    QTest::newRow("129 x 128 shrinks") << Images{ pattern(129, 128) } << QList<QSize>{ { 128, 127 } };
    QTest::newRow("128 x 128 and 1 x 1 keep their size") << Images{ pattern(128, 128), pattern(1, 1) }
                                                         << QList<QSize>{ { 128, 128 }, { 1, 1 } };
    QTest::newRow("1000 x 1 keeps one row") << Images{ pattern(1000, 1) } << QList<QSize>{ { 128, 1 } };
    QTest::newRow("odd widths: mask rows of 4, 8 and 12 bytes")
        << Images{ pattern(7, 33), pattern(33, 7), pattern(65, 3) } << QList<QSize>{ { 7, 33 }, { 33, 7 }, { 65, 3 } };
}

void TestIcoHandler::layout()
{
    QFETCH(Images, images);
    QFETCH(QList<QSize>, sizes);

    const QByteArray file = written(images);
    const containers::Ico ico = containers::readIco(file);
    QCOMPARE(ico.count, quint16(sizes.size()));
    for (int i = 0; i < sizes.size(); ++i)
        QCOMPARE(QSize(ico.entries.value(i).width, ico.entries.value(i).height), sizes.at(i));
    verifyIcon(file, 0, images);
}

void TestIcoHandler::windowsIconSizes()
{
    const QByteArray file = written({ pattern(16, 16), pattern(32, 32), pattern(64, 64), pattern(96, 96) });
    QCOMPARE(file.size(), 60454);
    const QList<QPair<quint32, quint32>> sizesAndOffsets = { { 1128, 70 }, { 4264, 1198 }, { 16936, 5462 }, { 38056, 22398 } };
    const containers::Ico ico = containers::readIco(file);
    for (int i = 0; i < sizesAndOffsets.size(); ++i)
        QCOMPARE(qMakePair(ico.entries.value(i).size, ico.entries.value(i).offset), sizesAndOffsets.at(i));
}

void TestIcoHandler::startPosition()
{
    const QByteArray before(100, 'x');
    QBuffer buffer;
    buffer.setData(before);
    QVERIFY(buffer.open(QIODevice::WriteOnly | QIODevice::Append));
    QCOMPARE(buffer.pos(), qint64(100));

    const Images images = { pattern(16, 16), pattern(32, 32) };
    IcoHandler handler(&buffer);
    QVERIFY(handler.writeImages(images));
    QCOMPARE(buffer.data().left(100), before);
    QCOMPARE(containers::readIco(buffer.data(), 100).entries.value(0).offset, quint32(100 + 6 + 2 * 16));
    verifyIcon(buffer.data(), 100, images);
}

void TestIcoHandler::pixelFormats_data()
{
    QTest::addColumn<QImage>("image");

    QTest::newRow("straight alpha") << pattern(33, 7);
    QTest::newRow("premultiplied") << pattern(16, 16, QImage::Format_ARGB32_Premultiplied);
    QTest::newRow("RGBA bytes") << pattern(16, 9, QImage::Format_RGBA8888);
    QTest::newRow("indexed") << pattern(7, 5, QImage::Format_Indexed8);
    QTest::newRow("opaque RGB: mask all zero") << pattern(20, 5, QImage::Format_RGB888);
    QTest::newRow("transparent keeps its colour, mask all one") << filled(16, 16, qRgba(0xab, 0xcd, 0xef, 0));
    QTest::newRow("alpha 1 is not masked") << filled(3, 2, qRgba(200, 100, 50, 1));
}

void TestIcoHandler::pixelFormats()
{
    QFETCH(QImage, image);
    verifyIcon(written({ image }), 0, { image });
}

void TestIcoHandler::refused_data()
{
    QTest::addColumn<Images>("images");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("device");

    const Images good = { pattern(16, 16) };
    QTest::newRow("empty list") << Images() << int(QIODevice::ReadWrite) << true;
    QTest::newRow("null picture") << Images{ QImage() } << int(QIODevice::ReadWrite) << true;
    QTest::newRow("null picture after a good one")
        << Images{ pattern(16, 16), QImage() } << int(QIODevice::ReadWrite) << true;
    QTest::newRow("closed device") << good << int(QIODevice::NotOpen) << true;
    QTest::newRow("read-only device") << good << int(QIODevice::ReadOnly) << true;
    QTest::newRow("no device") << good << int(QIODevice::NotOpen) << false;
}

void TestIcoHandler::refused()
{
    QFETCH(Images, images);
    QFETCH(int, mode);
    QFETCH(bool, device);

    const QByteArray before("previous");
    QBuffer buffer;
    buffer.setData(before);
    if (mode != QIODevice::NotOpen)
        QVERIFY(buffer.open(QIODevice::OpenMode(mode)));
    IcoHandler handler(device ? &buffer : nullptr);
    QVERIFY(!handler.writeImages(images));
    QCOMPARE(buffer.data(), before);
    QCOMPARE(buffer.pos(), qint64(0));
}

void TestIcoHandler::shortWrite_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("result");

    // Entries end at 38; the 16-pixel resource takes 38 to 1166, the 32-pixel one 1166 to 5430.
    QTest::newRow("within the directory") << qint64(3) << false;
    QTest::newRow("within the second entry") << qint64(27) << false;
    QTest::newRow("within the first header") << qint64(58) << false;
    QTest::newRow("within the first colour rows") << qint64(178) << false;
    QTest::newRow("within the last mask rows") << qint64(5420) << false;
    QTest::newRow("room for all") << qint64(5430) << true;
}

void TestIcoHandler::shortWrite()
{
    QFETCH(qint64, limit);
    QFETCH(bool, result);

    const Images images = { pattern(16, 16), pattern(32, 32) };
    const QByteArray whole = written(images);
    QCOMPARE(whole.size(), 5430);

    LimitedBuffer device(limit);
    QVERIFY(device.open(QIODevice::WriteOnly));
    IcoHandler handler(&device);
    QCOMPARE(handler.writeImages(images), result);
    QCOMPARE(device.data(), whole.left(int(limit)));
}

void TestIcoHandler::readersData()
{
    QTest::addColumn<Images>("images");

    QTest::newRow("16, 32, 64, 96") << Images{ pattern(16, 16), pattern(32, 32), pattern(64, 64), pattern(96, 96) };
    QTest::newRow("shrunk, odd and opaque") << Images{ pattern(300, 150), pattern(33, 7), pattern(1, 1),
                                                       pattern(256, 256, QImage::Format_RGB32) };
}

QString TestIcoHandler::writtenFile(const Images &images)
{
    const QString path = m_dir.filePath(QStringLiteral("icon%1.ico").arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    IcoHandler handler(&file);
    return handler.writeImages(images) ? path : QString();
}

void TestIcoHandler::qtReader()
{
    QFETCH(Images, images);
    const QString path = writtenFile(images);
    QVERIFY(!path.isEmpty());

    QImageReader reader(path, QByteArrayLiteral("ico"));
    QCOMPARE(reader.imageCount(), images.size());
    for (int i = 0; i < images.size(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage read = reader.read();
        const QImage expected = stored(images.at(i));
        QCOMPARE(read.size(), expected.size());
        // This reader premultiplies, so transparent pixels compare as zero.
        QCOMPARE(read.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

void TestIcoHandler::imageMagick()
{
    const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
    if (identify.isEmpty())
        QSKIP("ImageMagick's identify is not installed");

    QFETCH(Images, images);
    const QString path = writtenFile(images);
    QVERIFY(!path.isEmpty());

    // Size, then alpha, red, green and blue of three pixels of each entry.
    static const char *const probes[] = { "0,0", "w-1,h-1", "int(w/2),int(h/2)" };
    QString format = QStringLiteral("%w %h");
    for (const char *probe : probes) {
        for (const char channel : { 'a', 'r', 'g', 'b' })
            format += QStringLiteral(" %[fx:round(255*p{%1}.%2)]").arg(QLatin1String(probe)).arg(QLatin1Char(channel));
    }
    QProcess process;
    process.start(identify, { QStringLiteral("-format"), format + QLatin1Char('\n'), path });
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), images.size());

    for (int i = 0; i < images.size(); ++i) {
        const QImage expected = stored(images.at(i));
        const QStringList values = lines.at(i).split(QLatin1Char(' '));
        QCOMPARE(values.size(), 2 + 3 * 4);
        QCOMPARE(QSize(values.at(0).toInt(), values.at(1).toInt()), expected.size());
        const QPoint points[] = { { 0, 0 },
                                  { expected.width() - 1, expected.height() - 1 },
                                  { expected.width() / 2, expected.height() / 2 } };
        for (int p = 0; p < 3; ++p) {
            const QRgb pixel = expected.pixel(points[p]);
            const auto channel = [&](int c) { return values.at(2 + 4 * p + c).toInt(); };
            QCOMPARE(channel(0), qAlpha(pixel));
            // The colour of a fully transparent pixel is this reader's own business.
            if (qAlpha(pixel) != 0) {
                QCOMPARE(channel(1), qRed(pixel));
                QCOMPARE(channel(2), qGreen(pixel));
                QCOMPARE(channel(3), qBlue(pixel));
            }
        }
    }
}

void TestIcoHandler::pillow()
{
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!QFileInfo::exists(python))
        QSKIP("/usr/bin/python3 is not installed");

    QFETCH(Images, images);
    const QString path = writtenFile(images);
    QVERIFY(!path.isEmpty());

    // Each entry as width, height and the MD5 of its RGBA bytes; this reader
    // sorts the entries by area, so order is left to the other readers.
    const QString script = QStringLiteral(
        "import hashlib, sys\n"
        "try:\n"
        "    from PIL import Image\n"
        "except ImportError:\n"
        "    sys.exit(77)\n"
        "icon = Image.open(sys.argv[1])\n"
        "for i in range(len(icon.ico.entry)):\n"
        "    frame = icon.ico.frame(i).convert('RGBA')\n"
        "    print(frame.size[0], frame.size[1], hashlib.md5(frame.tobytes()).hexdigest())\n");
    QProcess process;
    process.start(python, { QStringLiteral("-c"), script, path });
    QVERIFY(process.waitForFinished(30000));
    if (process.exitCode() == 77)
        QSKIP("Pillow is not installed for /usr/bin/python3");
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    QStringList read = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    QStringList expected;
    for (const QImage &image : qAsConst(images)) {
        const QImage rgba = stored(image).convertToFormat(QImage::Format_RGBA8888);
        const QByteArray bytes(reinterpret_cast<const char *>(rgba.constBits()), int(rgba.sizeInBytes()));
        expected.append(QStringLiteral("%1 %2 %3").arg(rgba.width()).arg(rgba.height())
                            .arg(QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex())));
    }
    read.sort();
    expected.sort();
    QCOMPARE(read, expected);
}

QTEST_MAIN(TestIcoHandler)
#include "tst_icohandler.moc"
