#include "imaging/androidicon.h"

#include "imaging/imageoptions_p.h"
#include "imaging/picturecanvas.h"
#include "imaging/pictureloader.h"
#include "imaging/platformsizes_p.h"
#include "imaging/scaledpictures_p.h"
#include "imaging/setwriter_p.h"
#include "utility/logging.h"
#include "utility/fileutility.h"

namespace {

// Writes fileName in every density, at the side that sideOf picks from the
// table; true when at least one file was written.
bool createSet(const QImage &picture,
               const QString &fileName,
               const QDir &targetDir,
               int PlatformSizes::AndroidDensity::*sideOf,
               bool smallest)
{
    ScaledPictures pictures(picture);
    SetWriter set(SetWriter::AnyFileWritten);
    for (const PlatformSizes::AndroidDensity &density : PlatformSizes::AndroidDensities) {
        const int side = density.*sideOf;
        const QImage &source = pictures.sourceFor(QSize(side, side), Qt::KeepAspectRatio);
        set.count(AndroidIcon::createAndroidImage(source, fileName, targetDir, side, QLatin1String(density.name),
                                                  smallest));
    }
    return set.result();
}

}

bool AndroidIcon::createAndroidIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;
    if (!SetWriter::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    return createSet(picture, QStringLiteral("ic_launcher.png"), QDir(targetPath),
                     &PlatformSizes::AndroidDensity::launcherSide, ImageOptions::smallest(options));
}

bool AndroidIcon::createAdaptiveIconBackgroundMipMapAsset(const QString &sourcePath, const QString &targetPath)
{
    qCDebug(lcCore) << Q_FUNC_INFO << sourcePath;
    if (!SetWriter::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    // Loaded before anything is made, so that a bad source leaves no empty
    // folders behind.
    const QImage picture = PictureLoader::load(FileUtility::resolvedPath(sourcePath, true));
    if (picture.isNull()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error loading image" << sourcePath;
        return false;
    }

    // Without options, its files are the default ones.
    return createSet(picture, QStringLiteral("ic_launcher_background.png"), QDir(targetPath),
                     &PlatformSizes::AndroidDensity::backgroundSide, false);
}

bool AndroidIcon::createAndroidImage(const QImage &picture,
                                     const QString &fileName,
                                     const QDir &targetDir,
                                     int size,
                                     const QString &density,
                                     bool smallest)
{
    SetWriter set(SetWriter::EveryFileWritten, smallest);
    const QString folder = PlatformSizes::androidDensityFolder(targetDir, density);
    if (!set.makeFolder(folder, Q_FUNC_INFO, "Error creating"))
        return false;

    const QImage scaled = PictureCanvas::scaled(picture, QSize(size, size), Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation);
    if (scaled.isNull()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling image" << picture;
        return false;
    }

    return set.writePng(folder + QLatin1Char('/') + fileName, scaled, Q_FUNC_INFO);
}
