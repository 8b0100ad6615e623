#ifndef LOOMWRIGHT_SYSTEMVIPC_P_H
#define LOOMWRIGHT_SYSTEMVIPC_P_H

#include <QSharedMemory>

// Access rights of the System V segment and semaphore behind a QSharedMemory
// (the kind Qt uses on Unix unless built for POSIX IPC).
namespace SystemVIpc {

struct Access
{
    bool found = false;
    uint ownerId = 0;
    uint mode = 0; // permission bits only
};

Access segmentAccess(const QSharedMemory &memory);
Access lockAccess(const QSharedMemory &memory);

// Makes the attached segment, its lock and their key files readable and
// writable by their owner only. Returns false when the segment or its lock
// belongs to another user: such a segment must not be used at all.
bool restrictToOwner(const QSharedMemory &memory);

}

#endif
