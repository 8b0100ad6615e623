#ifndef HOSTKIT_CONTENTDECODER_H
#define HOSTKIT_CONTENTDECODER_H

#include <QByteArray>

#include <functional>
#include <memory>

// Undoes the Content-Encoding of an HTTP body as it arrives, piece by piece,
// and never hands out more than the caller has room for. Network requests
// inflate their answers themselves rather than leaving it to the network
// layer, which inflates a whole piece at once: a small compressed answer
// that inflates a thousandfold would be held whole before any bound is
// checked.
class ContentDecoder
{
public:
    enum class Encoding { Identity, Gzip, Deflate, Unsupported };
    enum class Result { Decoded, TooLarge, Damaged, Stopped };
    // Takes each decoded piece as it comes; false stops the decoding.
    using Sink = std::function<bool(const char *data, int size)>;

    // The encoding a Content-Encoding header names; "" and "identity" are none.
    static Encoding encodingOf(const QByteArray &header);

    explicit ContentDecoder(Encoding encoding);
    ~ContentDecoder();
    ContentDecoder(const ContentDecoder &) = delete;
    ContentDecoder &operator=(const ContentDecoder &) = delete;

    Encoding encoding() const { return m_encoding; }

    // Hands what input decodes to to sink, in pieces of at most 64 KiB, so
    // that no more than one piece is ever held here. Stops with TooLarge as
    // soon as more than room bytes would come out (a room below zero means
    // no bound), and with Stopped when the sink refuses a piece.
    Result decode(const QByteArray &input, qint64 room, const Sink &sink);

    // True once the compressed stream has ended properly; a body cut short
    // can look whole otherwise. Always true without an encoding.
    bool isComplete() const;

private:
    struct Stream;

    Encoding m_encoding;
    std::unique_ptr<Stream> m_stream;
    // Bytes held until the stream can start.
    QByteArray m_pending;
    bool m_ended = false;
};

#endif
