// The one scaler and its drawing, against references computed here in double
// precision from their definitions: the area average for smaller pictures,
// source-over blending in straight alpha.
#include "imaging/picturecanvas.h"

#include <QtTest>

#include <cmath>

namespace {

// A soft disc with a wide feathered edge on colour gradients: most of its
// pixels are partly transparent, many of them nearly so.
QImage featheredDisc(int side)
{
    QImage picture(side, side, QImage::Format_ARGB32);
    const double centre = (side - 1) / 2.0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double distance = std::hypot(x - centre, y - centre) / (side / 2.0);
            const double opacity = qBound(0.0, (1.0 - distance) / 0.7, 1.0);
            picture.setPixel(x, y, qRgba(x * 255 / (side - 1), y * 255 / (side - 1), (x * 7 + y * 3) & 0xff,
                                         int(opacity * opacity * 255 + 0.5)));
        }
    }
    return picture;
}

struct Reference
{
    double channel[4]; // straight red, green, blue and alpha
};

// The exact area average of picture for output pixel (x, y) of size: each
// source pixel weighed by the part of the output pixel that it covers and by
// its alpha for the colour.
Reference areaAverage(const QImage &picture, const QSize &size, int x, int y)
{
    const double scaleX = double(picture.width()) / size.width();
    const double scaleY = double(picture.height()) / size.height();
    double sums[4] = {};
    double covered = 0;
    for (int sy = int(y * scaleY); sy < picture.height() && sy < (y + 1) * scaleY; ++sy) {
        const double h = qMin<double>(sy + 1, (y + 1) * scaleY) - qMax<double>(sy, y * scaleY);
        for (int sx = int(x * scaleX); sx < picture.width() && sx < (x + 1) * scaleX; ++sx) {
            const double w = (qMin<double>(sx + 1, (x + 1) * scaleX) - qMax<double>(sx, x * scaleX)) * h;
            const QRgb pixel = picture.pixel(sx, sy);
            sums[0] += w * qAlpha(pixel) * qRed(pixel);
            sums[1] += w * qAlpha(pixel) * qGreen(pixel);
            sums[2] += w * qAlpha(pixel) * qBlue(pixel);
            sums[3] += w * qAlpha(pixel);
            covered += w;
        }
    }
    Reference reference;
    for (int c = 0; c < 3; ++c)
        reference.channel[c] = sums[3] > 0 ? sums[c] / sums[3] : 0;
    reference.channel[3] = sums[3] / covered;
    return reference;
}

}

class TestPictureCanvas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void areaAverage_data();
    void areaAverage();
    void sameColourAtAnyAlpha_data();
    void sameColourAtAnyAlpha();
    void enlarging();
    void drawing_data();
    void drawing();
};

void TestPictureCanvas::areaAverage_data()
{
    QTest::addColumn<QImage>("source");
    QTest::addColumn<QSize>("size");
    const QImage disc = featheredDisc(1024);
    QTest::newRow("1024 to 16") << disc << QSize(16, 16);
    QTest::newRow("1024 to 32") << disc << QSize(32, 32);
    QTest::newRow("1024 to 48, pixels cut by the edges") << disc << QSize(48, 48);
    QTest::newRow("premultiplied 1024 to 32") << disc.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                              << QSize(32, 32);
    QTest::newRow("300 to 217 by 90, unequal axes") << featheredDisc(300) << QSize(217, 90);
}

// Every pixel within a level of the exact average: the colour of partly
// transparent pixels too, weighed by alpha and not, and the whole picture
// above 50 dB.
void TestPictureCanvas::areaAverage()
{
    QFETCH(QImage, source);
    QFETCH(QSize, size);

    const QImage scaled = PictureCanvas::scaled(source, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(scaled.size(), size);
    QCOMPARE(scaled.format(), QImage::Format_ARGB32);

    // The definition reads straight alpha.
    const QImage straight = PictureCanvas::straight(source);
    double squares = 0, colourSquares = 0, weightedSquares = 0, weights = 0;
    int colourPixels = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const Reference reference = ::areaAverage(straight, size, x, y);
            const QRgb pixel = scaled.pixel(x, y);
            const int ours[4] = { qRed(pixel), qGreen(pixel), qBlue(pixel), qAlpha(pixel) };
            QVERIFY2(std::abs(ours[3] - reference.channel[3]) <= 1.0, qPrintable(QStringLiteral("alpha at %1, %2").arg(x).arg(y)));
            squares += std::pow(ours[3] - reference.channel[3], 2);
            if (ours[3] == 0)
                continue;
            for (int c = 0; c < 3; ++c) {
                const double error = std::pow(ours[c] - reference.channel[c], 2);
                squares += error;
                colourSquares += error;
                weightedSquares += error * reference.channel[3];
            }
            weights += 3 * reference.channel[3];
            colourPixels += 3;
        }
    }
    QVERIFY(colourPixels > 0);
    QVERIFY2(std::sqrt(colourSquares / colourPixels) <= 1.0, "colour RMS");
    QVERIFY2(std::sqrt(weightedSquares / weights) <= 1.0, "alpha-weighted colour RMS");
    const double psnr = 20 * std::log10(255 / std::sqrt(squares / (4.0 * size.width() * size.height())));
    QVERIFY2(psnr >= 50, qPrintable(QString::number(psnr)));
}

