#ifndef LOOMWRIGHT_PNGENCODER_P_H
#define LOOMWRIGHT_PNGENCODER_P_H

#include <QByteArray>
#include <QImage>

// A PNG encoder for the generators' pictures, several times faster than
// Qt's writer: each row gets the cheaper-looking of two cheap filters, where
// the writer tries all five, and the whole picture goes through a one-shot
// deflate that is much faster than a streaming one. A file decodes to the
// same pixels and carries the same chunks as the writer's at its default
// quality (8 bits a channel, RGB or RGBA, pHYs from the picture's
// resolution); only the compressed data differs, and is about as small.
class PngEncoder
{
public:
    // Filtered rows up to this size are compressed in one piece; above it,
    // where a second copy of the picture would cost too much memory, row by
    // row through a stream.
    static constexpr qint64 DefaultWholeLimit = qint64(32) << 20;

    // The encoded picture, or empty: for a null picture, one too large for
    // the format's 32-bit lengths, a compressor failure or lack of memory,
    // and pictures the writer stores in a way this encoder does not
    // reproduce (16 bits a channel, a colour space, text, an offset), which
    // the caller leaves to the writer. wholeLimit (bytes of filtered rows)
    // is there for tests of the streaming path.
    static QByteArray encode(const QImage &picture, qint64 wholeLimit = DefaultWholeLimit);
};

#endif
