#ifndef LOOMWRIGHT_IMAGECOPY_H
#define LOOMWRIGHT_IMAGECOPY_H

#include <QColor>
#include <QString>

// Copies a picture file to another, optionally fitted into a box on a filled
// canvas and re-encoded in another format or quality.
class ImageCopy
{
public:
    static bool copyImage(const QString &sourcePath,
                          const QString &targetPath,
                          int width,
                          int height,
                          const QColor &fillColor,
                          const QString &format,
                          int quality,
                          Qt::AspectRatioMode aspectRatioMode,
                          Qt::TransformationMode transformationMode);
};

#endif
