#include "imaging/pngencoder_p.h"

#include "imaging/picturecanvas.h"

#include <QColorSpace>

#include <libdeflate.h>
#include <zlib.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <vector>

namespace {

// Keeps chunks small enough to check and to append without reserving the
// whole compressed size up front.
constexpr int IdatChunkSize = 1 << 20;

// What the output may grow to: a QByteArray holds a little under 2 GiB.
constexpr quint64 MaxOutputSize = quint64(std::numeric_limits<int>::max()) - (64 << 20);

// The streaming compressor, for pictures too large to hold twice, at the
// level of the writer's default; the one-shot compressor's level is chosen
// for each picture (PngEncoder::levelFor).
constexpr int StreamLevel = 6;

// TrySeveral compares its choices at the quickest level: the choice that
// packs best there is nearly always the one that packs best at the highest.
constexpr int TrialLevel = 1;

enum : uchar {
    FilterNone = 0,
    FilterSub = 1,
    FilterUp = 2,
    FilterAverage = 3,
    FilterPaeth = 4,
    ColourTypeRgb = 2,
    ColourTypeRgba = 6,
};

void appendUint32(QByteArray *out, quint32 value)
{
    const char bytes[4] = { char(value >> 24), char(value >> 16), char(value >> 8), char(value) };
    out->append(bytes, 4);
}

void appendChunk(QByteArray *out, const char *type, const char *data, int size)
{
    appendUint32(out, quint32(size));
    out->append(type, 4);
    out->append(data, size);
    // libdeflate's checksum, several times as fast as zlib's.
    quint32 crc = libdeflate_crc32(0, type, 4);
    if (size > 0)
        crc = libdeflate_crc32(crc, data, size_t(size));
    appendUint32(out, crc);
}

void appendChunk(QByteArray *out, const char *type, const QByteArray &data)
{
    appendChunk(out, type, data.constData(), data.size());
}

// Formats the writer stores in a kind of their own: 16 bits a channel (which
// 8 bits would lose), grey, or a palette (smaller files than RGB). They stay
// with the writer, so that every file keeps the kind it always had.
bool isKeptByWriter(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64:
    case QImage::Format_RGBA64_Premultiplied:
    case QImage::Format_Grayscale16:
        return true;
    default:
        return false;
    }
}

// Streams the filtered rows through deflate and the compressed bytes out
// in IDAT chunks.
class IdatStream
{
public:
    IdatStream(QByteArray *out, int level) : m_out(out), m_buffer(IdatChunkSize, Qt::Uninitialized), m_level(level) {}

    ~IdatStream()
    {
        if (m_initialised)
            deflateEnd(&m_stream);
    }

    bool begin()
    {
        std::memset(&m_stream, 0, sizeof m_stream);
        m_initialised = deflateInit2(&m_stream, m_level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) == Z_OK;
        resetOutput();
        return m_initialised;
    }

    // Filtered rows of zeros, which is what a run of repeated rows becomes,
    // compress as well and far faster as runs than through the match search
    // that the other rows need.
    bool setRle(bool rle)
    {
        if (rle == m_rle)
            return true;
        m_rle = rle;
        for (;;) {
            const int result = deflateParams(&m_stream, m_level, rle ? Z_RLE : Z_DEFAULT_STRATEGY);
            if (result == Z_OK)
                return true;
            // zlib first compresses what it holds under the old strategy and
            // leaves the change undone when the buffer fills on the way.
            if (result != Z_BUF_ERROR || m_stream.avail_out != 0)
                return false;
            flushChunk();
        }
    }

    bool write(const uchar *data, uInt size)
    {
        m_stream.next_in = const_cast<Bytef *>(data);
        m_stream.avail_in = size;
        while (m_stream.avail_in > 0) {
            if (m_stream.avail_out == 0)
                flushChunk();
            if (deflate(&m_stream, Z_NO_FLUSH) != Z_OK)
                return false;
        }
        return true;
    }

