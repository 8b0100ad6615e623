#ifndef HOSTKIT_ARCHIVEUNPACKER_H
#define HOSTKIT_ARCHIVEUNPACKER_H

#include <QObject>
#include <QString>

// Unpacks a zip archive into a new folder, whatever the archive holds: it is
// checked whole before anything is written, and nothing is written, or made
// to point, outside that folder. Files come out only as the archive states
// them, byte for byte.
//
// Links are entries whose mode says so, stored or compressed alike; their
// data is the target. Logs nothing: the caller reports the result, once.
class ArchiveUnpacker
{
    Q_GADGET

public:
    enum Error {
        NoError = 0,
        // Not a zip archive that can be read at all.
        NotAnArchive,
        // More entries than maximumEntries(), as the archive states or holds.
        TooManyEntries,
        // More data than maximumSize(), as the archive states it.
        TooLarge,
        // An entry's data differs from its stated size or CRC-32, or cannot be read.
        Damaged,
        // An entry's path is absolute, climbs out, or lies inside a link.
        RefusedPath,
        // A link leads outside, through another link, or nowhere.
        RefusedLink,
        CannotWrite
    };
    Q_ENUM(Error)

    // The longest link target taken: no system follows a longer one.
    static constexpr int maximumLinkTargetSize = 4096;

    ArchiveUnpacker(int maximumEntries, qint64 maximumSize);

    int maximumEntries() const { return m_maximumEntries; }
    qint64 maximumSize() const { return m_maximumSize; }

    // Unpacks the archive file into folder, which must not exist yet and is
    // made here. On failure the folder is gone again, and details names the
    // entry and the fault.
    Error unpack(const QString &archive, const QString &folder, QString *details) const;

private:
    int m_maximumEntries;
    qint64 m_maximumSize;
};

#endif
