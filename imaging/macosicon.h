#ifndef LOOMWRIGHT_MACOSICON_H
#define LOOMWRIGHT_MACOSICON_H

#include <QImage>
#include <QString>
#include <QVariantMap>

// The macOS app icon: one .icns file.
class MacOSIcon
{
public:
    // Writes the picture, at its own size, through Qt's ICNS image handler
    // into the icon file at targetPath, making its missing folders; the
    // handler decides which sizes the file holds. A relative targetPath is
    // taken from the working folder, for the folders and the file alike. The
    // file is replaced only once the new icon has been written in full: when
    // anything fails, a file that was there stays as it was. The options are
    // not read.
    static bool createMacOSIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options);
};

#endif
