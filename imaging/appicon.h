#ifndef LOOMWRIGHT_APPICON_H
#define LOOMWRIGHT_APPICON_H

#include <QImage>
#include <QString>
#include <QVariantMap>

// Turns one source picture into the app icon files of one platform: loads
// it, makes it square and hands it to the platform's generator.
class AppIcon
{
public:
    static bool createAppIcon(const QString &os,
                              const QString &sourcePath,
                              const QString &targetPath,
                              const QVariantMap &options);

    // The picture made square on the "backgroundColor" option (default black),
    // centred; a square picture is returned unchanged.
    static QImage squared(const QImage &picture, const QVariantMap &options);
};

#endif
