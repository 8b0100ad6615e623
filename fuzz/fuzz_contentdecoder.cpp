// Arbitrary bytes as a compressed HTTP body, and the same bytes compressed
// and decoded again, arriving in pieces of every size. The first byte
// chooses the encoding and the size of the pieces, the next two the room
// the decoder has in KiB (all ones: no bound); the rest is the body.
#include "hostkit/contentdecoder.h"

#include <zlib.h>

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int largestPiece = 64 * 1024;

struct Outcome
{
    ContentDecoder::Result result = ContentDecoder::Result::Decoded;
    QByteArray decoded;
    bool complete = false;
};

Outcome decodeInPieces(ContentDecoder::Encoding encoding, const QByteArray &body, int pieceSize, qint64 room)
{
    ContentDecoder decoder(encoding);
    Outcome outcome;
    const auto sink = [&outcome](const char *data, int size) {
        if (size <= 0 || size > largestPiece)
            std::abort();
        outcome.decoded.append(data, size);
        return true;
    };
    for (int at = 0; at < body.size() && outcome.result == ContentDecoder::Result::Decoded; at += pieceSize) {
        const qint64 left = room < 0 ? -1 : room - outcome.decoded.size();
        outcome.result = decoder.decode(body.mid(at, pieceSize), left, sink);
    }
    if (room >= 0 && outcome.decoded.size() > room)
        std::abort();
    outcome.complete = decoder.isComplete();
    return outcome;
}

QByteArray compressed(ContentDecoder::Encoding encoding, const QByteArray &data)
{
    const int windowBits = encoding == ContentDecoder::Encoding::Gzip ? 16 + MAX_WBITS
                         : encoding == ContentDecoder::Encoding::Deflate && data.size() % 2 ? -MAX_WBITS
                                                                                             : MAX_WBITS;
    z_stream stream = {};
    if (deflateInit2(&stream, 6, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        std::abort();
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END)
        std::abort();
    out.resize(int(stream.total_out));
    deflateEnd(&stream);
    return out;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3 || size > (1u << 20))
        return 0;
    static const ContentDecoder::Encoding encodings[] = {
        ContentDecoder::Encoding::Identity, ContentDecoder::Encoding::Gzip, ContentDecoder::Encoding::Deflate,
        ContentDecoder::Encoding::Unsupported};
    const ContentDecoder::Encoding encoding = encodings[data[0] & 3];
    const int pieceSize = 1 + (data[0] >> 2) * (data[0] >> 2);
    const int roomKiB = (data[1] << 8) | data[2];
    const qint64 room = roomKiB == 0xffff ? -1 : qint64(roomKiB) * 1024;
    const QByteArray body(reinterpret_cast<const char *>(data + 3), int(size - 3));

    // A hostile body: bounded, pieces of at most 64 KiB, no crash.
    decodeInPieces(encoding, body, pieceSize, room);

    // What was compressed decodes to itself, whole and complete, and one
    // byte less room is too little.
    if (encoding == ContentDecoder::Encoding::Unsupported)
        return 0;
    const QByteArray encoded = encoding == ContentDecoder::Encoding::Identity ? body : compressed(encoding, body);
    const Outcome whole = decodeInPieces(encoding, encoded, pieceSize, -1);
    if (whole.result != ContentDecoder::Result::Decoded || whole.decoded != body || !whole.complete)
        std::abort();
    if (!body.isEmpty()) {
        const Outcome tight = decodeInPieces(encoding, encoded, pieceSize, body.size() - 1);
        if (tight.result != ContentDecoder::Result::TooLarge)
            std::abort();
    }
    return 0;
}