    bool finish()
    {
        for (;;) {
            if (m_stream.avail_out == 0)
                flushChunk();
            const int result = deflate(&m_stream, Z_FINISH);
            if (result == Z_STREAM_END)
                break;
            if (result != Z_OK && result != Z_BUF_ERROR)
                return false;
        }
        flushChunk();
        return true;
    }

private:
    void resetOutput()
    {
        m_stream.next_out = reinterpret_cast<Bytef *>(m_buffer.data());
        m_stream.avail_out = uInt(m_buffer.size());
    }

    void flushChunk()
    {
        const int used = m_buffer.size() - int(m_stream.avail_out);
        if (used > 0)
            appendChunk(m_out, "IDAT", m_buffer.constData(), used);
        resetOutput();
    }

    QByteArray *m_out;
    QByteArray m_buffer;
    z_stream m_stream;
    const int m_level;
    bool m_initialised = false;
    bool m_rle = false;
};

// One row of 32-bit pixels in the file's byte order: R, G, B and, with
// alpha, A.
void unpackRow(const QRgb *line, int width, bool alpha, uchar *out)
{
    if (alpha) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            out[0] = uchar(qRed(pixel));
            out[1] = uchar(qGreen(pixel));
            out[2] = uchar(qBlue(pixel));
            out[3] = uchar(qAlpha(pixel));
            out += 4;
        }
    } else {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            out[0] = uchar(qRed(pixel));
            out[1] = uchar(qGreen(pixel));
            out[2] = uchar(qBlue(pixel));
            out += 3;
        }
    }
}

// The row loops below run in blocks of a fixed number of bytes with a
// plain loop inside: compilers turn those into vector code at the
// optimisation level of an ordinary release build, where a loop over the
// whole row stays a byte at a time.
constexpr size_t Block = 32;

// How far a filtered byte is from zero, read as a signed difference.
inline uint magnitude(uchar difference)
{
    const int value = static_cast<signed char>(difference);
    return uint(value < 0 ? -value : value);
}

// out[i] = current[i] - reference[i] for i in [0, size).
void subtract(const uchar *current, const uchar *reference, size_t size, uchar *out)
{
    size_t i = 0;
    for (; i + Block <= size; i += Block) {
        // Through a local block: out might overlap the rows as far as the
        // compiler knows, which would keep it from loading a block at once.
        uchar difference[Block];
        for (size_t k = 0; k < Block; ++k)
            difference[k] = uchar(current[i + k] - reference[i + k]);
        std::memcpy(out + i, difference, Block);
    }
    for (; i < size; ++i)
        out[i] = uchar(current[i] - reference[i]);
}

// Writes the filter type and the filtered bytes of current (size bytes,
// step bytes a pixel) to out, against previous, the row above (null for the
// first row). Of the filters, Sub and Up cost one subtraction a byte; the
// row gets the one whose differences are smaller in sum, the usual guess at
// what deflate packs best. Returns true for a row equal to the one above,
// which Up turns into zeros.
bool filterSubOrUp(const uchar *current, const uchar *previous, size_t size, size_t step, uchar *out)
{
    const size_t head = qMin(step, size);
    bool up = false;
    if (previous) {
        quint64 sub = 0;
        quint64 above = 0;
        for (size_t i = 0; i < head; ++i) {
            sub += magnitude(current[i]);
            above += magnitude(uchar(current[i] - previous[i]));
        }
        size_t i = head;
        for (; i + Block <= size; i += Block) {
            // A block's sums stay far below the range of 32 bits.
            uint blockSub = 0;
            uint blockAbove = 0;
            for (size_t k = 0; k < Block; ++k) {
                blockSub += magnitude(uchar(current[i + k] - current[i + k - step]));
                blockAbove += magnitude(uchar(current[i + k] - previous[i + k]));
            }
            sub += blockSub;
            above += blockAbove;
        }
        for (; i < size; ++i) {
            sub += magnitude(uchar(current[i] - current[i - step]));
            above += magnitude(uchar(current[i] - previous[i]));
        }
        if (above == 0) {
            out[0] = FilterUp;
            std::memset(out + 1, 0, size);
            return true;
        }
        up = above < sub;
    }

    if (up) {
        out[0] = FilterUp;
        subtract(current, previous, size, out + 1);
    } else {
        out[0] = FilterSub;
        std::memcpy(out + 1, current, head);
        // Each byte less the same channel of the pixel to its left.
        subtract(current + head, current, size - head, out + 1 + head);
    }
    return false;
}

