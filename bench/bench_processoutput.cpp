// How fast the output of a child program reaches the receiver of
// AppProcess::standardOutput, compared with the plain pipe underneath.
//
// The child (loomwright-bench-outputwriter) writes ASCII in 4096-byte writes.
// The modes:
//
//   a  AppProcess, unbuffered; the child writes 80-character lines
//   b  AppProcess, line-buffered; the child writes 80-character lines
//   c  AppProcess, line-buffered; the child writes one unterminated line,
//      which the end of buffering hands over when the child has finished
//   d  read() of the pipe with a 64 KiB buffer, no Qt at all (POSIX only)
//
// d is the floor: what the kernel and the writer cost without anything of
// ours. The ratios a/d, b/d and c/d are what to watch; line buffering should
// keep at least half the speed of the plain pipe, and one long line should
// cost no more than many short ones.
//
// Every run checks that all the child wrote arrived, so a fast result that
// lost output is reported as a failure rather than as a figure.
#include "process/appprocess.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <QFile>

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;
#endif

namespace {

constexpr qint64 MiB = 1024 * 1024;

// Mode c holds the whole output as one QString, two bytes a character, and a
// QString cannot grow beyond 2 GiB; its growth steps must stay well below that.
constexpr qint64 MaxUnterminatedMiB = 512;

struct Mode
{
    char key;
    const char *description;
};

const Mode Modes[] = {
    { 'a', "AppProcess, unbuffered" },
    { 'b', "AppProcess, line-buffered, 80-character lines" },
    { 'c', "AppProcess, line-buffered, one unterminated line" },
    { 'd', "read() of the pipe, 64 KiB buffer" },
};

struct Run
{
    qint64 nanoseconds = 0;
    qint64 received = 0; // characters (a-c) or bytes (d); the child writes ASCII
    qint64 pieces = 0;   // standardOutput signals (a-c) or reads (d)
    QString failure;     // empty when the child ran to a normal end
};

double mibPerSecond(qint64 bytes, qint64 nanoseconds)
{
    return nanoseconds > 0 ? double(bytes) / MiB / (double(nanoseconds) / 1e9) : 0.0;
}

QString writerProgram()
{
    return QStringLiteral(LOOMWRIGHT_BENCH_OUTPUTWRITER);
}

Run runAppProcess(char mode, qint64 bytes)
{
    const bool unterminated = mode == 'c';

    AppProcess process;
    process.setProgram(writerProgram());
    process.setArguments({ unterminated ? QStringLiteral("unterminated") : QStringLiteral("lines"),
                           QString::number(bytes) });
    process.setBufferedStandardOutput(mode != 'a');

    Run run;
    QElapsedTimer timer;
    QEventLoop loop;

    // The receiver does as little as a receiver can, so that what is measured
    // is the path from the pipe to the signal and nothing after it.
    QObject::connect(&process, &AppProcess::standardOutput, [&run](const QString &text) {
        run.received += text.size();
        ++run.pieces;
    });

    QObject::connect(&process, &AppProcess::finished, &loop, [&] {
        // Handing over what the line buffer holds is part of receiving the
        // output, so it happens inside the measured time.
        if (unterminated)
            process.setBufferedStandardOutput(false);
        run.nanoseconds = timer.nsecsElapsed();

        if (process.exitStatus() != AppProcess::NormalExit)
            run.failure = QStringLiteral("the writer crashed");
        else if (process.exitCode() != 0)
            run.failure = QStringLiteral("the writer exited with code %1").arg(process.exitCode());
        loop.quit();
    });

    // A child that never starts never finishes either.
    QObject::connect(&process, &AppProcess::errorChanged, &loop, [&] {
        if (process.error() == AppProcess::FailedToStart) {
            run.failure = QStringLiteral("the writer %1 failed to start").arg(writerProgram());
            loop.quit();
        }
    });

    timer.start();
    process.start();
    loop.exec();
    return run;
}

#ifdef Q_OS_UNIX
Run runPipe(qint64 bytes)
{
    // Everything that is not part of reading is prepared before the clock runs.
    const QByteArray program = QFile::encodeName(writerProgram());
    QByteArray mode("lines");
    QByteArray size = QByteArray::number(bytes);
    char *argv[] = { const_cast<char *>(program.constData()), mode.data(), size.data(), nullptr };
    std::vector<char> buffer(64 * 1024);

    Run run;
    QElapsedTimer timer;
    timer.start();

    int fds[2];
    if (::pipe(fds) != 0) {
        run.failure = QStringLiteral("pipe() failed");
        return run;
    }
    // Only the child's standard output may keep the writing end open, or the
    // read loop would never see the end of the stream.
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(fds[1], F_SETFD, FD_CLOEXEC);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    pid_t pid = 0;
    const int spawnError = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (spawnError != 0) {
        ::close(fds[0]);
        run.failure = QStringLiteral("the writer %1 failed to start").arg(writerProgram());
        return run;
    }

    for (;;) {
        const ssize_t n = ::read(fds[0], buffer.data(), buffer.size());
        if (n > 0) {
            run.received += n;
            ++run.pieces;
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            run.failure = QStringLiteral("read() failed");
            break;
        }
    }
    ::close(fds[0]);

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    run.nanoseconds = timer.nsecsElapsed();

    if (run.failure.isEmpty() && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
        run.failure = QStringLiteral("the writer did not exit normally");
    return run;
}
#endif

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Measures the throughput of a child's standard output through AppProcess (a-c) "
            "and through a plain pipe (d)."));
    parser.addHelpOption();
    const QCommandLineOption sizeOption(
            { QStringLiteral("s"), QStringLiteral("size") },
            QStringLiteral("MiB the child writes (default 256)."), QStringLiteral("MiB"), QStringLiteral("256"));
    const QCommandLineOption repeatOption(
            { QStringLiteral("r"), QStringLiteral("repeat") },
            QStringLiteral("Runs per mode; the fastest counts (default 3)."), QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption modesOption(
            { QStringLiteral("m"), QStringLiteral("modes") },
            QStringLiteral("Modes to run, any of abcd (default abcd)."), QStringLiteral("letters"), QStringLiteral("abcd"));
    parser.addOptions({ sizeOption, repeatOption, modesOption });
    parser.process(app);

    bool sizeOk = false;
    bool repeatOk = false;
    const qint64 sizeMiB = parser.value(sizeOption).toLongLong(&sizeOk);
    const int repeat = parser.value(repeatOption).toInt(&repeatOk);
    const QString modes = parser.value(modesOption);
    const bool modesOk = !modes.isEmpty()
            && std::all_of(modes.begin(), modes.end(), [](QChar c) { return QStringLiteral("abcd").contains(c); });
    if (!sizeOk || sizeMiB < 1 || !repeatOk || repeat < 1 || !modesOk) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
        return 2;
    }
    if (modes.contains(QLatin1Char('c')) && sizeMiB > MaxUnterminatedMiB) {
        std::fprintf(stderr, "mode c holds the whole output as one string; use at most %lld MiB\n",
                     static_cast<long long>(MaxUnterminatedMiB));
        return 2;
    }

    const qint64 bytes = sizeMiB * MiB;
    std::printf("%lld MiB in 4096-byte writes, fastest of %d runs\n", static_cast<long long>(sizeMiB), repeat);

    double best[4] = {};
    bool failed = false;
    for (const Mode &mode : Modes) {
        if (!modes.contains(QLatin1Char(mode.key)))
            continue;

#ifndef Q_OS_UNIX
        if (mode.key == 'd') {
            std::printf("%c  %-50s unavailable on this platform\n", mode.key, mode.description);
            continue;
        }
#endif

        QString runs;
        Run fastest;
        bool modeFailed = false;
        for (int i = 0; i < repeat && !modeFailed; ++i) {
            Run run;
#ifdef Q_OS_UNIX
            run = mode.key == 'd' ? runPipe(bytes) : runAppProcess(mode.key, bytes);
#else
            run = runAppProcess(mode.key, bytes);
#endif
            if (run.failure.isEmpty() && run.received != bytes)
                run.failure = QStringLiteral("received %1 of %2 bytes").arg(run.received).arg(bytes);
            if (!run.failure.isEmpty()) {
                std::printf("%c  %-50s FAILED: %s\n", mode.key, mode.description, qPrintable(run.failure));
                std::fflush(stdout);
                modeFailed = true;
                failed = true;
                continue;
            }

            if (!runs.isEmpty())
                runs += QLatin1Char(' ');
            runs += QString::number(mibPerSecond(bytes, run.nanoseconds), 'f', 0);
            if (i == 0 || run.nanoseconds < fastest.nanoseconds)
                fastest = run;
        }
        if (modeFailed)
            continue;

        best[mode.key - 'a'] = mibPerSecond(bytes, fastest.nanoseconds);
        std::printf("%c  %-50s %8.1f MiB/s  (%lld %s; runs %s)\n", mode.key, mode.description, best[mode.key - 'a'],
                    static_cast<long long>(fastest.pieces), mode.key == 'd' ? "reads" : "signals", qPrintable(runs));
        std::fflush(stdout);
    }

    if (best[3] > 0) {
        for (char key : { 'a', 'b', 'c' }) {
            if (best[key - 'a'] > 0)
                std::printf("%c/d %.2f\n", key, best[key - 'a'] / best[3]);
        }
    }

    return failed ? 1 : 0;
}
