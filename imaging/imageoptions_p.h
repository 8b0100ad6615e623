#ifndef LOOMWRIGHT_IMAGEOPTIONS_P_H
#define LOOMWRIGHT_IMAGEOPTIONS_P_H

#include <QColor>
#include <QImage>
#include <QString>
#include <QVariantMap>

// The option maps that QML passes to the icon and launch-image generators,
// read once per call into typed values. Every value is used through its
// string form. The rules of each key live here and nowhere else.
class ImageOptions
{
public:
    // App-icon options.
    struct Icon
    {
        // "backgroundColor" is in the map, whatever its value, even empty:
        // the iOS and Windows Store sets then flatten every picture onto a
        // canvas of that colour.
        bool hasBackground = false;
        // The squaring fill of createAppIcon and the canvas of those sets:
        // black when the key is absent or names no colour.
        QColor background;
    };
    static Icon icon(const QVariantMap &options);

    // Launch-image options.
    enum LaunchPicture { BackgroundImage, OverlayImage, IconImage, LaunchPictureCount };
    struct LaunchPictures
    {
        // Each picture as read, null when its key is absent, empty or names a
        // file that cannot be read.
        QImage pictures[LaunchPictureCount];
        // The first role that names the same file as role: a file named in
        // several roles is decoded once, as the same pixels come out every
        // time, and only that role's entry of pictures is filled.
        int sameAs[LaunchPictureCount] = {};
    };
    static LaunchPictures launchPictures(const QVariantMap &options);

    // The canvas colour of a composed launch image: white when the key is
    // absent or names no colour.
    static QColor launchBackground(const QVariantMap &options);

    // Both maps: "smallest" asks for the smallest PNG files, for release
    // builds; the files then take many times as long and hold the same
    // pixels. "true" and "1" (any letter case, so QML's true too) ask for
    // them; "false", "0", an empty value and an absent key do not. Any other
    // value is logged as a warning and asks for nothing, as a typing error
    // must not make a run many times as slow.
    static bool smallest(const QVariantMap &options);

private:
    // The colour named by options[key] (#RGB, #RRGGBB, #AARRGGBB or a colour
    // name in any letter case), or by defaultName when the key is absent. A
    // value that names no colour is logged as a warning and the default
    // colour is used instead, so that a typing error gives a predictable
    // picture. A colour with transparency keeps its alpha: the canvases are
    // filled with it as it is.
    static QColor colour(const QVariantMap &options, const QString &key, const QString &defaultName);

    // options[key] as a file path, expanded through the path variables;
    // empty when the key is absent or empty.
    static QString picturePath(const QVariantMap &options, const QString &key);

    // The picture at path, which options[key] named (see picturePath); a null
    // image for an empty path. A file that cannot be read counts as not given
    // too, so that the launch image is still made, but it is logged as a
    // warning: the caller named a picture and would not see it missing.
    static QImage picture(const QString &key, const QString &path);
};

#endif
