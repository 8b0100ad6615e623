#include "process/appprocess.h"

#include "plugin/logging.h"
#include "process/detachedprocessdrain_p.h"

#include <limits>
#include <utility>

AppProcess::AppProcess(QObject *parent)
    : HostkitObject(parent)
    , m_process(std::make_unique<QDetachableProcess>())
{
    connectProcess();
}

AppProcess::~AppProcess()
{
    if (m_detached)
        DetachedProcessDrain::adopt(std::move(m_process));
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
    return static_cast<ProcessError>(m_process->error());
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
    return m_bufferedStandardError;
}

void AppProcess::setBufferedStandardError(bool buffered)
{
    setBuffered(Channel::Error, buffered);
}

bool AppProcess::bufferedStandardOutput() const
{
    return m_bufferedStandardOutput;
}

void AppProcess::setBufferedStandardOutput(bool buffered)
{
    setBuffered(Channel::Output, buffered);
}

void AppProcess::setBuffered(Channel channel, bool buffered)
{
    bool &flag = channel == Channel::Output ? m_bufferedStandardOutput : m_bufferedStandardError;
    if (flag == buffered)
        return;
    flag = buffered;

    LineBuffer &buffer = channel == Channel::Output ? m_standardOutputBuffer : m_standardErrorBuffer;
    if (!buffered && !buffer.isEmpty())
        emitText(channel, buffer.take());

    if (channel == Channel::Output)
        Q_EMIT bufferedStandardOutputChanged();
    else
        Q_EMIT bufferedStandardErrorChanged();
}

void AppProcess::start()
{
    qCDebug(lcCore) << Q_FUNC_INFO;

    beginRun();
    m_process->start(QIODevice::ReadWrite);
}

void AppProcess::start(const QString &command, const QStringList &arguments)
{
    qCDebug(lcCore) << Q_FUNC_INFO << command << arguments;

    beginRun();
    m_process->start(command, arguments, QIODevice::ReadWrite);

    Q_EMIT programChanged();
    Q_EMIT argumentsChanged();
    Q_EMIT workingDirectoryChanged();
}

// An unterminated fragment that the last run left in a buffer goes out on its
// own now; it must not be glued onto the first line of the new run.
void AppProcess::beginRun()
{
    if (!m_standardOutputBuffer.isEmpty())
        emitText(Channel::Output, m_standardOutputBuffer.take());
    if (!m_standardErrorBuffer.isEmpty())
        emitText(Channel::Error, m_standardErrorBuffer.take());

    // Bytes of a detached child's unfinished character are not the new run's.
    m_standardOutputDecoder.finish();
    m_standardErrorDecoder.finish();

    if (m_detached)
        releaseDetachedChild();
}

// A process object does not serve two children: the let-go child's process
// goes to a drain, and a fresh one with the same settings takes its place.
void AppProcess::releaseDetachedChild()
{
    auto fresh = std::make_unique<QDetachableProcess>();
    fresh->setProgram(m_process->program());
    fresh->setArguments(m_process->arguments());
    fresh->setWorkingDirectory(m_process->workingDirectory());
    DetachedProcessDrain::adopt(std::exchange(m_process, std::move(fresh)));
    m_detached = false;
    connectProcess();
}

bool AppProcess::detach()
{
    if (!m_process->waitForStarted(30000))
        return false;

    m_process->detach();
    // The child is no longer ours: nothing more about it reaches QML, and
    // what it still writes is read and dropped so that it never blocks.
    disconnect(m_process.get(), nullptr, this, nullptr);
    QProcess *child = m_process.get();
    connect(child, &QProcess::readyReadStandardOutput, this, [child] { child->readAllStandardOutput(); });
    connect(child, &QProcess::readyReadStandardError, this, [child] { child->readAllStandardError(); });
    m_detached = true;
    return true;
}

void AppProcess::emitText(Channel channel, const QString &text)
{
    if (channel == Channel::Output)
        Q_EMIT standardOutput(text);
    else
        Q_EMIT standardError(text);
}

void AppProcess::onStateChanged(QProcess::ProcessState newState)
{
    Q_UNUSED(newState)
    Q_EMIT stateChanged();
}

void AppProcess::onError(QProcess::ProcessError error)
{
    qCDebug(lcCore) << Q_FUNC_INFO << int(error);
    Q_EMIT errorChanged();
}

void AppProcess::onStarted()
{
    qCDebug(lcCore) << Q_FUNC_INFO << m_process->program() << m_process->arguments();
    Q_EMIT started();
    Q_EMIT processIdChanged();
}

void AppProcess::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    Q_UNUSED(exitCode)
    Q_UNUSED(exitStatus)

    readAndDeliver(Channel::Output, StreamEnd::Ended);
    readAndDeliver(Channel::Error, StreamEnd::Ended);

    Q_EMIT finished();
    Q_EMIT exitCodeChanged();
    Q_EMIT exitStatusChanged();
}

void AppProcess::onReadyStandardError()
{
    readAndDeliver(Channel::Error, StreamEnd::Open);
}

void AppProcess::onReadyStandardOutput()
{
    readAndDeliver(Channel::Output, StreamEnd::Open);
}

// Reads everything available on one channel, decodes it and passes it on:
// as it is, or through the line buffer. The bytes go through a buffer that is
// kept from read to read, and the text is decoded straight into the line
// buffer: fresh memory for every read would cost more than the decoding.
void AppProcess::readAndDeliver(Channel channel, StreamEnd end)
{
    m_process->setReadChannel(channel == Channel::Output ? QProcess::StandardOutput : QProcess::StandardError);
    const int available = int(qMin<qint64>(m_process->bytesAvailable(), std::numeric_limits<int>::max()));
    if (m_readBuffer.size() < available)
        m_readBuffer.resize(available);
    const int size = available > 0 ? qMax(0, int(m_process->read(m_readBuffer.data(), available))) : 0;

    Utf8StreamDecoder &decoder = channel == Channel::Output ? m_standardOutputDecoder : m_standardErrorDecoder;
    const bool buffered = channel == Channel::Output ? m_bufferedStandardOutput : m_bufferedStandardError;

    if (!buffered) {
        QString text;
        decoder.decode(m_readBuffer.constData(), size, &text);
        if (end == StreamEnd::Ended)
            text += decoder.finish();
        // Every read is an emission; at the end only what is left, if anything.
        if (end == StreamEnd::Open || !text.isEmpty())
            emitText(channel, text);
    } else {
        LineBuffer &buffer = channel == Channel::Output ? m_standardOutputBuffer : m_standardErrorBuffer;
        const int newTextFrom = buffer.rest().size();
        decoder.decode(m_readBuffer.constData(), size, &buffer.rest());
        if (end == StreamEnd::Ended)
            buffer.rest() += decoder.finish();
        QString lines;
        if (buffer.takeLines(newTextFrom, &lines))
            emitText(channel, lines);
    }

    // Don't hold on to the memory of an unusually large burst.
    constexpr int keptBufferSize = 1 << 20;
    if (m_readBuffer.size() > keptBufferSize)
        m_readBuffer = QByteArray();
}
