#ifndef LOOMWRIGHT_IOSLAUNCHIMAGE_P_H
#define LOOMWRIGHT_IOSLAUNCHIMAGE_P_H

#include <QImage>
#include <QString>

class SetWriter;

// The steps of IOSLaunchImage::createiOSLaunchImage.
class IOSLaunchImagePrivate
{
public:
    // picture fitted into PlatformSizes::IOSLaunchFittedSide square, aspect
    // ratio kept, smooth transformation, smaller pictures enlarged; a null
    // image when it cannot be scaled.
    static QImage fitted(const QImage &picture);

    // Replaces the file at path by replacement, a picture already loaded and
    // scaled, encoded as PNG, through set. The default is replaced in one
    // step, so it stays as it was whenever the new file cannot be made; a
    // missing default is no fault, and something other than a file in its
    // place is reported ("Error deleting the default image "). A picture that
    // cannot be encoded or written gives "Error copying " and false. function
    // is the signature that the lines start with.
    static bool replaceDefaultImage(const char *function, const QImage &replacement, const QString &path,
                                    SetWriter *set);
};

#endif
