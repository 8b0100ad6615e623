#ifndef LOOMWRIGHT_SEGMENTFORMAT_P_H
#define LOOMWRIGHT_SEGMENTFORMAT_P_H

#include <QByteArray>
#include <QString>

// The bytes of a shared-data segment, in native byte order: change counter
// (int32) at 0, payload length in bytes (int32) at 4, the payload (compact
// UTF-8 JSON of one object) from 8 on. Every other process can write these
// bytes, so nothing read from them is trusted. Kept apart from SharedData,
// which adds the segment and its lock, so that any bytes can be tried on it.
class SegmentFormat
{
public:
    static constexpr int headerSize = 8;

    // What a payload may take in a segment of this size; negative when not
    // even the header fits.
    static int capacity(int segmentSize) { return segmentSize - headerSize; }

    // The segment must hold at least the header.
    static qint32 counter(const char *segment);
    static qint32 payloadLength(const char *segment);

    // Decodes the payload into text; false, leaving text alone, when its
    // length lies outside 0 to the capacity.
    static bool readPayload(const char *segment, int segmentSize, QString *text);

    // Stores bytes, which must fit the capacity, as the payload and
    // increments the counter; returns the new counter.
    static qint32 writePayload(char *segment, int segmentSize, const QByteArray &bytes);

    // Empty when readers take the payload back as the object it was written
    // from (an empty payload reads as an empty object); otherwise why not.
    // A payload they could not parse would reach every process as an empty
    // object, so writers check with this first.
    static QString unreadableReason(const QByteArray &payload);
};

#endif
