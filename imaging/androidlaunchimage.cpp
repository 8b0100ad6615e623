#include "imaging/androidlaunchimage.h"

#include "imaging/androidicon.h"
#include "imaging/targetfolder_p.h"
#include "utility/logging.h"

namespace {

struct Splash
{
    QLatin1String density;
    const char *fileName;
    int width;
    int height;
};

// Written in this order: portrait pictures first, densities from low to high.
const Splash Splashes[] = {
    { QLatin1String("mdpi"), "splash.png", 320, 480 },
    { QLatin1String("hdpi"), "splash.png", 480, 800 },
    { QLatin1String("xhdpi"), "splash.png", 720, 1280 },
    { QLatin1String("xxhdpi"), "splash.png", 960, 1600 },
    { QLatin1String("xxxhdpi"), "splash.png", 1280, 1920 },
    { QLatin1String("mdpi"), "splash_land.png", 480, 320 },
    { QLatin1String("hdpi"), "splash_land.png", 800, 480 },
    { QLatin1String("xhdpi"), "splash_land.png", 1280, 720 },
    { QLatin1String("xxhdpi"), "splash_land.png", 1600, 960 },
    { QLatin1String("xxxhdpi"), "splash_land.png", 1920, 1280 },
};

}

bool AndroidLaunchImage::createAndroidLaunchImage(const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << targetPath << options;
    if (!TargetFolder::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    LaunchImage::Composer composer(options);
    const QDir targetDir(targetPath);
    bool anyWritten = false;
    for (const Splash &splash : Splashes) {
        if (createAndroidLaunchImage(composer, targetDir, splash.width, splash.height, QString(splash.density),
                                     QString::fromLatin1(splash.fileName)))
            anyWritten = true;
    }
    return anyWritten;
}

bool AndroidLaunchImage::createAndroidLaunchImage(const QDir &targetDir,
                                                  const QVariantMap &options,
                                                  int width,
                                                  int height,
                                                  const QString &density,
                                                  const QString &fileName)
{
    LaunchImage::Composer composer(options);
    return createAndroidLaunchImage(composer, targetDir, width, height, density, fileName);
}

bool AndroidLaunchImage::createAndroidLaunchImage(LaunchImage::Composer &composer,
                                                  const QDir &targetDir,
                                                  int width,
                                                  int height,
                                                  const QString &density,
                                                  const QString &fileName)
{
    const QString folder = AndroidIcon::densityFolder(targetDir, density);
    if (!QDir().mkpath(folder)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error creating" << folder;
        return false;
    }

    // The composer logs its own failures.
    return composer.createLaunchImage(folder + QLatin1Char('/') + fileName, width, height);
}
