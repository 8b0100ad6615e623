#include "process/synchronousprocess.h"

#include "plugin/logging.h"

#include <limits>

SynchronousProcess::SynchronousProcess(QObject *parent)
    : HostkitObject(parent)
{
    connect(&m_process, &QProcess::stateChanged, this, &SynchronousProcess::onStateChanged);
    connect(&m_process, &QProcess::errorOccurred, this, &SynchronousProcess::onError);
    connect(&m_process, &QProcess::started, this, &SynchronousProcess::onStarted);
    connect(&m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &SynchronousProcess::onFinished);
}

SynchronousProcess::~SynchronousProcess() = default;

SynchronousProcess::ProcessState SynchronousProcess::state() const
{
    return static_cast<ProcessState>(m_process.state());
}

SynchronousProcess::ProcessError SynchronousProcess::error() const
{
    return static_cast<ProcessError>(m_process.error());
}

qulonglong SynchronousProcess::processId() const
{
    return static_cast<qulonglong>(m_process.processId());
}

int SynchronousProcess::exitCode() const
{
    return m_process.exitCode();
}

SynchronousProcess::ExitStatus SynchronousProcess::exitStatus() const
{
    return static_cast<ExitStatus>(m_process.exitStatus());
}

QString SynchronousProcess::program() const
{
    return m_process.program();
}

void SynchronousProcess::setProgram(const QString &program)
{
    if (m_process.program() == program)
        return;
    m_process.setProgram(program);
    Q_EMIT programChanged();
}

QStringList SynchronousProcess::arguments() const
{
    return m_process.arguments();
}

void SynchronousProcess::setArguments(const QStringList &arguments)
{
    if (m_process.arguments() == arguments)
        return;
    m_process.setArguments(arguments);
    Q_EMIT argumentsChanged();
}

QString SynchronousProcess::workingDirectory() const
{
    return m_process.workingDirectory();
}

void SynchronousProcess::setWorkingDirectory(const QString &workingDirectory)
{
    if (m_process.workingDirectory() == workingDirectory)
        return;
    m_process.setWorkingDirectory(workingDirectory);
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
    m_process.start(QIODevice::ReadWrite);
    sync();
}

void SynchronousProcess::start(const QString &command, const QStringList &arguments)
{
    m_standardOutput.clear();
    m_standardError.clear();
    m_process.start(command, arguments, QIODevice::ReadWrite);

    Q_EMIT programChanged();
    Q_EMIT argumentsChanged();
    Q_EMIT workingDirectoryChanged();

    sync();
}

void SynchronousProcess::sync()
{
    // The waits take a 32-bit count. A longer time-out is held at the longest
    // wait the count allows rather than wrapping round to a short or endless
    // one; every negative value waits without limit.
    const int wait = m_timeout < 0 ? -1 : int(qMin<qint64>(m_timeout, std::numeric_limits<int>::max()));

    if (!m_process.waitForStarted(wait)) {
        qCWarning(lcCore) << Q_FUNC_INFO << "waitForStarted error";
        return;
    }

    if (!m_standardInput.isEmpty())
        m_process.write(m_standardInput.toUtf8());
    m_process.closeWriteChannel();

    if (!m_process.waitForFinished(wait)) {
        qCWarning(lcCore) << Q_FUNC_INFO << "waitForFinished error";
        return;
    }

    m_standardOutput = QString::fromUtf8(m_process.readAllStandardOutput());
    m_standardError = QString::fromUtf8(m_process.readAllStandardError());

    Q_EMIT standardOutputChanged();
    Q_EMIT standardErrorChanged();
}

void SynchronousProcess::onStateChanged(QProcess::ProcessState newState)
{
    Q_UNUSED(newState)
    Q_EMIT stateChanged();
}

void SynchronousProcess::onError(QProcess::ProcessError error)
{
    qCCritical(lcCore) << Q_FUNC_INFO << int(error);
    Q_EMIT errorChanged();
}

void SynchronousProcess::onStarted()
{
    Q_EMIT started();
    Q_EMIT processIdChanged();
}

void SynchronousProcess::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    Q_UNUSED(exitCode)
    Q_UNUSED(exitStatus)
    Q_EMIT finished();
    Q_EMIT exitCodeChanged();
    Q_EMIT exitStatusChanged();
}
