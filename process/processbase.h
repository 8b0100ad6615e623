#ifndef LOOMWRIGHT_PROCESSBASE_H
#define LOOMWRIGHT_PROCESSBASE_H

#include "utility/hostkitobject.h"
#include "process/detachableprocess_p.h"
#include "process/processlifetime_p.h"

#include <QProcess>
#include <QStringList>

#include <memory>

// What the QML process types share: one child program, whose state, error,
// process id and exit data are read-only properties, and whose program,
// arguments and working folder are set before a start; the signals that
// report them; and the bookkeeping that keeps the object safe from handlers
// that destroy it while its process object is still at work.
//
// A type logs the process object's notifications in its own name, so it
// connects its own slots for them (connectProcess) and lets them end in the
// report functions here.
class ProcessBase : public HostkitObject
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

public:
    // QProcess's names and values, which QML reads as the types' own.
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

    ~ProcessBase() override;

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

Q_SIGNALS:
    void started();
    void finished();
    void stateChanged();
    void errorChanged();
    void processIdChanged();
    void exitCodeChanged();
    void exitStatusChanged();
    void programChanged();
    void argumentsChanged();
    void workingDirectoryChanged();

protected:
    explicit ProcessBase(QObject *parent = nullptr);

    DetachableProcess *process() const;
    const std::shared_ptr<ProcessLifetime::Stack> &stack() const;

    // Connects the process object's state change here, and its error, start
    // and end to a type's own slots (which end in the report functions).
    template<typename Type, typename OnError, typename OnStarted, typename OnFinished>
    void connectProcess(Type *self, OnError onError, OnStarted onStarted, OnFinished onFinished);

    // Whether a start of program with arguments may go ahead, once the type
    // has dealt with a child that still runs. function is the caller's
    // signature, which the log lines start with.
    bool mayStart(const char *function, const QString &program, const QStringList &arguments);
    // Starts the program, arguments and working folder set on the object.
    // Both forms return false when a handler destroyed the object.
    bool launch();
    // Starts command with arguments; the program, arguments and working
    // folder then count as changed, whether or not they are.
    bool launch(const QString &command, const QStringList &arguments);

    // Puts a fresh process object with the same program, arguments and
    // working folder in the place of one whose child was let go; the type
    // connects it anew.
    void replaceProcess();
    std::unique_ptr<DetachableProcess> takeProcess();

    void reportError();
    void reportStarted();
    void reportFinished();

private:
    void onStateChanged();

    std::unique_ptr<DetachableProcess> m_process;
    // Whether the process object is on the stack: while it is, it must not
    // be deleted.
    std::shared_ptr<ProcessLifetime::Stack> m_stack = std::make_shared<ProcessLifetime::Stack>();
    bool m_startRefused = false;
};

template<typename Type, typename OnError, typename OnStarted, typename OnFinished>
void ProcessBase::connectProcess(Type *self, OnError onError, OnStarted onStarted, OnFinished onFinished)
{
    connect(m_process.get(), &QProcess::stateChanged, this, &ProcessBase::onStateChanged);
    connect(m_process.get(), &QProcess::errorOccurred, self, onError);
    connect(m_process.get(), &QProcess::started, self, onStarted);
    connect(m_process.get(), QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), self, onFinished);
}

#endif
