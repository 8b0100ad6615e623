#ifndef LOOMWRIGHT_ICOHANDLER_H
#define LOOMWRIGHT_ICOHANDLER_H

#include <QImage>
#include <QImageIOHandler>
#include <QList>

// Writes several pictures as one Windows icon file: one directory entry per
// picture, each stored as a 32-bit bitmap with its transparency mask.
//
// The handler only writes; it cannot read icon files (canRead() is false).
class IcoHandler : public QImageIOHandler
{
public:
    // The device belongs to the caller and must stay open while writing.
    explicit IcoHandler(QIODevice *device);

    bool canRead() const override;
    bool read(QImage *image) override;

    // An icon file with this one picture.
    bool write(const QImage &image) override;

    // Writes the pictures, in list order, from the device's current position.
    // Pictures larger than 128 pixels in either direction are scaled down to
    // fit 128 × 128; smaller ones keep their size. Returns false, writing
    // nothing, for an empty list, a null picture, more than 65535 pictures or
    // a device that is not open for writing; returns false after a short
    // write, leaving what was written on the device.
    bool writeImages(const QList<QImage> &images);
};

#endif
