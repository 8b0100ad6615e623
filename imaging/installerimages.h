#ifndef LOOMWRIGHT_INSTALLERIMAGES_H
#define LOOMWRIGHT_INSTALLERIMAGES_H

#include <QDir>
#include <QString>
#include <QVariantMap>

// The two pictures of a desktop installer, "background.png" and
// "watermark.png", 164 × 314 each.
class InstallerImages
{
public:
    static bool createInstallerImage(const QString &targetPath, const QVariantMap &options);
    static bool createInstallerImage(const QDir &targetDir,
                                     const QString &fileName,
                                     const QVariantMap &options,
                                     int width,
                                     int height);
};

#endif