void TestPictureCanvas::sameColourAtAnyAlpha_data()
{
    QTest::addColumn<int>("alpha");
    for (const int alpha : { 1, 3, 17, 128, 254, 255 })
        QTest::addRow("alpha %d", alpha) << alpha;
}

// A picture of one colour keeps exactly that colour at every size and any
// alpha: 8-bit premultiplied arithmetic would lose it at low alpha.
void TestPictureCanvas::sameColourAtAnyAlpha()
{
    QFETCH(int, alpha);
    QImage source(97, 61, QImage::Format_ARGB32);
    source.fill(qRgba(201, 99, 7, alpha));
    for (const QSize size : { QSize(13, 7), QSize(97, 200), QSize(500, 3) }) {
        for (const Qt::TransformationMode mode : { Qt::SmoothTransformation, Qt::FastTransformation }) {
            const QImage scaled = PictureCanvas::scaled(source, size, Qt::IgnoreAspectRatio, mode);
            QImage expected(size, QImage::Format_ARGB32);
            expected.fill(qRgba(201, 99, 7, alpha));
            QCOMPARE(scaled, expected);
        }
    }
}

// Enlarging interpolates between pixel centres and repeats the edges.
void TestPictureCanvas::enlarging()
{
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(1, 0, qRgb(200, 100, 40));
    const QImage scaled = PictureCanvas::scaled(source, QSize(8, 2), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(scaled.format(), QImage::Format_RGB32);
    // Output centres at -0.375, -0.125, 0.125 … 1.375 source pixels.
    const int reds[8] = { 0, 0, 25, 75, 125, 175, 200, 200 };
    for (int x = 0; x < 8; ++x) {
        QCOMPARE(qRed(scaled.pixel(x, 0)), reds[x]);
        QCOMPARE(scaled.pixel(x, 1), scaled.pixel(x, 0));
    }
    // Fast transformation takes the pixel under each centre.
    const QImage fast = PictureCanvas::scaled(source, QSize(4, 1), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QCOMPARE(fast.pixel(1, 0), source.pixel(0, 0));
    QCOMPARE(fast.pixel(2, 0), source.pixel(1, 0));
}

void TestPictureCanvas::drawing_data()
{
    QTest::addColumn<QColor>("canvas");
    QTest::addColumn<QRgb>("picture");
    QTest::newRow("half over opaque") << QColor(10, 20, 30) << qRgba(250, 128, 0, 128);
    QTest::newRow("faint over opaque") << QColor(255, 255, 255) << qRgba(0, 0, 255, 3);
    QTest::newRow("half over half") << QColor(0, 255, 0, 128) << qRgba(255, 0, 0, 128);
    QTest::newRow("faint over transparent keeps its colour") << QColor(0, 0, 0, 0) << qRgba(201, 99, 7, 2);
    QTest::newRow("opaque covers") << QColor(0, 0, 0, 77) << qRgba(1, 2, 3, 255);
}

// Source over, in straight alpha, each channel rounded once.
void TestPictureCanvas::drawing()
{
    QFETCH(QColor, canvas);
    QFETCH(QRgb, picture);

    QImage source(3, 2, QImage::Format_ARGB32);
    source.fill(picture);
    QImage drawn = PictureCanvas::filled(QSize(4, 4), canvas);
    QCOMPARE(drawn.hasAlphaChannel(), canvas.alpha() < 255);
    PictureCanvas::draw(&drawn, source, QPoint(2, -1)); // cut at the right and the top

    const double sa = qAlpha(picture) / 255.0;
    const double da = canvas.alphaF();
    const double alpha = sa + da * (1 - sa);
    const auto blended = [&](int s, int d) { return qRound((s * sa + d * da * (1 - sa)) / alpha); };
    const QRgb expected = qRgba(blended(qRed(picture), canvas.red()), blended(qGreen(picture), canvas.green()),
                                blended(qBlue(picture), canvas.blue()), qRound(alpha * 255));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool covered = x >= 2 && y < 1;
            QCOMPARE(drawn.pixel(x, y), covered ? expected : (canvas.alpha() == 0 ? 0u : canvas.rgba()));
        }
    }
}

QTEST_GUILESS_MAIN(TestPictureCanvas)
#include "tst_picturecanvas.moc"
