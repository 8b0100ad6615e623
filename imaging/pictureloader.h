#ifndef LOOMWRIGHT_PICTURELOADER_H
#define LOOMWRIGHT_PICTURELOADER_H

#include <QImage>
#include <QString>

// Loads the pictures that the generators start from.
class PictureLoader
{
public:
    // The largest picture accepted: 2^28 pixels (16384 × 16384), which takes
    // 1 GiB as 32-bit pixels. Larger pictures are refused from their header,
    // before any pixel memory is allocated.
    static constexpr qint64 maxPixels = qint64(1) << 28;

    // The picture at path (used as given, not expanded), its format taken
    // from the file's content. A null image when the file cannot be read, is
    // not a whole picture, or claims more than maxPixels. Logs nothing: the
    // callers report the failure in their own words.
    static QImage load(const QString &path);
};

#endif
