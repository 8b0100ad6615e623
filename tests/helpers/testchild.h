#ifndef LOOMWRIGHT_TESTS_TESTCHILD_H
#define LOOMWRIGHT_TESTS_TESTCHILD_H

// The child program (helpers/testchild.cpp) whose output, input and end the
// process tests control, and how long they wait for it at the most.

#include <QFile>
#include <QString>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/types.h>
#endif

const int waitMs = 30000;

inline QString testChild()
{
    return QStringLiteral(LOOMWRIGHT_TESTCHILD);
}

// True once the process is gone or only waits to be reaped.
inline bool processEnded(qint64 pid)
{
#ifdef Q_OS_LINUX
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const int afterName = line.lastIndexOf(')');
    return afterName < 0 || line.mid(afterName + 2, 1) == "Z";
#elif defined(Q_OS_UNIX)
    return ::kill(pid_t(pid), 0) != 0;
#else
    Q_UNUSED(pid)
    QTest::qWait(1000);
    return true;
#endif
}

#endif // LOOMWRIGHT_TESTS_TESTCHILD_H