// The five filters of the format, each as the prediction that it subtracts
// from a byte, given a (the same channel of the pixel to the left), b (the
// byte above) and c (the byte above a); 0 where a row has no such byte.
template <int Filter>
inline int predicted(int a, int b, int c)
{
    if constexpr (Filter == FilterSub) {
        return a;
    } else if constexpr (Filter == FilterUp) {
        return b;
    } else if constexpr (Filter == FilterAverage) {
        return (a + b) >> 1;
    } else if constexpr (Filter == FilterPaeth) {
        // Whichever neighbour is nearest to a + b - c, in the order a, b, c
        // on ties: the distances to it written out.
        const int pa = std::abs(b - c);
        const int pb = std::abs(a - c);
        const int pc = std::abs(a + b - 2 * c);
        return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
    } else {
        Q_UNUSED(a)
        Q_UNUSED(b)
        Q_UNUSED(c)
        return 0;
    }
}

// Bytes [from, to) of a row one at a time, where the first pixel has no
// left neighbour and the rest of the row may be shorter than a block.
template <int Filter>
quint64 edgeSum(const uchar *current, const uchar *previous, size_t from, size_t to, size_t step)
{
    quint64 sum = 0;
    for (size_t i = from; i < to; ++i) {
        const int a = i >= step ? current[i - step] : 0;
        const int c = i >= step ? previous[i - step] : 0;
        sum += magnitude(uchar(current[i] - predicted<Filter>(a, previous[i], c)));
    }
    return sum;
}

template <int Filter>
void edgeFilter(const uchar *current, const uchar *previous, size_t from, size_t to, size_t step, uchar *out)
{
    for (size_t i = from; i < to; ++i) {
        const int a = i >= step ? current[i - step] : 0;
        const int c = i >= step ? previous[i - step] : 0;
        out[i] = uchar(current[i] - predicted<Filter>(a, previous[i], c));
    }
}

// One block from at, which lies a whole pixel or more into the row: every
// byte has its neighbours, and the fixed count lets the compiler use vector
// code for the loop, the Paeth choice included.
template <int Filter>
uint blockSum(const uchar *current, const uchar *previous, size_t at, size_t step)
{
    uint sum = 0;
    for (size_t k = 0; k < Block; ++k) {
        const size_t i = at + k;
        const int predictedByte = predicted<Filter>(current[i - step], previous[i], previous[i - step]);
        sum += magnitude(uchar(current[i] - predictedByte));
    }
    return sum;
}

// The filter's sum over a row of size bytes. With sampleEvery above 1, only
// every sampleEvery-th block is summed and the end of the row is left out.
template <int Filter>
quint64 rowSum(const uchar *current, const uchar *previous, size_t size, size_t step, size_t sampleEvery)
{
    const size_t head = qMin(step, size);
    quint64 sum = edgeSum<Filter>(current, previous, 0, head, step);
    size_t i = head;
    for (; i + Block * sampleEvery <= size; i += Block * sampleEvery)
        sum += blockSum<Filter>(current, previous, i, step);
    if (sampleEvery == 1)
        sum += edgeSum<Filter>(current, previous, i, size, step);
    return sum;
}

template <int Filter>
void applyFilter(const uchar *current, const uchar *previous, size_t size, size_t step, uchar *out)
{
    const size_t head = qMin(step, size);
    edgeFilter<Filter>(current, previous, 0, head, step, out);
    size_t i = head;
    for (; i + Block <= size; i += Block) {
        // Through a local block, as in subtract().
        uchar filtered[Block];
        for (size_t k = 0; k < Block; ++k) {
            const size_t at = i + k;
            filtered[k] = uchar(current[at] - predicted<Filter>(current[at - step], previous[at], previous[at - step]));
        }
        std::memcpy(out + i, filtered, Block);
    }
    edgeFilter<Filter>(current, previous, i, size, step, out);
}

