#ifndef LOOMWRIGHT_PICTURECANVAS_H
#define LOOMWRIGHT_PICTURECANVAS_H

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

// Scaling and fit-and-centre for the generators, within the picture limit of
// PictureLoader. Nothing here logs.
class PictureCanvas
{
public:
    // picture scaled into box as QImage::scaled does it. A null image when the
    // box is empty or the result would exceed maxPixels: Qt's smooth scaling
    // crashes on a target it cannot allocate instead of returning a null
    // image, and its size arithmetic overflows for extreme proportions.
    static QImage scaled(const QImage &picture,
                         const QSize &box,
                         Qt::AspectRatioMode aspectRatioMode,
                         Qt::TransformationMode transformationMode);

    // Fit and centre: a premultiplied ARGB32 canvas of size, filled with fill
    // (alpha included), with picture drawn over it at ((canvas width −
    // picture width) / 2, (canvas height − picture height) / 2), truncating
    // toward zero. A null image when the canvas exceeds maxPixels.
    static QImage centred(const QImage &picture, const QSize &size, const QColor &fill);

    // Where a picture of pictureSize goes to be centred on a canvas of
    // canvasSize; an odd spare pixel stays at the right or bottom.
    static QPoint centredPosition(const QSize &canvasSize, const QSize &pictureSize);
};

#endif
