#ifndef LOOMWRIGHT_LAUNCHIMAGE_H
#define LOOMWRIGHT_LAUNCHIMAGE_H

#include <QString>
#include <QVariantMap>

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

    // What the sets compose their images with (launchimage_p.h).
    class Composer;
};

#endif
