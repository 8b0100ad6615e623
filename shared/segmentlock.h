#ifndef LOOMWRIGHT_SEGMENTLOCK_H
#define LOOMWRIGHT_SEGMENTLOCK_H

#include <QString>

#ifndef Q_OS_UNIX
#include <QSystemSemaphore>
#endif

// The lock that serialises every access to a shared segment between
// processes, including the attach-or-create step when processes start.
//
// The segment's own lock is not used for this: whichever process created the
// segment resets that lock when another creation races it, and removes it
// when it detaches, after which two processes can hold it at once. On Unix
// this lock is an advisory lock on a file beside the segment's key file,
// readable and writable by its owner only; the system releases it when its
// holder dies, and the file is never removed.
class SegmentLock
{
public:
    explicit SegmentLock(const QString &name);
    ~SegmentLock();

    SegmentLock(const SegmentLock &) = delete;
    SegmentLock &operator=(const SegmentLock &) = delete;

    bool lock();
    void unlock();
    QString errorString() const { return m_errorString; }

    // Where the lock lives: a file path on Unix.
    QString name() const { return m_name; }

private:
    QString m_name;
    QString m_errorString;
#ifdef Q_OS_UNIX
    bool open();
    int m_fd = -1;
#else
    QSystemSemaphore m_semaphore;
#endif
};

#endif
