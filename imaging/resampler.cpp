#include "imaging/resampler_p.h"

#include <QColorSpace>
#include <QMutex>
#include <QMutexLocker>
#include <QSharedPointer>
#include <QPixelFormat>
#include <QRgba64>
#include <QVector>

#include <algorithm>
#include <limits>

namespace {

// Premultiplied red, green and blue (alpha × colour, 0 to 255 × 255) and
// alpha (0 to 255) of each source pixel.
constexpr int Channels = 4;
constexpr quint32 MaxPremultiplied = 255 * 255;

// n / d rounded to the nearest integer, halves up: floor((2n + d) / 2d),
// with one multiplication by a reciprocal in double precision. Its error is
// below 2^-44 for quotients up to 256, and a quotient that is not a whole
// number lies at least 1/2d away from one: for 2d below 2^40 the floor of
// the estimate is exact, whatever the floating-point unit rounded (any
// precision at least double's). Larger divisors correct the estimate in
// integers.
class RoundedQuotient
{
public:
    static constexpr quint64 ExactBelow = quint64(1) << 40;

    explicit RoundedQuotient(quint64 divisor)
        : m_half(divisor), m_twice(2 * divisor), m_inverse(1.0 / double(qint64(2 * divisor)))
    {
    }

    quint32 of(quint64 n) const
    {
        // Every value here is below 2^62: signed conversions are single
        // instructions where unsigned ones are not.
        const quint64 numerator = 2 * n + m_half;
        quint64 quotient = quint64(qint64(double(qint64(numerator)) * m_inverse));
        if (m_twice >= ExactBelow) {
            // The estimate is off by less than one either way.
            quotient -= quotient * m_twice > numerator ? 1 : 0;
            quotient += (quotient + 1) * m_twice <= numerator ? 1 : 0;
        }
        return quint32(quotient);
    }

private:
    quint64 m_half;
    quint64 m_twice;
    double m_inverse;
};

// How the output pixels of one axis draw on the source: output index i takes
// count[i] source indices from first[i] on, with the weights from
// weights[offset[i]] on. Every output index's weights sum to total.
struct Axis
{
    QVector<int> first;
    QVector<int> count;
    QVector<int> offset;
    QVector<quint32> weights;
    quint64 total = 1;
    // An area whose sums fit 32 bits also gives its output pixels' edges:
    // edge b lies boundaryPart[b] / unit into source pixel boundaryPixel[b]
    // (see weighArea).
    QVector<int> boundaryPixel;
    QVector<quint32> boundaryPart;
    quint32 unit = 0;
    // An interpolation between two pixels or more gives each output pixel
    // as a pair: pairLeft[i] with 256ths pairRight[i] of the pixel after it
    // (see weighPairs).
    QVector<int> pairLeft;
    QVector<quint32> pairRight;

