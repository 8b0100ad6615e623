#include "process/appprocess.h"

#include "utility/logging.h"
#include "process/commandline_p.h"
#include "process/detachedprocessdrain_p.h"
#include "process/processlifetime_p.h"

#include <limits>
#include <utility>

using ProcessLifetime::callWithin;
using ProcessLifetime::emitInTurn;
using Scope = ProcessLifetime::Scope;

AppProcess::AppProcess(QObject *parent)
    : HostkitObject(parent)
    , m_process(std::make_unique<DetachableProcess>())
{
    connectProcess();
}

AppProcess::~AppProcess()
{
    // Once destruction has begun nothing reaches QML: the process object
    // would otherwise report the end of its child into a half-destroyed
    // object when it kills the child.
    disconnect(m_process.get(), nullptr, this, nullptr);

    if (m_detached)
        DetachedProcessDrain::adopt(std::move(m_process));
    else
        ProcessLifetime::dispose(std::move(m_process), m_stack.get());
}

void AppProcess::connectProcess()
{
    connect(m_process.get(), &QProcess::stateChanged, this, &AppProcess::onStateChanged);
    connect(m_process.get(), &QProcess::errorOccurred, this, &AppProcess::onError);
    connect(m_process.get(), &QProcess::started, this, &AppProcess::onStarted);
    connect(m_process.get(), QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, &AppProcess::onFinished);
    connect(m_process.get(), &QProcess::readyReadStandardError, this, &AppProcess::onReadyStandardError);
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this, &AppProcess::onReadyStandardOutput);
}

AppProcess::ProcessState AppProcess::state() const
{
    return static_cast<ProcessState>(m_process->state());
}

AppProcess::ProcessError AppProcess::error() const
{
    return m_startRefused ? FailedToStart : static_cast<ProcessError>(m_process->error());
}

qulonglong AppProcess::processId() const
{
    return static_cast<qulonglong>(m_process->processId());
}

int AppProcess::exitCode() const
{
    return m_process->exitCode();
}

AppProcess::ExitStatus AppProcess::exitStatus() const
{
    return static_cast<ExitStatus>(m_process->exitStatus());
}

QString AppProcess::program() const
{
    return m_process->program();
}

void AppProcess::setProgram(const QString &program)
{
    if (m_process->program() == program)
        return;
    m_process->setProgram(program);
    Q_EMIT programChanged();
}

QStringList AppProcess::arguments() const
{
    return m_process->arguments();
}

void AppProcess::setArguments(const QStringList &arguments)
{
    if (m_process->arguments() == arguments)
        return;
    m_process->setArguments(arguments);
    Q_EMIT argumentsChanged();
}

QString AppProcess::workingDirectory() const
{
    return m_process->workingDirectory();
}

void AppProcess::setWorkingDirectory(const QString &workingDirectory)
{
    if (m_process->workingDirectory() == workingDirectory)
        return;
    m_process->setWorkingDirectory(workingDirectory);
    Q_EMIT workingDirectoryChanged();
}

bool AppProcess::bufferedStandardError() const
{
    return m_standardError.isBuffered();
}

void AppProcess::setBufferedStandardError(bool buffered)
{
    setBuffered(Channel::Error, buffered);
}

bool AppProcess::bufferedStandardOutput() const
{
    return m_standardOutput.isBuffered();
}

void AppProcess::setBufferedStandardOutput(bool buffered)
{
    setBuffered(Channel::Output, buffered);
}

OutputStream &AppProcess::stream(Channel channel)
{
    return channel == Channel::Output ? m_standardOutput : m_standardError;
}

void AppProcess::setBuffered(Channel channel, bool buffered)
{
    OutputStream &output = stream(channel);
    if (output.isBuffered() == buffered)
        return;
    output.setBuffered(buffered);

    if (!buffered) {
        const QString held = output.takeHeld();
        if (!held.isEmpty() && !emitText(channel, held))
            return;
    }

    if (channel == Channel::Output)
        Q_EMIT bufferedStandardOutputChanged();
    else
        Q_EMIT bufferedStandardErrorChanged();
}

void AppProcess::start()
{
    qCDebug(lcCore) << Q_FUNC_INFO;

    if (!beginRun(Q_FUNC_INFO, m_process->program(), m_process->arguments()))
        return;
    callWithin(this, m_stack, [this] { m_process->start(QIODevice::ReadWrite); });
}

void AppProcess::start(const QString &command, const QStringList &arguments)
{
    qCDebug(lcCore) << Q_FUNC_INFO << command << arguments;

    if (!beginRun(Q_FUNC_INFO, command, arguments)
        || !callWithin(this, m_stack, [&] { m_process->start(command, arguments, QIODevice::ReadWrite); }))
        return;
    emitInTurn<AppProcess>(this, { &AppProcess::programChanged, &AppProcess::argumentsChanged,
                                   &AppProcess::workingDirectoryChanged });
}

