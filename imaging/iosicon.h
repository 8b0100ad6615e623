#ifndef LOOMWRIGHT_IOSICON_H
#define LOOMWRIGHT_IOSICON_H

#include <QDir>
#include <QImage>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

// The iOS app icon set: "AppIcon.appiconset" with its PNG files and "Contents.json".
class IOSIcon
{
public:
    // Makes the set folder "AppIcon.appiconset" in targetPath, writes one PNG
    // for each of the 19 rows of the icon set table and the descriptor
    // "Contents.json" with one entry per written row. The result is that of
    // writing the descriptor. A relative targetPath is taken from the working
    // folder, for the folder, the pictures and the descriptor alike.
    static bool createiOSIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options);

    // Writes picture, fitted into a square of size × scale pixels (truncated),
    // as "AppIcon-<size × scale>.png" in setFolder and appends its descriptor
    // entry to entries. With the option "backgroundColor" present the picture
    // is flattened onto that colour; a value that names no colour, or an
    // empty one, is logged as a warning and gives black, the squaring fill of
    // createAppIcon. True when the file was written and the entry appended.
    static bool createiOSImage(const QImage &picture,
                               const QDir &setFolder,
                               QVariantList *entries,
                               float size,
                               const QString &idiom,
                               int scale,
                               const QVariantMap &options);

private:
    // What the rows of one icon set share: the picture at its sizes, the
    // options read once, the encoded files and the set's writer.
    struct SetCache;

    static bool createiOSImage(const QImage &picture,
                               const QDir &setFolder,
                               QVariantList *entries,
                               float size,
                               const QString &idiom,
                               int scale,
                               const QVariantMap &options,
                               SetCache *cache);
};

#endif
