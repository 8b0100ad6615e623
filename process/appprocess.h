#ifndef LOOMWRIGHT_APPPROCESS_H
#define LOOMWRIGHT_APPPROCESS_H

#include "utility/hostkitobject.h"
#include "process/detachableprocess_p.h"
#include "process/processlifetime_p.h"
#include "process/outputstream_p.h"

#include <QProcess>
#include <QStringList>

#include <memory>

// The QML type "Process": one child program whose state and exit data are
// properties and whose output streams to QML as text signals.
class AppProcess : public HostkitObject
{
    Q_OBJECT
    Q_PROPERTY(ProcessState state READ state NOTIFY stateChanged)
    Q_PROPERTY(ProcessError error READ error NOTIFY errorChanged)
    Q_PROPERTY(qulonglong processId READ processId NOTIFY processIdChanged)
    Q_PROPERTY(int exitCode READ exitCode NOTIFY exitCodeChanged)
    Q_PROPERTY(ExitStatus exitStatus READ exitStatus NOTIFY exitStatusChanged)
    Q_PROPERTY(QString program READ program WRITE setProgram NOTIFY programChanged)
    Q_PROPERTY(QStringList arguments READ arguments WRITE setArguments NOTIFY argumentsChanged)
    Q_PROPERTY(QString workingDirectory READ workingDirectory WRITE setWorkingDirectory NOTIFY workingDirectoryChanged)
    Q_PROPERTY(bool bufferedStandardError READ bufferedStandardError WRITE setBufferedStandardError NOTIFY bufferedStandardErrorChanged)
    Q_PROPERTY(bool bufferedStandardOutput READ bufferedStandardOutput WRITE setBufferedStandardOutput NOTIFY bufferedStandardOutputChanged)

public:
    enum ProcessState {
        NotRunning = QProcess::NotRunning,
        Starting = QProcess::Starting,
        Running = QProcess::Running,
    };
    Q_ENUM(ProcessState)

    enum ProcessError {
        FailedToStart = QProcess::FailedToStart,
        Crashed = QProcess::Crashed,
        Timedout = QProcess::Timedout,
        ReadError = QProcess::ReadError,
        WriteError = QProcess::WriteError,
        UnknownError = QProcess::UnknownError,
    };
    Q_ENUM(ProcessError)

    enum ExitStatus {
        NormalExit = QProcess::NormalExit,
        CrashExit = QProcess::CrashExit,
    };
    Q_ENUM(ExitStatus)

    explicit AppProcess(QObject *parent = nullptr);
    ~AppProcess() override;

    ProcessState state() const;
    ProcessError error() const;
    qulonglong processId() const;
    int exitCode() const;
    ExitStatus exitStatus() const;

    QString program() const;
    void setProgram(const QString &program);
    QStringList arguments() const;
    void setArguments(const QStringList &arguments);
    QString workingDirectory() const;
    void setWorkingDirectory(const QString &workingDirectory);

    bool bufferedStandardError() const;
    void setBufferedStandardError(bool buffered);
    bool bufferedStandardOutput() const;
    void setBufferedStandardOutput(bool buffered);

    Q_INVOKABLE void start();
    Q_INVOKABLE void start(const QString &command, const QStringList &arguments = QStringList());
    Q_INVOKABLE bool detach();

Q_SIGNALS:
    void started();
    void finished();
    void standardError(const QString &error);
    void standardOutput(const QString &output);
    void stateChanged();
    void errorChanged();
    void processIdChanged();
    void exitCodeChanged();
    void exitStatusChanged();
    void programChanged();
    void argumentsChanged();
    void workingDirectoryChanged();
    void bufferedStandardErrorChanged();
    void bufferedStandardOutputChanged();

private Q_SLOTS:
    void onStateChanged(QProcess::ProcessState newState);
    void onError(QProcess::ProcessError error);
    void onStarted();
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onReadyStandardError();
    void onReadyStandardOutput();

private:
    enum class Channel { Output, Error };

    void connectProcess();
    bool beginRun(const char *function, const QString &program, const QStringList &arguments);
    void releaseDetachedChild();
    int readAvailable(Channel channel);
    void releaseLargeReadBuffer();
    bool deliverRead(Channel channel);
    bool finishStream(Channel channel, bool readRest);
    bool emitText(Channel channel, const QString &text);
    void setBuffered(Channel channel, bool buffered);
    OutputStream &stream(Channel channel);

    std::unique_ptr<DetachableProcess> m_process;
    OutputStream m_standardError;
    OutputStream m_standardOutput;
    QByteArray m_readBuffer;
    // Whether the process object is on the stack: while it is, it must not
    // be deleted.
    std::shared_ptr<ProcessLifetime::Stack> m_stack = std::make_shared<ProcessLifetime::Stack>();
    bool m_detached = false;
    bool m_startRefused = false;
};

#endif
