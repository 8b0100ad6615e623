#include "imaging/androidicon.h"

#include "imaging/picturecanvas.h"
#include "imaging/pictureloader.h"
#include "imaging/picturewriter.h"
#include "imaging/targetfolder_p.h"
#include "utility/logging.h"
#include "utility/fileutility.h"

namespace {

struct Density
{
    QLatin1String name;
    int launcherSize;
    int backgroundSize;
};

// Written in this order, from low to high density.
const Density Densities[] = {
    { QLatin1String("mdpi"), 48, 108 },
    { QLatin1String("hdpi"), 72, 162 },
    { QLatin1String("xhdpi"), 96, 216 },
    { QLatin1String("xxhdpi"), 144, 324 },
    { QLatin1String("xxxhdpi"), 192, 432 },
};

// Writes fileName in every density, at the side that sideOf picks from the
// table; true when at least one file was written.
bool createSet(const QImage &picture, const QString &fileName, const QDir &targetDir, int Density::*sideOf)
{
    // Smooth scaling works on RGB32 or premultiplied ARGB32 and converts any
    // other picture before each scaling; converted once here, the other
    // densities do not pay for it again. A density whose side the picture
    // already has gets the picture itself: it is not scaled, and the round
    // trip through premultiplied pixels would lose the colour of nearly
    // transparent ones.
    const int longerSide = qMax(picture.width(), picture.height());
    QImage scalable;

    bool anyWritten = false;
    for (const Density &density : Densities) {
        const int side = density.*sideOf;
        const bool scales = side != longerSide;
        if (scales && scalable.isNull())
            scalable = PictureCanvas::scalable(picture);
        const QImage &source = scales ? scalable : picture;
        if (AndroidIcon::createAndroidImage(source, fileName, targetDir, side, QString(density.name)))
            anyWritten = true;
    }
    return anyWritten;
}

}

bool AndroidIcon::createAndroidIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;
    if (!TargetFolder::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    return createSet(picture, QStringLiteral("ic_launcher.png"), QDir(targetPath), &Density::launcherSize);
}

bool AndroidIcon::createAdaptiveIconBackgroundMipMapAsset(const QString &sourcePath, const QString &targetPath)
{
    qCDebug(lcCore) << Q_FUNC_INFO << sourcePath;
    if (!TargetFolder::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    // Loaded before anything is made, so that a bad source leaves no empty
    // folders behind.
    const QImage picture = PictureLoader::load(FileUtility::resolvedPath(sourcePath, true));
    if (picture.isNull()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error loading image" << sourcePath;
        return false;
    }

    return createSet(picture, QStringLiteral("ic_launcher_background.png"), QDir(targetPath),
                     &Density::backgroundSize);
}

bool AndroidIcon::createAndroidImage(const QImage &picture,
                                     const QString &fileName,
                                     const QDir &targetDir,
                                     int size,
                                     const QString &density)
{
    const QString folder = densityFolder(targetDir, density);
    if (!QDir().mkpath(folder)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error creating" << folder;
        return false;
    }

    const QImage scaled = PictureCanvas::scaled(picture, QSize(size, size), Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation);
    if (scaled.isNull()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling image" << picture;
        return false;
    }

    const QString filePath = folder + QLatin1Char('/') + fileName;
    if (!PictureWriter::save(scaled, filePath, QByteArrayLiteral("png"), -1)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error saving image" << filePath;
        return false;
    }
    return true;
}

QString AndroidIcon::densityFolder(const QDir &targetDir, const QString &density)
{
    // Made absolute once, from the working folder, so that the folder that is
    // made and the file that is written into it are the same place even for a
    // relative target.
    return targetDir.absoluteFilePath(QStringLiteral("mipmap-") + density);
}
