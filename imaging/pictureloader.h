#ifndef LOOMWRIGHT_PICTURELOADER_H
#define LOOMWRIGHT_PICTURELOADER_H

#include <QImage>
#include <QString>

// Loads the pictures of the generators. Nothing here logs: the callers
// report a failure in their own words.
class PictureLoader
{
public:
    // The largest picture accepted, read or made: 2^28 pixels (16384 × 16384),
    // which takes 1 GiB as 32-bit pixels. Larger pictures are refused from
    // their header, before any pixel memory is allocated.
    static constexpr qint64 maxPixels = qint64(1) << 28;

    // Whether a picture of this size may be made: both sides positive and no
    // more than maxPixels in all.
    static bool withinLimit(qint64 width, qint64 height);

    // The picture at path (used as given, not expanded), its format taken
    // from the file's content. A null image when path is not a regular file
    // (a named pipe, a device), when the file cannot be read, is not a whole
    // picture, or claims more than maxPixels.
    //
    // "Whole" is checked beyond what the decoders check: the JPEG decoder
    // fills a file cut short with grey and only warns, and the PNG decoder
    // does not miss the end of a file cut inside its final chunk. So a PNG
    // must run through a complete IEND chunk, and a JPEG's marker segments
    // and scans must lead to its end-of-image marker. Damage inside the
    // compressed data of a JPEG that keeps this structure intact cannot be
    // told apart from a picture and decodes as whatever it says.
    //
    // The file is read on every call; when its bytes are those of the last
    // picture decoded (up to 16 MiB of pixels), that picture comes back
    // without decoding them again.
    static QImage load(const QString &path);

    // The picture that these bytes hold, by the rules of load(), which reads
    // the file and hands its bytes to this.
    static QImage loadFromData(const QByteArray &data);
};

#endif
