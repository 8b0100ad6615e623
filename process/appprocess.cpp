#include "process/appprocess.h"

#include "plugin/logging.h"

AppProcess::AppProcess(QObject *parent)
    : HostkitObject(parent)
{
    connectProcess();
}

AppProcess::~AppProcess() = default;

void AppProcess::connectProcess()
{
    connect(&m_process, &QProcess::stateChanged, this, &AppProcess::onStateChanged);
    connect(&m_process, &QProcess::errorOccurred, this, &AppProcess::onError);
    connect(&m_process, &QProcess::started, this, &AppProcess::onStarted);
    connect(&m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, &AppProcess::onFinished);
    connect(&m_process, &QProcess::readyReadStandardError, this, &AppProcess::onReadyStandardError);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &AppProcess::onReadyStandardOutput);
}

AppProcess::ProcessState AppProcess::state() const
{
    return static_cast<ProcessState>(m_process.state());
}

AppProcess::ProcessError AppProcess::error() const
{
    return static_cast<ProcessError>(m_process.error());
}

qulonglong AppProcess::processId() const
{
    return static_cast<qulonglong>(m_process.processId());
}

int AppProcess::exitCode() const
{
    return m_process.exitCode();
}

AppProcess::ExitStatus AppProcess::exitStatus() const
{
    return static_cast<ExitStatus>(m_process.exitStatus());
}

QString AppProcess::program() const
{
    return m_process.program();
}

void AppProcess::setProgram(const QString &program)
{
    if (m_process.program() == program)
        return;
    m_process.setProgram(program);
    Q_EMIT programChanged();
}

QStringList AppProcess::arguments() const
{
    return m_process.arguments();
}

void AppProcess::setArguments(const QStringList &arguments)
{
    if (m_process.arguments() == arguments)
        return;
    m_process.setArguments(arguments);
    Q_EMIT argumentsChanged();
}

QString AppProcess::workingDirectory() const
{
    return m_process.workingDirectory();
}

void AppProcess::setWorkingDirectory(const QString &workingDirectory)
{
    if (m_process.workingDirectory() == workingDirectory)
        return;
    m_process.setWorkingDirectory(workingDirectory);
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
    m_process.start(QIODevice::ReadWrite);
}

void AppProcess::start(const QString &command, const QStringList &arguments)
{
    qCDebug(lcCore) << Q_FUNC_INFO << command << arguments;

    beginRun();
    m_process.start(command, arguments, QIODevice::ReadWrite);

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

    if (m_detached) {
        m_detached = false;
        connectProcess();
    }
}

bool AppProcess::detach()
{
    if (!m_process.waitForStarted(30000))
        return false;

    m_process.detach();
    // The child is no longer ours: nothing more about it reaches QML.
    disconnect(&m_process, nullptr, this, nullptr);
    m_detached = true;
    return true;
}

void AppProcess::deliver(Channel channel, const QString &text)
{
    const bool buffered = channel == Channel::Output ? m_bufferedStandardOutput : m_bufferedStandardError;
    if (!buffered) {
        emitText(channel, text);
        return;
    }

    LineBuffer &buffer = channel == Channel::Output ? m_standardOutputBuffer : m_standardErrorBuffer;
    QString lines;
    if (buffer.append(text, &lines))
        emitText(channel, lines);
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
    qCDebug(lcCore) << Q_FUNC_INFO << m_process.program() << m_process.arguments();
    Q_EMIT started();
    Q_EMIT processIdChanged();
}

void AppProcess::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    Q_UNUSED(exitCode)
    Q_UNUSED(exitStatus)

    const QString output = m_standardOutputDecoder.decode(m_process.readAllStandardOutput())
            + m_standardOutputDecoder.finish();
    if (!output.isEmpty())
        deliver(Channel::Output, output);

    const QString error = m_standardErrorDecoder.decode(m_process.readAllStandardError())
            + m_standardErrorDecoder.finish();
    if (!error.isEmpty())
        deliver(Channel::Error, error);

    Q_EMIT finished();
    Q_EMIT exitCodeChanged();
    Q_EMIT exitStatusChanged();
}

void AppProcess::onReadyStandardError()
{
    deliver(Channel::Error, m_standardErrorDecoder.decode(m_process.readAllStandardError()));
}

void AppProcess::onReadyStandardOutput()
{
    deliver(Channel::Output, m_standardOutputDecoder.decode(m_process.readAllStandardOutput()));
}
