#ifndef LOOMWRIGHT_ANDROIDLAUNCHIMAGE_H
#define LOOMWRIGHT_ANDROIDLAUNCHIMAGE_H

#include <QImage>
#include <QString>
#include <QVariantMap>

// Android splash pictures, portrait and landscape, one pair per density.
class AndroidLaunchImage
{
public:
    static bool createAndroidLaunchImage(const QString &targetPath, const QVariantMap &options);
};

#endif
