#ifndef HOSTKIT_FILEFOLDER_H
#define HOSTKIT_FILEFOLDER_H

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QVariant>

// A folder on disk or in the resources, and the files in it.
class FileFolder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY pathChanged)
    Q_PROPERTY(bool exists READ exists NOTIFY pathChanged)

public:
    explicit FileFolder(QObject *parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString &path);
    QUrl url() const;
    void setUrl(const QUrl &url);
    bool exists() const;

    Q_INVOKABLE QString filePath(const QString &name) const;
    Q_INVOKABLE QUrl fileUrl(const QString &name) const;
    Q_INVOKABLE bool fileExists(const QString &name) const;
    Q_INVOKABLE QStringList fileNames(const QString &filter = QStringLiteral("*")) const;
    Q_INVOKABLE QString readTextFile(const QString &name) const;
    Q_INVOKABLE QVariant readJsonFile(const QString &name) const;

Q_SIGNALS:
    void pathChanged();

private:
    QString m_path;
};

#endif