using RowSum = quint64 (*)(const uchar *, const uchar *, size_t, size_t, size_t);
using ApplyFilter = void (*)(const uchar *, const uchar *, size_t, size_t, uchar *);
constexpr int FilterCount = 5;
constexpr RowSum RowSums[FilterCount] = { rowSum<FilterNone>, rowSum<FilterSub>, rowSum<FilterUp>,
                                          rowSum<FilterAverage>, rowSum<FilterPaeth> };
constexpr ApplyFilter ApplyFilters[FilterCount] = { applyFilter<FilterNone>, applyFilter<FilterSub>,
                                                    applyFilter<FilterUp>, applyFilter<FilterAverage>,
                                                    applyFilter<FilterPaeth> };

// The screening pass looks at one block in this many; rows shorter than a
// few samples are summed in full straight away.
constexpr size_t ScreenEvery = 4;

// The filter of the five whose sum over the row is smallest, the earlier on
// ties. previous is a row of zeros for the first row, as the format has it.
int chooseOfFive(const uchar *current, const uchar *previous, size_t size, size_t step, bool screened)
{
    bool candidate[FilterCount] = { true, true, true, true, true };
    if (screened && size >= step + 4 * ScreenEvery * Block) {
        quint64 sampled[FilterCount];
        quint64 best = std::numeric_limits<quint64>::max();
        for (int filter = 0; filter < FilterCount; ++filter) {
            sampled[filter] = RowSums[filter](current, previous, size, step, ScreenEvery);
            best = qMin(best, sampled[filter]);
        }
        // A filter more than an eighth behind the best on the sample does
        // not catch up over the rest of a row of the same kind.
        int left = 0;
        int last = 0;
        for (int filter = 0; filter < FilterCount; ++filter) {
            candidate[filter] = sampled[filter] <= best + best / 8;
            if (candidate[filter]) {
                ++left;
                last = filter;
            }
        }
        if (left == 1)
            return last;
    }

    int chosen = FilterNone;
    quint64 least = std::numeric_limits<quint64>::max();
    for (int filter = 0; filter < FilterCount; ++filter) {
        if (!candidate[filter])
            continue;
        const quint64 sum = RowSums[filter](current, previous, size, step, 1);
        if (sum < least) {
            least = sum;
            chosen = filter;
        }
    }
    return chosen;
}

// As filterSubOrUp, with the filter given.
bool filterWith(int filter, const uchar *current, const uchar *previous, size_t size, size_t step, uchar *out)
{
    out[0] = uchar(filter);
    ApplyFilters[filter](current, previous, size, step, out + 1);
    return filter == FilterUp && std::memcmp(current, previous, size) == 0;
}

// As filterSubOrUp, choosing among all five filters.
bool filterOfFive(const uchar *current, const uchar *previous, size_t size, size_t step, bool screened, uchar *out)
{
    return filterWith(chooseOfFive(current, previous, size, step, screened), current, previous, size, step, out);
}

// The filter of the five whose bytes have the least entropy, the earlier on
// ties. A row's entropy in bits is n log2 n less the sum of c log2 c over the
// counts c of its byte values; n is the same for every filter, so the filter
// whose sum of weights[c] = -c log2 c is least wins. trial holds a row.
int chooseLeastEntropy(const uchar *current, const uchar *previous, size_t size, size_t step,
                       const std::vector<float> &weights, uchar *trial)
{
    int chosen = FilterNone;
    float least = std::numeric_limits<float>::max();
    for (int filter = 0; filter < FilterCount; ++filter) {
        ApplyFilters[filter](current, previous, size, step, trial);
        uint counts[256] = {};
        for (size_t i = 0; i < size; ++i)
            ++counts[trial[i]];
        float bits = 0;
        for (const uint count : counts)
            bits += weights[count];
        if (bits < least) {
            least = bits;
            chosen = filter;
        }
    }
    return chosen;
}

