#include "imaging/picturewriter.h"
#include "imaging/picturecanvas.h"
#include "imaging/pngencoder_p.h"
#include "tests/helpers/containers.h"

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

#include <algorithm>
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
    const containers::Png png = containers::readPng(bytes);
    if (png.fault == "bad signature")
        return { QStringLiteral("bad signature") };
    QStringList types;
    for (const containers::PngChunk &chunk : png.chunks) {
        const QByteArray covered = chunk.covered();
        const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(covered.constData()), uInt(covered.size()));
        if (quint32(crc) != chunk.storedCrc)
            return types << chunk.type + QStringLiteral(" bad checksum");
        if (types.isEmpty() || chunk.type != QLatin1String("IDAT") || types.constLast() != chunk.type)
            types << chunk.type;
    }
    if (!png.valid())
        types << QStringLiteral("truncated");
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

// The filter type of every row of an encoded picture, or an empty list when
// its data do not inflate to whole rows.
QVector<int> rowFilters(const QByteArray &bytes, int width, int height, int channels)
{
    QByteArray data;
    for (const containers::PngChunk &chunk : containers::readPng(bytes).chunks) {
        if (chunk.type == QLatin1String("IDAT"))
            data += chunk.data;
    }
    const qsizetype rowBytes = qsizetype(width) * channels + 1;
    QByteArray rows(int(rowBytes * height), Qt::Uninitialized);
    uLongf size = uLongf(rows.size());
    if (uncompress(reinterpret_cast<Bytef *>(rows.data()), &size, reinterpret_cast<const Bytef *>(data.constData()),
                   uLong(data.size())) != Z_OK || size != uLongf(rows.size()))
        return {};
    QVector<int> filters;
    for (int y = 0; y < height; ++y)
        filters.append(rows.at(int(rowBytes * y)));
    return filters;
}

// Bytes of random, as pixels: seed picks the sequence.
quint32 nextRandom(quint32 *state)
{
    *state = *state * 1103515245u + 12345u;
    return *state >> 8;
}

// Pictures on which one filter leaves the smallest differences, on some
// rows at least:
// None: each byte near zero (0, 1 or 255), neighbours unrelated.
QImage favoursNone(QImage::Format format)
{
    QImage picture(67, 23, QImage::Format_ARGB32);
    quint32 state = 11;
    const auto small = [&state] { return (int(nextRandom(&state) % 3) - 1) & 0xff; };
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(small(), small(), small(), small()));
    }
    return picture.convertToFormat(format);
}

// Sub: every row a ramp from a start of its own.
QImage favoursSub(QImage::Format format)
{
    QImage picture(91, 29, QImage::Format_ARGB32);
    quint32 state = 22;
    for (int y = 0; y < picture.height(); ++y) {
        const int start = int(nextRandom(&state) & 0xff);
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba((start + x) & 0xff, (start + 2 * x) & 0xff, (start ^ 0x55) & 0xff, 200));
    }
    return picture.convertToFormat(format);
}

// Up: every column noise of its own, each row the one above plus one.
QImage favoursUp(QImage::Format format)
{
    QImage picture(75, 31, QImage::Format_ARGB32);
    quint32 state = 33;
    QVector<QRgb> columns(picture.width());
    for (QRgb &column : columns)
        column = nextRandom(&state);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = columns.at(x);
            picture.setPixel(x, y, qRgba((qRed(c) + y) & 0xff, (qGreen(c) + y) & 0xff, qBlue(c), qAlpha(c) | 0x80));
        }
    }
    return picture.convertToFormat(format);
}

