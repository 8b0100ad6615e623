#ifndef LOOMWRIGHT_TESTS_PICTURES_H
#define LOOMWRIGHT_TESTS_PICTURES_H

// Pictures for the imaging tests.

#include "imaging/picturecanvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QDebug>
#include <QImage>
#include <QLatin1Char>
#include <QPoint>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtEndian>

// Opaque pixels that differ from their neighbours, so that any shift,
// scaling or re-quantisation shows; seed picks the sequence.
inline QImage noise(const QSize &size, quint32 seed)
{
    QImage picture(size, QImage::Format_RGB32);
    quint32 state = seed;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            state = state * 1103515245u + 12345u;
            picture.setPixel(x, y, 0xff000000u | (state >> 8));
        }
    }
    return picture;
}

// The generators' scaler at work: image scaled into box with smooth
// transformation. Its arithmetic is checked on its own (tst_picturecanvas);
// the generators' tests take it as given and check sizes and positions.
inline QImage smoothScaled(const QImage &image, const QSize &box, Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio)
{
    return PictureCanvas::scaled(image, box, mode, Qt::SmoothTransformation);
}

// What a worked example says: the picture in the file scaled to size, drawn
// on image at position.
inline QImage drawn(QImage image, const QString &picture, const QSize &size, const QPoint &position)
{
    PictureCanvas::draw(&image, smoothScaled(QImage(picture), size), position);
    return image;
}

// Saves picture as PNG to file: file, or an empty path when that failed.
inline QString writePicture(const QString &file, const QImage &picture)
{
    if (!picture.save(file, "PNG"))
        return QString();
    return file;
}

// Every pixel differs, the alpha runs from 0 to 255 and colour sits under
// transparent pixels too.
inline QImage picture(int side, QImage::Format format = QImage::Format_ARGB32)
{
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, qRgba(x * 255 / side, y * 255 / side, (x * 7 + y * 3) & 0xff, (x + y) * 255 / (2 * side - 2)));
    }
    return image.convertToFormat(format);
}

inline QImage white(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

inline QImage readPicture(const QString &path)
{
    return QImage(path, "PNG").convertToFormat(QImage::Format_ARGB32);
}

template<typename T>
QByteArray bigEndian(T value)
{
    char bytes[sizeof(T)];
    qToBigEndian(value, bytes);
    return QByteArray(bytes, int(sizeof(T)));
}

// The CRC of PNG chunks, so that a changed chunk still reads as sound.
inline quint32 pngChunkCrc(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A small PNG whose header claims width × height; its image data is that of
// a 1 × 1 picture.
inline QByteArray pngClaiming(quint32 width, quint32 height)
{
    QImage one(1, 1, QImage::Format_ARGB32);
    one.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    one.save(&buffer, "PNG");
    png.replace(16, 4, bigEndian(width));
    png.replace(20, 4, bigEndian(height));
    return png.replace(29, 4, bigEndian(pngChunkCrc(png.mid(12, 17))));
}

// A picture as the trace lines print it.
inline QString debugForm(const QImage &image)
{
    QString text;
    QDebug(&text) << image;
    return text.trimmed();
}

// The warning for a launch-image option picture that is named but cannot be
// read, as MessageRecorder::lines gives it; path is the expanded one.
inline QString unreadablePictureLine(const QString &key, const QString &path)
{
    return QStringLiteral("warning ImageOptions::picture: Error loading image \"") + key + QStringLiteral("\" \"")
           + path + QLatin1Char('"');
}

// What ImageMagick reads from each file: "<width>x<height> <alpha>", alpha
// being True or False. Empty when it failed.
inline QStringList identified(const QString &identify, const QStringList &paths)
{
    QProcess process;
    process.start(identify, QStringList{ QStringLiteral("-format"), QStringLiteral("%wx%h %A\n") } + paths);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringList();
    return QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

#endif // LOOMWRIGHT_TESTS_PICTURES_H
