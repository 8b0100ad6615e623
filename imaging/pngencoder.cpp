#include "imaging/pngencoder_p.h"

#include <QColorSpace>

#include <zlib.h>

#include <cstring>
#include <limits>
#include <vector>

namespace {

// Keeps chunks small enough to check and to append without reserving the
// whole compressed size up front.
constexpr int IdatChunkSize = 1 << 20;

// What the output may grow to: a QByteArray holds a little under 2 GiB.
constexpr quint64 MaxOutputSize = quint64(std::numeric_limits<int>::max()) - (64 << 20);

enum : uchar {
    FilterSub = 1,
    FilterUp = 2,
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
    uLong crc = crc32(0, reinterpret_cast<const Bytef *>(type), 4);
    // zlib takes a null buffer as a request for the initial value.
    if (size > 0)
        crc = crc32(crc, reinterpret_cast<const Bytef *>(data), uInt(size));
    appendUint32(out, quint32(crc));
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
    explicit IdatStream(QByteArray *out) : m_out(out), m_buffer(IdatChunkSize, Qt::Uninitialized) {}

    ~IdatStream()
    {
        if (m_initialised)
            deflateEnd(&m_stream);
    }

    bool begin()
    {
        std::memset(&m_stream, 0, sizeof m_stream);
        m_initialised = deflateInit2(&m_stream, Level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) == Z_OK;
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
            const int result = deflateParams(&m_stream, Level, rle ? Z_RLE : Z_DEFAULT_STRATEGY);
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
    static constexpr int Level = 6;

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
    bool m_initialised = false;
    bool m_rle = false;
};

} // namespace

QByteArray PngEncoder::encode(const QImage &picture)
{
    if (picture.isNull() || isKeptByWriter(picture.format()) || picture.colorSpace().isValid()
        || !picture.textKeys().isEmpty() || !picture.offset().isNull() || picture.dotsPerMeterX() < 0
        || picture.dotsPerMeterY() < 0) {
        return QByteArray();
    }

    // The writer stores straight alpha, converted by Qt from whatever the
    // picture holds, and everything else as RGB.
    const bool alpha = picture.hasAlphaChannel();
    const QImage::Format format = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    const QImage source = picture.format() == format ? picture : picture.convertToFormat(format);
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

    IdatStream idat(&out);
    if (!idat.begin())
        return QByteArray();

    const size_t pixelBytes = size_t(rowBytes);
    std::vector<uchar> previous(pixelBytes);
    std::vector<uchar> current(pixelBytes);
    std::vector<uchar> filtered(pixelBytes + 1);
    for (int y = 0; y < height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *pixel = current.data();
        for (int x = 0; x < width; ++x) {
            *pixel++ = uchar(qRed(line[x]));
            *pixel++ = uchar(qGreen(line[x]));
            *pixel++ = uchar(qBlue(line[x]));
            if (alpha)
                *pixel++ = uchar(qAlpha(line[x]));
        }

        // A repeated row filtered against the one above is all zeros; any
        // other row gets Sub, which costs one pass and, on the generators'
        // flat backgrounds and gradients, packs about as well as the best
        // of the five filters.
        const bool repeated = y > 0 && std::memcmp(current.data(), previous.data(), pixelBytes) == 0;
        if (repeated) {
            filtered[0] = FilterUp;
            std::memset(filtered.data() + 1, 0, pixelBytes);
        } else {
            filtered[0] = FilterSub;
            const size_t step = size_t(channels);
            std::memcpy(filtered.data() + 1, current.data(), qMin(step, pixelBytes));
            for (size_t i = step; i < pixelBytes; ++i)
                filtered[i + 1] = uchar(current[i] - current[i - step]);
        }

        if (!idat.setRle(repeated) || !idat.write(filtered.data(), uInt(pixelBytes + 1)))
            return QByteArray();
        current.swap(previous);
    }
    if (!idat.finish())
        return QByteArray();

    appendChunk(&out, "IEND", nullptr, 0);
    return out;
}
