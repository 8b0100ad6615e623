#include "shared/shareddata.h"

#include "plugin/logging.h"

// The segment itself arrives with the shared-memory subsystem. Until then the
// object reads as an empty map and refuses writes, so QML can already bind to it.

SharedData::SharedData(const QString &key, int size, int interval, QObject *parent)
    : QObject(parent)
    , m_key(key)
    , m_size(size)
    , m_interval(interval)
{
}

SharedData::~SharedData() = default;

QVariantMap SharedData::object() const
{
    return QVariantMap();
}

void SharedData::setObject(const QVariantMap &object)
{
    Q_UNUSED(object)
    qCCritical(lcCore) << Q_FUNC_INFO << "Shared data is not available in this build:" << m_key;
}

QString SharedData::stringData() const
{
    return QString();
}

void SharedData::setStringData(const QString &text)
{
    Q_UNUSED(text)
    qCCritical(lcCore) << Q_FUNC_INFO << "Shared data is not available in this build:" << m_key;
}
