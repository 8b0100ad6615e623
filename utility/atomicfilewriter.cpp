#include "utility/atomicfilewriter.h"

#include <QSaveFile>

bool AtomicFileWriter::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && commit(&file, bytes);
}

bool AtomicFileWriter::commit(QSaveFile *file, const QByteArray &bytes)
{
    // Bytes that the file still buffers reach the disk only when commit()
    // closes it, and commit() does not notice that this last flush failed:
    // on a full disk it would replace the target with a truncated or empty
    // file. So the flush is made, and checked, before.
    if (file->write(bytes) != bytes.size() || !file->flush()) {
        file->cancelWriting();
        file->commit(); // only discards the temporary file now
        return false;
    }
    return file->commit();
}
