#include "imaging/iosicon.h"

#include "plugin/logging.h"

bool IOSIcon::createiOSIcon(const QImage &, const QString &, const QVariantMap &)
{
    qCCritical(lcCore) << Q_FUNC_INFO << "Not available in this build";
    return false;
}
