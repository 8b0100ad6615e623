#include "shared/segmentformat_p.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cstring>

namespace {

constexpr int counterOffset = 0;
constexpr int lengthOffset = 4;

qint32 readInt32(const char *segment, int offset)
{
    qint32 value;
    std::memcpy(&value, segment + offset, sizeof value);
    return value;
}

void writeInt32(char *segment, int offset, qint32 value)
{
    std::memcpy(segment + offset, &value, sizeof value);
}

}

qint32 SegmentFormat::counter(const char *segment)
{
    return readInt32(segment, counterOffset);
}

qint32 SegmentFormat::payloadLength(const char *segment)
{
    return readInt32(segment, lengthOffset);
}

bool SegmentFormat::readPayload(const char *segment, int segmentSize, QString *text)
{
    const qint32 length = payloadLength(segment);
    if (length < 0 || length > capacity(segmentSize))
        return false;
    *text = QString::fromUtf8(segment + headerSize, length);
    return true;
}

qint32 SegmentFormat::writePayload(char *segment, int segmentSize, const QByteArray &bytes)
{
    Q_ASSERT(bytes.size() <= capacity(segmentSize));
    Q_UNUSED(segmentSize)
    writeInt32(segment, lengthOffset, bytes.size());
    std::memcpy(segment + headerSize, bytes.constData(), size_t(bytes.size()));
    // Wraps at the 32-bit limit; readers only compare for inequality.
    const qint32 next = qint32(quint32(counter(segment)) + 1u);
    writeInt32(segment, counterOffset, next);
    return next;
}

QString SegmentFormat::unreadableReason(const QByteArray &payload)
{
    if (payload.isEmpty())
        return QString();
    // Parsed as readers parse it: the writer's JSON can be more deeply nested
    // than the parser accepts.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("%1 at offset %2").arg(error.errorString()).arg(error.offset);
    if (!document.isObject())
        return QStringLiteral("not an object");
    return QString();
}
