#include "imaging/pictureloader.h"

#include <QImageReader>

QImage PictureLoader::load(const QString &path)
{
    if (path.isEmpty())
        return QImage();

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);

    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels)
        return QImage();

    return reader.read();
}
