#include "imaging/macosicon.h"

#include "plugin/logging.h"

bool MacOSIcon::createMacOSIcon(const QImage &, const QString &, const QVariantMap &)
{
    qCCritical(lcCore) << Q_FUNC_INFO << "Not available in this build";
    return false;
}
