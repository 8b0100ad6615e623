#include "imaging/installerimages.h"

#include "imaging/launchimage_p.h"
#include "imaging/platformsizes_p.h"
#include "imaging/setwriter_p.h"
#include "utility/logging.h"

bool InstallerImages::createInstallerImage(const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << targetPath << options;
    if (!SetWriter::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    LaunchImage::Composer composer(options);
    const QDir targetDir(targetPath);
    for (const PlatformSizes::InstallerFile &file : PlatformSizes::InstallerFiles)
        createInstallerImage(composer, targetDir, QLatin1String(file.fileName), file.width, file.height);
    return composer.writer().result();
}

bool InstallerImages::createInstallerImage(const QDir &targetDir,
                                           const QString &fileName,
                                           const QVariantMap &options,
                                           int width,
                                           int height)
{
    LaunchImage::Composer composer(options);
    return createInstallerImage(composer, targetDir, fileName, width, height);
}

bool InstallerImages::createInstallerImage(LaunchImage::Composer &composer,
                                           const QDir &targetDir,
                                           const QString &fileName,
                                           int width,
                                           int height)
{
    const QString path = targetDir.filePath(fileName);
    if (!composer.createLaunchImage(path, width, height)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error creating installer image" << path;
        return false;
    }
    return true;
}
