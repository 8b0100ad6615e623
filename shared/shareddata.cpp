#include "shared/shareddata.h"

#include "utility/logging.h"
#include "shared/segmentformat_p.h"
#include "utility/jsonutility.h"

#include <cstring>

#if defined(Q_OS_UNIX) && !defined(QT_POSIX_IPC)
#include "shared/systemvipc_p.h"
#endif

SharedData::SharedData(const QString &key, int size, int interval, QObject *parent)
    : QObject(parent)
    , m_memory(key)
    , m_lock(m_memory.nativeKey() + QStringLiteral(".lock"))
{
    // Processes that start together must agree on who creates the segment.
    if (m_lock.lock()) {
        attachOrCreate(key, size);
        m_lock.unlock();
    } else {
        qCCritical(lcCore) << Q_FUNC_INFO << "Unable to lock:" << m_lock.errorString() << key;
    }

    if (interval > 0) {
        connect(&m_updateTimer, &QTimer::timeout, this, &SharedData::onUpdateTimer);
        m_updateTimer.setInterval(interval);
        m_updateTimer.setSingleShot(false);
        m_updateTimer.start();
    }
}

void SharedData::attachOrCreate(const QString &key, int size)
{
    if (m_memory.attach(QSharedMemory::ReadWrite)) {
        qCDebug(lcCore) << Q_FUNC_INFO << "Attached:" << key << m_memory.size() << m_memory.nativeKey();
    } else if (m_memory.create(size, QSharedMemory::ReadWrite)) {
        qCDebug(lcCore) << Q_FUNC_INFO << "Created:" << key << m_memory.size() << m_memory.nativeKey();
        std::memset(m_memory.data(), 0, size_t(m_memory.size()));
    } else {
        qCCritical(lcCore) << Q_FUNC_INFO << "Unable to create:" << m_memory.errorString() << key << m_memory.size();
    }

#if defined(Q_OS_UNIX) && !defined(QT_POSIX_IPC)
    // The segment carries a sign-in token: only its owner may see it.
    if (m_memory.isAttached() && !SystemVIpc::restrictToOwner(m_memory)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Segment belongs to another user, detaching:" << key;
        m_memory.detach();
    }
#endif
}

// The segment stays while any process is attached; this one detaches here.
SharedData::~SharedData() = default;

bool SharedData::hasSegment() const
{
    return m_memory.isAttached() && m_memory.size() >= SegmentFormat::headerSize;
}

// What a payload may take; negative (and so refusing every write) when there
// is no usable segment.
int SharedData::capacity() const
{
    return SegmentFormat::capacity(hasSegment() ? m_memory.size() : 0);
}

QVariantMap SharedData::object() const
{
    return JsonUtility::toVariantMap(stringData());
}

void SharedData::setObject(const QVariantMap &object)
{
    setStringData(JsonUtility::toCompactJson(object));
}

QString SharedData::stringData() const
{
    if (!hasSegment())
        return QString();

    if (!m_lock.lock()) {
        qCCritical(lcCore) << Q_FUNC_INFO << m_lock.errorString();
        return QString();
    }

    const char *segment = static_cast<const char *>(m_memory.constData());
    const qint32 length = SegmentFormat::payloadLength(segment);
    qCDebug(lcCore) << Q_FUNC_INFO << "dataSize:" << length;
    QString text;
    const bool valid = SegmentFormat::readPayload(segment, m_memory.size(), &text);

    m_lock.unlock();

    if (!valid)
        qCCritical(lcCore) << Q_FUNC_INFO << "Invalid data size" << length << "capacity" << capacity();
    return text;
}

void SharedData::setStringData(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    const int limit = capacity();
    if (bytes.size() > limit) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Object data too large" << bytes.size() << ">" << limit;
        return;
    }
    // Stored, it would read as an empty object in every process, the writer's
    // own included, and so take the shared sign-in with it.
    const QString unreadable = SegmentFormat::unreadableReason(bytes);
    if (!unreadable.isEmpty()) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Object data unreadable" << unreadable;
        return;
    }

    if (!m_lock.lock()) {
        qCCritical(lcCore) << Q_FUNC_INFO << m_lock.errorString();
        return;
    }

    m_updateTimer.stop();
    // Sizes only: the payload holds a refresh token and must never reach a log.
    qCDebug(lcCore) << Q_FUNC_INFO << "size:" << bytes.size() << "string" << text.size();

    m_lastSeenCounter = SegmentFormat::writePayload(static_cast<char *>(m_memory.data()), m_memory.size(), bytes);

    m_lock.unlock();

    Q_EMIT dataChanged();
    if (m_updateTimer.interval() > 0)
        m_updateTimer.start();
}

void SharedData::onUpdateTimer()
{
    if (!hasSegment())
        return;

    if (!m_lock.lock()) {
        qCCritical(lcCore) << Q_FUNC_INFO << m_lock.errorString();
        return;
    }
    const qint32 counter = SegmentFormat::counter(static_cast<const char *>(m_memory.constData()));
    m_lock.unlock();

    if (counter != m_lastSeenCounter) {
        qCDebug(lcCore) << Q_FUNC_INFO << counter << "!=" << m_lastSeenCounter;
        m_lastSeenCounter = counter;
        Q_EMIT dataChanged();
    }
}