// Decides whether a start may go ahead. function is the caller's signature,
// which the log lines start with.
bool AppProcess::beginRun(const char *function, const QString &program, const QStringList &arguments)
{
    // The running child keeps its object, and its streams stay as they are:
    // resetting them would cut its next line or character in two.
    if (!m_detached && m_process->state() != QProcess::NotRunning) {
        qCWarning(lcCore) << function << "Process is already running:" << m_process->program();
        return false;
    }

    if (m_detached)
        releaseDetachedChild();

    // A refused start fails the way a program that cannot start does; the
    // error goes back to the process's own with the next start.
    const bool refused = !CommandLine::isPassable(function, program, arguments, m_process->workingDirectory());
    if (refused || m_startRefused) {
        m_startRefused = refused;
        if (!emitInTurn<AppProcess>(this, { &AppProcess::errorChanged }))
            return false;
    }
    return !refused;
}

void AppProcess::releaseDetachedChild()
{
    DetachedProcessDrain::replace(&m_process);
    m_detached = false;
    connectProcess();
}

bool AppProcess::detach()
{
    bool running = false;
    if (!callWithin(this, m_stack, [&] { running = m_process->waitForStarted(30000); }) || !running)
        return false;

    // What the child wrote before it was let go is still its output.
    if (!finishStream(Channel::Output, false) || !finishStream(Channel::Error, false))
        return false;

    // From here on the child is not ours, also should this object be
    // destroyed by a handler of the state change below.
    m_detached = true;
    DetachedProcessDrain::keepPipesOpen(m_process.get());
    if (!callWithin(this, m_stack, [this] { m_process->detach(); }))
        return true;

    // Nothing more about the child reaches QML, and what it still writes is
    // read and dropped so that it never blocks.
    disconnect(m_process.get(), nullptr, this, nullptr);
    QProcess *child = m_process.get();
    connect(child, &QProcess::readyReadStandardOutput, this, [child] { child->readAllStandardOutput(); });
    connect(child, &QProcess::readyReadStandardError, this, [child] { child->readAllStandardError(); });
    return true;
}

bool AppProcess::emitText(Channel channel, const QString &text)
{
    const QPointer<AppProcess> alive(this);
    if (channel == Channel::Output)
        Q_EMIT standardOutput(text);
    else
        Q_EMIT standardError(text);
    return !alive.isNull();
}

void AppProcess::onStateChanged(QProcess::ProcessState newState)
{
    Q_UNUSED(newState)
    const Scope scope(this, m_stack);
    Q_EMIT stateChanged();
}

void AppProcess::onError(QProcess::ProcessError error)
{
    qCDebug(lcCore) << Q_FUNC_INFO << int(error);
    const Scope scope(this, m_stack);
    Q_EMIT errorChanged();
}

void AppProcess::onStarted()
{
    qCDebug(lcCore) << Q_FUNC_INFO << m_process->program() << m_process->arguments();
    const Scope scope(this, m_stack);
    emitInTurn<AppProcess>(this, { &AppProcess::started, &AppProcess::processIdChanged });
}

void AppProcess::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    Q_UNUSED(exitCode)
    Q_UNUSED(exitStatus)
    const Scope scope(this, m_stack);

    // Both streams end here: what is left of them goes out before finished.
    if (!finishStream(Channel::Output, true) || !finishStream(Channel::Error, true))
        return;
    emitInTurn<AppProcess>(this, { &AppProcess::finished, &AppProcess::exitCodeChanged, &AppProcess::exitStatusChanged });
}

void AppProcess::onReadyStandardError()
{
    const Scope scope(this, m_stack);
    deliverRead(Channel::Error);
}

void AppProcess::onReadyStandardOutput()
{
    const Scope scope(this, m_stack);
    deliverRead(Channel::Output);
}

// Reads everything available on one channel into the read buffer, which is
// kept from read to read: fresh memory for every read would cost more than
// the decoding. Returns the number of bytes read.
int AppProcess::readAvailable(Channel channel)
{
    m_process->setReadChannel(channel == Channel::Output ? QProcess::StandardOutput : QProcess::StandardError);
    const int available = int(qMin<qint64>(m_process->bytesAvailable(), std::numeric_limits<int>::max()));
    if (m_readBuffer.size() < available)
        m_readBuffer.resize(available);
    return available > 0 ? qMax(0, int(m_process->read(m_readBuffer.data(), available))) : 0;
}

void AppProcess::releaseLargeReadBuffer()
{
    // Don't hold on to the memory of an unusually large burst.
    constexpr int keptBufferSize = 1 << 20;
    if (m_readBuffer.size() > keptBufferSize)
        m_readBuffer = QByteArray();
}

bool AppProcess::deliverRead(Channel channel)
{
    const int size = readAvailable(channel);
    QString text;
    const bool due = stream(channel).read(m_readBuffer.constData(), size, &text);
    releaseLargeReadBuffer();
    return !due || emitText(channel, text);
}

// Ends one stream, with the bytes still waiting in the pipe when readRest is
// set. False when a handler destroyed this object.
bool AppProcess::finishStream(Channel channel, bool readRest)
{
    const int size = readRest ? readAvailable(channel) : 0;
    QStringList emissions;
    stream(channel).finish(m_readBuffer.constData(), size, &emissions);
    releaseLargeReadBuffer();
    for (const QString &text : qAsConst(emissions)) {
        if (!emitText(channel, text))
            return false;
    }
    return true;
}
