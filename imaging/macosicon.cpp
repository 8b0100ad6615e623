#include "imaging/macosicon.h"

#include "plugin/logging.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

bool MacOSIcon::createMacOSIcon(const QImage &picture, const QString &targetPath, const QVariantMap &options)
{
    qCDebug(lcCore) << Q_FUNC_INFO << picture << targetPath << options;

    // Both the folder and the file are resolved here, once, so that a
    // relative path names the same place for the two.
    const QString filePath = QDir::current().absoluteFilePath(targetPath);
    const QString folder = QFileInfo(filePath).path();
    if (!QDir().mkpath(folder)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error creating path" << folder;
        return false;
    }

    // The new icon goes to a temporary file beside the target and replaces it
    // only on commit, so a failure never leaves a damaged or emptied icon
    // behind. Opening fails for a folder of that name, for a read-only file
    // and for a folder that takes no new files.
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCCritical(lcCore) << Q_FUNC_INFO << "Error opening" << targetPath;
        return false;
    }

    // The format is named rather than taken from the suffix, so that any file
    // name gets an .icns container. A handler that refuses the picture, or is
    // not installed, leaves the commit undone and the previous icon in place.
    QImageWriter writer(&file, QByteArrayLiteral("icns"));
    return writer.write(picture) && file.commit();
}
