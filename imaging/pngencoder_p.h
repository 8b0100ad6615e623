#ifndef LOOMWRIGHT_PNGENCODER_P_H
#define LOOMWRIGHT_PNGENCODER_P_H

#include <QByteArray>
#include <QImage>

// A PNG encoder for the generators' pictures, several times faster than
// Qt's writer: one cheap filter a row and deflate that runs through repeated
// rows, where the writer tries every filter on every row. A file decodes to
// the same pixels and carries the same chunks as the writer's at its default
// quality (8 bits a channel, RGB or RGBA, pHYs from the picture's
// resolution); only the compressed data differs.
class PngEncoder
{
public:
    // The encoded picture, or empty: for a null picture, one too large for
    // the format's 32-bit lengths, a failure of zlib, and pictures the
    // writer stores in a way this encoder does not reproduce (16 bits a
    // channel, a colour space, text, an offset), which the caller leaves to
    // the writer.
    static QByteArray encode(const QImage &picture);
};

#endif
