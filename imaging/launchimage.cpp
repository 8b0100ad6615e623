#include "imaging/launchimage_p.h"

#include "imaging/androidlaunchimage.h"
#include "imaging/installerimages.h"
#include "imaging/ioslaunchimage.h"
#include "imaging/picturecanvas.h"
#include "imaging/pictureloader.h"
#include "imaging/winrtlaunchimage.h"
#include "utility/logging.h"
#include "utility/fileutility.h"

namespace {

bool isOs(const QString &os, QLatin1String name)
{
    return os.compare(name, Qt::CaseInsensitive) == 0;
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
    : m_writer(SetWriter::AnyFileWritten, ImageOptions::smallest(options))
{
    const ImageOptions::LaunchPictures pictures = ImageOptions::launchPictures(options);
    for (int role = 0; role < ImageOptions::LaunchPictureCount; ++role) {
        m_sameAs[role] = pictures.sameAs[role];
        // Converted once into the form that scaling reads: every image
        // scales and draws from it.
        if (m_sameAs[role] == role) {
            m_pictures[role] = ScaledPictures(PictureCanvas::scalable(pictures.pictures[role]),
                                              ScaledPictures::LaunchSetBudget);
        }
    }
    m_colour = ImageOptions::launchBackground(options);
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
            return m_writer.count(false);

        m_encodedSize = size;
        m_encoded = m_writer.encodePng(canvas);
    }
    return m_writer.write(targetPath, m_encoded, function);
}

bool LaunchImage::Composer::compose(const char *function, int width, int height, QImage *canvas)
{
    const QSize canvasSize(width, height);

    // Scaled before the canvas is made: a failed scaling leaves nothing to discard.
    QImage background;
    if (!picture(ImageOptions::BackgroundImage).isNull()) {
        background = scaled(ImageOptions::BackgroundImage, canvasSize, Qt::KeepAspectRatioByExpanding);
        if (background.isNull()) {
            qCCritical(lcCore) << function << "Error transforming background" << picture(ImageOptions::BackgroundImage)
                               << width << height;
            return false;
        }
    }

    QImage overlay;
    if (!picture(ImageOptions::OverlayImage).isNull()) {
        overlay = scaled(ImageOptions::OverlayImage, canvasSize, Qt::KeepAspectRatio);
        if (overlay.isNull()) {
            qCCritical(lcCore) << function << "Error transforming overlay" << picture(ImageOptions::OverlayImage)
                               << width << height;
            return false;
        }
    }

    QImage icon;
    if (background.isNull() && overlay.isNull() && !picture(ImageOptions::IconImage).isNull()) {
        const int side = qMin(width, height) / 3;
        icon = scaled(ImageOptions::IconImage, QSize(side, side), Qt::KeepAspectRatio);
        if (icon.isNull()) {
            qCCritical(lcCore) << function << "Error transforming icon" << picture(ImageOptions::IconImage) << side;
            return false;
        }
    }

    // An opaque canvas is written as an RGB picture, as a pixmap canvas is.
    // A translucent colour keeps its alpha.
    *canvas = PictureCanvas::filled(canvasSize, m_colour);
    if (canvas->isNull())
        return true; // nothing to draw on: writing it fails and says so

    for (const QImage *picture : { &background, &overlay, &icon }) {
        if (!picture->isNull())
            PictureCanvas::draw(canvas, *picture, PictureCanvas::centredPosition(canvasSize, picture->size()));
    }
    return true;
}
