#ifndef LOOMWRIGHT_SCALEDPICTURES_P_H
#define LOOMWRIGHT_SCALEDPICTURES_P_H

#include <QImage>
#include <QSize>
#include <QVector>

// One source picture and what a set makes of it at many sizes: every
// generator that scales a picture to several sizes goes through one of these,
// which lives for one call of the set.
class ScaledPictures
{
public:
    // What a composer of launch images keeps: the Android set needs its
    // largest background at 1920 × 1920 (14 MiB); all of its sizes fit well
    // within this.
    static constexpr qint64 LaunchSetBudget = qint64(64) << 20;

    // budgetBytes is how much of its scaled pictures the set keeps for later
    // calls that need the same size; 0 for a set whose sizes all differ.
    explicit ScaledPictures(const QImage &picture = QImage(), qint64 budgetBytes = 0);

    const QImage &picture() const { return m_picture; }
    bool isNull() const { return m_picture.isNull(); }

    // The picture that scaling into box starts from. A box that gives the
    // picture its own size takes the picture itself, which keeps its pixels
    // as they are. Any other box takes the picture in the format that
    // scaling reads (PictureCanvas::scalable), converted on first use:
    // scaling converts any other picture on every call.
    const QImage &sourceFor(const QSize &box, Qt::AspectRatioMode aspectRatioMode);

    // The picture scaled into box with smooth transformation, as
    // PictureCanvas::scaled makes it from sourceFor(box); a null image when
    // it cannot be made. Within the budget each size is kept, so that a later
    // box of the same result size costs nothing.
    QImage scaled(const QSize &box, Qt::AspectRatioMode aspectRatioMode);

private:
    struct Entry
    {
        QSize size;
        QImage image;
    };

    QImage m_picture;
    QImage m_scalable;
    qint64 m_budgetBytes;
    qint64 m_keptBytes = 0;
    QVector<Entry> m_kept;
};

#endif
