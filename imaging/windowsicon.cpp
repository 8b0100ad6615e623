#include "imaging/windowsicon.h"

#include "imaging/iconfile_p.h"
#include "imaging/icohandler.h"
#include "utility/logging.h"
#include "utility/atomicfilewriter.h"

#include <QBuffer>
#include <QSaveFile>

#include <iterator>

namespace {

const int IconSizes[] = { 16, 32, 64, 96 };

}

bool WindowsIcon::createWindowsIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;

    QSaveFile file;
    if (!IconFile::open(&file, targetPath, Q_FUNC_INFO))
        return false;

    // Smooth scaling premultiplies a straight-alpha picture before each scale;
    // doing that once serves every size. A size that needs no scaling takes
    // the picture itself: the round trip through premultiplied pixels would
    // lose the colour of nearly transparent ones.
    QImage premultiplied;
    QList<QImage> images;
    images.reserve(int(std::size(IconSizes)));
    for (const int size : IconSizes) {
        const bool scales = qMax(picture.width(), picture.height()) != size;
        if (scales && picture.format() == QImage::Format_ARGB32 && premultiplied.isNull())
            premultiplied = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        createWindowsImage(scales && !premultiplied.isNull() ? premultiplied : picture, &images, size);
    }

    // The container is made in memory and reaches the disk whole or not at
    // all: without a commit the save file throws its temporary away, and a
    // previous icon stays as it was.
    QByteArray container;
    QBuffer buffer(&container);
    buffer.open(QIODevice::WriteOnly);
    IcoHandler writer(&buffer);
    return writer.writeImages(images) && AtomicFileWriter::commit(&file, container);
}

bool WindowsIcon::createWindowsImage(const QImage &picture, QList<QImage> *images, int size)
{
    if (!images)
        return false;

    // A null picture scales to a null image anyway; asking Qt would only add
    // its own warning to ours.
    const QImage scaled = picture.isNull()
        ? QImage()
        : picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling image" << picture;
        return false;
    }

    // The writer stores straight-alpha pixels; converting here spares it a
    // second conversion.
    images->append(scaled.convertToFormat(QImage::Format_ARGB32));
    return true;
}
