#ifndef LOOMWRIGHT_WINRTLAUNCHIMAGE_H
#define LOOMWRIGHT_WINRTLAUNCHIMAGE_H

#include <QImage>
#include <QString>
#include <QVariantMap>

// Windows Store splash screens, one per scale factor.
class WinRTLaunchImage
{
public:
    static bool createWinRTLaunchImage(const QString &targetPath, const QVariantMap &options);
};

#endif
