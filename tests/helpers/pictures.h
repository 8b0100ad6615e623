#ifndef LOOMWRIGHT_TESTS_PICTURES_H
#define LOOMWRIGHT_TESTS_PICTURES_H

// Pictures for the imaging tests.

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QString>

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

// What a worked example says: the picture in the file scaled to size, drawn
// on image at position.
inline QImage drawn(QImage image, const QString &picture, const QSize &size, const QPoint &position)
{
    QPainter painter(&image);
    painter.drawImage(position, QImage(picture).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return image;
}

// Saves picture as PNG to file: file, or an empty path when that failed.
inline QString writePicture(const QString &file, const QImage &picture)
{
    if (!picture.save(file, "PNG"))
        return QString();
    return file;
}

#endif // LOOMWRIGHT_TESTS_PICTURES_H
