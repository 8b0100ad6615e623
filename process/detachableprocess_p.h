#ifndef LOOMWRIGHT_DETACHABLEPROCESS_P_H
#define LOOMWRIGHT_DETACHABLEPROCESS_P_H

#include <QProcess>

// A process whose child can be let go: once its state is NotRunning the
// process no longer considers the child its own, so destroying it leaves the
// child running.
class DetachableProcess : public QProcess
{
public:
    using QProcess::QProcess;

    void detach() { setProcessState(QProcess::NotRunning); }
};

#endif
