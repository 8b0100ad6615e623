#ifndef LOOMWRIGHT_MACOSICON_H
#define LOOMWRIGHT_MACOSICON_H

#include <QImage>
#include <QString>
#include <QVariantMap>

// The macOS app icon: one .icns file.
class MacOSIcon
{
public:
    // Writes the icon file at targetPath, making its missing folders: an
    // .icns container of PNG elements, one for every size in points that the
    // system shows at @1x and @2x (PlatformSizes::MacOSIconElements), each the
    // picture scaled to the element's side, stretched when the picture is
    // not square. Elements of the same side share one encoding. A relative
    // targetPath is taken from the working folder, for the folders and the
    // file alike. The file is replaced only once the new icon has been
    // written in full: when anything fails, a file that was there stays as
    // it was. Of the options only "smallest" is read.
    static bool createMacOSIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options);
};

#endif
