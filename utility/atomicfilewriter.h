#ifndef LOOMWRIGHT_ATOMICFILEWRITER_H
#define LOOMWRIGHT_ATOMICFILEWRITER_H

#include <QByteArray>
#include <QString>

class QSaveFile;

// Every file that the plugin generates reaches the disk through here: the
// bytes go to a temporary file beside the target, which replaces the target
// only once all of them were written and flushed. On any failure (no access,
// a full disk) a file that was there stays as it was, byte for byte, and no
// temporary file is left behind. Nothing here logs: callers report failures
// in their own terms.
class AtomicFileWriter
{
public:
    // bytes to path, used as given (relative to the working folder).
    static bool write(const QString &path, const QByteArray &bytes);

    // bytes to file, already open for writing, for a caller that reports a
    // target it cannot open before it makes the bytes. The file is committed
    // on success and discarded on failure.
    static bool commit(QSaveFile *file, const QByteArray &bytes);
};

#endif
