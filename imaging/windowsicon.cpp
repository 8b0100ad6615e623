#include "imaging/windowsicon.h"

#include "imaging/icohandler.h"
#include "imaging/picturecanvas.h"
#include "imaging/platformsizes_p.h"
#include "imaging/scaledpictures_p.h"
#include "imaging/setwriter_p.h"
#include "utility/logging.h"

#include <QBuffer>
#include <QSaveFile>

#include <iterator>

bool WindowsIcon::createWindowsIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;

    QSaveFile file;
    if (!SetWriter::openContainer(&file, targetPath, Q_FUNC_INFO))
        return false;

    ScaledPictures pictures(picture);
    QList<QImage> images;
    images.reserve(int(std::size(PlatformSizes::WindowsIconSides)));
    for (const int side : PlatformSizes::WindowsIconSides)
        createWindowsImage(pictures.sourceFor(QSize(side, side), Qt::KeepAspectRatio), &images, side);

    // The container is made in memory and reaches the disk whole or not at
    // all: without a commit the save file throws its temporary away, and a
    // previous icon stays as it was.
    QByteArray container;
    QBuffer buffer(&container);
    buffer.open(QIODevice::WriteOnly);
    IcoHandler writer(&buffer);
    return writer.writeImages(images) && SetWriter::commit(&file, container);
}

bool WindowsIcon::createWindowsImage(const QImage &picture, QList<QImage> *images, int size)
{
    if (!images)
        return false;

    const QImage scaled =
            PictureCanvas::scaled(picture, QSize(size, size), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling image" << picture;
        return false;
    }

    // The writer stores straight-alpha pixels; converting here spares it a
    // second conversion.
    images->append(scaled.hasAlphaChannel() ? scaled : scaled.convertToFormat(QImage::Format_ARGB32));
    return true;
}
