#ifndef HOSTKIT_FILEINFO_H
#define HOSTKIT_FILEINFO_H

#include <QObject>
#include <QUrl>

class FileFolder;

// What is at a path, read afresh on every question.
class FileInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString filePath READ filePath WRITE setFilePath NOTIFY filePathChanged)
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY filePathChanged)
    Q_PROPERTY(bool exists READ exists NOTIFY filePathChanged)
    Q_PROPERTY(bool isFile READ isFile NOTIFY filePathChanged)
    Q_PROPERTY(bool isDir READ isDir NOTIFY filePathChanged)
    Q_PROPERTY(QString fileName READ fileName NOTIFY filePathChanged)
    Q_PROPERTY(QString baseName READ baseName NOTIFY filePathChanged)
    Q_PROPERTY(QString suffix READ suffix NOTIFY filePathChanged)
    Q_PROPERTY(FileFolder *folder READ folder CONSTANT)

public:
    explicit FileInfo(QObject *parent = nullptr);

    QString filePath() const { return m_filePath; }
    void setFilePath(const QString &filePath);
    QUrl url() const;
    void setUrl(const QUrl &url);

    bool exists() const;
    bool isFile() const;
    bool isDir() const;
    QString fileName() const;
    QString baseName() const;
    QString suffix() const;
    FileFolder *folder() const { return m_folder; }

Q_SIGNALS:
    void filePathChanged();

private:
    QString m_filePath;
    FileFolder *m_folder;
};

#endif
