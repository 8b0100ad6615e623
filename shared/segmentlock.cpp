#include "shared/segmentlock.h"

#ifdef Q_OS_UNIX

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

SegmentLock::SegmentLock(const QString &name)
    : m_name(name)
{
}

SegmentLock::~SegmentLock()
{
    if (m_fd != -1)
        ::close(m_fd); // also releases a lock still held
}

bool SegmentLock::open()
{
    if (m_fd != -1)
        return true;

    const QByteArray path = QFile::encodeName(m_name);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    if (fd == -1) {
        m_errorString = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }

    // A lock file made by another user could be held by that user forever.
    struct stat status;
    if (::fstat(fd, &status) != 0 || status.st_uid != ::geteuid()) {
        ::close(fd);
        m_errorString = QStringLiteral("Lock file belongs to another user");
        return false;
    }
    if ((status.st_mode & 0777) != (S_IRUSR | S_IWUSR))
        ::fchmod(fd, S_IRUSR | S_IWUSR);

    m_fd = fd;
    return true;
}

bool SegmentLock::lock()
{
    if (!open())
        return false;
    while (::flock(m_fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            m_errorString = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
    }
    return true;
}

void SegmentLock::unlock()
{
    if (m_fd != -1)
        ::flock(m_fd, LOCK_UN);
}

#else

SegmentLock::SegmentLock(const QString &name)
    : m_name(name)
    , m_semaphore(name, 1, QSystemSemaphore::Open)
{
}

SegmentLock::~SegmentLock() = default;

bool SegmentLock::lock()
{
    if (m_semaphore.acquire())
        return true;
    m_errorString = m_semaphore.errorString();
    return false;
}

void SegmentLock::unlock()
{
    m_semaphore.release();
}

#endif
