#include "imaging/launchimage.h"

bool LaunchImage::createLaunchImage(const QString &, const QString &, const QVariantMap &)
{
    return false;
}

bool LaunchImage::createLaunchImage(const QString &, const QVariantMap &, int, int)
{
    return false;
}