// Average: each byte the mean of its left and upper neighbours, from a noisy
// first row and column.
QImage favoursAverage(QImage::Format format)
{
    const int width = 70;
    const int height = 26;
    QVector<uchar> channel[4];
    quint32 state = 44;
    for (QVector<uchar> &values : channel) {
        values.resize(width * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int left = x > 0 ? values[y * width + x - 1] : int(nextRandom(&state) & 0xff);
                const int above = y > 0 ? values[(y - 1) * width + x] : int(nextRandom(&state) & 0xff);
                values[y * width + x] = uchar((left + above) >> 1);
            }
        }
    }
    QImage picture(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int i = y * width + x;
            picture.setPixel(x, y, qRgba(channel[0][i], channel[1][i], channel[2][i], channel[3][i] | 0x80));
        }
    }
    return picture.convertToFormat(format);
}

// Paeth: the left half of each row repeats the row above (columns of a
// colour each), the right half is one colour of its own; Paeth predicts
// both halves, Sub only the right and Up only the left.
QImage favoursPaeth(QImage::Format format)
{
    QImage picture(96, 41, QImage::Format_ARGB32);
    quint32 state = 55;
    QVector<QRgb> columns(picture.width() / 2);
    for (QRgb &column : columns)
        column = nextRandom(&state) | 0x80000000u;
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb right = nextRandom(&state) | 0x80000000u;
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, x < columns.size() ? columns.at(x) : right);
    }
    return picture.convertToFormat(format);
}

} // namespace

Q_DECLARE_METATYPE(PngEncoder::FilterChoice)

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

    // Every filter choice and level gives back the picture
    void filtersRoundTrip_data();
    void filtersRoundTrip();
    void levelsRoundTrip_data();
    void levelsRoundTrip();
    void levelFollowsBusyBytes();

    // Smaller files for the same pixels, never larger than the default's
    void smallestKeepsPixels_data();
    void smallestKeepsPixels();
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
    QCOMPARE(back, PictureCanvas::straight(picture).convertToFormat(QImage::Format_ARGB32));

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

void tst_PngEncoder::filtersRoundTrip_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<PngEncoder::FilterChoice>("choice");
    // A filter that some row must get, or -1.
    QTest::addColumn<int>("used");

    using Choice = PngEncoder::FilterChoice;
    const struct
    {
        const char *name;
        Choice choice;
    } choices[] = { { "Sub or Up", Choice::SubOrUp },
                    { "five", Choice::AnyOfFive },
                    { "five screened", Choice::AnyOfFiveScreened },
                    { "least entropy", Choice::LeastEntropy },
                    { "None alone", Choice::OnlyNone },
                    { "Sub alone", Choice::OnlySub },
                    { "Up alone", Choice::OnlyUp },
                    { "Average alone", Choice::OnlyAverage },
                    { "Paeth alone", Choice::OnlyPaeth },
                    { "several tried", Choice::TrySeveral } };
    const struct
    {
        const char *name;
        QImage::Format format;
    } formats[] = { { "RGB", QImage::Format_RGB32 },
                    { "RGBA", QImage::Format_ARGB32 },
                    { "premultiplied RGBA", QImage::Format_ARGB32_Premultiplied } };
    const struct
    {
        const char *name;
        QImage (*make)(QImage::Format);
        int filter;
        bool subOrUp; // a filter that Sub or Up chooses too
    } favoured[] = { { "None", favoursNone, 0, false },     { "Sub", favoursSub, 1, true },
                     { "Up", favoursUp, 2, true },          { "Average", favoursAverage, 3, false },
                     { "Paeth", favoursPaeth, 4, false } };

    for (const auto &choice : choices) {
        for (const auto &format : formats) {
            for (const auto &picture : favoured) {
                // Premultiplying rounds the colours, which spoils the design.
                // A filter alone is used whatever the picture, and which of
                // several tries wins is not known up front.
                const bool chosen = (choice.choice != Choice::SubOrUp || picture.subOrUp)
                        && choice.choice < Choice::OnlyNone && format.format != QImage::Format_ARGB32_Premultiplied;
                QTest::addRow("%s, %s favouring %s", choice.name, format.name, picture.name)
                        << picture.make(format.format) << choice.choice << (chosen ? picture.filter : -1);
            }
            // Rows shorter than a pixel's neighbours and than a block, and
            // a wide one with a tail after its last block.
            QTest::addRow("%s, %s, one pixel", choice.name, format.name)
                    << favoursPaeth(format.format).copy(0, 0, 1, 1) << choice.choice << -1;
            QTest::addRow("%s, %s, 2 x 9", choice.name, format.name)
                    << favoursAverage(format.format).copy(0, 0, 2, 9) << choice.choice << -1;
            QTest::addRow("%s, %s, 513 x 7", choice.name, format.name)
                    << gradient(QSize(513, 7), format.format) << choice.choice << -1;
        }
        QTest::addRow("%s, fading disc", choice.name) << fadingDisc(150) << choice.choice << -1;
        const bool alone = choice.choice >= Choice::OnlyNone && choice.choice <= Choice::OnlyPaeth;
        QTest::addRow("%s, repeated rows", choice.name) << repeatedRows() << choice.choice << (alone ? -1 : 2);
    }
}

