#include "imaging/picturewriter.h"
#include "imaging/pngencoder_p.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <zlib.h>

#include <cmath>
#include <cstring>

namespace {

QByteArray qtEncoding(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(picture);
    return bytes;
}

QImage decoded(const QByteArray &bytes)
{
    return QImage::fromData(bytes, "png").convertToFormat(QImage::Format_ARGB32);
}

// The chunk types in order, repeated IDATs counted once, or a note on what
// is broken: a length past the end or a checksum that does not match.
QStringList chunkTypes(const QByteArray &bytes)
{
    QStringList types;
    if (!bytes.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)))
        return { QStringLiteral("bad signature") };
    auto uint32At = [&bytes](int at) { return qFromBigEndian<quint32>(bytes.constData() + at); };
    for (int at = 8; at < bytes.size();) {
        if (bytes.size() - at < 12 || uint32At(at) > quint32(bytes.size() - at - 12))
            return types << QStringLiteral("truncated");
        const int length = int(uint32At(at));
        const QString type = QString::fromLatin1(bytes.mid(at + 4, 4));
        const QByteArray covered = bytes.mid(at + 4, length + 4);
        const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(covered.constData()), uInt(covered.size()));
        if (quint32(crc) != uint32At(at + 8 + length))
            return types << type + QStringLiteral(" bad checksum");
        if (types.isEmpty() || type != QLatin1String("IDAT") || types.constLast() != type)
            types << type;
        at += 12 + length;
    }
    return types;
}

QImage gradient(const QSize &size, QImage::Format format)
{
    QImage picture(size, format);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 255 / qMax(1, size.width() - 1), y * 255 / qMax(1, size.height() - 1), (x + y) & 0xff, 255));
    }
    return picture;
}

QImage withAlpha(QImage::Format format)
{
    QImage picture(64, 48, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            // Fully transparent pixels with colour in them, half-transparent
            // and opaque ones: the first two are where a premultiplied or
            // dropped alpha would show.
            const int alpha = x < 16 ? 0 : x < 32 ? 128 : x < 48 ? 1 : 255;
            picture.setPixel(x, y, qRgba(x * 4, y * 5, 200, alpha));
        }
    }
    return picture.convertToFormat(format);
}

QImage repeatedRows()
{
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(QColor(0x20, 0x40, 0x60));
    // Runs of equal rows broken by differing ones, at the start, inside and
    // at the end, so the encoder switches its compression back and forth.
    for (int y : { 0, 57, 58, 120, 199 }) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, x ^ y));
    }
    return picture;
}

QImage mostlyFlat()
{
    QImage picture(2480, 1200, QImage::Format_RGB32);
    picture.fill(QColor(0x20, 0x40, 0x60));
    const QImage middle = gradient(QSize(400, 400), QImage::Format_RGB32);
    for (int y = 0; y < middle.height(); ++y)
        std::memcpy(picture.scanLine(400 + y) + 1040 * 4, middle.constScanLine(y), size_t(middle.bytesPerLine()));
    return picture;
}

QImage noise(QImage::Format format, const QSize &size = QSize(257, 131))
{
    QImage picture(size, QImage::Format_ARGB32);
    QRandomGenerator random(20240611);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, random.generate());
    }
    return picture.convertToFormat(format);
}

QImage indexed()
{
    QImage picture(40, 30, QImage::Format_Indexed8);
    picture.setColorTable({ qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(10, 20, 30), qRgb(255, 255, 255) });
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, uint((x / 7 + y / 5) % 4));
    }
    return picture;
}

// What the generators write most: a disc fading out at its edge over colour
// gradients, with fully transparent corners.
QImage fadingDisc(int side)
{
    QImage picture(side, side, QImage::Format_ARGB32);
    const double centre = (side - 1) / 2.0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double distance = std::hypot(x - centre, y - centre) / (side / 2.0);
            const double opacity = qBound(0.0, (1.0 - distance) / 0.4, 1.0);
            const int blue = 255 - (x + y) * 255 / (2 * (side - 1));
            picture.setPixel(x, y, qRgba(x * 255 / (side - 1), y * 255 / (side - 1), blue, qRound(opacity * 255)));
        }
    }
    return picture;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

} // namespace

class tst_PngEncoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void samePixelsAsQt_data();
    void samePixelsAsQt();
    void packsAboutAsWellAsQt_data();
    void packsAboutAsWellAsQt();
    void declines_data();
    void declines();
    void pictureWriterUsesItForDefaultPng();
};