// Filters rows one after the other, each against the one before it.
class RowFilter
{
public:
    RowFilter(PngEncoder::FilterChoice choice, size_t rowBytes, size_t step)
        : m_choice(choice), m_rowBytes(rowBytes), m_step(step)
    {
        if (m_choice != PngEncoder::FilterChoice::SubOrUp)
            m_zeros.assign(rowBytes, 0);
        if (m_choice == PngEncoder::FilterChoice::LeastEntropy) {
            m_trial.resize(rowBytes);
            m_weights.resize(rowBytes + 1);
            for (size_t count = 1; count <= rowBytes; ++count)
                m_weights[count] = -float(double(count) * std::log2(double(count)));
        }
    }

    // Writes the filter byte and the row's filtered bytes to out; previous
    // is null for the first row. Returns true for a row equal to the one
    // above.
    bool filter(const uchar *current, const uchar *previous, uchar *out)
    {
        using Choice = PngEncoder::FilterChoice;
        const uchar *above = previous ? previous : m_zeros.data();
        switch (m_choice) {
        case Choice::SubOrUp:
        case Choice::TrySeveral: // streamed: the choices are tried on whole pictures only
            return filterSubOrUp(current, previous, m_rowBytes, m_step, out);
        case Choice::AnyOfFive:
        case Choice::AnyOfFiveScreened:
            return filterOfFive(current, above, m_rowBytes, m_step, m_choice == Choice::AnyOfFiveScreened, out);
        case Choice::LeastEntropy:
            return filterWith(chooseLeastEntropy(current, above, m_rowBytes, m_step, m_weights, m_trial.data()),
                              current, above, m_rowBytes, m_step, out);
        case Choice::OnlyNone:
        case Choice::OnlySub:
        case Choice::OnlyUp:
        case Choice::OnlyAverage:
        case Choice::OnlyPaeth:
            break;
        }
        return filterWith(int(m_choice) - int(Choice::OnlyNone), current, above, m_rowBytes, m_step, out);
    }

private:
    const PngEncoder::FilterChoice m_choice;
    const size_t m_rowBytes;
    const size_t m_step;
    std::vector<uchar> m_zeros;
    std::vector<uchar> m_trial;
    std::vector<float> m_weights;
};

// The bytes of data other than zero, and their magnitudes in sum.
struct Activity
{
    quint64 busyBytes = 0;
    quint64 magnitudeSum = 0;
};

Activity activityOf(const uchar *data, size_t size)
{
    Activity activity;
    size_t i = 0;
    for (; i + Block <= size; i += Block) {
        uint busy = 0;
        uint sum = 0;
        for (size_t k = 0; k < Block; ++k) {
            busy += data[i + k] != 0 ? 1 : 0;
            sum += magnitude(data[i + k]);
        }
        activity.busyBytes += busy;
        activity.magnitudeSum += sum;
    }
    for (; i < size; ++i) {
        activity.busyBytes += data[i] != 0 ? 1 : 0;
        activity.magnitudeSum += magnitude(data[i]);
    }
    return activity;
}

// Filters every row of source into filtered, rowBytes + 1 bytes a row.
void filterRows(const QImage &source, bool alpha, size_t rowBytes, PngEncoder::FilterChoice choice, uchar *filtered)
{
    std::vector<uchar> rows[2] = { std::vector<uchar>(rowBytes), std::vector<uchar>(rowBytes) };
    RowFilter filter(choice, rowBytes, alpha ? 4 : 3);
    for (int y = 0; y < source.height(); ++y) {
        uchar *current = rows[y & 1].data();
        unpackRow(reinterpret_cast<const QRgb *>(source.constScanLine(y)), source.width(), alpha, current);
        filter.filter(current, y > 0 ? rows[(y - 1) & 1].data() : nullptr, filtered + (rowBytes + 1) * size_t(y));
    }
}

using Compressor = std::unique_ptr<libdeflate_compressor, void (*)(libdeflate_compressor *)>;

Compressor compressorAt(int level)
{
    return Compressor(libdeflate_alloc_compressor(level), &libdeflate_free_compressor);
}

