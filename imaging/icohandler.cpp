#include "imaging/icohandler.h"

#include "imaging/picturecanvas.h"

#include <QByteArray>
#include <QIODevice>
#include <QVector>
#include <QtEndian>

#include <cstring>

namespace {

constexpr int MaxSide = 128;
constexpr int DirectorySize = 6;
constexpr int EntrySize = 16;
constexpr int HeaderSize = 40;

void put16(char *at, quint16 value)
{
    qToLittleEndian(value, at);
}

void put32(char *at, quint32 value)
{
    qToLittleEndian(value, at);
}

// Entries are kept to uncompressed bitmaps of at most 128 × 128, which every
// reader takes and whose sizes fit the entry's bytes; smaller pictures are
// never enlarged. Fitted by the scaler of every generator, within its limit.
QImage prepared(const QImage &image)
{
    const QImage fitted = image.width() > MaxSide || image.height() > MaxSide
        ? PictureCanvas::scaled(image, QSize(MaxSide, MaxSide), Qt::KeepAspectRatio, Qt::SmoothTransformation)
        : image;
    const QImage straight = PictureCanvas::straight(fitted);
    return straight.hasAlphaChannel() ? straight : straight.convertToFormat(QImage::Format_ARGB32);
}

int maskRowBytes(int width)
{
    return (width + 31) / 32 * 4;
}

quint32 resourceSize(const QImage &image)
{
    return quint32(HeaderSize + image.height() * (image.width() * 4 + maskRowBytes(image.width())));
}

void putEntry(char *at, const QImage &image, quint32 size, quint32 offset)
{
    at[0] = char(image.width());
    at[1] = char(image.height());
    at[2] = 0;
    at[3] = 0;
    put16(at + 4, 1);
    put16(at + 6, 32);
    put32(at + 8, size);
    put32(at + 12, offset);
}

// The bitmap header, the colour rows and the mask rows, all bottom row first.
QByteArray resource(const QImage &image, quint32 size)
{
    const int width = image.width();
    const int height = image.height();
    QByteArray bytes(int(size), Qt::Uninitialized);
    char *at = bytes.data();

    put32(at, HeaderSize);
    put32(at + 4, quint32(width));
    put32(at + 8, quint32(2 * height));
    put16(at + 12, 1);
    put16(at + 14, 32);
    put32(at + 16, 0);
    put32(at + 20, size - HeaderSize);
    std::memset(at + 24, 0, HeaderSize - 24);
    at += HeaderSize;

    const int colourBytes = width * 4;
    for (int y = height - 1; y >= 0; --y, at += colourBytes) {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        // An ARGB32 pixel already lies in memory as blue, green, red, alpha.
        std::memcpy(at, pixels, size_t(colourBytes));
#else
        for (int x = 0; x < width; ++x)
            put32(at + 4 * x, pixels[x]);
#endif
    }

    // Readers ignore the alignment bits past a row's last pixel; zeroing
    // them keeps the file the same from run to run.
    const int maskBytes = maskRowBytes(width);
    std::memset(at, 0, size_t(maskBytes) * size_t(height));
    uchar *mask = reinterpret_cast<uchar *>(at);
    for (int y = height - 1; y >= 0; --y, mask += maskBytes) {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(pixels[x]) == 0)
                mask[x >> 3] |= uchar(0x80u >> (x & 7));
        }
    }
    return bytes;
}

}

IcoHandler::IcoHandler(QIODevice *device)
{
    setDevice(device);
    setFormat(QByteArrayLiteral("ico"));
}

bool IcoHandler::canRead() const
{
    return false;
}

bool IcoHandler::read(QImage *)
{
    return false;
}

bool IcoHandler::write(const QImage &image)
{
    return writeImages(QList<QImage>{ image });
}

bool IcoHandler::writeImages(const QList<QImage> &images)
{
    QIODevice *out = device();
    if (images.isEmpty() || images.size() > 0xFFFF || !out || !out->isWritable())
        return false;

    const int count = images.size();
    const qint64 start = out->pos();

    // Every entry names its resource's size and offset, so all resources are
    // built before the first byte goes out.
    QByteArray head(DirectorySize + EntrySize * count, Qt::Uninitialized);
    put16(head.data(), 0);
    put16(head.data() + 2, 1);
    put16(head.data() + 4, quint16(count));

    QVector<QByteArray> resources;
    resources.reserve(count);
    quint64 offset = quint64(start) + quint64(head.size());
    for (int i = 0; i < count; ++i) {
        const QImage image = prepared(images.at(i));
        if (image.isNull())
            return false;
        const quint32 size = resourceSize(image);
        putEntry(head.data() + DirectorySize + EntrySize * i, image, size, quint32(offset));
        resources.append(resource(image, size));
        offset += size;
    }
    // Offsets are stored in 32 bits.
    if (offset > 0xFFFFFFFFu)
        return false;

    const auto written = [out](const char *data, qint64 size) { return out->write(data, size) == size; };

    if (!written(head.constData(), DirectorySize))
        return false;
    for (int i = 0; i < count; ++i) {
        if (!written(head.constData() + DirectorySize + EntrySize * i, EntrySize))
            return false;
    }
    for (const QByteArray &bytes : qAsConst(resources)) {
        if (!written(bytes.constData(), HeaderSize) || !written(bytes.constData() + HeaderSize, bytes.size() - HeaderSize))
            return false;
    }
    return true;
}
