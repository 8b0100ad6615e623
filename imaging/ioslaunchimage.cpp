#include "imaging/ioslaunchimage.h"

#include "imaging/imageoptions.h"
#include "imaging/picturecanvas.h"
#include "imaging/picturewriter.h"
#include "imaging/targetfolder_p.h"
#include "utility/logging.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QVector>

#include <initializer_list>

namespace {

// The pictures named by keys, in order; a file named by several keys is
// decoded once, as the same pixels come out every time.
QVector<QImage> loadOptions(const QVariantMap &options, std::initializer_list<const char *> keys)
{
    QStringList paths;
    QVector<QImage> pictures;
    for (const char *key : keys) {
        const QString path = ImageOptions::picturePath(options, QLatin1String(key));
        const int earlier = path.isEmpty() ? -1 : paths.indexOf(path);
        pictures.append(earlier >= 0 ? pictures.at(earlier) : ImageOptions::picture(QLatin1String(key), path));
        paths.append(path);
    }
    return pictures;
}

}

bool IOSLaunchImage::createiOSLaunchImage(const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << targetPath << options;
    if (!TargetFolder::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    // Resolved once, so that a relative path names the same folder for the
    // folder made and for the pictures deleted and written.
    const QString launchPath = QDir(QDir::current().absoluteFilePath(targetPath))
                                       .filePath(QStringLiteral("LaunchImages"));
    if (!QDir().mkpath(launchPath)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error creating" << launchPath;
        return false;
    }
    const QDir launchFolder(launchPath);

    // An absent key, an empty value and an unreadable file are all "not
    // given"; only the unreadable file is worth a warning.
    const QVector<QImage> pictures = loadOptions(options, { "backgroundImage", "overlayImage", "iconImage" });
    const QImage &background = pictures.at(0);
    const QImage &overlay = pictures.at(1);
    const QImage &icon = pictures.at(2);

    if (!background.isNull()) {
        if (!replaceDefaultImage(Q_FUNC_INFO, background, launchFolder.filePath(QStringLiteral("BackgroundImage.png"))))
            return false;
    }

    // Each picture is scaled before its default is touched: a failed scaling
    // leaves the default in place.
    if (!overlay.isNull()) {
        const QImage scaled = fitted(overlay);
        if (scaled.isNull()) {
            qCCritical(lcCore) << Q_FUNC_INFO << "Error transforming overlay " << overlay;
            return false;
        }
        if (!replaceDefaultImage(Q_FUNC_INFO, scaled, launchFolder.filePath(QStringLiteral("OverlayImage.png"))))
            return false;
    }

    if (background.isNull() && overlay.isNull() && !icon.isNull()) {
        const QImage scaled = fitted(icon);
        if (scaled.isNull()) {
            qCCritical(lcCore) << Q_FUNC_INFO << "Error transforming icon " << icon;
            return false;
        }
        if (!replaceDefaultImage(Q_FUNC_INFO, scaled, launchFolder.filePath(QStringLiteral("AppIconOverlay.png"))))
            return false;
    }

    return true;
}

QImage IOSLaunchImage::fitted(const QImage &picture)
{
    return PictureCanvas::scaled(picture, QSize(FittedSide, FittedSide), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

bool IOSLaunchImage::replaceDefaultImage(const char *function, const QImage &replacement, const QString &path)
{
    const QByteArray bytes = PictureWriter::encode(replacement, QByteArrayLiteral("PNG"), -1);
    if (bytes.isEmpty()) {
        qCCritical(lcCore) << function << "Error copying " << replacement << " to " << path;
        return false;
    }

    // The default is replaced in one step, never deleted first: a write that
    // fails leaves it in place. A folder without its default is still
    // reported, as the app project is expected to ship one.
    if (!QFileInfo(path).isFile())
        qCCritical(lcCore) << function << "Error deleting the default image " << path;

    if (!PictureWriter::write(bytes, path)) {
        qCCritical(lcCore) << function << "Error copying " << replacement << " to " << path;
        return false;
    }
    return true;
}
