#include "imaging/picturecanvas.h"

#include "imaging/pictureloader.h"

#include <QPainter>

QImage PictureCanvas::scalable(const QImage &picture)
{
    const QImage::Format format = picture.format();
    if (picture.isNull() || format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied)
        return picture;
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
}

QImage PictureCanvas::scaled(const QImage &picture,
                             const QSize &box,
                             Qt::AspectRatioMode aspectRatioMode,
                             Qt::TransformationMode transformationMode)
{
    if (picture.isNull() || box.isEmpty())
        return QImage();

    // QSize::scaled's rule, in 64 bits.
    qint64 width = box.width();
    qint64 height = box.height();
    if (aspectRatioMode != Qt::IgnoreAspectRatio) {
        const qint64 widthForHeight = height * picture.width() / picture.height();
        const bool useHeight = aspectRatioMode == Qt::KeepAspectRatio ? widthForHeight <= width
                                                                       : widthForHeight >= width;
        if (useHeight)
            width = widthForHeight;
        else
            height = width * picture.height() / picture.width();
    }
    width = qMax<qint64>(width, 1);
    height = qMax<qint64>(height, 1);
    if (!PictureLoader::withinLimit(width, height))
        return QImage();

    return picture.scaled(int(width), int(height), Qt::IgnoreAspectRatio, transformationMode);
}

QImage PictureCanvas::centred(const QImage &picture, const QSize &size, const QColor &fill)
{
    if (!PictureLoader::withinLimit(size.width(), size.height()))
        return QImage();

    // An opaque fill leaves nothing transparent: such a canvas carries no alpha
    // channel, as a pixmap would not, and the file gets none either.
    QImage canvas(size, fill.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull())
        return canvas;
    canvas.fill(fill);

    QPainter painter(&canvas);
    painter.drawImage(centredPosition(size, picture.size()), picture);
    painter.end();
    return canvas;
}

QPoint PictureCanvas::centredPosition(const QSize &canvasSize, const QSize &pictureSize)
{
    return QPoint((canvasSize.width() - pictureSize.width()) / 2, (canvasSize.height() - pictureSize.height()) / 2);
}
