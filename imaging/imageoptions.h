#ifndef LOOMWRIGHT_IMAGEOPTIONS_H
#define LOOMWRIGHT_IMAGEOPTIONS_H

#include <QColor>
#include <QImage>
#include <QString>
#include <QVariantMap>

// Reading the option maps that QML passes to the icon and launch-image
// generators. Every value is used through its string form.
class ImageOptions
{
public:
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
