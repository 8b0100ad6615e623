#include "imaging/appicon.h"

bool AppIcon::createAppIcon(const QString &, const QString &, const QString &, const QVariantMap &)
{
    return false;
}

QImage AppIcon::squared(const QImage &picture, const QVariantMap &)
{
    return picture;
}
