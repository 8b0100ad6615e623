#ifndef LOOMWRIGHT_IOSLAUNCHIMAGE_H
#define LOOMWRIGHT_IOSLAUNCHIMAGE_H

#include <QImage>
#include <QString>
#include <QVariantMap>

// The iOS launch images: the pictures of the folder "LaunchImages" under the
// target path are replaced by those named in the launch-image options. The
// folder's own pictures are the app project's defaults; this class neither
// ships nor makes any: a picture that is not given leaves its file as it is,
// or absent.
class IOSLaunchImage
{
public:
    // Makes the launch folder if missing and replaces "BackgroundImage.png"
    // (the background picture at its own size), "OverlayImage.png" (the
    // overlay fitted into 512 × 512) and, only when neither of those two
    // pictures is given, "AppIconOverlay.png" (the icon fitted into
    // 512 × 512). A relative targetPath is taken from the working folder.
    // False when the folder cannot be made or a given picture cannot be
    // scaled or written.
    static bool createiOSLaunchImage(const QString &targetPath, const QVariantMap &options);

    // Internals, public for the tests.

    // The box that the overlay and the icon are fitted into.
    static constexpr int FittedSide = 512;

    // picture fitted into FittedSide × FittedSide, aspect ratio kept, smooth
    // transformation, smaller pictures enlarged; a null image when it cannot
    // be scaled.
    static QImage fitted(const QImage &picture);

    // Replaces the file at path by replacement, a picture already loaded and
    // scaled, encoded as PNG. The default is replaced in one step, so it
    // stays as it was whenever the new file cannot be made; a missing default
    // is reported ("Error deleting the default image ") and the new file
    // written all the same. A picture that cannot be encoded or written gives
    // "Error copying " and false. function is the signature that the lines
    // start with.
    static bool replaceDefaultImage(const char *function, const QImage &replacement, const QString &path);
};

#endif
