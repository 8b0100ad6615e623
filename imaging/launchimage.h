#ifndef LOOMWRIGHT_LAUNCHIMAGE_H
#define LOOMWRIGHT_LAUNCHIMAGE_H

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QVariantMap>
#include <QVector>

// Launch images (splash screens, installer pictures): composed on a canvas of
// a fixed size from a colour and up to three pictures named in the options.
class LaunchImage
{
public:
    // Picks the generator of one platform.
    static bool createLaunchImage(const QString &os, const QString &targetPath, const QVariantMap &options);

    // Composes one launch image of width × height and writes it as PNG to
    // targetPath (used as given). Loads the option pictures afresh.
    static bool createLaunchImage(const QString &targetPath, const QVariantMap &options, int width, int height);

    // Composes any number of launch images from one options map. The sets
    // write up to ten images from the same options, so the pictures are read
    // and the colour parsed once, when the composer is made, and each scaled
    // picture is kept for the later images that need it at the same size.
    // Every image comes out byte for byte as the per-call overload writes it,
    // with the same log lines apart from the signature. A composer holds the
    // pictures as they were when it was made: make one per set call, not one
    // for the process.
    class Composer
    {
    public:
        explicit Composer(const QVariantMap &options);

        // As the per-call overload: true when the file was written.
        bool createLaunchImage(const QString &targetPath, int width, int height);

    private:
        friend class LaunchImage;

        enum PictureRole { Background, Overlay, Icon, PictureRoleCount };

        struct ScaledPicture
        {
            QSize size;
            QImage image;
        };

        bool write(const char *function, const QString &targetPath, int width, int height);
        bool compose(const char *function, int width, int height, QImage *canvas);
        const QImage &picture(PictureRole role) const { return m_pictures[m_source[role]]; }
        QImage scaled(PictureRole role, const QSize &box, Qt::AspectRatioMode aspectRatioMode);

        // Roles that name the same file share one picture, read once, and
        // its scaled sizes: m_source[role] is the first role that named the
        // file, and only that role's entries of m_pictures and m_scaled are
        // used.
        int m_source[PictureRoleCount] = {};
        QImage m_pictures[PictureRoleCount];
        QVector<ScaledPicture> m_scaled[PictureRoleCount];
        qint64 m_scaledBytes = 0;
        QColor m_colour;

        // The last file's encoding: an installer writes the same image twice.
        QSize m_encodedSize;
        QByteArray m_encoded;
    };
};

#endif
