#include "process/synchronousprocess.h"

#include "utility/logging.h"
#include "process/detachedprocessdrain_p.h"
#include "process/processlifetime_p.h"

#include <cmath>
#include <limits>
#include <utility>

using ProcessLifetime::callWithin;
using ProcessLifetime::emitInTurn;

SynchronousProcess::SynchronousProcess(QObject *parent)
    : ProcessBase(parent)
{
    connectProcess();
}

SynchronousProcess::~SynchronousProcess() = default;

// Output is read once the child has ended, so only its state, error, start
// and end are followed.
void SynchronousProcess::connectProcess()
{
    ProcessBase::connectProcess(this, &SynchronousProcess::onError, &SynchronousProcess::reportStarted,
                                &SynchronousProcess::reportFinished);
}

qlonglong SynchronousProcess::timeout() const
{
    return m_timeout;
}

void SynchronousProcess::setTimeout(qlonglong timeout)
{
    if (m_timeout == timeout)
        return;
    m_timeout = timeout;
}

double SynchronousProcess::timeoutNumber() const
{
    return double(m_timeout);
}

// QML hands every number over as a double: whole milliseconds are kept,
// values beyond the 64-bit range are held at its ends, and what is no number
// at all changes nothing.
void SynchronousProcess::setTimeoutNumber(double timeout)
{
    if (std::isnan(timeout)) {
        qCWarning(lcCore) << Q_FUNC_INFO << "Ignored a time-out that is not a number";
        return;
    }
    // 2^63 is the first double past the largest 64-bit integer.
    constexpr double limit = 9223372036854775808.0;
    if (timeout >= limit)
        setTimeout(std::numeric_limits<qint64>::max());
    else if (timeout < -limit)
        setTimeout(std::numeric_limits<qint64>::min());
    else
        setTimeout(qint64(timeout));
}

QString SynchronousProcess::standardInput() const
{
    return m_standardInput;
}

void SynchronousProcess::setStandardInput(const QString &standardInput)
{
    if (m_standardInput == standardInput)
        return;
    m_standardInput = standardInput;
    Q_EMIT standardInputChanged();
}

QString SynchronousProcess::standardOutput() const
{
    return m_standardOutput;
}

QString SynchronousProcess::standardError() const
{
    return m_standardError;
}

void SynchronousProcess::start()
{
    m_standardOutput.clear();
    m_standardError.clear();
    if (beginRun(Q_FUNC_INFO, program(), arguments()) && launch())
        sync();
}

void SynchronousProcess::start(const QString &command, const QStringList &arguments)
{
    m_standardOutput.clear();
    m_standardError.clear();
    if (beginRun(Q_FUNC_INFO, command, arguments) && launch(command, arguments))
        sync();
}

// Decides whether a start may go ahead. function is the caller's signature,
// which the log lines start with.
bool SynchronousProcess::beginRun(const char *function, const QString &program, const QStringList &arguments)
{
    // A child that outlived its time-out is left running, as it was, but it
    // is no longer this object's: the new start runs the new program.
    if (process()->state() != QProcess::NotRunning)
        releaseRunningChild();

    return mayStart(function, program, arguments);
}

void SynchronousProcess::releaseRunningChild()
{
    disconnect(process(), nullptr, this, nullptr);
    DetachedProcessDrain::keepPipesOpen(process());
    process()->detach();
    replaceProcess();
    connectProcess();
}

void SynchronousProcess::sync()
{
    // The waits take a 32-bit count. A longer time-out is held at the longest
    // wait the count allows rather than wrapping round to a short or endless
    // one; every negative value waits without limit.
    const int wait = m_timeout < 0 ? -1 : int(qMin<qint64>(m_timeout, std::numeric_limits<int>::max()));

    // Handlers of the signals that the waits deliver may destroy this object.
    bool started = false;
    if (!callWithin(this, stack(), [&] { started = process()->waitForStarted(wait); }))
        return;
    if (!started) {
        qCWarning(lcCore) << Q_FUNC_INFO << "waitForStarted error";
        return;
    }

    if (!m_standardInput.isEmpty())
        process()->write(m_standardInput.toUtf8());
    process()->closeWriteChannel();

    bool finished = false;
    if (!callWithin(this, stack(), [&] { finished = process()->waitForFinished(wait); }))
        return;
    if (!finished) {
        qCWarning(lcCore) << Q_FUNC_INFO << "waitForFinished error";
        return;
    }

    m_standardOutput = QString::fromUtf8(process()->readAllStandardOutput());
    m_standardError = QString::fromUtf8(process()->readAllStandardError());

    emitInTurn<SynchronousProcess>(this, { &SynchronousProcess::standardOutputChanged,
                                           &SynchronousProcess::standardErrorChanged });
}

void SynchronousProcess::onError(QProcess::ProcessError error)
{
    qCCritical(lcCore) << Q_FUNC_INFO << int(error);
    reportError();
}
