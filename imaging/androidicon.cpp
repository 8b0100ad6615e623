#include "imaging/androidicon.h"

#include "plugin/logging.h"

bool AndroidIcon::createAndroidIcon(const QImage &, const QString &, const QVariantMap &)
{
    qCCritical(lcCore) << Q_FUNC_INFO << "Not available in this build";
    return false;
}

bool AndroidIcon::createAdaptiveIconBackgroundMipMapAsset(const QString &, const QString &)
{
    qCCritical(lcCore) << Q_FUNC_INFO << "Not available in this build";
    return false;
}
