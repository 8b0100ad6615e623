#include "imaging/picturewriter.h"

#include "imaging/pngencoder_p.h"
#include "utility/atomicfilewriter.h"

#include <QBuffer>
#include <QImageWriter>

bool PictureWriter::save(const QImage &picture, const QString &path, const QByteArray &format, int quality)
{
    const QByteArray bytes = encode(picture, format, quality);
    return !bytes.isEmpty() && write(bytes, path);
}

QByteArray PictureWriter::encode(const QImage &picture, const QByteArray &format, int quality, bool smallest)
{
    // Qt's writer spends most of its time choosing among filters for every
    // row; at its default quality ours gives the same file but for the
    // compressed data, in a fraction of the time. What ours declines goes to
    // the writer.
    if (quality == -1 && format.compare("png", Qt::CaseInsensitive) == 0) {
        const QByteArray bytes = PngEncoder::encode(picture, smallest ? PngEncoder::smallest() : PngEncoder::Tuning());
        if (!bytes.isEmpty())
            return bytes;
    }

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(picture))
        return QByteArray();
    return bytes;
}

bool PictureWriter::write(const QByteArray &bytes, const QString &path)
{
    return AtomicFileWriter::write(path, bytes);
}
