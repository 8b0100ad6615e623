#include "process/detachedprocessdrain_p.h"

#include "utility/logging.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QVector>

#include <algorithm>
#include <limits>
#include <utility>

#if defined(Q_OS_LINUX)
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// How often to look whether the child has ended. Qt reaps the child by itself
// but says nothing about a process it no longer considers running.
constexpr int endCheckInterval = 1000;

#if defined(Q_OS_LINUX)

// Standard output and error, and whatever else the process object reads.
constexpr int maxPipes = 8;

// The pipes that the process object reads from the child: the read ends of
// its output, and maybe that of the pipe which reported the start, which is
// at its end already. It watches each with a read notifier of its own; its
// only other read notifier watches for the child's end, through a
// descriptor that on Linux is never a pipe.
QVector<int> readPipes(QProcess *process)
{
    QVector<int> pipes;
    const auto notifiers = process->findChildren<QSocketNotifier *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QSocketNotifier *notifier : notifiers) {
        if (notifier->type() != QSocketNotifier::Read || !notifier->isEnabled())
            continue;
        struct stat status;
        const int fd = int(notifier->socket());
        if (::fstat(fd, &status) == 0 && S_ISFIFO(status.st_mode))
            pipes.append(fd);
    }
    return pipes;
}

void closeRange(int first, int last, int openMax)
{
    if (first > last)
        return;
#if defined(SYS_close_range)
    if (::syscall(SYS_close_range, unsigned(first), unsigned(last), 0) == 0)
        return;
#endif
    for (int fd = first; fd <= last && fd < openMax; ++fd)
        ::close(fd);
}

pid_t forkWithoutHandlers()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    return ::_Fork();
#else
    return pid_t(::syscall(SYS_clone, SIGCHLD, 0, 0, 0, 0));
#endif
}

// Runs in a process forked from a threaded one: only calls that are safe
// there (close, poll, read, _exit) from here on. pipes are in ascending order.
[[noreturn]] void drainUntilClosed(const int *pipes, int count, int openMax)
{
    // Nothing else of this process stays open in the drain: a copy of a
    // pipe's write end, say, would keep another child from seeing its end.
    int next = 0;
    for (int i = 0; i < count; ++i) {
        closeRange(next, pipes[i] - 1, openMax);
        next = pipes[i] + 1;
    }
    closeRange(next, std::numeric_limits<int>::max(), openMax);

    struct pollfd polls[maxPipes];
    for (int i = 0; i < count; ++i)
        polls[i] = { pipes[i], POLLIN, 0 };
    int open = count;
    char buffer[4096];
    while (open > 0) {
        if (::poll(polls, nfds_t(count), -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        for (int i = 0; i < count; ++i) {
            if (polls[i].fd < 0 || polls[i].revents == 0)
                continue;
            const ssize_t size = ::read(polls[i].fd, buffer, sizeof buffer);
            if (size == 0 || (size < 0 && errno != EINTR && errno != EAGAIN)) {
                ::close(polls[i].fd);
                polls[i].fd = -1;
                --open;
            }
        }
    }
    ::_exit(0);
}

#endif

}

void DetachedProcessDrain::adopt(std::unique_ptr<DetachableProcess> process)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!process || !app)
        return;
    new DetachedProcessDrain(std::move(process), app);
}

void DetachedProcessDrain::replace(std::unique_ptr<DetachableProcess> *process)
{
    auto fresh = std::make_unique<DetachableProcess>();
    fresh->setProgram((*process)->program());
    fresh->setArguments((*process)->arguments());
    fresh->setWorkingDirectory((*process)->workingDirectory());
    adopt(std::exchange(*process, std::move(fresh)));
}

void DetachedProcessDrain::keepPipesOpen(QProcess *process)
{
#if defined(Q_OS_LINUX)
    QVector<int> pipes = readPipes(process);
    if (pipes.isEmpty())
        return;
    std::sort(pipes.begin(), pipes.end());
    pipes.resize(qMin(pipes.size(), maxPipes));

    struct rlimit limit;
    const int openMax = ::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
            ? int(qMin<rlim_t>(limit.rlim_cur, 1 << 20))
            : 1 << 16;

    // Forked twice: the process in between ends at once, so the drain is
    // nobody's child here and the system reaps it when it is done.
    const pid_t middle = ::fork();
    if (middle < 0) {
        qCWarning(lcCore) << Q_FUNC_INFO << "Cannot keep the output pipes of the detached child open:"
                          << qt_error_string(errno);
        return;
    }
    if (middle == 0) {
        // Not fork(): its handlers may wait for locks that other threads of
        // this process held at the first fork, and that nobody releases here.
        if (forkWithoutHandlers() == 0)
            drainUntilClosed(pipes.constData(), pipes.size(), openMax);
        ::_exit(0);
    }
    while (::waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
#else
    Q_UNUSED(process)
#endif
}

DetachedProcessDrain::DetachedProcessDrain(std::unique_ptr<DetachableProcess> process, QObject *parent)
    : QObject(parent)
    , m_process(std::move(process))
{
    QProcess *child = m_process.get();
    connect(child, &QProcess::readyReadStandardOutput, this, [child] { child->readAllStandardOutput(); });
    connect(child, &QProcess::readyReadStandardError, this, [child] { child->readAllStandardError(); });
    // Whatever arrived before the hand-over.
    child->readAllStandardOutput();
    child->readAllStandardError();

    connect(&m_endCheck, &QTimer::timeout, this, &DetachedProcessDrain::checkEnded);
    m_endCheck.start(endCheckInterval);
}

void DetachedProcessDrain::checkEnded()
{
    // The process id goes back to 0 once Qt has collected the ended child.
    if (m_process->processId() == 0)
        deleteLater();
}
