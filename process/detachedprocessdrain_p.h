#ifndef LOOMWRIGHT_DETACHEDPROCESSDRAIN_P_H
#define LOOMWRIGHT_DETACHEDPROCESSDRAIN_P_H

#include "process/detachableprocess_p.h"

#include <QObject>
#include <QTimer>

#include <memory>

// Looks after a process whose child was let go. Destroying the process would
// close the child's output pipes, and on Unix the child's next write would
// then kill it; so the drain keeps the pipes open and empty, discarding what
// the child writes, until the child has ended. It lives on the application
// object and deletes itself.
class DetachedProcessDrain : public QObject
{

public:
    static void adopt(std::unique_ptr<DetachableProcess> process);

    // A process object does not serve two children: adopts the let-go
    // child's process and puts a fresh one with the same program, arguments
    // and working folder in its place.
    static void replace(std::unique_ptr<DetachableProcess> *process);

    // The drain above ends with this process. So that the child may outlive
    // it, a small process of its own (on Linux) holds the read ends of the
    // child's output pipes as well and reads them until the child and
    // whatever it started have closed them.
    static void keepPipesOpen(QProcess *process);

private:
    explicit DetachedProcessDrain(std::unique_ptr<DetachableProcess> process, QObject *parent);

    void checkEnded();

    std::unique_ptr<DetachableProcess> m_process;
    QTimer m_endCheck;
};

#endif
