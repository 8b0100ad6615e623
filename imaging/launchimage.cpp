#include "imaging/launchimage.h"

#include "imaging/androidlaunchimage.h"
#include "imaging/imageoptions.h"
#include "imaging/installerimages.h"
#include "imaging/ioslaunchimage.h"
#include "imaging/picturecanvas.h"
#include "imaging/pictureloader.h"
#include "imaging/picturewriter.h"
#include "imaging/winrtlaunchimage.h"
#include "utility/logging.h"
#include "utility/fileutility.h"

#include <QPainter>

namespace {

// Scaled pictures a composer keeps for later images of its set. The Android
// set needs its largest background at 1920 × 1920 (14 MiB); all of its sizes
// fit well within this.
const qint64 ScaledCacheBytes = qint64(64) << 20;

bool isOs(const QString &os, QLatin1String name)
{
    return os.compare(name, Qt::CaseInsensitive) == 0;
}

// The size QImage::scaled gives a picture of pictureSize for box.
QSize scaledSize(const QSize &pictureSize, const QSize &box, Qt::AspectRatioMode aspectRatioMode)
{
    return pictureSize.scaled(box, aspectRatioMode).expandedTo(QSize(1, 1));
}

}

bool LaunchImage::createLaunchImage(const QString &os, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << os << targetPath << options;

    const QString path = FileUtility::resolvedPath(targetPath, true);

    bool created = false;
    if (isOs(os, QLatin1String("windows")) || isOs(os, QLatin1String("macos"))) {
        created = false;
    } else if (isOs(os, QLatin1String("android"))) {
        created = AndroidLaunchImage::createAndroidLaunchImage(path, options);
    } else if (isOs(os, QLatin1String("ios"))) {
        created = IOSLaunchImage::createiOSLaunchImage(path, options);
    } else if (isOs(os, QLatin1String("winrt"))) {
        created = WinRTLaunchImage::createWinRTLaunchImage(path, options);
    } else if (isOs(os, QLatin1String("installer"))) {
        created = InstallerImages::createInstallerImage(path, options);
    } else {
        qCCritical(lcCore) << Q_FUNC_INFO << "Unknown OS" << os;
        return false;
    }

    if (!created)
        qCWarning(lcCore) << Q_FUNC_INFO << "Error creating for" << os;
    return created;
}

bool LaunchImage::createLaunchImage(const QString &targetPath, const QVariantMap &options, int width, int height)
{
    Composer composer(options);
    return composer.write(Q_FUNC_INFO, targetPath, width, height);
}

LaunchImage::Composer::Composer(const QVariantMap &options)
{
    static const QString keys[PictureRoleCount] = {
        QStringLiteral("backgroundImage"),
        QStringLiteral("overlayImage"),
        QStringLiteral("iconImage"),
    };
    QString paths[PictureRoleCount];
    for (int role = 0; role < PictureRoleCount; ++role) {
        paths[role] = ImageOptions::picturePath(options, keys[role]);
        // A launch image commonly uses one picture in several roles; decoding
        // it again would give the same pixels. Scaled to a size that a role
        // before needed, it is the same picture again too.
        m_source[role] = role;
        for (int earlier = 0; earlier < role; ++earlier) {
            if (!paths[role].isEmpty() && paths[earlier] == paths[role]) {
                m_source[role] = earlier;
                break;
            }
        }
        if (m_source[role] == role)
            m_pictures[role] = PictureCanvas::scalable(ImageOptions::picture(keys[role], paths[role]));
    }

    m_colour = ImageOptions::colour(options, QStringLiteral("backgroundColor"), QStringLiteral("white"));
}

bool LaunchImage::Composer::createLaunchImage(const QString &targetPath, int width, int height)
{
    return write(Q_FUNC_INFO, targetPath, width, height);
}

