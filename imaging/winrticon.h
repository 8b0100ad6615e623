#ifndef LOOMWRIGHT_WINRTICON_H
#define LOOMWRIGHT_WINRTICON_H

#include <QDir>
#include <QImage>
#include <QString>
#include <QVariantMap>

// Windows Store logos: six logo families in five scale factors and five
// target sizes of the small logo, as PNG files in one flat folder.
//
// Without the option "backgroundColor" each logo is the picture scaled to
// the logo's size. With it (whatever its value, even empty) each logo is a
// canvas of the logo's size filled with that colour, the picture scaled into
// an inner box and centred on it.
class WinRTIcon
{
public:
    // All 35 logos into targetPath, a folder made with its missing parents; a
    // relative path is taken from the working folder. False when the folder
    // cannot be made or not one logo was written; a logo that fails is
    // logged and the set goes on.
    static bool createWinRTIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options);

    // One logo of base size width × height at scale into targetDir, named
    // fileName or, when that is empty, after the base size and the scale.
    // innerWidthPercent and innerHeightPercent size the inner box of the
    // "backgroundColor" layout. True when the file was written.
    static bool createWinRTImage(const QImage &picture,
                                 const QDir &targetDir,
                                 int width,
                                 int height,
                                 int scale,
                                 const QVariantMap &options,
                                 int innerWidthPercent,
                                 int innerHeightPercent,
                                 Qt::AspectRatioMode aspectRatioMode,
                                 const QString &fileName);

    // "Logo_44x44.targetsize-" + size + ".png": size × size at scale 100,
    // aspect ratio kept, the inner box the whole canvas.
    static bool createWinRTTargetSizeImage(const QImage &picture,
                                           const QDir &targetDir,
                                           const QVariantMap &options,
                                           int size);

private:
    // The picture and options of one call, prepared once for all its logos.
    class LogoSource;

    static bool createWinRTImage(LogoSource &source,
                                 const QDir &targetDir,
                                 int width,
                                 int height,
                                 int scale,
                                 int innerWidthPercent,
                                 int innerHeightPercent,
                                 Qt::AspectRatioMode aspectRatioMode,
                                 const QString &fileName);
    static bool createWinRTTargetSizeImage(LogoSource &source, const QDir &targetDir, int size);
};

#endif
