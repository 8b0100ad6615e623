#include "process/appprocess.h"

#include "utility/logging.h"
#include "process/detachedprocessdrain_p.h"
#include "process/processlifetime_p.h"

#include <limits>
#include <utility>

using ProcessLifetime::callWithin;
using Scope = ProcessLifetime::Scope;

AppProcess::AppProcess(QObject *parent)
    : ProcessBase(parent)
{
    connectProcess();
}

AppProcess::~AppProcess()
{
    // Nothing reaches QML from here on (see ~ProcessBase); a let-go child's
    // process object goes to the drain rather than down with this object.
    disconnect(process(), nullptr, this, nullptr);
    if (m_detached)
        DetachedProcessDrain::adopt(takeProcess());
}

void AppProcess::connectProcess()
{
    ProcessBase::connectProcess(this, &AppProcess::onError, &AppProcess::onStarted, &AppProcess::onFinished);
    connect(process(), &QProcess::readyReadStandardError, this, &AppProcess::onReadyStandardError);
    connect(process(), &QProcess::readyReadStandardOutput, this, &AppProcess::onReadyStandardOutput);
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

    if (beginRun(Q_FUNC_INFO, program(), arguments()))
        launch();
}

void AppProcess::start(const QString &command, const QStringList &arguments)
{
    qCDebug(lcCore) << Q_FUNC_INFO << command << arguments;

    if (beginRun(Q_FUNC_INFO, command, arguments))
        launch(command, arguments);
}

// Decides whether a start may go ahead. function is the caller's signature,
// which the log lines start with.
bool AppProcess::beginRun(const char *function, const QString &program, const QStringList &arguments)
{
    // The running child keeps its object, and its streams stay as they are:
    // resetting them would cut its next line or character in two.
    if (!m_detached && process()->state() != QProcess::NotRunning) {
        qCWarning(lcCore) << function << "Process is already running:" << process()->program();
        return false;
    }

    if (m_detached)
        releaseDetachedChild();

    return mayStart(function, program, arguments);
}

void AppProcess::releaseDetachedChild()
{
    replaceProcess();
    m_detached = false;
    connectProcess();
}

bool AppProcess::detach()
{
    bool running = false;
    if (!callWithin(this, stack(), [&] { running = process()->waitForStarted(30000); }) || !running)
        return false;

    // What the child wrote before it was let go is still its output.
    if (!finishStream(Channel::Output, false) || !finishStream(Channel::Error, false))
        return false;

    // From here on the child is not ours, also should this object be
    // destroyed by a handler of the state change below.
    m_detached = true;
    DetachedProcessDrain::keepPipesOpen(process());
    if (!callWithin(this, stack(), [this] { process()->detach(); }))
        return true;

    // Nothing more about the child reaches QML, and what it still writes is
    // read and dropped so that it never blocks.
    disconnect(process(), nullptr, this, nullptr);
    QProcess *child = process();
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

void AppProcess::onError(QProcess::ProcessError error)
{
    qCDebug(lcCore) << Q_FUNC_INFO << int(error);
    reportError();
}

void AppProcess::onStarted()
{
    qCDebug(lcCore) << Q_FUNC_INFO << process()->program() << process()->arguments();
    reportStarted();
}

void AppProcess::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    Q_UNUSED(exitCode)
    Q_UNUSED(exitStatus)
    const Scope scope(this, stack());

    // Both streams end here: what is left of them goes out before finished.
    if (!finishStream(Channel::Output, true) || !finishStream(Channel::Error, true))
        return;
    reportFinished();
}

void AppProcess::onReadyStandardError()
{
    const Scope scope(this, stack());
    deliverRead(Channel::Error);
}

void AppProcess::onReadyStandardOutput()
{
    const Scope scope(this, stack());
    deliverRead(Channel::Output);
}

// Reads everything available on one channel into the read buffer, which is
// kept from read to read: fresh memory for every read would cost more than
// the decoding. Returns the number of bytes read.
int AppProcess::readAvailable(Channel channel)
{
    process()->setReadChannel(channel == Channel::Output ? QProcess::StandardOutput : QProcess::StandardError);
    const int available = int(qMin<qint64>(process()->bytesAvailable(), std::numeric_limits<int>::max()));
    if (m_readBuffer.size() < available)
        m_readBuffer.resize(available);
    return available > 0 ? qMax(0, int(process()->read(m_readBuffer.data(), available))) : 0;
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
