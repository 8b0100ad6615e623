#include "imaging/androidlaunchimage.h"

#include "imaging/launchimage_p.h"
#include "imaging/platformsizes_p.h"
#include "imaging/setwriter_p.h"
#include "utility/logging.h"

bool AndroidLaunchImage::createAndroidLaunchImage(const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << targetPath << options;
    if (!SetWriter::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    LaunchImage::Composer composer(options);
    const QDir targetDir(targetPath);
    for (const PlatformSizes::AndroidSplash &splash : PlatformSizes::AndroidSplashes) {
        createAndroidLaunchImage(composer, targetDir, splash.width, splash.height, QLatin1String(splash.density),
                                 QLatin1String(splash.fileName));
    }
    return composer.writer().result();
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
    const QString folder = PlatformSizes::androidDensityFolder(targetDir, density);
    if (!composer.writer().makeFolder(folder, Q_FUNC_INFO, "Error creating"))
        return false;

    // The composer logs its own failures.
    return composer.createLaunchImage(folder + QLatin1Char('/') + fileName, width, height);
}
