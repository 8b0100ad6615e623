// Arbitrary bytes as a shared-data segment, as another process may have
// left it: the whole input is the segment, header and payload.
#include "shared/segmentformat_p.h"
#include "utility/jsonutility.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // SharedData reads no segment that cannot hold the header.
    if (size < size_t(SegmentFormat::headerSize) || size > (1u << 20))
        return 0;
    const int segmentSize = int(size);
    // A buffer of exactly the segment's size, so that any read past its end
    // is a sanitizer report.
    std::vector<char> segment(data, data + size);

    // What reading the object makes of it.
    QString text;
    if (SegmentFormat::readPayload(segment.data(), segmentSize, &text)) {
        const QVariantMap object = JsonUtility::toVariantMap(text);
        // Reading, changing nothing and writing back must not be refused.
        const QByteArray again = JsonUtility::toCompactJson(object).toUtf8();
        if (!SegmentFormat::unreadableReason(again).isEmpty())
            std::abort();
    }

    // Whatever fits, written, reads back unchanged under the next counter.
    const qint32 length = SegmentFormat::payloadLength(segment.data());
    const int capacity = SegmentFormat::capacity(segmentSize);
    const int payloadSize = length >= 0 && length <= capacity ? length : capacity;
    const QByteArray payload(segment.data() + SegmentFormat::headerSize, payloadSize);
    const qint32 before = SegmentFormat::counter(segment.data());
    const qint32 written = SegmentFormat::writePayload(segment.data(), segmentSize, payload);
    QString readBack;
    if (written == before || SegmentFormat::counter(segment.data()) != written
        || !SegmentFormat::readPayload(segment.data(), segmentSize, &readBack)
        || readBack != QString::fromUtf8(payload.constData(), payload.size()))
        std::abort();
    return 0;
}
