#include "process/processbase.h"

#include "process/commandline_p.h"
#include "process/detachedprocessdrain_p.h"

#include <utility>

using ProcessLifetime::callWithin;
using ProcessLifetime::emitInTurn;
using Scope = ProcessLifetime::Scope;

ProcessBase::ProcessBase(QObject *parent)
    : HostkitObject(parent)
    , m_process(std::make_unique<DetachableProcess>())
{
}

ProcessBase::~ProcessBase()
{
    // Once destruction has begun nothing reaches QML: the process object
    // would otherwise report the end of its child into a half-destroyed
    // object when it kills the child.
    if (m_process)
        disconnect(m_process.get(), nullptr, this, nullptr);
    ProcessLifetime::dispose(std::move(m_process), m_stack.get());
}

DetachableProcess *ProcessBase::process() const
{
    return m_process.get();
}

const std::shared_ptr<ProcessLifetime::Stack> &ProcessBase::stack() const
{
    return m_stack;
}

ProcessBase::ProcessState ProcessBase::state() const
{
    return static_cast<ProcessState>(m_process->state());
}

ProcessBase::ProcessError ProcessBase::error() const
{
    return m_startRefused ? FailedToStart : static_cast<ProcessError>(m_process->error());
}

qulonglong ProcessBase::processId() const
{
    return static_cast<qulonglong>(m_process->processId());
}

int ProcessBase::exitCode() const
{
    return m_process->exitCode();
}

ProcessBase::ExitStatus ProcessBase::exitStatus() const
{
    return static_cast<ExitStatus>(m_process->exitStatus());
}

QString ProcessBase::program() const
{
    return m_process->program();
}

void ProcessBase::setProgram(const QString &program)
{
    if (m_process->program() == program)
        return;
    m_process->setProgram(program);
    Q_EMIT programChanged();
}

QStringList ProcessBase::arguments() const
{
    return m_process->arguments();
}

void ProcessBase::setArguments(const QStringList &arguments)
{
    if (m_process->arguments() == arguments)
        return;
    m_process->setArguments(arguments);
    Q_EMIT argumentsChanged();
}

QString ProcessBase::workingDirectory() const
{
    return m_process->workingDirectory();
}

void ProcessBase::setWorkingDirectory(const QString &workingDirectory)
{
    if (m_process->workingDirectory() == workingDirectory)
        return;
    m_process->setWorkingDirectory(workingDirectory);
    Q_EMIT workingDirectoryChanged();
}

bool ProcessBase::mayStart(const char *function, const QString &program, const QStringList &arguments)
{
    // A refused start fails the way a program that cannot start does; the
    // error goes back to the process's own with the next start.
    const bool refused = !CommandLine::isPassable(function, program, arguments, m_process->workingDirectory());
    if (refused || m_startRefused) {
        m_startRefused = refused;
        if (!emitInTurn<ProcessBase>(this, { &ProcessBase::errorChanged }))
            return false;
    }
    return !refused;
}

bool ProcessBase::launch()
{
    return callWithin(this, m_stack, [this] { m_process->start(QIODevice::ReadWrite); });
}

bool ProcessBase::launch(const QString &command, const QStringList &arguments)
{
    return callWithin(this, m_stack, [&] { m_process->start(command, arguments, QIODevice::ReadWrite); })
        && emitInTurn<ProcessBase>(this, { &ProcessBase::programChanged, &ProcessBase::argumentsChanged,
                                           &ProcessBase::workingDirectoryChanged });
}

void ProcessBase::replaceProcess()
{
    DetachedProcessDrain::replace(&m_process);
}

std::unique_ptr<DetachableProcess> ProcessBase::takeProcess()
{
    return std::move(m_process);
}

void ProcessBase::onStateChanged()
{
    const Scope scope(this, m_stack);
    Q_EMIT stateChanged();
}

void ProcessBase::reportError()
{
    const Scope scope(this, m_stack);
    Q_EMIT errorChanged();
}

void ProcessBase::reportStarted()
{
    const Scope scope(this, m_stack);
    emitInTurn<ProcessBase>(this, { &ProcessBase::started, &ProcessBase::processIdChanged });
}

void ProcessBase::reportFinished()
{
    const Scope scope(this, m_stack);
    emitInTurn<ProcessBase>(this, { &ProcessBase::finished, &ProcessBase::exitCodeChanged,
                                    &ProcessBase::exitStatusChanged });
}
