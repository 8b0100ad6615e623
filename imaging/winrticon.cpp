#include "imaging/winrticon.h"

#include "imaging/imageoptions.h"
#include "imaging/picturecanvas.h"
#include "imaging/picturewriter.h"
#include "utility/logging.h"

#include <limits>

namespace {

struct LogoFamily
{
    int width;
    int height;
    int innerWidthPercent;
    int innerHeightPercent;
    Qt::AspectRatioMode aspectRatioMode;
};

const LogoFamily LogoFamilies[] = {
    { 71, 71, 100, 100, Qt::KeepAspectRatio },
    { 150, 150, 55, 55, Qt::KeepAspectRatio },
    // The wide logo is filled edge to edge, whatever the picture's shape.
    { 310, 150, 84, 55, Qt::IgnoreAspectRatio },
    { 310, 310, 67, 67, Qt::KeepAspectRatio },
    { 44, 44, 100, 100, Qt::KeepAspectRatio },
    { 50, 50, 100, 100, Qt::KeepAspectRatio },
};

const int TargetSizes[] = { 16, 24, 32, 48, 256 };

const QString BackgroundKey = QStringLiteral("backgroundColor");

}

class WinRTIcon::LogoSource
{
public:
    LogoSource(const QImage &picture, const QVariantMap &options)
        : m_picture(picture), m_hasBackground(options.contains(BackgroundKey))
    {
        // Read once, so that a colour name in error is reported once per call,
        // not once per logo. An unknown name falls back to black, the colour
        // that the squaring of the app icon falls back to.
        if (m_hasBackground)
            m_colour = ImageOptions::colour(options, BackgroundKey, QStringLiteral("black"));
    }

    const QImage &picture() const { return m_picture; }
    bool hasBackground() const { return m_hasBackground; }
    const QColor &colour() const { return m_colour; }

    QImage scaled(const QSize &box, Qt::AspectRatioMode aspectRatioMode);

private:
    const QImage m_picture;
    QImage m_scalable;
    const bool m_hasBackground;
    QColor m_colour;
};

QImage WinRTIcon::LogoSource::scaled(const QSize &box, Qt::AspectRatioMode aspectRatioMode)
{
    // A logo of the picture's own size is the picture itself; the round trip
    // through premultiplied pixels would lose the colour of nearly
    // transparent ones.
    if (m_picture.isNull() || m_picture.size().scaled(box, aspectRatioMode) == m_picture.size())
        return PictureCanvas::scaled(m_picture, box, aspectRatioMode, Qt::SmoothTransformation);

    // Smooth scaling converts any picture that is neither RGB32 nor
    // premultiplied ARGB32 on every call; converted once, the 35 logos share it.
    if (m_scalable.isNull())
        m_scalable = PictureCanvas::scalable(m_picture);
    return PictureCanvas::scaled(m_scalable, box, aspectRatioMode, Qt::SmoothTransformation);
}

int WinRTIcon::scaledPixels(int base, int scale)
{
    // Rounded down after adding a half, so that halves go up for negative
    // sizes too; in 64 bits, where no product of two ints overflows.
    const qint64 shifted = qint64(base) * scale + 50;
    qint64 pixels = shifted / 100;
    if (shifted % 100 < 0)
        --pixels;
    return int(qBound<qint64>(std::numeric_limits<int>::min(), pixels, std::numeric_limits<int>::max()));
}

QString WinRTIcon::scaleQualifier(int scale)
{
    return scale == 100 ? QString() : QStringLiteral(".scale-") + QString::number(scale);
}

bool WinRTIcon::createWinRTIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;

    // The folder is made and filled through one absolute path, so that a
    // relative target names the same place for both: under the working
    // folder. An empty target would make that the working folder itself.
    const QString folder = QDir::current().absoluteFilePath(targetPath);
    if (targetPath.isEmpty() || !QDir().mkpath(folder)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error creating path:" << targetPath;
        return false;
    }

    LogoSource source(picture, options);
    const QDir targetDir(folder);
    bool anyWritten = false;
    for (const LogoFamily &family : LogoFamilies) {
        for (const int scale : Scales) {
            if (createWinRTImage(source, targetDir, family.width, family.height, scale, family.innerWidthPercent,
                                 family.innerHeightPercent, family.aspectRatioMode, QString()))
                anyWritten = true;
        }
    }
    for (const int size : TargetSizes) {
        if (createWinRTTargetSizeImage(source, targetDir, size))
            anyWritten = true;
    }
    // A set of which nothing was written must fail, so that the caller hears
    // of it; single failed logos are in the log.
    return anyWritten;
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
    const QSize size(scaledPixels(width, scale), scaledPixels(height, scale));
    // The name keeps the base size: the scale is in the qualifier.
    const QString path = targetDir.filePath(fileName.isEmpty()
                                                    ? QStringLiteral("Logo_%1x%2%3.png")
                                                              .arg(QString::number(width), QString::number(height),
                                                                   scaleQualifier(scale))
                                                    : fileName);

    QImage logo;
    if (source.hasBackground()) {
        const QSize innerBox(scaledPixels(size.width(), innerWidthPercent),
                             scaledPixels(size.height(), innerHeightPercent));
        const QImage inner = source.scaled(innerBox, aspectRatioMode);
        if (inner.isNull()) {
            qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling draw image" << source.picture() << "W" << size.width()
                               << "H" << size.height();
            return false;
        }
        // An opaque colour covers the canvas, so its logo is written without
        // an alpha channel; a translucent one keeps its alpha.
        logo = PictureCanvas::centred(inner, size, source.colour());
        if (!logo.isNull()) {
            logo = std::move(logo).convertToFormat(source.colour().alpha() == 255 ? QImage::Format_RGB32
                                                                                   : QImage::Format_ARGB32);
        }
    } else {
        logo = source.scaled(size, aspectRatioMode);
    }

    if (logo.isNull()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error scaling image" << source.picture();
        return false;
    }

    // The PNG writer takes straight ARGB32 whole but converts premultiplied
    // pictures row by row.
    if (logo.format() == QImage::Format_ARGB32_Premultiplied)
        logo = std::move(logo).convertToFormat(QImage::Format_ARGB32);
    if (!PictureWriter::save(logo, path, QByteArrayLiteral("png"), -1)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error saving image" << path;
        return false;
    }
    return true;
}
