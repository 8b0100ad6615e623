#include "imaging/imagecopy.h"

bool ImageCopy::copyImage(const QString &, const QString &, int, int, const QColor &, const QString &, int,
                          Qt::AspectRatioMode, Qt::TransformationMode)
{
    return false;
}
