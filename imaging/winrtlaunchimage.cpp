#include "imaging/winrtlaunchimage.h"

#include "imaging/launchimage_p.h"
#include "imaging/platformsizes_p.h"
#include "imaging/setwriter_p.h"
#include "utility/logging.h"

bool WinRTLaunchImage::createWinRTLaunchImage(const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << targetPath << options;
    if (!SetWriter::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    LaunchImage::Composer composer(options);
    const QDir targetDir(targetPath);
    for (const int scale : PlatformSizes::WinRTScales) {
        createWinRTLaunchImage(composer, targetDir, PlatformSizes::WinRTSplashWidth, PlatformSizes::WinRTSplashHeight,
                               scale);
    }
    return composer.writer().result();
}

bool WinRTLaunchImage::createWinRTLaunchImage(const QDir &targetDir,
                                              const QVariantMap &options,
                                              int width,
                                              int height,
                                              int scale)
{
    LaunchImage::Composer composer(options);
    return createWinRTLaunchImage(composer, targetDir, width, height, scale);
}

bool WinRTLaunchImage::createWinRTLaunchImage(LaunchImage::Composer &composer,
                                              const QDir &targetDir,
                                              int width,
                                              int height,
                                              int scale)
{
    // The name keeps the base size: the scale is in the qualifier.
    const QString path = targetDir.filePath(QStringLiteral("SplashScreen%1x%2%3.png")
                                                    .arg(QString::number(width), QString::number(height),
                                                         PlatformSizes::winRTScaleQualifier(scale)));
    if (!composer.createLaunchImage(path, PlatformSizes::winRTScaledPixels(width, scale),
                                    PlatformSizes::winRTScaledPixels(height, scale))) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error creating launch image" << path;
        return false;
    }
    return true;
}
