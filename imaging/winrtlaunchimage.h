#ifndef LOOMWRIGHT_WINRTLAUNCHIMAGE_H
#define LOOMWRIGHT_WINRTLAUNCHIMAGE_H

#include "imaging/launchimage.h"

#include <QDir>
#include <QString>
#include <QVariantMap>

// Windows Store splash screens: 620 × 300 in the five scale factors,
// "SplashScreen620x300" + the scale's qualifier + ".png", composed from the
// launch-image options into an existing folder.
class WinRTLaunchImage
{
public:
    // The five splash screens into targetPath, which is not made here. True
    // when at least one was written: a set of which nothing was written is a
    // failure the caller must hear about, while a partly written set reports
    // its missing files in the log.
    static bool createWinRTLaunchImage(const QString &targetPath, const QVariantMap &options);

    // One splash screen of base size width × height at scale, named after the
    // base size; true when it was written.
    static bool createWinRTLaunchImage(const QDir &targetDir,
                                       const QVariantMap &options,
                                       int width,
                                       int height,
                                       int scale);

private:
    // As above, composed by the composer of the set, which writes it; a
    // member, so that its log lines name this operation.
    static bool createWinRTLaunchImage(LaunchImage::Composer &composer,
                                       const QDir &targetDir,
                                       int width,
                                       int height,
                                       int scale);
};

#endif
