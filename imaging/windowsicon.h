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
    static bool createWindowsIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options);
    static bool createWindowsImage(const QImage &picture, QList<QImage> *images, int size);
};

#endif