    // Output indices are added in order, each with its source indices in
    // order from the first.
    void begin(int source)
    {
        first.append(source);
        count.append(0);
        offset.append(weights.size());
    }
    void add(quint32 weight)
    {
        ++count.last();
        weights.append(weight);
    }
};

Axis areaAxis(int from, int to)
{
    // In units of 1/to of a source pixel, source pixel s spans [s·to,
    // (s + 1)·to) and output pixel i spans [i·from, (i + 1)·from).
    Axis axis;
    axis.total = quint64(from);
    axis.weights.reserve(from + to);
    if (quint64(from) * MaxPremultiplied <= std::numeric_limits<quint32>::max()) {
        axis.unit = quint32(to);
        for (int b = 0; b <= to; ++b) {
            // An edge on a pixel boundary is taken as the whole of the pixel
            // before it, so that no edge reads past the last pixel.
            const qint64 at = qint64(b) * from;
            const bool whole = b > 0 && at % to == 0;
            axis.boundaryPixel.append(int(at / to) - (whole ? 1 : 0));
            axis.boundaryPart.append(whole ? quint32(to) : quint32(at % to));
        }
    }
    for (int i = 0; i < to; ++i) {
        const qint64 begin = qint64(i) * from;
        const qint64 end = begin + from;
        const int first = int(begin / to);
        const int last = int((end - 1) / to);
        axis.begin(first);
        for (int s = first; s <= last; ++s)
            axis.add(quint32(qMin(end, qint64(s + 1) * to) - qMax(begin, qint64(s) * to)));
    }
    return axis;
}

Axis interpolationAxis(int from, int to)
{
    Axis axis;
    axis.total = Resampler::InterpolationUnit;
    axis.weights.reserve(2 * to);
    for (int i = 0; i < to; ++i) {
        // The output pixel's centre on the source, in units of 1/(2·to) of a
        // source pixel from the centre of source pixel 0.
        const qint64 centre = qint64(2 * i + 1) * from - to;
        const qint64 unit = 2 * qint64(to);
        // Beyond the outer centres the edge pixels repeat.
        const int left = centre <= 0 ? 0 : int(qMin<qint64>(centre / unit, from - 1));
        const quint32 right = left == from - 1
                ? 0
                : quint32((qMax<qint64>(centre, 0) % unit * Resampler::InterpolationUnit + to) / unit);
        if (right == 0 || right == Resampler::InterpolationUnit) {
            axis.begin(right == 0 ? left : left + 1);
            axis.add(Resampler::InterpolationUnit);
        } else {
            axis.begin(left);
            axis.add(Resampler::InterpolationUnit - right);
            axis.add(right);
        }
        if (from > 1) {
            // The last pixel alone is the pixel before it with none of that.
            const bool last = axis.first.last() == from - 1;
            axis.pairLeft.append(last ? from - 2 : axis.first.last());
            axis.pairRight.append(last ? Resampler::InterpolationUnit : axis.count.last() == 2 ? right : 0);
        }
    }
    return axis;
}

Axis nearestAxis(int from, int to)
{
    Axis axis;
    axis.weights.reserve(to);
    for (int i = 0; i < to; ++i) {
        axis.begin(int(qMin<qint64>(qint64(2 * i + 1) * from / (2 * qint64(to)), from - 1)));
        axis.add(1);
    }
    return axis;
}

Axis axisFor(int from, int to, Qt::TransformationMode mode)
{
    if (from == to || mode == Qt::FastTransformation)
        return nearestAxis(from, to);
    return to < from ? areaAxis(from, to) : interpolationAxis(from, to);
}

// One source row as running sums of its channel values: entry 4·x + c is
// the sum of channel c over the pixels left of x, so that any run of pixels
// sums with one subtraction. The sums wrap around past 32 bits; a
// difference is exact while the run's true sum fits (runs of up to 66 051
// pixels). width + 1 entries of four.
void sumRow(const QImage &picture, int y, quint32 *sums)
{
    const auto *pixels = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
    const int width = picture.width();
    const QImage::Format format = picture.format();
    quint32 red = 0, green = 0, blue = 0, alpha = 0;
    sums[0] = sums[1] = sums[2] = sums[3] = 0;
    for (int x = 0; x < width; ++x) {
        sums += Channels;
        const QRgb pixel = pixels[x];
        // Straight colours count with their alpha, premultiplied ones are
        // brought to the same scale, opaque ones count in full.
        const quint32 weight = format == QImage::Format_ARGB32 ? quint32(qAlpha(pixel)) : 255;
        const quint32 pixelAlpha = format == QImage::Format_RGB32 ? 255 : quint32(qAlpha(pixel));
        red += weight * quint32(qRed(pixel));
        green += weight * quint32(qGreen(pixel));
        blue += weight * quint32(qBlue(pixel));
        alpha += pixelAlpha;
        sums[0] = red;
        sums[1] = green;
        sums[2] = blue;
        sums[3] = alpha;
    }
}

// The weighted sums of one source row (given by sumRow) for every output
// column: Sum is 32 bits where no sum can exceed them (axis.total × 255 × 255
// within 32 bits: every interpolation and any area of up to 66 051 pixels).
template<typename Sum>
void weighRow(const quint32 *rowSums, const Axis &axis, Sum *sums)
{
    const int outputs = axis.first.size();
    const int *first = axis.first.constData();
    const int *count = axis.count.constData();
    const int *offset = axis.offset.constData();
    const quint32 *weights = axis.weights.constData();
    for (int i = 0; i < outputs; ++i, sums += Channels) {
        const quint32 *at = rowSums + Channels * first[i];
        const quint32 *weight = weights + offset[i];
        Sum sum[Channels] = {};
        for (int k = 0; k < count[i]; ++k, at += Channels) {
            const Sum w = weight[k];
            for (int c = 0; c < Channels; ++c)
                sum[c] += w * quint32(at[Channels + c] - at[c]);
        }
        for (int c = 0; c < Channels; ++c)
            sums[c] = sum[c];
    }
}

// The same for an interpolation: each output pixel from a pixel and the
// one after it.
void weighPairs(const quint32 *rowSums, const Axis &axis, quint32 *sums)
{
    const int outputs = axis.pairLeft.size();
    const int *left = axis.pairLeft.constData();
    const quint32 *right = axis.pairRight.constData();
    for (int i = 0; i < outputs; ++i, sums += Channels) {
        const quint32 *at = rowSums + Channels * left[i];
        const quint32 w = right[i];
        for (int c = 0; c < Channels; ++c) {
            const quint32 first = at[Channels + c] - at[c];
            const quint32 second = at[2 * Channels + c] - at[Channels + c];
            sums[c] = (Resampler::InterpolationUnit - w) * first + w * second;
        }
    }
}

// The same for an area, from the running sums at the output pixels' edges:
// unit times the sum of the row up to an edge is unit times the running sum
// at its pixel plus the part of that pixel before the edge, and each output
// pixel is the difference of its two edges. The products overflow 32 bits,
// but every difference fits them, and arithmetic modulo 2^32 keeps
// differences exact.
void weighArea(const quint32 *rowSums, const Axis &axis, quint32 *sums)
{
    const int outputs = axis.first.size();
    const int *pixel = axis.boundaryPixel.constData();
    const quint32 *part = axis.boundaryPart.constData();
    const quint32 unit = axis.unit;
    quint32 previous[Channels];
    quint32 next[Channels];
    const auto edge = [&](int b, quint32 *value) {
        const quint32 *at = rowSums + Channels * pixel[b];
        const quint32 p = part[b];
        for (int c = 0; c < Channels; ++c)
            value[c] = unit * at[c] + p * quint32(at[Channels + c] - at[c]);
    };
    edge(0, previous);
    for (int i = 0; i < outputs; ++i, sums += Channels) {
        edge(i + 1, next);
        for (int c = 0; c < Channels; ++c) {
            sums[c] = next[c] - previous[c];
            previous[c] = next[c];
        }
    }
}

// sums += weight × row for every channel of width pixels; the first row of
// a sum sets it.
template<typename Sum, typename Value>
void accumulate(Sum *sums, quint32 weight, const Value *row, int width, bool first)
{
    const Sum w = weight;
    if (first) {
        for (int i = 0; i < Channels * width; ++i)
            sums[i] = w * Sum(row[i]);
        return;
    }
    for (int i = 0; i < Channels * width; ++i)
        sums[i] += w * Sum(row[i]);
}

// A pixel of pixelAlpha from its weighted sums where every estimate of a
// quotient is exact (RoundedQuotient): no branches, so that the compiler can
// work on several pixels at once.
template<typename Sum>
QRgb exactPixel(const Sum *sums, quint32 pixelAlpha)
{
    const qint64 alphaSum = qint64(sums[3]);
    // A transparent pixel divides by 1 here and comes out 0 below.
    const double inverse = 1.0 / double(2 * alphaSum + (alphaSum == 0 ? 1 : 0));
    const auto colour = [&](int c) { return quint32(qint64(double(2 * qint64(sums[c]) + alphaSum) * inverse)); };
    const QRgb pixel = (pixelAlpha << 24) | (colour(0) << 16) | (colour(1) << 8) | colour(2);
    return pixelAlpha == 0 ? 0 : pixel;
}

// Output pixels from their weighted sums, each channel rounded once.
struct Finisher
{
    Finisher(quint64 total, bool alpha)
        : total(total), alpha(alpha), alphaOf(total), opaqueColourOf(255 * total)
    {
    }

