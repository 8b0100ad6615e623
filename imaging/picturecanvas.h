#ifndef LOOMWRIGHT_PICTURECANVAS_H
#define LOOMWRIGHT_PICTURECANVAS_H

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

// The one scaler of the generators and the ICO writer, and their
// fit-and-centre, within the picture limit of PictureLoader. Scaling and
// drawing are our own integer arithmetic (see Resampler), so that every
// machine makes the same pixels; the pictures that come out have straight
// alpha (ARGB32), or none (RGB32). Nothing here logs.
class PictureCanvas
{
public:
    // picture in a format that scaling reads directly; a set that scales one
    // picture to many sizes converts it once with this (ScaledPictures
    // does). A picture already in such a format comes back unchanged.
    static QImage scalable(const QImage &picture);

    // picture scaled into box by the rules of QImage::scaled (its size
    // arithmetic, in 64 bits): smooth transformation takes the exact area
    // average to make a picture smaller and bilinear interpolation to make
    // it larger, fast transformation the nearest pixel. ARGB32 when picture
    // has an alpha channel, else RGB32. A null image when the box is empty
    // or the result would exceed the picture limit.
    static QImage scaled(const QImage &picture,
                         const QSize &box,
                         Qt::AspectRatioMode aspectRatioMode,
                         Qt::TransformationMode transformationMode);

    // A canvas of size filled with fill: RGB32 for an opaque colour, else
    // ARGB32 with the colour's alpha (a fully transparent colour leaves
    // every pixel 0). A null image when the canvas exceeds the limit.
    static QImage filled(const QSize &size, const QColor &fill);

    // picture drawn over canvas (made by filled()) with its top-left corner
    // at position, by ordinary source-over blending, each pixel rounded once;
    // the parts outside the canvas are cut off.
    static void draw(QImage *canvas, const QImage &picture, const QPoint &position);

    // Fit and centre: filled(size, fill) with picture drawn over it at
    // centredPosition(). A null image when the canvas exceeds the limit.
    static QImage centred(const QImage &picture, const QSize &size, const QColor &fill);

    // Where a picture of pictureSize goes to be centred on a canvas of
    // canvasSize; an odd spare pixel stays at the right or bottom.
    static QPoint centredPosition(const QSize &canvasSize, const QSize &pictureSize);

    // picture as straight-alpha ARGB32, or RGB32 when it has no alpha
    // channel, whatever its format; premultiplied pixels are divided back
    // exactly.
    static QImage straight(const QImage &picture);
};

#endif
