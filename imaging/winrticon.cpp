#include "imaging/winrticon.h"

#include "plugin/logging.h"

bool WinRTIcon::createWinRTIcon(const QImage &, const QString &, const QVariantMap &)
{
    qCCritical(lcCore) << Q_FUNC_INFO << "Not available in this build";
    return false;
}
