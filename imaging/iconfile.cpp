#include "imaging/iconfile_p.h"

#include "utility/logging.h"

#include <QDir>
#include <QFileInfo>

bool IconFile::open(QSaveFile *file, const QString &targetPath, const char *function)
{
    const QString filePath = QDir::current().absoluteFilePath(targetPath);
    const QString folder = QFileInfo(filePath).path();
    if (!QDir().mkpath(folder)) {
        qCCritical(lcCore) << function << "Error creating path" << folder;
        return false;
    }

    file->setFileName(filePath);
    if (!file->open(QIODevice::WriteOnly)) {
        qCCritical(lcCore) << function << "Error opening" << targetPath;
        return false;
    }
    return true;
}
