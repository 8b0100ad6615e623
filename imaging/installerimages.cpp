#include "imaging/installerimages.h"

bool InstallerImages::createInstallerImage(const QString &, const QVariantMap &)
{
    return false;
}

bool InstallerImages::createInstallerImage(const QDir &, const QString &, const QVariantMap &, int, int)
{
    return false;
}
