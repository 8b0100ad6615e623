#include "imaging/pictureloader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMutex>
#include <QMutexLocker>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

bool pngIsWhole(const QByteArray &data)
{
    const qint64 size = data.size();
    qint64 chunk = 8; // after the signature, which the decoder checks
    while (chunk + 8 <= size) {
        const qint64 length = qFromBigEndian<quint32>(data.constData() + chunk);
        const bool end = std::memcmp(data.constData() + chunk + 4, "IEND", 4) == 0;
        chunk += 12 + length; // length, type, data, CRC
        if (end)
            return chunk <= size;
    }
    return false;
}

bool isStandaloneJpegMarker(uchar marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); // TEM, RST0-7
}

bool jpegIsWhole(const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const qint64 size = data.size();
    if (size < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8)
        return false;

    qint64 at = 2;
    for (;;) {
        // The decoder skips stray bytes before a marker and so does this walk;
        // only running out of data before the end marker counts.
        while (at < size && bytes[at] != 0xFF)
            ++at;
        while (at < size && bytes[at] == 0xFF)
            ++at;
        if (at >= size)
            return false;

        const uchar marker = bytes[at++];
        if (marker == 0xD9) // EOI
            return true;
        if (marker == 0x00 || isStandaloneJpegMarker(marker))
            continue;

        if (at + 2 > size)
            return false;
        const qint64 length = (qint64(bytes[at]) << 8) | bytes[at + 1];
        if (length < 2)
            return false;
        at += length;

        if (marker == 0xDA) { // SOS: compressed data runs to the next real marker
            while (at + 1 < size) {
                const uchar next = bytes[at + 1];
                if (bytes[at] == 0xFF && next != 0x00 && next != 0xFF && !isStandaloneJpegMarker(next))
                    break;
                ++at;
            }
            if (at + 1 >= size)
                return false;
        }
    }
}

// The last picture decoded and the bytes it came from. A tool makes its sets
// in one call after another from one source picture, and each call reads the
// file again; when the bytes are the same as last time, decoding them again
// would give the same pixels, so they are taken from here. Only pictures up
// to a size that the process may well keep are held.
constexpr qint64 KeptPictureBytes = qint64(16) << 20;

struct LastDecoded
{
    QMutex mutex;
    QByteArray data;
    QImage picture;
};

LastDecoded &lastDecoded()
{
    static LastDecoded last;
    return last;
}

}

bool PictureLoader::withinLimit(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= maxPixels && height <= maxPixels && width * height <= maxPixels;
}

QImage PictureLoader::load(const QString &path)
{
    // Checked before opening: opening a named pipe waits for a writer, and
    // reading a device may never end.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QImage();

    // Decoded from memory, so that the completeness checks see exactly the
    // bytes that the decoder gets.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0 || file.size() > std::numeric_limits<int>::max())
        return QImage();
    const QByteArray data = file.readAll();
    if (data.size() != file.size())
        return QImage();
    file.close();
    return loadFromData(data);
}

QImage PictureLoader::loadFromData(const QByteArray &data)
{
    if (data.isEmpty())
        return QImage();

    LastDecoded &last = lastDecoded();
    {
        const QMutexLocker locker(&last.mutex);
        if (last.data == data)
            return last.picture;
    }

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);

    const QSize claimed = reader.size();
    if (claimed.isValid() && !withinLimit(claimed.width(), claimed.height()))
        return QImage();

    const QByteArray format = reader.format();
    if (format == "png" && !pngIsWhole(data))
        return QImage();
    if (format == "jpeg" && !jpegIsWhole(data))
        return QImage();

    QImage picture = reader.read();
    // Readers that cannot tell the size from the header get the limit here.
    if (!picture.isNull() && !withinLimit(picture.width(), picture.height()))
        return QImage();

    if (!picture.isNull() && picture.sizeInBytes() <= KeptPictureBytes) {
        const QMutexLocker locker(&last.mutex);
        last.data = data;
        last.picture = picture;
    }
    return picture;
}
