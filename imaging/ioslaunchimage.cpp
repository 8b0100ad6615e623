#include "imaging/ioslaunchimage.h"

#include "imaging/imageoptions_p.h"
#include "imaging/ioslaunchimage_p.h"
#include "imaging/picturecanvas.h"
#include "imaging/platformsizes_p.h"
#include "imaging/setwriter_p.h"
#include "utility/logging.h"

#include <QDir>
#include <QFileInfo>

bool IOSLaunchImage::createiOSLaunchImage(const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << targetPath << options;
    if (!SetWriter::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    // Resolved once, so that a relative path names the same folder for the
    // folder made and for the pictures deleted and written. The first file
    // that fails stops the set, and fails it.
    SetWriter set(SetWriter::EveryFileWritten, ImageOptions::smallest(options));
    const QString launchPath = QDir(SetWriter::absolutePath(targetPath)).filePath(QStringLiteral("LaunchImages"));
    if (!set.makeFolder(launchPath, Q_FUNC_INFO, "Error creating"))
        return false;
    const QDir launchFolder(launchPath);

    // An absent key, an empty value and an unreadable file are all "not
    // given"; only the unreadable file is worth a warning. The canvas colour
    // plays no part: the pictures are written as they are.
    const ImageOptions::LaunchPictures pictures = ImageOptions::launchPictures(options);
    const auto given = [&pictures](ImageOptions::LaunchPicture role) -> const QImage & {
        return pictures.pictures[pictures.sameAs[role]];
    };
    const QImage &background = given(ImageOptions::BackgroundImage);
    const QImage &overlay = given(ImageOptions::OverlayImage);
    const QImage &icon = given(ImageOptions::IconImage);

    if (!background.isNull()) {
        if (!IOSLaunchImagePrivate::replaceDefaultImage(
                    Q_FUNC_INFO, background, launchFolder.filePath(QStringLiteral("BackgroundImage.png")), &set))
            return false;
    }

    // Each picture is scaled before its default is touched: a failed scaling
    // leaves the default in place.
    if (!overlay.isNull()) {
        const QImage scaled = IOSLaunchImagePrivate::fitted(overlay);
        if (scaled.isNull()) {
            qCCritical(lcCore) << Q_FUNC_INFO << "Error transforming overlay " << overlay;
            return false;
        }
        if (!IOSLaunchImagePrivate::replaceDefaultImage(
                    Q_FUNC_INFO, scaled, launchFolder.filePath(QStringLiteral("OverlayImage.png")), &set))
            return false;
    }

    if (background.isNull() && overlay.isNull() && !icon.isNull()) {
        const QImage scaled = IOSLaunchImagePrivate::fitted(icon);
        if (scaled.isNull()) {
            qCCritical(lcCore) << Q_FUNC_INFO << "Error transforming icon " << icon;
            return false;
        }
        if (!IOSLaunchImagePrivate::replaceDefaultImage(
                    Q_FUNC_INFO, scaled, launchFolder.filePath(QStringLiteral("AppIconOverlay.png")), &set))
            return false;
    }

    return set.result();
}

QImage IOSLaunchImagePrivate::fitted(const QImage &picture)
{
    const int side = PlatformSizes::IOSLaunchFittedSide;
    return PictureCanvas::scaled(picture, QSize(side, side), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

bool IOSLaunchImagePrivate::replaceDefaultImage(const char *function,
                                                const QImage &replacement,
                                                const QString &path,
                                                SetWriter *set)
{
    const QByteArray bytes = set->encodePng(replacement);
    if (bytes.isEmpty()) {
        qCCritical(lcCore) << function << "Error copying " << replacement << " to " << path;
        return set->count(false);
    }

    // The default is replaced in one step, never deleted first: a write that
    // fails leaves it in place. A folder without a default simply gets one;
    // only something there that no file can replace (a folder) is reported.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        qCCritical(lcCore) << function << "Error deleting the default image " << path;

    if (!set->write(path, bytes, nullptr)) {
        qCCritical(lcCore) << function << "Error copying " << replacement << " to " << path;
        return false;
    }
    return true;
}
