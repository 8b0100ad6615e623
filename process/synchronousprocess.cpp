#include "process/synchronousprocess.h"

#include "utility/logging.h"
#include "process/commandline_p.h"
#include "process/detachedprocessdrain_p.h"
#include "process/processlifetime_p.h"

#include <cmath>
#include <limits>
#include <utility>

using ProcessLifetime::callWithin;
using ProcessLifetime::emitInTurn;
using Scope = ProcessLifetime::Scope;

SynchronousProcess::SynchronousProcess(QObject *parent)
    : HostkitObject(parent)
    , m_process(std::make_unique<DetachableProcess>())
{
    connectProcess();
}

SynchronousProcess::~SynchronousProcess()
{
    // Once destruction has begun nothing reaches QML, not even the end of a
    // child that the process object kills now.
    disconnect(m_process.get(), nullptr, this, nullptr);
    ProcessLifetime::dispose(std::move(m_process), m_stack.get());
}

void SynchronousProcess::connectProcess()
{
    connect(m_process.get(), &QProcess::stateChanged, this, &SynchronousProcess::onStateChanged);
    connect(m_process.get(), &QProcess::errorOccurred, this, &SynchronousProcess::onError);
    connect(m_process.get(), &QProcess::started, this, &SynchronousProcess::onStarted);
    connect(m_process.get(), QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &SynchronousProcess::onFinished);
}

SynchronousProcess::ProcessState SynchronousProcess::state() const
{
    return static_cast<ProcessState>(m_process->state());
}

SynchronousProcess::ProcessError SynchronousProcess::error() const
{
    return m_startRefused ? FailedToStart : static_cast<ProcessError>(m_process->error());
}

qulonglong SynchronousProcess::processId() const
{
    return static_cast<qulonglong>(m_process->processId());
}

int SynchronousProcess::exitCode() const
{
    return m_process->exitCode();
}

SynchronousProcess::ExitStatus SynchronousProcess::exitStatus() const
{
    return static_cast<ExitStatus>(m_process->exitStatus());
}

QString SynchronousProcess::program() const
{
    return m_process->program();
}

void SynchronousProcess::setProgram(const QString &program)
{
    if (m_process->program() == program)
        return;
    m_process->setProgram(program);
    Q_EMIT programChanged();
}

QStringList SynchronousProcess::arguments() const
{
    return m_process->arguments();
}

void SynchronousProcess::setArguments(const QStringList &arguments)
{
    if (m_process->arguments() == arguments)
        return;
    m_process->setArguments(arguments);
    Q_EMIT argumentsChanged();
}

QString SynchronousProcess::workingDirectory() const
{
    return m_process->workingDirectory();
}

void SynchronousProcess::setWorkingDirectory(const QString &workingDirectory)
{
    if (m_process->workingDirectory() == workingDirectory)
        return;
    m_process->setWorkingDirectory(workingDirectory);
    Q_EMIT workingDirectoryChanged();
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
    if (!beginRun(Q_FUNC_INFO, m_process->program(), m_process->arguments())
        || !callWithin(this, m_stack, [this] { m_process->start(QIODevice::ReadWrite); }))
        return;
    sync();
}

void SynchronousProcess::start(const QString &command, const QStringList &arguments)
{
    m_standardOutput.clear();
    m_standardError.clear();
    if (!beginRun(Q_FUNC_INFO, command, arguments)
        || !callWithin(this, m_stack, [&] { m_process->start(command, arguments, QIODevice::ReadWrite); }))
        return;
    if (!emitInTurn<SynchronousProcess>(this, { &SynchronousProcess::programChanged,
                                                &SynchronousProcess::argumentsChanged,
                                                &SynchronousProcess::workingDirectoryChanged }))
        return;

    sync();
}

// Decides whether a start may go ahead. function is the caller's signature,
// which the log lines start with.
bool SynchronousProcess::beginRun(const char *function, const QString &program, const QStringList &arguments)
{
    // A child that outlived its time-out is left running, as it was, but it
    // is no longer this object's: the new start runs the new program.
    if (m_process->state() != QProcess::NotRunning)
        releaseRunningChild();

    // A refused start fails the way a program that cannot start does; the
    // error goes back to the process's own with the next start.
    const bool refused = !CommandLine::isPassable(function, program, arguments, m_process->workingDirectory());
    if (refused || m_startRefused) {
        m_startRefused = refused;
        if (!emitInTurn<SynchronousProcess>(this, { &SynchronousProcess::errorChanged }))
            return false;
    }
    return !refused;
}

void SynchronousProcess::releaseRunningChild()
{
    disconnect(m_process.get(), nullptr, this, nullptr);
    DetachedProcessDrain::keepPipesOpen(m_process.get());
    m_process->detach();
    DetachedProcessDrain::replace(&m_process);
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
    if (!callWithin(this, m_stack, [&] { started = m_process->waitForStarted(wait); }))
        return;
    if (!started) {
        qCWarning(lcCore) << Q_FUNC_INFO << "waitForStarted error";
        return;
    }

    if (!m_standardInput.isEmpty())
        m_process->write(m_standardInput.toUtf8());
    m_process->closeWriteChannel();

    bool finished = false;
    if (!callWithin(this, m_stack, [&] { finished = m_process->waitForFinished(wait); }))
        return;
    if (!finished) {
        qCWarning(lcCore) << Q_FUNC_INFO << "waitForFinished error";
        return;
    }

    m_standardOutput = QString::fromUtf8(m_process->readAllStandardOutput());
    m_standardError = QString::fromUtf8(m_process->readAllStandardError());

    emitInTurn<SynchronousProcess>(this, { &SynchronousProcess::standardOutputChanged,
                                           &SynchronousProcess::standardErrorChanged });
}

void SynchronousProcess::onStateChanged(QProcess::ProcessState newState)
{
    Q_UNUSED(newState)
    const Scope scope(this, m_stack);
    Q_EMIT stateChanged();
}

void SynchronousProcess::onError(QProcess::ProcessError error)
{
    qCCritical(lcCore) << Q_FUNC_INFO << int(error);
    const Scope scope(this, m_stack);
    Q_EMIT errorChanged();
}

void SynchronousProcess::onStarted()
{
    const Scope scope(this, m_stack);
    emitInTurn<SynchronousProcess>(this, { &SynchronousProcess::started, &SynchronousProcess::processIdChanged });
}

void SynchronousProcess::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    Q_UNUSED(exitCode)
    Q_UNUSED(exitStatus)
    const Scope scope(this, m_stack);
    emitInTurn<SynchronousProcess>(this, { &SynchronousProcess::finished, &SynchronousProcess::exitCodeChanged,
                                           &SynchronousProcess::exitStatusChanged });
}