// The picture comes back from the file whole and streamed, in the colour type
// the writer gives it, whichever filter each row got.
void tst_PngEncoder::filtersRoundTrip()
{
    QFETCH(QImage, picture);
    QFETCH(PngEncoder::FilterChoice, choice);
    QFETCH(int, used);

    const bool alpha = picture.hasAlphaChannel();
    for (const qint64 wholeLimit : { PngEncoder::DefaultWholeLimit, qint64(0) }) {
        const QByteArray bytes = PngEncoder::encode(picture, { choice, PngEncoder::ByBusyBytes }, wholeLimit);
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(decoded(bytes), PictureCanvas::straight(picture).convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(bytes.mid(8, 33), qtEncoding(picture).mid(8, 33)); // IHDR: size, depth, colour type
        QCOMPARE(int(bytes.at(25)), alpha ? 6 : 2);

        const QVector<int> filters = rowFilters(bytes, picture.width(), picture.height(), alpha ? 4 : 3);
        QCOMPARE(filters.size(), picture.height());
        for (const int filter : filters)
            QVERIFY2(filter >= 0 && filter <= 4, qPrintable(QString::number(filter)));
        if (choice == PngEncoder::FilterChoice::SubOrUp)
            QVERIFY(std::all_of(filters.begin(), filters.end(), [](int filter) { return filter == 1 || filter == 2; }));
        const int alone = int(choice) - int(PngEncoder::FilterChoice::OnlyNone);
        if (alone >= 0 && alone <= 4)
            QCOMPARE(filters, QVector<int>(picture.height(), alone));
        if (used >= 0)
            QVERIFY2(filters.contains(used), qPrintable(QStringLiteral("no row with filter %1").arg(used)));
    }
}

void tst_PngEncoder::levelsRoundTrip_data()
{
    QTest::addColumn<int>("level");
    for (int level = 1; level <= 12; ++level)
        QTest::addRow("level %d", level) << level;
    // Out of range, taken as the nearest level.
    QTest::newRow("level 13") << 13;
    QTest::newRow("by busy bytes") << int(PngEncoder::ByBusyBytes);
    QTest::newRow("by size") << int(PngEncoder::BySize);
}

void tst_PngEncoder::levelsRoundTrip()
{
    QFETCH(int, level);

    QImage picture = fadingDisc(120);
    picture.setPixel(3, 4, qRgba(1, 2, 3, 4));
    const QByteArray bytes = PngEncoder::encode(picture, { PngEncoder::FilterChoice::SubOrUp, level });
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(decoded(bytes), picture);
}

// The fewer bytes that are not zero after filtering, the more effort, unless
// they are the small differences of a smooth picture; every level is one
// that libdeflate has.
void tst_PngEncoder::levelFollowsBusyBytes()
{
    int previous = 12;
    for (const qint64 busy : { qint64(0), qint64(1000), qint64(20000), qint64(20001), qint64(100001),
                               qint64(500001), qint64(1) << 40 }) {
        const int level = PngEncoder::levelFor(busy, busy * 3);
        QVERIFY2(level >= 1 && level <= previous, qPrintable(QString::number(busy)));
        previous = level;
    }
    QVERIFY(PngEncoder::levelFor(1000, 3000) > PngEncoder::levelFor(qint64(1) << 40, qint64(3) << 40));
    // Smooth: differences of ±1 on average.
    QVERIFY(PngEncoder::levelFor(1000, 1000) < PngEncoder::levelFor(1000, 3000));

    // A plain launch image of millions of bytes but for its icon, a shape
    // of hard edges, gets the effort of an icon; a busy picture of the same
    // size does not.
    QImage plain(1280, 1920, QImage::Format_RGB32);
    plain.fill(QColor(0x1d, 0x3b, 0x8f));
    QPainter painter(&plain);
    painter.drawImage(QPoint(448, 878), favoursPaeth(QImage::Format_RGB32).scaled(384, 164));
    painter.end();
    const QImage busy = noise(QImage::Format_RGB32, plain.size());
    QVERIFY(PngEncoder::encode(plain).size() < PngEncoder::encode(plain, { PngEncoder::FilterChoice::SubOrUp, 4 }).size());
    QCOMPARE(decoded(PngEncoder::encode(busy)), busy.convertToFormat(QImage::Format_ARGB32));
}

void tst_PngEncoder::smallestKeepsPixels_data()
{
    QTest::addColumn<QImage>("picture");
    // Smaller than the default, not merely no larger.
    QTest::addColumn<bool>("smaller");

    QTest::newRow("fading disc, RGBA") << fadingDisc(256) << true;
    QTest::newRow("gradient, RGB") << gradient(QSize(320, 240), QImage::Format_RGB32) << true;
    QTest::newRow("premultiplied alpha") << withAlpha(QImage::Format_ARGB32_Premultiplied) << false;
    QTest::newRow("2480x1200 mostly flat, RGB") << mostlyFlat() << true;
    QTest::newRow("columns favouring Up, RGBA") << favoursUp(QImage::Format_ARGB32) << true;
    QTest::newRow("repeated rows") << repeatedRows() << true;
    QImage single(1, 1, QImage::Format_ARGB32);
    single.fill(qRgba(1, 2, 3, 4));
    QTest::newRow("one pixel") << single << false;
    QTest::newRow("opaque noise") << noise(QImage::Format_RGB32) << false;
    QTest::newRow("noise with alpha") << noise(QImage::Format_ARGB32) << false;
}

// Only the compressed data differ: the same pixels, chunks and header, and
// the same again when the picture is too large to compress in one piece.
void tst_PngEncoder::smallestKeepsPixels()
{
    QFETCH(QImage, picture);
    QFETCH(bool, smaller);

    for (const qint64 wholeLimit : { PngEncoder::DefaultWholeLimit, qint64(0) }) {
        const QByteArray plain = PngEncoder::encode(picture, wholeLimit);
        const QByteArray smallest = PngEncoder::encode(picture, PngEncoder::smallest(), wholeLimit);
        QVERIFY(!smallest.isEmpty());
        QCOMPARE(decoded(smallest), picture.convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(chunkTypes(smallest), chunkTypes(plain));
        QCOMPARE(smallest.left(41), plain.left(41)); // signature and IHDR
        QVERIFY2(smallest.size() <= plain.size(), qPrintable(QStringLiteral("%1, default %2").arg(smallest.size()).arg(plain.size())));
        if (smaller && wholeLimit > 0)
            QVERIFY2(smallest.size() < plain.size(), qPrintable(QString::number(plain.size())));
    }
}

QTEST_MAIN(tst_PngEncoder)

#include "tst_pngencoder.moc"
