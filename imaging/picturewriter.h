#ifndef LOOMWRIGHT_PICTUREWRITER_H
#define LOOMWRIGHT_PICTUREWRITER_H

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes the pictures of the generators. Nothing here logs.
class PictureWriter
{
public:
    // Encodes picture in format (a writer's format name, any letter case) at
    // quality (−1 for the writer's default) into path, used as given and
    // relative to the working folder. The file is replaced only once the
    // whole encoding is on disk: on failure a file that was there stays as it
    // was and no partial file is left.
    static bool save(const QImage &picture, const QString &path, const QByteArray &format, int quality);

    // The two halves of save, for a caller that writes one encoding to
    // several files: the encoded bytes (empty on failure), and bytes written
    // to path with the same all-or-nothing replacement. smallest asks for the
    // smallest PNG data at the default quality, at many times the time; it
    // changes nothing else.
    static QByteArray encode(const QImage &picture, const QByteArray &format, int quality, bool smallest = false);
    static bool write(const QByteArray &bytes, const QString &path);
};

#endif
