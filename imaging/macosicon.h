#ifndef LOOMWRIGHT_MACOSICON_H
#define LOOMWRIGHT_MACOSICON_H

#include <QImage>
#include <QString>
#include <QVariantMap>

// The macOS app icon: one .icns file.
class MacOSIcon
{
public:
    static bool createMacOSIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options);
};

#endif
