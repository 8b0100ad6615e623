#include "imaging/imageoptions.h"

#include "imaging/pictureloader.h"
#include "utility/logging.h"
#include "utility/fileutility.h"

QColor ImageOptions::colour(const QVariantMap &options, const QString &key, const QString &defaultName)
{
    const QColor fallback(defaultName);
    if (!options.contains(key))
        return fallback;

    const QString name = options.value(key).toString();
    const QColor colour(name);
    if (!colour.isValid()) {
        qCWarning(lcCore) << Q_FUNC_INFO << "Invalid colour" << key << name << "using" << defaultName;
        return fallback;
    }
    return colour;
}

QString ImageOptions::picturePath(const QVariantMap &options, const QString &key)
{
    const QString path = options.value(key).toString();
    return path.isEmpty() ? QString() : FileUtility::resolvedPath(path, true);
}

QImage ImageOptions::picture(const QString &key, const QString &path)
{
    if (path.isEmpty())
        return QImage();

    const QImage picture = PictureLoader::load(path);
    if (picture.isNull())
        qCWarning(lcCore) << Q_FUNC_INFO << "Error loading image" << key << path;
    return picture;
}
