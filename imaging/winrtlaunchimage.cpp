#include "imaging/winrtlaunchimage.h"

#include "imaging/targetfolder_p.h"
#include "imaging/winrticon.h"
#include "utility/logging.h"

namespace {

const int SplashWidth = 620;
const int SplashHeight = 300;

}

bool WinRTLaunchImage::createWinRTLaunchImage(const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << targetPath << options;
    if (!TargetFolder::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    LaunchImage::Composer composer(options);
    const QDir targetDir(targetPath);
    bool anyWritten = false;
    for (const int scale : WinRTIcon::Scales) {
        if (createWinRTLaunchImage(composer, targetDir, SplashWidth, SplashHeight, scale))
            anyWritten = true;
    }
    return anyWritten;
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
                                                         WinRTIcon::scaleQualifier(scale)));
    if (!composer.createLaunchImage(path, WinRTIcon::scaledPixels(width, scale),
                                    WinRTIcon::scaledPixels(height, scale))) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error creating launch image" << path;
        return false;
    }
    return true;
}
