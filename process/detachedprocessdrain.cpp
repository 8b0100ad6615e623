#include "process/detachedprocessdrain_p.h"

#include <QCoreApplication>

namespace {

// How often to look whether the child has ended. Qt reaps the child by itself
// but says nothing about a process it no longer considers running.
constexpr int endCheckInterval = 1000;

}

void DetachedProcessDrain::adopt(std::unique_ptr<QDetachableProcess> process)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!process || !app)
        return;
    new DetachedProcessDrain(std::move(process), app);
}

DetachedProcessDrain::DetachedProcessDrain(std::unique_ptr<QDetachableProcess> process, QObject *parent)
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