// function is the signature of the public operation, so that each log line
// names the operation that the caller called.
bool LaunchImage::Composer::write(const char *function, const QString &targetPath, int width, int height)
{
    const QSize size(width, height);
    if (m_encoded.isEmpty() || m_encodedSize != size) {
        QImage canvas;
        if (!compose(function, width, height, &canvas))
            return false;

        m_encodedSize = size;
        m_encoded = PictureWriter::encode(canvas, QByteArrayLiteral("png"), -1);
    }

    if (m_encoded.isEmpty() || !PictureWriter::write(m_encoded, targetPath)) {
        qCCritical(lcCore) << function << "Error saving image" << targetPath;
        return false;
    }
    return true;
}

bool LaunchImage::Composer::compose(const char *function, int width, int height, QImage *canvas)
{
    const QSize canvasSize(width, height);

    // Scaled before the canvas is made: a failed scaling leaves nothing to discard.
    QImage background;
    if (!picture(Background).isNull()) {
        background = scaled(Background, canvasSize, Qt::KeepAspectRatioByExpanding);
        if (background.isNull()) {
            qCCritical(lcCore) << function << "Error transforming background" << picture(Background) << width
                               << height;
            return false;
        }
    }

    QImage overlay;
    if (!picture(Overlay).isNull()) {
        overlay = scaled(Overlay, canvasSize, Qt::KeepAspectRatio);
        if (overlay.isNull()) {
            qCCritical(lcCore) << function << "Error transforming overlay" << picture(Overlay) << width << height;
            return false;
        }
    }

    QImage icon;
    if (background.isNull() && overlay.isNull() && !picture(Icon).isNull()) {
        const int side = qMin(width, height) / 3;
        icon = scaled(Icon, QSize(side, side), Qt::KeepAspectRatio);
        if (icon.isNull()) {
            qCCritical(lcCore) << function << "Error transforming icon" << picture(Icon) << side;
            return false;
        }
    }

    // An opaque canvas is written as an RGB picture, as a pixmap canvas is.
    // A translucent colour starts from a cleared canvas and keeps its alpha.
    const bool opaque = m_colour.alpha() == 255;
    if (PictureLoader::withinLimit(width, height))
        *canvas = QImage(canvasSize, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (canvas->isNull())
        return true; // nothing to draw on: writing it fails and says so

    canvas->fill(m_colour);
    {
        QPainter painter(canvas);
        for (const QImage *picture : { &background, &overlay, &icon }) {
            if (!picture->isNull())
                painter.drawImage(PictureCanvas::centredPosition(canvasSize, picture->size()), *picture);
        }
    }
    // The PNG writer takes straight ARGB32 whole but converts premultiplied
    // pictures row by row.
    if (!opaque)
        *canvas = std::move(*canvas).convertToFormat(QImage::Format_ARGB32);
    return true;
}

QImage LaunchImage::Composer::scaled(PictureRole role, const QSize &box, Qt::AspectRatioMode aspectRatioMode)
{
    const int source = m_source[role];
    const QImage &picture = m_pictures[source];
    if (box.isEmpty())
        return QImage(); // as QImage::scaled, before a key could match

    // Portrait and landscape images of a set often need a picture at the
    // same size: a square background covers 320 × 480 and 480 × 320 alike.
    // The key is only a guess at the size; a picture is kept only when the
    // scaling gave exactly that size.
    const QSize size = scaledSize(picture.size(), box, aspectRatioMode);
    for (const ScaledPicture &entry : qAsConst(m_scaled[source])) {
        if (entry.size == size)
            return entry.image;
    }

    const QImage image = PictureCanvas::scaled(picture, box, aspectRatioMode, Qt::SmoothTransformation);
    if (image.isNull() || image.size() != size)
        return image;

    if (m_scaledBytes + image.sizeInBytes() > ScaledCacheBytes) {
        for (QVector<ScaledPicture> &entries : m_scaled)
            entries.clear();
        m_scaledBytes = 0;
    }
    if (image.sizeInBytes() <= ScaledCacheBytes) {
        m_scaled[source].append({ size, image });
        m_scaledBytes += image.sizeInBytes();
    }
    return image;
}
