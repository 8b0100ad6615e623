#include "imaging/winrtlaunchimage.h"

#include "plugin/logging.h"

bool WinRTLaunchImage::createWinRTLaunchImage(const QString &, const QVariantMap &)
{
    qCCritical(lcCore) << Q_FUNC_INFO << "Not available in this build";
    return false;
}
