#include "hostkit/fileinfo.h"

#include "hostkit/filefolder.h"
#include "hostkit/filepaths_p.h"

#include <QFileInfo>

FileInfo::FileInfo(QObject *parent)
    : QObject(parent)
    , m_folder(new FileFolder(this))
{
}

void FileInfo::setFilePath(const QString &filePath)
{
    const QString localPath = HostkitPaths::localPath(filePath);
    if (localPath == m_filePath)
        return;
    m_filePath = localPath;
    m_folder->setPath(m_filePath.isEmpty() ? QString() : QFileInfo(m_filePath).path());
    Q_EMIT filePathChanged();
}

QUrl FileInfo::url() const
{
    return HostkitPaths::urlOf(m_filePath);
}

void FileInfo::setUrl(const QUrl &url)
{
    setFilePath(HostkitPaths::localPath(url));
}

bool FileInfo::exists() const
{
    return !m_filePath.isEmpty() && QFileInfo::exists(m_filePath);
}

bool FileInfo::isFile() const
{
    return !m_filePath.isEmpty() && QFileInfo(m_filePath).isFile();
}

bool FileInfo::isDir() const
{
    return !m_filePath.isEmpty() && QFileInfo(m_filePath).isDir();
}

QString FileInfo::fileName() const
{
    return QFileInfo(m_filePath).fileName();
}

QString FileInfo::baseName() const
{
    return QFileInfo(m_filePath).baseName();
}

QString FileInfo::suffix() const
{
    return QFileInfo(m_filePath).suffix();
}
