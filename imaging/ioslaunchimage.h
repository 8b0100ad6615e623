#ifndef LOOMWRIGHT_IOSLAUNCHIMAGE_H
#define LOOMWRIGHT_IOSLAUNCHIMAGE_H

#include <QImage>
#include <QString>
#include <QVariantMap>

// The iOS launch images.
class IOSLaunchImage
{
public:
    static bool createiOSLaunchImage(const QString &targetPath, const QVariantMap &options);
};

#endif
