#ifndef LOOMWRIGHT_IOSLAUNCHIMAGE_H
#define LOOMWRIGHT_IOSLAUNCHIMAGE_H

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
};

#endif
