#ifndef LOOMWRIGHT_WINDOWSICON_H
#define LOOMWRIGHT_WINDOWSICON_H

#include <QImage>
#include <QList>
#include <QString>
#include <QVariantMap>

// The Windows app icon: one .ico file holding the picture at 16, 32, 64 and
// 96 pixels.
class WindowsIcon
{
public:
    // Writes the icon file at targetPath, making its missing folders. A
    // relative targetPath is taken from the working folder, for the folders
    // and the file alike. The file is replaced only once the new icon has been
    // written in full: when anything fails, a file that was there stays as it
    // was. The options are not read: "smallest" has nothing to do with the
    // uncompressed bitmaps of an icon file.
    static bool createWindowsIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options);

    // Appends the picture scaled to fit size × size, as a straight-alpha
    // ARGB32 image, to *images. False, with the list unchanged, when it cannot
    // be scaled (or images is null).
    static bool createWindowsImage(const QImage &picture, QList<QImage> *images, int size);
};

#endif
