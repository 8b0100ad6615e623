#ifndef LOOMWRIGHT_ANDROIDLAUNCHIMAGE_H
#define LOOMWRIGHT_ANDROIDLAUNCHIMAGE_H

#include "imaging/launchimage.h"

#include <QDir>
#include <QString>
#include <QVariantMap>

// Android splash pictures, "splash.png" (portrait) and "splash_land.png"
// (landscape) for each density, composed from the launch-image options into
// the density folders that the launcher icons use ("mipmap-<density>" under a
// target folder, made when missing). A relative target folder is taken from
// the working folder, for the folders and the files alike.
class AndroidLaunchImage
{
public:
    // All ten pictures, portrait ones first, densities from low to high. A
    // picture that fails is logged and the set goes on; false only when none
    // was written.
    static bool createAndroidLaunchImage(const QString &targetPath, const QVariantMap &options);

    // One picture of width × height, fileName in the density's folder under
    // targetDir; true when it was written.
    static bool createAndroidLaunchImage(const QDir &targetDir,
                                         const QVariantMap &options,
                                         int width,
                                         int height,
                                         const QString &density,
                                         const QString &fileName);

private:
    // As above, composed by the composer of the set, which writes it; a
    // member, so that its log lines name this operation.
    static bool createAndroidLaunchImage(LaunchImage::Composer &composer,
                                         const QDir &targetDir,
                                         int width,
                                         int height,
                                         const QString &density,
                                         const QString &fileName);
};

#endif
