#include "hostkit/filefolder.h"

#include "hostkit/filepaths_p.h"
#include "hostkit/logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>

FileFolder::FileFolder(QObject *parent)
    : QObject(parent)
{
}

void FileFolder::setPath(const QString &path)
{
    const QString localPath = HostkitPaths::localPath(path);
    if (localPath == m_path)
        return;
    m_path = localPath;
    Q_EMIT pathChanged();
}

QUrl FileFolder::url() const
{
    return HostkitPaths::urlOf(m_path);
}

void FileFolder::setUrl(const QUrl &url)
{
    setPath(HostkitPaths::localPath(url));
}

bool FileFolder::exists() const
{
    return !m_path.isEmpty() && QFileInfo(m_path).isDir();
}

QString FileFolder::filePath(const QString &name) const
{
    const QString localName = HostkitPaths::localPath(name);
    if (localName.startsWith(QLatin1Char(':')) || QDir::isAbsolutePath(localName))
        return localName;
    return QDir(m_path).filePath(localName);
}

QUrl FileFolder::fileUrl(const QString &name) const
{
    return HostkitPaths::urlOf(filePath(name));
}

bool FileFolder::fileExists(const QString &name) const
{
    return !name.isEmpty() && QFileInfo::exists(filePath(name));
}

QStringList FileFolder::fileNames(const QString &filter) const
{
    return QDir(m_path).entryList({filter}, QDir::Files, QDir::Name);
}

QString FileFolder::readTextFile(const QString &name) const
{
    const QString path = filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Cannot read" << path << file.errorString();
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

QVariant FileFolder::readJsonFile(const QString &name) const
{
    const QString path = filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Cannot read" << path << file.errorString();
        return QVariantMap();
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (document.isNull()) {
        qCWarning(lcHostkit) << Q_FUNC_INFO << "Invalid JSON in" << path << error.errorString() << "at offset"
                             << error.offset;
        return QVariantMap();
    }
    return document.toVariant();
}
