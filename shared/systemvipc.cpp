#include "shared/systemvipc_p.h"

#include <QFile>
#include <QFileInfo>

#include <sys/ipc.h>
#include <sys/sem.h>
#include <sys/shm.h>
#include <unistd.h>

namespace {

constexpr uint ownerOnly = 0600;

// Qt derives both System V keys from key files named after the segment's key;
// the lock's file differs from the segment's in its prefix only.
QString lockKeyFile(const QSharedMemory &memory)
{
    QString file = memory.nativeKey();
    return file.replace(QLatin1String("qipc_sharedmemory_"), QLatin1String("qipc_systemsem_"));
}

key_t systemKey(const QString &keyFile)
{
    return ftok(QFile::encodeName(keyFile).constData(), 'Q');
}

int segmentId(const QSharedMemory &memory)
{
    const key_t key = systemKey(memory.nativeKey());
    return key == -1 ? -1 : shmget(key, 0, 0);
}

int lockId(const QSharedMemory &memory)
{
    const key_t key = systemKey(lockKeyFile(memory));
    return key == -1 ? -1 : semget(key, 1, 0);
}

union SemaphoreArgument {
    int value;
    semid_ds *status;
    unsigned short *array;
};

bool restrictKeyFile(const QString &path)
{
    QFileInfo info(path);
    if (!info.exists())
        return true;
    if (info.ownerId() != geteuid())
        return false;
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

}

namespace SystemVIpc {

Access segmentAccess(const QSharedMemory &memory)
{
    Access access;
    shmid_ds status;
    const int id = segmentId(memory);
    if (id != -1 && shmctl(id, IPC_STAT, &status) == 0) {
        access.found = true;
        access.ownerId = status.shm_perm.uid;
        access.mode = status.shm_perm.mode & 0777;
    }
    return access;
}

Access lockAccess(const QSharedMemory &memory)
{
    Access access;
    semid_ds status;
    SemaphoreArgument argument;
    argument.status = &status;
    const int id = lockId(memory);
    if (id != -1 && semctl(id, 0, IPC_STAT, argument) == 0) {
        access.found = true;
        access.ownerId = status.sem_perm.uid;
        access.mode = status.sem_perm.mode & 0777;
    }
    return access;
}

bool restrictToOwner(const QSharedMemory &memory)
{
    const uid_t self = geteuid();

    const int segment = segmentId(memory);
    shmid_ds segmentStatus;
    if (segment == -1 || shmctl(segment, IPC_STAT, &segmentStatus) != 0 || segmentStatus.shm_perm.uid != self)
        return false;
    if ((segmentStatus.shm_perm.mode & 0777) != ownerOnly) {
        segmentStatus.shm_perm.mode = (segmentStatus.shm_perm.mode & ~0777u) | ownerOnly;
        if (shmctl(segment, IPC_SET, &segmentStatus) != 0)
            return false;
    }

    // The lock exists once the segment has been locked at least once.
    const int lock = lockId(memory);
    if (lock != -1) {
        semid_ds lockStatus;
        SemaphoreArgument argument;
        argument.status = &lockStatus;
        if (semctl(lock, 0, IPC_STAT, argument) != 0 || lockStatus.sem_perm.uid != self)
            return false;
        if ((lockStatus.sem_perm.mode & 0777) != ownerOnly) {
            lockStatus.sem_perm.mode = (lockStatus.sem_perm.mode & ~0777u) | ownerOnly;
            if (semctl(lock, 0, IPC_SET, argument) != 0)
                return false;
        }
    }

    return restrictKeyFile(memory.nativeKey()) && restrictKeyFile(lockKeyFile(memory));
}

}
