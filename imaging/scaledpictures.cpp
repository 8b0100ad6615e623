#include "imaging/scaledpictures_p.h"

#include "imaging/picturecanvas.h"

ScaledPictures::ScaledPictures(const QImage &picture, qint64 budgetBytes)
    : m_picture(picture), m_budgetBytes(budgetBytes)
{
}

const QImage &ScaledPictures::sourceFor(const QSize &box, Qt::AspectRatioMode aspectRatioMode)
{
    if (m_picture.isNull() || m_picture.size().scaled(box, aspectRatioMode) == m_picture.size())
        return m_picture;
    if (m_scalable.isNull())
        m_scalable = PictureCanvas::scalable(m_picture);
    return m_scalable;
}

QImage ScaledPictures::scaled(const QSize &box, Qt::AspectRatioMode aspectRatioMode)
{
    if (m_budgetBytes <= 0 || box.isEmpty())
        return PictureCanvas::scaled(sourceFor(box, aspectRatioMode), box, aspectRatioMode, Qt::SmoothTransformation);

    // Portrait and landscape images of a set often need a picture at the
    // same size: a square background covers 320 × 480 and 480 × 320 alike.
    // The key is only a guess at the size that scaling gives; a picture is
    // kept only when the scaling gave exactly that size.
    const QSize size = m_picture.size().scaled(box, aspectRatioMode).expandedTo(QSize(1, 1));
    for (const Entry &entry : qAsConst(m_kept)) {
        if (entry.size == size)
            return entry.image;
    }

    const QImage image =
            PictureCanvas::scaled(sourceFor(box, aspectRatioMode), box, aspectRatioMode, Qt::SmoothTransformation);
    if (image.isNull() || image.size() != size)
        return image;

    if (m_keptBytes + image.sizeInBytes() > m_budgetBytes) {
        m_kept.clear();
        m_keptBytes = 0;
    }
    if (image.sizeInBytes() <= m_budgetBytes) {
        m_kept.append({ size, image });
        m_keptBytes += image.sizeInBytes();
    }
    return image;
}
