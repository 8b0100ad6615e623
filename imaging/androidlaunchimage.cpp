#include "imaging/androidlaunchimage.h"

#include "plugin/logging.h"

bool AndroidLaunchImage::createAndroidLaunchImage(const QString &, const QVariantMap &)
{
    qCCritical(lcCore) << Q_FUNC_INFO << "Not available in this build";
    return false;
}
