#include "imaging/installerimages.h"

#include "imaging/targetfolder_p.h"
#include "utility/logging.h"

namespace {

struct InstallerFile
{
    const char *name;
    int width;
    int height;
};

const InstallerFile InstallerFiles[] = {
    { "background.png", 164, 314 },
    { "watermark.png", 164, 314 },
};

}

bool InstallerImages::createInstallerImage(const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << targetPath << options;
    if (!TargetFolder::isNamed(targetPath, Q_FUNC_INFO))
        return false;

    LaunchImage::Composer composer(options);
    const QDir targetDir(targetPath);
    bool anyWritten = false;
    for (const InstallerFile &file : InstallerFiles) {
        if (createInstallerImage(composer, targetDir, QString::fromLatin1(file.name), file.width, file.height))
            anyWritten = true;
    }
    return anyWritten;
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
