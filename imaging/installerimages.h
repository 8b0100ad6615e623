#ifndef LOOMWRIGHT_INSTALLERIMAGES_H
#define LOOMWRIGHT_INSTALLERIMAGES_H

#include "imaging/launchimage.h"

#include <QDir>
#include <QString>
#include <QVariantMap>

// The two pictures of a desktop installer, "background.png" and
// "watermark.png", 164 × 314 each, composed from the launch-image options
// into an existing target folder.
class InstallerImages
{
public:
    // True when at least one of the two pictures was written: a set of which
    // nothing was written is a failure the caller must hear about, while a
    // partly written set reports its missing file in the log.
    static bool createInstallerImage(const QString &targetPath, const QVariantMap &options);

    // One picture, targetDir joined with fileName; true when it was written.
    static bool createInstallerImage(const QDir &targetDir,
                                     const QString &fileName,
                                     const QVariantMap &options,
                                     int width,
                                     int height);

private:
    // As above, composed by the composer of the set, which writes it; a
    // member, so that its log lines name this operation.
    static bool createInstallerImage(LaunchImage::Composer &composer,
                                     const QDir &targetDir,
                                     const QString &fileName,
                                     int width,
                                     int height);
};

#endif
