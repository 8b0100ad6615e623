#include "imaging/picturecanvas.h"

#include "imaging/pictureloader.h"
#include "imaging/resampler_p.h"

#include <QRect>

QImage PictureCanvas::scalable(const QImage &picture)
{
    return Resampler::readable(picture);
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

    // A picture that keeps its size keeps its pixels, even the colour of
    // fully transparent ones.
    const QSize size(static_cast<int>(width), static_cast<int>(height));
    if (size == picture.size())
        return Resampler::straight(picture);
    return Resampler::resampled(Resampler::readable(picture), size, transformationMode);
}

QImage PictureCanvas::filled(const QSize &size, const QColor &fill)
{
    if (!PictureLoader::withinLimit(size.width(), size.height()))
        return QImage();

    // An opaque fill leaves nothing transparent: such a canvas carries no alpha
    // channel, as a pixmap would not, and the file gets none either.
    const bool opaque = fill.alpha() == 255;
    QImage canvas(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (!canvas.isNull())
        canvas.fill(fill.alpha() == 0 ? QRgb(0) : fill.rgba());
    return canvas;
}

void PictureCanvas::draw(QImage *canvas, const QImage &picture, const QPoint &position)
{
    if (!canvas || canvas->isNull() || picture.isNull())
        return;
    const QImage source = straight(picture);
    const QRect area = QRect(position, source.size()) & canvas->rect();
    const bool opaqueCanvas = !canvas->hasAlphaChannel();
    const bool opaqueSource = !source.hasAlphaChannel();

    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(y - position.y()));
        auto *to = reinterpret_cast<QRgb *>(canvas->scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb s = from[x - position.x()];
            const quint32 sourceAlpha = opaqueSource ? 255 : qAlpha(s);
            if (sourceAlpha == 255) {
                to[x] = s | 0xff000000;
                continue;
            }
            if (sourceAlpha == 0)
                continue;

            // Straight alpha both sides: the result's alpha × colour is the
            // source's plus what shows of the canvas, and the colour is that
            // over the result's alpha, rounded once.
            const QRgb d = to[x];
            if (opaqueCanvas) {
                // The result's alpha is whole: a division by a constant.
                const auto blended = [&](int sourceColour, int canvasColour) {
                    const quint32 sum = quint32(sourceColour) * sourceAlpha + quint32(canvasColour) * (255 - sourceAlpha);
                    return int((2 * sum + 255) / 510);
                };
                to[x] = qRgb(blended(qRed(s), qRed(d)), blended(qGreen(s), qGreen(d)), blended(qBlue(s), qBlue(d)));
                continue;
            }
            const quint32 canvasAlpha = qAlpha(d);
            const quint32 shown = canvasAlpha * (255 - sourceAlpha); // of 255 × 255
            const quint32 coverage = sourceAlpha * 255 + shown;
            const quint32 alpha = (coverage + 127) / 255;
            if (alpha == 0) {
                to[x] = 0;
                continue;
            }
            const auto blended = [&](int sourceColour, int canvasColour) {
                const quint64 sum = quint64(sourceColour) * sourceAlpha * 255 + quint64(canvasColour) * shown;
                return int((2 * sum + coverage) / (2 * quint64(coverage)));
            };
            to[x] = qRgba(blended(qRed(s), qRed(d)), blended(qGreen(s), qGreen(d)), blended(qBlue(s), qBlue(d)),
                          int(alpha));
        }
    }
}

QImage PictureCanvas::centred(const QImage &picture, const QSize &size, const QColor &fill)
{
    QImage canvas = filled(size, fill);
    draw(&canvas, picture, centredPosition(size, picture.size()));
    return canvas;
}

QPoint PictureCanvas::centredPosition(const QSize &canvasSize, const QSize &pictureSize)
{
    return QPoint((canvasSize.width() - pictureSize.width()) / 2, (canvasSize.height() - pictureSize.height()) / 2);
}

QImage PictureCanvas::straight(const QImage &picture)
{
    return Resampler::straight(picture);
}
