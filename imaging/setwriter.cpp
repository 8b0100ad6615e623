#include "imaging/setwriter_p.h"

#include "imaging/picturewriter.h"
#include "utility/atomicfilewriter.h"
#include "utility/logging.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

SetWriter::SetWriter(Rule rule, bool smallest) : m_rule(rule), m_smallest(smallest) { }

bool SetWriter::isNamed(const QString &targetPath, const char *function)
{
    if (!targetPath.isEmpty())
        return true;
    qCCritical(lcCore) << function << "Error creating path:" << targetPath;
    return false;
}

QString SetWriter::absolutePath(const QString &targetPath)
{
    return QDir::current().absoluteFilePath(targetPath);
}

bool SetWriter::makeFolder(const QString &folder, const char *function, const char *message)
{
    if (QDir().mkpath(folder))
        return true;
    qCCritical(lcCore) << function << message << folder;
    return count(false);
}

bool SetWriter::write(const QString &path, const QByteArray &bytes, const char *function)
{
    const bool written = !bytes.isEmpty() && AtomicFileWriter::write(path, bytes);
    if (!written && function)
        qCCritical(lcCore) << function << "Error saving image" << path;
    return count(written);
}

QByteArray SetWriter::encodePng(const QImage &picture) const
{
    return PictureWriter::encode(picture, QByteArrayLiteral("png"), -1, m_smallest);
}

bool SetWriter::writePng(const QString &path, const QImage &picture, const char *function)
{
    return write(path, encodePng(picture), function);
}

bool SetWriter::count(bool written)
{
    ++(written ? m_written : m_failed);
    m_lastWritten = written;
    return written;
}

bool SetWriter::result() const
{
    switch (m_rule) {
    case AnyFileWritten:
        return m_written > 0;
    case EveryFileWritten:
        return m_failed == 0;
    case LastFileWritten:
        return m_lastWritten;
    }
    return false;
}

bool SetWriter::openContainer(QSaveFile *file, const QString &targetPath, const char *function)
{
    const QString filePath = absolutePath(targetPath);
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

bool SetWriter::commit(QSaveFile *file, const QByteArray &bytes)
{
    return AtomicFileWriter::commit(file, bytes);
}
