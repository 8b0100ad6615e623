#ifndef LOOMWRIGHT_TESTS_TESTSUPPORT_H
#define LOOMWRIGHT_TESTS_TESTSUPPORT_H

// Small helpers for text and files that many tests share.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLatin1Char>
#include <QString>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// Text from UTF-8, for the many short strings of test data.
inline QString str(const char *text)
{
    return QString::fromUtf8(text);
}

// text in double quotes, as QDebug writes a QString into a log line.
inline QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The whole content of a file; empty when it cannot be read.
inline QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The same, read as UTF-8 text.
inline QString fileText(const QString &path)
{
    return QString::fromUtf8(fileContents(path));
}

// Creates or replaces a file with bytes; false unless all were written.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every file under folder, as sorted relative paths.
inline QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// The names directly in folder, files and folders alike, sorted.
inline QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

// Every file under folder, named and with its bytes: to tell that none changed.
inline QByteArray contentsUnder(const QString &folder)
{
    QByteArray contents;
    for (const QString &file : filesUnder(folder))
        contents += file.toUtf8() + '\0' + fileContents(QDir(folder).filePath(file));
    return contents;
}

// A named pipe at path (false where there are none): opening it for reading waits for a writer.
inline bool makeNamedPipe(const QString &path)
{
#ifdef Q_OS_UNIX
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

#endif // LOOMWRIGHT_TESTS_TESTSUPPORT_H
