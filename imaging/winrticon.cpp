#include "imaging/winrticon.h"

#include "imaging/imageoptions_p.h"
#include "imaging/picturecanvas.h"
#include "imaging/platformsizes_p.h"
#include "imaging/scaledpictures_p.h"
#include "imaging/setwriter_p.h"
#include "utility/logging.h"

// The picture and options of one call, prepared once for all its logos: the
// options are read once, so that a colour name in error is reported once per
// call, not once per logo.
class WinRTIcon::LogoSource
{
public:
    LogoSource(const QImage &picture, const QVariantMap &options)
        : pictures(picture), options(ImageOptions::icon(options)), smallest(ImageOptions::smallest(options))
    {
    }

    ScaledPictures pictures;
    const ImageOptions::Icon options;
    const bool smallest;
};

bool WinRTIcon::createWinRTIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;

    // The folder is made and filled through one absolute path, so that a
    // relative target names the same place for both: under the working
    // folder. An empty target would make that the working folder itself.
    const QString folder = SetWriter::absolutePath(targetPath);
    if (targetPath.isEmpty() || !QDir().mkpath(folder)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error creating path:" << targetPath;
        return false;
    }

    LogoSource source(picture, options);
    const QDir targetDir(folder);
    SetWriter set(SetWriter::AnyFileWritten);
    for (const PlatformSizes::WinRTLogoFamily &family : PlatformSizes::WinRTLogoFamilies) {
        for (const int scale : PlatformSizes::WinRTScales) {
            set.count(createWinRTImage(source, targetDir, family.width, family.height, scale,
                                       family.innerWidthPercent, family.innerHeightPercent, family.aspectRatioMode,
                                       QString()));
        }
    }
    for (const int size : PlatformSizes::WinRTTargetSizes)
        set.count(createWinRTTargetSizeImage(source, targetDir, size));
    return set.result();
}

bool WinRTIcon::createWinRTImage(const QImage &picture,
                                 const QDir &targetDir,
                                 int width,
                                 int height,
                                 int scale,
                                 const QVariantMap &options,
                                 int innerWidthPercent,
                                 int innerHeightPercent,
                                 Qt::AspectRatioMode aspectRatioMode,
                                 const QString &fileName)
{
    LogoSource source(picture, options);
    return createWinRTImage(source, targetDir, width, height, scale, innerWidthPercent, innerHeightPercent,
                            aspectRatioMode, fileName);
}

bool WinRTIcon::createWinRTTargetSizeImage(const QImage &picture,
                                           const QDir &targetDir,
                                           const QVariantMap &options,
                                           int size)
{
    LogoSource source(picture, options);
    return createWinRTTargetSizeImage(source, targetDir, size);
}

bool WinRTIcon::createWinRTTargetSizeImage(LogoSource &source, const QDir &targetDir, int size)
{
    const QString fileName = QStringLiteral("Logo_44x44.targetsize-") + QString::number(size) + QStringLiteral(".png");
    return createWinRTImage(source, targetDir, size, size, 100, 100, 100, Qt::KeepAspectRatio, fileName);
}

bool WinRTIcon::createWinRTImage(LogoSource &source,
                                 const QDir &targetDir,
                                 int width,
                                 int height,
                                 int scale,
                                 int innerWidthPercent,
                                 int innerHeightPercent,
                                 Qt::AspectRatioMode aspectRatioMode,
                                 const QString &fileName)
{
    const QSize size(PlatformSizes::winRTScaledPixels(width, scale), PlatformSizes::winRTScaledPixels(height, scale));
    // The name keeps the base size: the scale is in the qualifier.
    const QString path = targetDir.filePath(fileName.isEmpty()
                                                    ? QStringLiteral("Logo_%1x%2%3.png")
                                                              .arg(QString::number(width), QString::number(height),
                                                                   PlatformSizes::winRTScaleQualifier(scale))
                                                    : fileName);

    // A picture kept in its shape does not fill a logo of another shape: it
    // goes into the inner box, on the colour or on transparency.
    const bool boxed = source.options.hasBackground
        || (aspectRatioMode != Qt::IgnoreAspectRatio && size.width() != size.height());
    QImage logo;
    if (boxed) {
        const QSize innerBox(PlatformSizes::winRTScaledPixels(size.width(), innerWidthPercent),
                             PlatformSizes::winRTScaledPixels(size.height(), innerHeightPercent));
        const QImage inner = source.pictures.scaled(innerBox, aspectRatioMode);
        if (inner.isNull()) {
            qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling draw image" << source.pictures.picture() << "W"
                               << size.width() << "H" << size.height();
            return false;
        }
        // An opaque colour covers the canvas, so its logo is written without
        // an alpha channel; a translucent one keeps its alpha.
        logo = PictureCanvas::centred(inner, size,
                                      source.options.hasBackground ? source.options.background
                                                                   : QColor(Qt::transparent));
    } else {
        logo = source.pictures.scaled(size, aspectRatioMode);
    }

    if (logo.isNull()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling image" << source.pictures.picture();
        return false;
    }

    return SetWriter(SetWriter::EveryFileWritten, source.smallest).writePng(path, logo, Q_FUNC_INFO);
}
