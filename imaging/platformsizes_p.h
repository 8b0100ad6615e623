#ifndef LOOMWRIGHT_PLATFORMSIZES_P_H
#define LOOMWRIGHT_PLATFORMSIZES_P_H

#include <QDir>
#include <QSize>
#include <QString>

// The size tables of every platform's sets, each in the order its set writes
// it. The generators, the tests and the benchmarks all read these, so that a
// size is written down once.
class PlatformSizes
{
public:
    // The Windows icon's entries, square.
    static constexpr int WindowsIconSides[] = { 16, 32, 64, 96 };

    // Android densities, from low to high, with the launcher icon's and the
    // adaptive background's square sides.
    struct AndroidDensity
    {
        const char *name;
        int launcherSide;
        int backgroundSide;
    };
    static constexpr AndroidDensity AndroidDensities[] = {
        { "mdpi", 48, 108 },   { "hdpi", 72, 162 },     { "xhdpi", 96, 216 },
        { "xxhdpi", 144, 324 }, { "xxxhdpi", 192, 432 },
    };

    // Android splash pictures: portrait ones first, densities from low to high.
    struct AndroidSplash
    {
        const char *density;
        const char *fileName;
        int width;
        int height;
    };
    static constexpr AndroidSplash AndroidSplashes[] = {
        { "mdpi", "splash.png", 320, 480 },          { "hdpi", "splash.png", 480, 800 },
        { "xhdpi", "splash.png", 720, 1280 },        { "xxhdpi", "splash.png", 960, 1600 },
        { "xxxhdpi", "splash.png", 1280, 1920 },     { "mdpi", "splash_land.png", 480, 320 },
        { "hdpi", "splash_land.png", 800, 480 },     { "xhdpi", "splash_land.png", 1280, 720 },
        { "xxhdpi", "splash_land.png", 1600, 960 },  { "xxxhdpi", "splash_land.png", 1920, 1280 },
    };

    // The absolute path of the folder "mipmap-<density>" under targetDir,
    // which the launcher icons and the splash pictures share. Made absolute
    // from the working folder once, so that the folder that is made and the
    // file written into it are the same place even for a relative target.
    static QString androidDensityFolder(const QDir &targetDir, const QString &density);

    // The iOS icon set's rows; rows that share a pixel side share a file.
    struct IOSIconRow
    {
        const char *idiom;
        float size; // points
        int scale;
    };
    static constexpr IOSIconRow IOSIconRows[] = {
        { "iphone", 20.0f, 2 }, { "iphone", 20.0f, 3 }, { "iphone", 29.0f, 1 },       { "iphone", 29.0f, 2 },
        { "iphone", 29.0f, 3 }, { "iphone", 40.0f, 2 }, { "iphone", 40.0f, 3 },       { "iphone", 60.0f, 2 },
        { "iphone", 60.0f, 3 }, { "ipad", 20.0f, 1 },   { "ipad", 20.0f, 2 },         { "ipad", 29.0f, 1 },
        { "ipad", 29.0f, 2 },   { "ipad", 40.0f, 1 },   { "ipad", 40.0f, 2 },         { "ipad", 76.0f, 1 },
        { "ipad", 76.0f, 2 },   { "ipad", 83.5f, 2 },   { "ios-marketing", 1024.0f, 1 },
    };

    // The box that the iOS launch overlay and icon are fitted into.
    static constexpr int IOSLaunchFittedSide = 512;

    // Windows Store scale factors in percent, in the order the sets write them.
    static constexpr int WinRTScales[] = { 100, 125, 150, 200, 400 };

    // base × scale / 100 to the nearest pixel, halves going up.
    static int winRTScaledPixels(int base, int scale);

    // What a Windows Store file name carries for scale: nothing at 100,
    // ".scale-" and the number otherwise.
    static QString winRTScaleQualifier(int scale);

    // Windows Store logo families, each in all scales before the next; the
    // inner box of the "backgroundColor" layout in percent of the logo.
    struct WinRTLogoFamily
    {
        int width;
        int height;
        int innerWidthPercent;
        int innerHeightPercent;
        Qt::AspectRatioMode aspectRatioMode;
    };
    static constexpr WinRTLogoFamily WinRTLogoFamilies[] = {
        { 71, 71, 100, 100, Qt::KeepAspectRatio },
        { 150, 150, 55, 55, Qt::KeepAspectRatio },
        // The wide logo keeps the picture's shape too: a logo stretched to
        // twice its width is no one's logo. It goes into the inner box.
        { 310, 150, 84, 55, Qt::KeepAspectRatio },
        { 310, 310, 67, 67, Qt::KeepAspectRatio },
        { 44, 44, 100, 100, Qt::KeepAspectRatio },
        { 50, 50, 100, 100, Qt::KeepAspectRatio },
    };

    // The target-size variants of the small logo, square, after the families.
    static constexpr int WinRTTargetSizes[] = { 16, 24, 32, 48, 256 };

    // The Windows Store splash screen's base size, written in every scale.
    static constexpr int WinRTSplashWidth = 620;
    static constexpr int WinRTSplashHeight = 300;

    // The macOS icon's elements in the order of the file: the type of each
    // and the side of its PNG picture. Each size in points has an element at
    // @1x and one at @2x (ic11 to ic14, and ic10 for 512 points), so that
    // the system finds a picture made for every size it shows.
    struct MacOSIconElement
    {
        const char *type;
        int side;
    };
    static constexpr MacOSIconElement MacOSIconElements[] = {
        { "icp4", 16 }, { "icp5", 32 }, { "ic07", 128 }, { "ic08", 256 }, { "ic09", 512 },
        { "ic10", 1024 }, { "ic11", 32 }, { "ic12", 64 }, { "ic13", 256 }, { "ic14", 512 },
    };

    // The installer's two pictures.
    struct InstallerFile
    {
        const char *fileName;
        int width;
        int height;
    };
    static constexpr InstallerFile InstallerFiles[] = {
        { "background.png", 164, 314 },
        { "watermark.png", 164, 314 },
    };
};

#endif
