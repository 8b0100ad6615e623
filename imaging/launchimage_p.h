#ifndef LOOMWRIGHT_LAUNCHIMAGE_P_H
#define LOOMWRIGHT_LAUNCHIMAGE_P_H

#include "imaging/imageoptions_p.h"
#include "imaging/launchimage.h"
#include "imaging/scaledpictures_p.h"
#include "imaging/setwriter_p.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QVariantMap>

// Composes any number of launch images from one options map. The sets write
// up to ten images from the same options, so the pictures are read and the
// colour parsed once, when the composer is made, and each scaled picture is
// kept for the later images that need it at the same size. Every image comes
// out byte for byte as the per-call overload writes it, with the same log
// lines apart from the signature. A composer holds the pictures as they were
// when it was made: make one per set call, not one for the process.
class LaunchImage::Composer
{
public:
    explicit Composer(const QVariantMap &options);

    // As the per-call overload: true when the file was written.
    bool createLaunchImage(const QString &targetPath, int width, int height);

    // Through which every image of the set is written: whether the set
    // wrote any of its images.
    SetWriter &writer() { return m_writer; }

private:
    friend class LaunchImage;

    using Role = ImageOptions::LaunchPicture;

    bool write(const char *function, const QString &targetPath, int width, int height);
    bool compose(const char *function, int width, int height, QImage *canvas);
    const QImage &picture(Role role) const { return m_pictures[m_sameAs[role]].picture(); }
    QImage scaled(Role role, const QSize &box, Qt::AspectRatioMode aspectRatioMode)
    {
        return m_pictures[m_sameAs[role]].scaled(box, aspectRatioMode);
    }

    // Roles that name the same file share one picture and its scaled sizes:
    // only the entry of the first such role is filled.
    int m_sameAs[ImageOptions::LaunchPictureCount] = {};
    ScaledPictures m_pictures[ImageOptions::LaunchPictureCount];
    QColor m_colour;
    SetWriter m_writer;

    // The last file's encoding: an installer writes the same image twice.
    QSize m_encodedSize;
    QByteArray m_encoded;
};

#endif
