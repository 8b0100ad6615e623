#ifndef LOOMWRIGHT_SYNCHRONOUSPROCESS_H
#define LOOMWRIGHT_SYNCHRONOUSPROCESS_H

#include "utility/hostkitobject.h"
#include "process/detachableprocess_p.h"
#include "process/processlifetime_p.h"

#include <QProcess>
#include <QStringList>

#include <memory>

// The QML type "SynchronousProcess": runs a program to completion inside
// start(), feeding it an optional standard input, and then publishes its
// whole output.
class SynchronousProcess : public HostkitObject
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
    // A number in QML, which has no 64-bit integer type; held as one.
    Q_PROPERTY(double timeout READ timeoutNumber WRITE setTimeoutNumber)
    Q_PROPERTY(QString standardInput READ standardInput WRITE setStandardInput NOTIFY standardInputChanged)
    Q_PROPERTY(QString standardOutput READ standardOutput NOTIFY standardOutputChanged)
    Q_PROPERTY(QString standardError READ standardError NOTIFY standardErrorChanged)

public:
    // The same names and values as the asynchronous process's enumerations.
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

    explicit SynchronousProcess(QObject *parent = nullptr);
    ~SynchronousProcess() override;

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

    qlonglong timeout() const;
    void setTimeout(qlonglong timeout);
    QString standardInput() const;
    void setStandardInput(const QString &standardInput);
    QString standardOutput() const;
    QString standardError() const;

    Q_INVOKABLE void start();
    Q_INVOKABLE void start(const QString &command, const QStringList &arguments = QStringList());

Q_SIGNALS:
    void started();
    void finished();
    void standardInputChanged();
    void standardOutputChanged();
    void standardErrorChanged();
    void stateChanged();
    void errorChanged();
    void processIdChanged();
    void exitCodeChanged();
    void exitStatusChanged();
    void programChanged();
    void argumentsChanged();
    void workingDirectoryChanged();

private Q_SLOTS:
    void onStateChanged(QProcess::ProcessState newState);
    void onError(QProcess::ProcessError error);
    void onStarted();
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    bool beginRun(const char *function, const QString &program, const QStringList &arguments);
    void connectProcess();
    void releaseRunningChild();
    void sync();
    double timeoutNumber() const;
    void setTimeoutNumber(double timeout);

    std::unique_ptr<DetachableProcess> m_process;
    // Whether the process object is on the stack: while it is, it must not
    // be deleted.
    std::shared_ptr<ProcessLifetime::Stack> m_stack = std::make_shared<ProcessLifetime::Stack>();
    bool m_startRefused = false;
    qint64 m_timeout = 30000;
    QString m_standardInput;
    QString m_standardOutput;
    QString m_standardError;
};

#endif
