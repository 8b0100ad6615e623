#include "imaging/imagecopy.h"

#include "imaging/picturecanvas.h"
#include "imaging/pictureloader.h"
#include "imaging/picturewriter.h"
#include "utility/logging.h"
#include "utility/fileutility.h"

#include <QFileInfo>

namespace {

// The writer's format for a target when the caller names none: JPEG for a
// JPEG suffix, PNG for anything else. The file name is kept as it is.
QString formatForSuffix(const QString &targetPath)
{
    const QString suffix = QFileInfo(targetPath).suffix().toUpper();
    if (suffix == QLatin1String("JPG") || suffix == QLatin1String("JPEG"))
        return QStringLiteral("JPEG");
    return QStringLiteral("PNG");
}

}

bool ImageCopy::copyImage(const QString &sourcePath,
                          const QString &targetPath,
                          int width,
                          int height,
                          const QColor &fillColor,
                          const QString &format,
                          int quality,
                          Qt::AspectRatioMode aspectRatioMode,
                          Qt::TransformationMode transformationMode)
{
    QImage picture = PictureLoader::load(FileUtility::resolvedPath(sourcePath, true));
    if (picture.isNull()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error loading image" << sourcePath;
        return false;
    }

    // A caller that names a box wants a file of that size, even when one
    // side already matches; only a picture of exactly that size is kept.
    const QSize box(width, height);
    if (width > 0 && height > 0 && box != picture.size()) {
        const QImage scaled = PictureCanvas::scaled(picture, box, aspectRatioMode, transformationMode);
        picture = scaled.isNull() ? QImage() : PictureCanvas::centred(scaled, box, fillColor);
        if (picture.isNull()) {
            qCCritical(lcCore) << Q_FUNC_INFO << "Error transforming image" << sourcePath << width << height;
            return false;
        }
    }

    const QString writerFormat = format.isEmpty() ? formatForSuffix(targetPath) : format;
    if (!PictureWriter::save(picture, targetPath, writerFormat.toLatin1(), quality)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error saving image" << targetPath << writerFormat;
        return false;
    }
    return true;
}