    template<typename Sum>
    QRgb pixel(const Sum *sums) const
    {
        const quint64 alphaSum = sums[3];
        const quint32 pixelAlpha = alpha ? alphaOf.of(alphaSum) : 255;
        if (pixelAlpha == 0)
            return 0;
        // Colour is the alpha-weighted mean: the sum of alpha × colour over
        // the sum of alpha.
        const RoundedQuotient colourOf = alphaSum == 255 * total ? opaqueColourOf : RoundedQuotient(alphaSum);
        return qRgba(int(colourOf.of(sums[0])), int(colourOf.of(sums[1])), int(colourOf.of(sums[2])),
                     int(pixelAlpha));
    }

    template<typename Sum>
    void finish(const Sum *sums, QRgb *line, int width) const
    {
        if (2 * 255 * total >= RoundedQuotient::ExactBelow) {
            for (int x = 0; x < width; ++x, sums += Channels)
                line[x] = pixel(sums);
            return;
        }
        // Every estimate is exact: the same without branches.
        for (int x = 0; x < width; ++x, sums += Channels) {
            line[x] = exactPixel(sums, alpha ? alphaOf.of(sums[3]) : 255);
        }
    }

    quint64 total;
    bool alpha;
    RoundedQuotient alphaOf;
    RoundedQuotient opaqueColourOf;
};

// A row made from at most two weighted rows whose sums fit 32 bits and
// whose weights sum to 2^shift (interpolations and single pixels): alpha is a
// shift and the rest an exactPixel.
void finishInterpolated(const quint32 *upper, quint32 upperWeight, const quint32 *lower, quint32 lowerWeight,
                        int shift, bool alpha, QRgb *line, int width)
{
    const qint64 half = (qint64(1) << shift) >> 1;
    for (int x = 0; x < width; ++x, upper += Channels, lower += Channels) {
        quint32 sums[Channels];
        for (int c = 0; c < Channels; ++c)
            sums[c] = upperWeight * upper[c] + lowerWeight * lower[c];
        line[x] = exactPixel(sums, alpha ? quint32((sums[3] + half) >> shift) : 255);
    }
}

// The running sums of a picture's rows, made once for a picture that is
// scaled to many sizes: the generators scale their source picture to up to
// forty sizes in one set and the next set starts from the same decoded
// picture. Pictures above PreparedPixels make their rows as they go.
constexpr qint64 PreparedPixels = qint64(1) << 22;

struct PreparedRows
{
    qint64 key = 0;
    QImage picture;
    QVector<quint32> sums;
};

QMutex preparedMutex;
QSharedPointer<const PreparedRows> lastPrepared;

QSharedPointer<const PreparedRows> preparedRows(const QImage &picture)
{
    {
        const QMutexLocker locker(&preparedMutex);
        if (lastPrepared && lastPrepared->key == picture.cacheKey())
            return lastPrepared;
    }
    if (qint64(picture.width()) * picture.height() > PreparedPixels)
        return QSharedPointer<const PreparedRows>();

    auto prepared = QSharedPointer<PreparedRows>::create();
    prepared->key = picture.cacheKey();
    prepared->picture = picture; // keeps the key's pixels alive and unchanged
    const qint64 rowLength = Channels * (qint64(picture.width()) + 1);
    prepared->sums.resize(int(rowLength * picture.height()));
    for (int y = 0; y < picture.height(); ++y)
        sumRow(picture, y, prepared->sums.data() + rowLength * y);

    const QMutexLocker locker(&preparedMutex);
    lastPrepared = prepared;
    return prepared;
}

void copyMetadata(QImage *to, const QImage &from)
{
    to->setDotsPerMeterX(from.dotsPerMeterX());
    to->setDotsPerMeterY(from.dotsPerMeterY());
    to->setDevicePixelRatio(from.devicePixelRatio());
    to->setOffset(from.offset());
    to->setColorSpace(from.colorSpace());
    const QStringList keys = from.textKeys();
    for (const QString &key : keys)
        to->setText(key, from.text(key));
}

quint32 eightBits(quint16 value)
{
    return (quint32(value) * 255 + 32767) / 65535;
}

// picture converted pixel by pixel into format by pixelOf(row, x).
template<typename Pixel, typename PixelOf>
QImage converted(const QImage &picture, QImage::Format format, PixelOf pixelOf)
{
    QImage result(picture.size(), format);
    if (result.isNull())
        return result;
    copyMetadata(&result, picture);
    for (int y = 0; y < picture.height(); ++y) {
        const auto *in = reinterpret_cast<const Pixel *>(picture.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            out[x] = pixelOf(in[x]);
    }
    return result;
}

// 16-bit pixels to 8-bit ones, each channel rounded to the nearest value.
QImage fromSixteenBits(const QImage &picture)
{
    const QImage::Format format = picture.format() == QImage::Format_RGBX64 ? QImage::Format_RGB32
            : picture.format() == QImage::Format_RGBA64_Premultiplied  ? QImage::Format_ARGB32_Premultiplied
                                                                       : QImage::Format_ARGB32;
    const bool opaque = format == QImage::Format_RGB32;
    return converted<QRgba64>(picture, format, [opaque](QRgba64 pixel) {
        return qRgba(int(eightBits(pixel.red())), int(eightBits(pixel.green())), int(eightBits(pixel.blue())),
                     opaque ? 255 : int(eightBits(pixel.alpha())));
    });
}

}

QImage Resampler::resampled(const QImage &picture, const QSize &size, Qt::TransformationMode mode)
{
    if (picture.isNull() || size.isEmpty())
        return QImage();

    const bool alpha = picture.hasAlphaChannel();
    QImage result(size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (result.isNull())
        return result;
    copyMetadata(&result, picture);

    const Axis columns = axisFor(picture.width(), size.width(), mode);
    const Axis rows = axisFor(picture.height(), size.height(), mode);
    const int width = size.width();

    // Each source row's weighted sums are made once: an area's last row,
    // which the next output row starts with, and the two rows that
    // interpolation moves between are kept.
    const QSharedPointer<const PreparedRows> prepared = preparedRows(picture);
    const qint64 rowLength = Channels * (qint64(picture.width()) + 1);
    QVector<quint32> rowSums(prepared ? 0 : int(rowLength));
    const bool narrow = columns.total * MaxPremultiplied <= std::numeric_limits<quint32>::max();
    QVector<quint32> narrowKept[2];
    QVector<quint64> wideKept[2];
    for (QVector<quint32> &kept : narrowKept)
        kept.resize(narrow ? Channels * width : 0);
    for (QVector<quint64> &kept : wideKept)
        kept.resize(narrow ? 0 : Channels * width);
    int keptRow[2] = { -1, -1 };
    int older = 0;
    const auto slotOf = [&](int sourceRow) {
        for (int k = 0; k < 2; ++k) {
            if (keptRow[k] == sourceRow) {
                older = 1 - k;
                return k;
            }
        }
        const int slot = older;
        older = 1 - slot;
        keptRow[slot] = sourceRow;
        const quint32 *row = prepared ? prepared->sums.constData() + rowLength * sourceRow : rowSums.data();
        if (!prepared)
            sumRow(picture, sourceRow, rowSums.data());
        if (!columns.boundaryPixel.isEmpty())
            weighArea(row, columns, narrowKept[slot].data());
        else if (!columns.pairLeft.isEmpty())
            weighPairs(row, columns, narrowKept[slot].data());
        else if (narrow)
            weighRow(row, columns, narrowKept[slot].data());
        else
            weighRow(row, columns, wideKept[slot].data());
        return slot;
    };

    const quint64 total = columns.total * rows.total;
    const Finisher finisher{ total, alpha };
    if (total * MaxPremultiplied <= std::numeric_limits<quint32>::max() && (total & (total - 1)) == 0
        && *std::max_element(rows.count.constBegin(), rows.count.constEnd()) <= 2) {
        int shift = 0;
        while ((quint64(1) << shift) < total)
            ++shift;
        // Interpolation both ways: every sum fits 32 bits, and each output
        // pixel is made from two rows at once.
        for (int y = 0; y < size.height(); ++y) {
            const quint32 *weight = rows.weights.constData() + rows.offset[y];
            const bool two = rows.count[y] == 2;
            const quint32 upperWeight = weight[0];
            const quint32 lowerWeight = two ? weight[1] : 0;
            // Both rows are kept in their slots while this row is made.
            const int upperSlot = slotOf(rows.first[y]);
            const quint32 *upper = narrowKept[upperSlot].constData();
            const quint32 *lower = two ? narrowKept[slotOf(rows.first[y] + 1)].constData() : upper;
            finishInterpolated(upper, upperWeight, lower, lowerWeight, shift, alpha,
                               reinterpret_cast<QRgb *>(result.scanLine(y)), width);
        }
        return result;
    }

    QVector<quint64> accumulated(Channels * width);
    for (int y = 0; y < size.height(); ++y) {
        const quint32 *weight = rows.weights.constData() + rows.offset[y];
        for (int k = 0; k < rows.count[y]; ++k) {
            const int slot = slotOf(rows.first[y] + k);
            if (narrow)
                accumulate(accumulated.data(), weight[k], narrowKept[slot].constData(), width, k == 0);
            else
                accumulate(accumulated.data(), weight[k], wideKept[slot].constData(), width, k == 0);
        }
        finisher.finish(accumulated.constData(), reinterpret_cast<QRgb *>(result.scanLine(y)), width);
    }
    return result;
}

QImage Resampler::readable(const QImage &picture)
{
    switch (picture.format()) {
    case QImage::Format_Invalid:
    case QImage::Format_ARGB32:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return picture;
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
        // Qt would go through premultiplied 8-bit pixels.
        return fromSixteenBits(picture);
    default:
        break;
    }
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    // Straight formats convert directly (RGBA8888, indexed colours); the
    // premultiplied ones stay premultiplied, which costs nothing.
    const bool premultiplied =
            QImage::toPixelFormat(picture.format()).premultiplied() == QPixelFormat::Premultiplied;
    return picture.convertToFormat(premultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32);
}

QImage Resampler::straight(const QImage &picture)
{
    const QImage source = readable(picture);
    if (source.format() != QImage::Format_ARGB32_Premultiplied)
        return source;

    return converted<QRgb>(source, QImage::Format_ARGB32, [](QRgb pixel) {
        const quint32 alpha = qAlpha(pixel);
        if (alpha == 255 || alpha == 0)
            return alpha == 255 ? pixel : QRgb(0);
        const auto unpremultiplied = [alpha](int value) {
            return int(qMin<quint32>((2 * 255 * quint32(value) + alpha) / (2 * alpha), 255));
        };
        return qRgba(unpremultiplied(qRed(pixel)), unpremultiplied(qGreen(pixel)), unpremultiplied(qBlue(pixel)),
                     int(alpha));
    });
}
