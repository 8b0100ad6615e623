#ifndef LOOMWRIGHT_PICTURECANVAS_H
#define LOOMWRIGHT_PICTURECANVAS_H

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

// The one scaler of the generators and the ICO writer, and their
// fit-and-centre, within the picture limit of PictureLoader. Nothing here
// logs.
class PictureCanvas
{
public:
    // picture in the format smooth scaling works on (RGB32, or premultiplied
    // ARGB32 when it has alpha); scaling converts any other picture on every
    // call, so a set that scales one picture to many sizes converts it once
    // with this (ScaledPictures does). A picture already in such a format
    // comes back unchanged.
    static QImage scalable(const QImage &picture);

    // picture scaled into box as QImage::scaled does it. A null image when the
    // box is empty or the result would exceed maxPixels: Qt's smooth scaling
    // crashes on a target it cannot allocate instead of returning a null
    // image, and its size arithmetic overflows for extreme proportions.
    static QImage scaled(const QImage &picture,
                         const QSize &box,
                         Qt::AspectRatioMode aspectRatioMode,
                         Qt::TransformationMode transformationMode);

    // Fit and centre: a canvas of size (RGB32 for an opaque fill, else
    // premultiplied ARGB32), filled with fill (alpha included), with picture drawn over it at ((canvas width −
    // picture width) / 2, (canvas height − picture height) / 2), truncating
    // toward zero. A null image when the canvas exceeds maxPixels.
    static QImage centred(const QImage &picture, const QSize &size, const QColor &fill);

    // Where a picture of pictureSize goes to be centred on a canvas of
    // canvasSize; an odd spare pixel stays at the right or bottom.
    static QPoint centredPosition(const QSize &canvasSize, const QSize &pictureSize);
};

#endif
