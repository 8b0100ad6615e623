#ifndef LOOMWRIGHT_ANDROIDICON_H
#define LOOMWRIGHT_ANDROIDICON_H

#include <QImage>
#include <QString>
#include <QVariantMap>

// Android launcher icons and adaptive icon background layers, one per density.
class AndroidIcon
{
public:
    static bool createAndroidIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options);
    static bool createAdaptiveIconBackgroundMipMapAsset(const QString &sourcePath, const QString &targetPath);
};

#endif
