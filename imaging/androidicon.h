#ifndef LOOMWRIGHT_ANDROIDICON_H
#define LOOMWRIGHT_ANDROIDICON_H

#include <QDir>
#include <QImage>
#include <QString>
#include <QVariantMap>

// Android launcher icons and adaptive icon background layers: one PNG per
// density ("mdpi", "hdpi", "xhdpi", "xxhdpi", "xxxhdpi"), each in a folder
// "mipmap-<density>" under a target folder, which is made when missing.
//
// A relative target folder is taken from the working folder, for the density
// folders and the files alike. A density that fails is logged and the set
// goes on; a set reports false only when it wrote none of its files.
class AndroidIcon
{
public:
    // "ic_launcher.png", fitted into 48, 72, 96, 144 and 192 pixels square.
    // targetPath is used as given (the app-icon dispatcher has expanded it);
    // of the options only "smallest" is read.
    static bool createAndroidIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options);

    // "ic_launcher_background.png", fitted into 108, 162, 216, 324 and 432
    // pixels square, from the picture at sourcePath (path variables
    // expanded) as it is: a picture that is not square stays so. targetPath
    // is taken literally, path variables and all. False, with nothing made,
    // when the source cannot be loaded or targetPath is empty.
    static bool createAdaptiveIconBackgroundMipMapAsset(const QString &sourcePath, const QString &targetPath);

    // One density: picture fitted into size × size (smooth, aspect ratio
    // kept, smaller pictures enlarged), written as PNG to fileName in the
    // density's folder under targetDir, as small as the encoder makes it when
    // smallest is set. True when the file was written.
    static bool createAndroidImage(const QImage &picture,
                                   const QString &fileName,
                                   const QDir &targetDir,
                                   int size,
                                   const QString &density,
                                   bool smallest = false);
};

#endif
