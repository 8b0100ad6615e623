#ifndef LOOMWRIGHT_ICONFILE_P_H
#define LOOMWRIGHT_ICONFILE_P_H

#include <QSaveFile>
#include <QString>

// The target of an icon generator that writes one container file (.ico,
// .icns).
class IconFile
{
public:
    // Resolves targetPath against the working folder once, so that a
    // relative path names the same place for the folder and the file; makes
    // the folder ("Error creating path") and opens file on the target
    // ("Error opening"). The new icon goes to a temporary file beside the
    // target: the caller encodes the whole container in memory and hands it
    // to AtomicFileWriter::commit, so a failure never leaves a damaged or
    // emptied icon behind. Opening fails for a folder of that name, a
    // read-only file and a folder that takes no new files. function is the
    // caller's signature, which the log lines start with.
    static bool open(QSaveFile *file, const QString &targetPath, const char *function);
};

#endif