void tst_PngEncoder::samePixelsAsQt_data()
{
    QTest::addColumn<QImage>("picture");

    QImage single(1, 1, QImage::Format_RGB32);
    single.fill(QColor(1, 2, 3));
    QTest::newRow("one pixel") << single;
    QTest::newRow("one column") << gradient(QSize(1, 77), QImage::Format_RGB32);
    QTest::newRow("one row") << gradient(QSize(77, 1), QImage::Format_RGB32);
    QTest::newRow("opaque gradient") << gradient(QSize(320, 240), QImage::Format_RGB32);
    QTest::newRow("straight alpha") << withAlpha(QImage::Format_ARGB32);
    QTest::newRow("premultiplied alpha") << withAlpha(QImage::Format_ARGB32_Premultiplied);
    QTest::newRow("RGBA8888 premultiplied") << withAlpha(QImage::Format_RGBA8888_Premultiplied);
    QTest::newRow("repeated rows then differing rows") << repeatedRows();
    // Rows that vary along the row but little from one to the next, and the
    // other way round: each is filtered its own way.
    QTest::newRow("vertical stripes")
            << gradient(QSize(256, 64), QImage::Format_RGB32).transformed(QTransform().rotate(90));
    QTest::newRow("fading disc") << fadingDisc(200);
    QTest::newRow("RGB888") << gradient(QSize(90, 60), QImage::Format_RGB888);
    QTest::newRow("RGB16") << gradient(QSize(90, 60), QImage::Format_RGB16);
    QTest::newRow("2480x1200 mostly flat") << mostlyFlat();
    QTest::newRow("opaque noise") << noise(QImage::Format_RGB32);
    QTest::newRow("noise with alpha") << noise(QImage::Format_ARGB32);
    // Over a megabyte compressed, so several IDAT chunks, with the switch to
    // runs and back where zlib holds a full buffer of pending data.
    QImage large = noise(QImage::Format_ARGB32, QSize(1100, 600));
    for (int y = 301; y < 400; ++y)
        std::memcpy(large.scanLine(y), large.constScanLine(300), size_t(large.bytesPerLine()));
    QVERIFY(PngEncoder::encode(large).count("IDAT") > 2);
    QVERIFY(PngEncoder::encode(large, 0).count("IDAT") > 2);
    QTest::newRow("large noise with a run of rows") << large;
    QImage sharp = gradient(QSize(30, 20), QImage::Format_RGB32);
    sharp.setDotsPerMeterX(11811);
    sharp.setDotsPerMeterY(5906);
    QTest::newRow("300 by 150 dpi") << sharp;
    QImage unresolved = sharp;
    unresolved.setDotsPerMeterX(0);
    unresolved.setDotsPerMeterY(0);
    QTest::newRow("no resolution") << unresolved;
}

void tst_PngEncoder::samePixelsAsQt()
{
    QFETCH(QImage, picture);

    const QByteArray ours = PngEncoder::encode(picture);
    const QByteArray qts = qtEncoding(picture);
    QVERIFY(!ours.isEmpty());
    QVERIFY(!qts.isEmpty());

    const QImage back = decoded(ours);
    QCOMPARE(back.size(), picture.size());
    QCOMPARE(back, decoded(qts));
    QCOMPARE(back, picture.convertToFormat(QImage::Format_ARGB32));

    const QStringList types = chunkTypes(ours);
    QCOMPARE(types.constLast(), QStringLiteral("IEND"));
    QCOMPARE(types, chunkTypes(qts));
    QCOMPARE(ours.mid(8, 33), qts.mid(8, 33)); // IHDR, checksum and all

    // Pictures too large to compress in one piece go row by row through a
    // stream, to the same pixels and chunks.
    const QByteArray streamed = PngEncoder::encode(picture, 0);
    QVERIFY(!streamed.isEmpty());
    QCOMPARE(decoded(streamed), back);
    QCOMPARE(chunkTypes(streamed), types);
    QCOMPARE(streamed.mid(8, 33), qts.mid(8, 33));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    QVERIFY(PictureWriter::write(ours, path));

    const QString python = QStringLiteral("/usr/bin/python3");
    if (QFileInfo(python).isExecutable()) {
        const QString opened = run(python, { QStringLiteral("-c"),
                                             QStringLiteral("import sys\nfrom PIL import Image\n"
                                                            "im = Image.open(sys.argv[1]); im.load(); print(im.size, im.mode)"),
                                             path });
        QCOMPARE(opened, QStringLiteral("(%1, %2) %3").arg(picture.width()).arg(picture.height())
                             .arg(QLatin1String(picture.hasAlphaChannel() ? "RGBA" : "RGB")));
    }

    const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
    if (identify.isEmpty())
        QSKIP("identify is not installed");
    const QString described = run(identify, { QStringLiteral("-format"), QStringLiteral("%w %h %A"), path });
    QCOMPARE(described.section(QLatin1Char(' '), 0, 1), QStringLiteral("%1 %2").arg(picture.width()).arg(picture.height()));
    const QString alpha = described.section(QLatin1Char(' '), 2);
    QCOMPARE(alpha != QLatin1String("Undefined") && alpha != QLatin1String("False"), picture.hasAlphaChannel());
}

