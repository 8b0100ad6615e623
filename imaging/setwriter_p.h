#ifndef LOOMWRIGHT_SETWRITER_P_H
#define LOOMWRIGHT_SETWRITER_P_H

#include <QByteArray>
#include <QImage>
#include <QString>

class QSaveFile;

// Writes the files of one set (an icon set, a launch-image set) and decides
// what the set reports. Every file goes to disk through AtomicFileWriter: a
// temporary file beside the target, flushed and checked, replaces the target
// only when it is whole. A failure is logged once, under the signature of the
// operation that the caller names (function), and counted by the set's rule.
class SetWriter
{
public:
    // How the files of a set add up to its result.
    enum Rule {
        // True once a file was written: a set of which nothing was written
        // is a failure the caller must hear about, while single failed files
        // are in the log and the set goes on.
        AnyFileWritten,
        // True while no file failed; the caller stops at the first failure,
        // and what was written before it stays.
        EveryFileWritten,
        // True when the last file was written: the last file (a descriptor)
        // lists the others, which may fail on their own.
        LastFileWritten,
    };

    // smallest: every PNG file of the set as small as the encoder makes it
    // (ImageOptions::smallest).
    explicit SetWriter(Rule rule, bool smallest = false);

    // An empty target, also one whose path variable expanded to nothing,
    // would spread the whole set over the working folder, which no caller
    // means: it is refused as a folder that cannot be made is ("Error
    // creating path:" and the target).
    static bool isNamed(const QString &targetPath, const char *function);

    // targetPath resolved against the working folder, once, so that the
    // folder that is made and the files written into it are the same place
    // for a relative target too.
    static QString absolutePath(const QString &targetPath);

    // Makes folder with its missing parents; on failure logs message and the
    // folder, and counts a failed file.
    bool makeFolder(const QString &folder, const char *function, const char *message);

    // bytes to path; on failure logs "Error saving image" and the path, when
    // a function is named (else the caller reports it in its own words).
    bool write(const QString &path, const QByteArray &bytes, const char *function);

    // picture encoded as PNG at the writer's default quality, as small as
    // the set asks for; empty on failure.
    QByteArray encodePng(const QImage &picture) const;

    // encodePng(picture) to path as write().
    bool writePng(const QString &path, const QImage &picture, const char *function);

    // A file of the set that another operation wrote, or that failed before
    // it could be written (scaling, composing), which its caller has logged.
    // Returns written.
    bool count(bool written);

    // The set's result by its rule.
    bool result() const;

    // Sets of one container file (.ico, .icns): makes the folder of
    // targetPath ("Error creating path" and the folder) and opens the file
    // ("Error opening" and targetPath) before anything is encoded, so that a
    // target that cannot take the file is reported first. The container is
    // then made in memory and handed to commit(), which replaces the target
    // whole or leaves it as it was. Opening fails for a folder of that name,
    // a read-only file and a folder that takes no new files.
    static bool openContainer(QSaveFile *file, const QString &targetPath, const char *function);
    static bool commit(QSaveFile *file, const QByteArray &bytes);

private:
    const Rule m_rule;
    const bool m_smallest;
    int m_written = 0;
    int m_failed = 0;
    bool m_lastWritten = false;
};

#endif
