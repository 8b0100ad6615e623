#include "imaging/imageoptions_p.h"

#include "imaging/pictureloader.h"
#include "utility/logging.h"
#include "utility/fileutility.h"

namespace {

const QString BackgroundColorKey = QStringLiteral("backgroundColor");
const QString SmallestKey = QStringLiteral("smallest");

// The defaults of "backgroundColor": an app icon's bands and canvases are
// black, a launch image's canvas is white.
const QString IconBackgroundDefault = QStringLiteral("black");
const QString LaunchBackgroundDefault = QStringLiteral("white");

}

ImageOptions::Icon ImageOptions::icon(const QVariantMap &options)
{
    Icon icon;
    icon.hasBackground = options.contains(BackgroundColorKey);
    icon.background = colour(options, BackgroundColorKey, IconBackgroundDefault);
    return icon;
}

ImageOptions::LaunchPictures ImageOptions::launchPictures(const QVariantMap &options)
{
    static const QString keys[LaunchPictureCount] = {
        QStringLiteral("backgroundImage"),
        QStringLiteral("overlayImage"),
        QStringLiteral("iconImage"),
    };
    LaunchPictures result;
    QString paths[LaunchPictureCount];
    for (int role = 0; role < LaunchPictureCount; ++role) {
        paths[role] = picturePath(options, keys[role]);
        result.sameAs[role] = role;
        for (int earlier = 0; earlier < role; ++earlier) {
            if (!paths[role].isEmpty() && paths[earlier] == paths[role]) {
                result.sameAs[role] = earlier;
                break;
            }
        }
        if (result.sameAs[role] == role)
            result.pictures[role] = picture(keys[role], paths[role]);
    }
    return result;
}

QColor ImageOptions::launchBackground(const QVariantMap &options)
{
    return colour(options, BackgroundColorKey, LaunchBackgroundDefault);
}

bool ImageOptions::smallest(const QVariantMap &options)
{
    const QString value = options.value(SmallestKey).toString();
    if (value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || value == QLatin1String("1"))
        return true;
    if (!value.isEmpty() && value.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0
        && value != QLatin1String("0")) {
        qCWarning(lcCore) << Q_FUNC_INFO << "Invalid value" << SmallestKey << value << "using" << false;
    }
    return false;
}

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