// Filters source into filtered by each choice that TrySeveral tries, and
// leaves there the one that compresses smallest at TrialLevel. Each of
// them packs some of the generators' pictures best, by up to a tenth; the
// other choices hardly ever do.
bool filterSmallest(const QImage &source, bool alpha, size_t rowBytes, size_t filteredBytes, uchar *filtered)
{
    using Choice = PngEncoder::FilterChoice;
    const Choice choices[] = { Choice::SubOrUp, Choice::LeastEntropy, Choice::OnlySub, Choice::OnlyUp };
    const Compressor compressor = compressorAt(TrialLevel);
    if (!compressor)
        return false;
    const size_t bound = libdeflate_zlib_compress_bound(compressor.get(), filteredBytes);
    const std::unique_ptr<uchar[]> trial(new (std::nothrow) uchar[filteredBytes]);
    const std::unique_ptr<uchar[]> compressed(new (std::nothrow) uchar[bound]);
    if (!trial || !compressed)
        return false;

    size_t least = std::numeric_limits<size_t>::max();
    for (const Choice choice : choices) {
        filterRows(source, alpha, rowBytes, choice, trial.get());
        const size_t size = libdeflate_zlib_compress(compressor.get(), trial.get(), filteredBytes, compressed.get(), bound);
        if (size == 0)
            return false;
        if (size < least) {
            least = size;
            std::memcpy(filtered, trial.get(), filteredBytes);
        }
    }
    return true;
}

// Filters every row of source into one buffer and compresses it at once.
bool appendWhole(QByteArray *out, const QImage &source, bool alpha, size_t rowBytes, const PngEncoder::Tuning &tuning)
{
    const int height = source.height();
    const size_t filteredBytes = (rowBytes + 1) * size_t(height);
    const std::unique_ptr<uchar[]> filtered(new (std::nothrow) uchar[filteredBytes]);
    if (!filtered)
        return false;
    if (tuning.filters != PngEncoder::FilterChoice::TrySeveral)
        filterRows(source, alpha, rowBytes, tuning.filters, filtered.get());
    else if (!filterSmallest(source, alpha, rowBytes, filteredBytes, filtered.get()))
        return false;

    int level = qBound(1, tuning.level, 12);
    if (tuning.level == PngEncoder::ByBusyBytes) {
        const Activity activity = activityOf(filtered.get(), filteredBytes);
        level = PngEncoder::levelFor(qint64(activity.busyBytes), qint64(activity.magnitudeSum));
    }
    else if (tuning.level == PngEncoder::BySize)
        level = PngEncoder::levelForSize(qint64(filteredBytes));
    const Compressor compressor = compressorAt(level);
    if (!compressor)
        return false;
    const size_t bound = libdeflate_zlib_compress_bound(compressor.get(), filteredBytes);
    const std::unique_ptr<uchar[]> compressed(new (std::nothrow) uchar[bound]);
    if (!compressed)
        return false;
    const size_t size =
            libdeflate_zlib_compress(compressor.get(), filtered.get(), filteredBytes, compressed.get(), bound);
    // Each chunk adds 12 bytes to the data.
    const quint64 chunked = quint64(size) + (quint64(size) / IdatChunkSize + 2) * 12;
    if (size == 0 || quint64(out->size()) + chunked > MaxOutputSize)
        return false;

    out->reserve(out->size() + int(chunked));
    for (size_t at = 0; at < size; at += IdatChunkSize) {
        const char *data = reinterpret_cast<const char *>(compressed.get()) + at;
        appendChunk(out, "IDAT", data, int(qMin<size_t>(IdatChunkSize, size - at)));
    }
    return true;
}

// Filters and compresses one row at a time: memory stays at a few rows
// whatever the picture's size.
bool appendStreamed(QByteArray *out, const QImage &source, bool alpha, size_t rowBytes, const PngEncoder::Tuning &tuning)
{
    // A tuning that asks for more effort than the stream's level gets up to
    // zlib's highest.
    IdatStream idat(out, qBound(StreamLevel, tuning.level, Z_BEST_COMPRESSION));
    if (!idat.begin())
        return false;

    const size_t step = alpha ? 4 : 3;
    RowFilter filter(tuning.filters, rowBytes, step);
    std::vector<uchar> previous(rowBytes);
    std::vector<uchar> current(rowBytes);
    std::vector<uchar> filtered(rowBytes + 1);
    for (int y = 0; y < source.height(); ++y) {
        unpackRow(reinterpret_cast<const QRgb *>(source.constScanLine(y)), source.width(), alpha, current.data());
        const bool repeated = filter.filter(current.data(), y > 0 ? previous.data() : nullptr, filtered.data());
        if (!idat.setRle(repeated) || !idat.write(filtered.data(), uInt(rowBytes + 1)))
            return false;
        current.swap(previous);
    }
    return idat.finish();
}

} // namespace