void tst_PngEncoder::packsAboutAsWellAsQt_data()
{
    QTest::addColumn<QImage>("picture");

    QTest::newRow("fading disc") << fadingDisc(256);
    QTest::newRow("reduced") << fadingDisc(1024)
                                        .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                        .scaled(300, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage canvas(400, 600, QImage::Format_RGB32);
    canvas.fill(QColor(0x20, 0x40, 0x60));
    QPainter painter(&canvas);
    painter.drawImage(QPoint(-100, 0),
                      fadingDisc(256).scaled(600, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.end();
    QTest::newRow("enlarged on a canvas") << canvas;
    QTest::newRow("mostly flat") << mostlyFlat();
}

// Speed is bought with a cheaper filter choice and compressor; the files
// must stay about the size of the writer's.
void tst_PngEncoder::packsAboutAsWellAsQt()
{
    QFETCH(QImage, picture);

    const int ours = PngEncoder::encode(picture).size();
    const int qts = qtEncoding(picture).size();
    QVERIFY2(ours > 0 && ours <= qts + qts / 5,
             qPrintable(QStringLiteral("%1 bytes, the writer's %2").arg(ours).arg(qts)));
}

void tst_PngEncoder::declines_data()
{
    QTest::addColumn<QImage>("picture");

    QTest::newRow("null picture") << QImage();
    QTest::newRow("16 bits a channel") << gradient(QSize(8, 8), QImage::Format_RGBA64);
    QTest::newRow("grey") << gradient(QSize(90, 60), QImage::Format_RGB32).convertToFormat(QImage::Format_Grayscale8);
    QTest::newRow("palette") << indexed();
    QImage described = gradient(QSize(8, 8), QImage::Format_RGB32);
    described.setText(QStringLiteral("Title"), QStringLiteral("Sample"));
    QTest::newRow("text") << described;
    QImage colourSpace = gradient(QSize(8, 8), QImage::Format_RGB32);
    colourSpace.setColorSpace(QColorSpace::SRgb);
    QTest::newRow("colour space") << colourSpace;
    QImage moved = gradient(QSize(8, 8), QImage::Format_RGB32);
    moved.setOffset(QPoint(3, 4));
    QTest::newRow("offset") << moved;
}

void tst_PngEncoder::declines()
{
    QFETCH(QImage, picture);

    QVERIFY(PngEncoder::encode(picture).isEmpty());
    if (picture.isNull())
        return;
    // The writer still stores what ours leaves to it, with what ours drops.
    const QByteArray bytes = PictureWriter::encode(picture, "png", -1);
    QCOMPARE(bytes, qtEncoding(picture));
}

void tst_PngEncoder::pictureWriterUsesItForDefaultPng()
{
    const QImage picture = mostlyFlat();
    const QByteArray qts = qtEncoding(picture);
    QCOMPARE(PictureWriter::encode(picture, "PNG", -1), PngEncoder::encode(picture));
    QCOMPARE(decoded(PictureWriter::encode(picture, "Png", -1)), decoded(qts));
    QCOMPARE(PictureWriter::encode(picture, "png", -1), PngEncoder::encode(picture));
    // A chosen quality is the writer's compression setting, which only the
    // writer honours.
    const QByteArray chosen = PictureWriter::encode(picture, "png", 90);
    QVERIFY(chosen != PngEncoder::encode(picture));
    QCOMPARE(decoded(chosen), decoded(qts));
}

QTEST_MAIN(tst_PngEncoder)

#include "tst_pngencoder.moc"
