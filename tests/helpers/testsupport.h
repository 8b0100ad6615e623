#ifndef LOOMWRIGHT_TESTS_TESTSUPPORT_H
#define LOOMWRIGHT_TESTS_TESTSUPPORT_H

// Small helpers for text and files that many tests share.

#include <QByteArray>
#include <QFile>
#include <QLatin1Char>
#include <QString>

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

#endif // LOOMWRIGHT_TESTS_TESTSUPPORT_H