QByteArray PngEncoder::encode(const QImage &picture, qint64 wholeLimit)
{
    return encode(picture, Tuning(), wholeLimit);
}

QByteArray PngEncoder::encode(const QImage &picture, const Tuning &tuning, qint64 wholeLimit)
{
    if (picture.isNull() || isKeptByWriter(picture.format()) || picture.colorSpace().isValid()
        || !picture.textKeys().isEmpty() || !picture.offset().isNull() || picture.dotsPerMeterX() < 0
        || picture.dotsPerMeterY() < 0) {
        return QByteArray();
    }

    // The writer stores straight alpha, converted from whatever the picture
    // holds, and everything else as RGB.
    const bool alpha = picture.hasAlphaChannel();
    const QImage source = PictureCanvas::straight(picture);
    if (source.isNull())
        return QByteArray();

    const int width = source.width();
    const int height = source.height();
    const int channels = alpha ? 4 : 3;
    const quint64 rowBytes = quint64(width) * quint64(channels);
    const quint64 filteredBytes = (rowBytes + 1) * quint64(height);
    // Worst case deflate output is a little over its input; with a chunk
    // header every megabyte the file must still fit in a QByteArray.
    if (rowBytes + 1 > MaxOutputSize || filteredBytes + filteredBytes / 64 + 4096 > MaxOutputSize)
        return QByteArray();

    QByteArray out("\x89PNG\r\n\x1a\n", 8);

    QByteArray header;
    appendUint32(&header, quint32(width));
    appendUint32(&header, quint32(height));
    header.append(char(8));
    header.append(char(alpha ? ColourTypeRgba : ColourTypeRgb));
    header.append(3, char(0)); // deflate, adaptive filtering, no interlace
    appendChunk(&out, "IHDR", header);

    if (source.dotsPerMeterX() > 0 || source.dotsPerMeterY() > 0) {
        QByteArray physical;
        appendUint32(&physical, quint32(source.dotsPerMeterX()));
        appendUint32(&physical, quint32(source.dotsPerMeterY()));
        physical.append(char(1)); // per metre
        appendChunk(&out, "pHYs", physical);
    }

    const bool whole = filteredBytes <= quint64(qMax<qint64>(wholeLimit, 0));
    if (!(whole ? appendWhole(&out, source, alpha, size_t(rowBytes), tuning)
                : appendStreamed(&out, source, alpha, size_t(rowBytes), tuning)))
        return QByteArray();

    appendChunk(&out, "IEND", nullptr, 0);

    // The trials only guess which choice packs best at the level that
    // counts; where they guess wrong, the default file may be the smaller.
    if (tuning.filters == FilterChoice::TrySeveral) {
        const QByteArray plain = encode(picture, Tuning(), wholeLimit);
        if (!plain.isEmpty() && plain.size() <= out.size())
            return plain;
    }
    return out;
}

PngEncoder::Tuning PngEncoder::smallest()
{
    return { FilterChoice::TrySeveral, 12 };
}

int PngEncoder::levelFor(qint64 busyBytes, qint64 magnitudeSum)
{
    // Measured on the sets of the benchmark and the main job (bench_allsets
    // --levers). Smooth: the busy bytes differ by less than 1.5 on average.
    if (busyBytes > 0 && magnitudeSum < busyBytes + busyBytes / 2)
        return 4;
    if (busyBytes <= 100000)
        return 7;
    if (busyBytes <= 500000)
        return 6;
    return 4;
}

int PngEncoder::levelForSize(qint64 filteredBytes)
{
    if (filteredBytes <= 50000)
        return 10;
    if (filteredBytes <= 500000)
        return 7;
    if (filteredBytes <= 1000000)
        return 6;
    return 4;
}
