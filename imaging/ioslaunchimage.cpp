#include "imaging/ioslaunchimage.h"

#include "plugin/logging.h"

bool IOSLaunchImage::createiOSLaunchImage(const QString &, const QVariantMap &)
{
    qCCritical(lcCore) << Q_FUNC_INFO << "Not available in this build";
    return false;
}
