#ifndef LOOMWRIGHT_IOSICON_H
#define LOOMWRIGHT_IOSICON_H

#include <QImage>
#include <QString>
#include <QVariantMap>

// The iOS app icon set: "AppIcon.appiconset" with its PNG files and "Contents.json".
class IOSIcon
{
public:
    static bool createiOSIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options);
};

#endif
