#include "imaging/windowsicon.h"

bool WindowsIcon::createWindowsIcon(const QImage &, const QString &, const QVariantMap &)
{
    return false;
}

bool WindowsIcon::createWindowsImage(const QImage &, QList<QImage> *, int)
{
    return false;
}
