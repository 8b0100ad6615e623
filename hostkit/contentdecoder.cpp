#include "hostkit/contentdecoder.h"

#include <zlib.h>

namespace {

// Inflated data leaves the stream in pieces of this size, each checked
// against the room left before the next one is made.
constexpr int outputPiece = 64 * 1024;

// HTTP's "deflate" is meant to be a zlib stream, whose two header bytes name
// the method and form a multiple of 31; some servers send the bare deflate
// data instead.
bool startsZlibStream(const QByteArray &head)
{
    const auto first = uchar(head.at(0));
    const auto second = uchar(head.at(1));
    return (first & 0x0f) == Z_DEFLATED && ((first << 8) | second) % 31 == 0;
}

}

struct ContentDecoder::Stream
{
    z_stream zlib = {};
    bool open = false;

    ~Stream()
    {
        if (open)
            inflateEnd(&zlib);
    }
};

ContentDecoder::Encoding ContentDecoder::encodingOf(const QByteArray &header)
{
    const QByteArray name = header.trimmed().toLower();
    if (name.isEmpty() || name == "identity")
        return Encoding::Identity;
    if (name == "gzip" || name == "x-gzip")
        return Encoding::Gzip;
    if (name == "deflate")
        return Encoding::Deflate;
    return Encoding::Unsupported;
}

ContentDecoder::ContentDecoder(Encoding encoding)
    : m_encoding(encoding)
    , m_stream(std::make_unique<Stream>())
{
}

ContentDecoder::~ContentDecoder() = default;

ContentDecoder::Result ContentDecoder::decode(const QByteArray &input, qint64 room, const Sink &sink)
{
    if (m_encoding == Encoding::Unsupported)
        return Result::Damaged;
    if (m_encoding == Encoding::Identity) {
        if (room >= 0 && input.size() > room)
            return Result::TooLarge;
        return input.isEmpty() || sink(input.constData(), input.size()) ? Result::Decoded : Result::Stopped;
    }
    if (input.isEmpty())
        return Result::Decoded;

    QByteArray data = input;
    if (!m_stream->open) {
        // The first bytes decide between the two forms of "deflate".
        m_pending += input;
        if (m_encoding == Encoding::Deflate && m_pending.size() < 2)
            return Result::Decoded;
        const int windowBits =
            m_encoding == Encoding::Gzip ? 16 + MAX_WBITS : (startsZlibStream(m_pending) ? MAX_WBITS : -MAX_WBITS);
        if (inflateInit2(&m_stream->zlib, windowBits) != Z_OK)
            return Result::Damaged;
        m_stream->open = true;
        data = m_pending;
        m_pending.clear();
    }

    z_stream &zlib = m_stream->zlib;
    zlib.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    zlib.avail_in = uInt(data.size());
    char piece[outputPiece];
    qint64 produced = 0;
    while (true) {
        if (m_ended) {
            // Gzip allows members one after another; anything after the end
            // of a zlib or bare deflate stream is left unread.
            if (m_encoding != Encoding::Gzip || zlib.avail_in == 0)
                return Result::Decoded;
            if (inflateReset(&zlib) != Z_OK)
                return Result::Damaged;
            m_ended = false;
        }
        zlib.next_out = reinterpret_cast<Bytef *>(piece);
        zlib.avail_out = outputPiece;
        const int status = inflate(&zlib, Z_NO_FLUSH);
        if (status == Z_NEED_DICT || status == Z_DATA_ERROR || status == Z_MEM_ERROR || status == Z_STREAM_ERROR)
            return Result::Damaged;
        const int made = outputPiece - int(zlib.avail_out);
        if (room >= 0 && produced + made > room)
            return Result::TooLarge;
        if (made > 0 && !sink(piece, made))
            return Result::Stopped;
        produced += made;
        if (status == Z_STREAM_END) {
            m_ended = true;
            continue;
        }
        // Everything read and nothing more waiting to come out.
        if (zlib.avail_in == 0 && zlib.avail_out != 0)
            return Result::Decoded;
        if (status == Z_BUF_ERROR)
            return Result::Decoded;
    }
}

bool ContentDecoder::isComplete() const
{
    return m_encoding == Encoding::Identity || m_ended;
}
