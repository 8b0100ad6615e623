#ifndef LOOMWRIGHT_SYNCHRONOUSPROCESS_H
#define LOOMWRIGHT_SYNCHRONOUSPROCESS_H

#include "process/processbase.h"

#include <QProcess>
#include <QStringList>

// The QML type "SynchronousProcess": runs a program to completion inside
// start(), feeding it an optional standard input, and then publishes its
// whole output.
class SynchronousProcess : public ProcessBase
{
    Q_OBJECT
    // A number in QML, which has no 64-bit integer type; held as one.
    Q_PROPERTY(double timeout READ timeoutNumber WRITE setTimeoutNumber)
    Q_PROPERTY(QString standardInput READ standardInput WRITE setStandardInput NOTIFY standardInputChanged)
    Q_PROPERTY(QString standardOutput READ standardOutput NOTIFY standardOutputChanged)
    Q_PROPERTY(QString standardError READ standardError NOTIFY standardErrorChanged)

public:
    explicit SynchronousProcess(QObject *parent = nullptr);
    ~SynchronousProcess() override;

    qlonglong timeout() const;
    void setTimeout(qlonglong timeout);
    QString standardInput() const;
    void setStandardInput(const QString &standardInput);
    QString standardOutput() const;
    QString standardError() const;

    Q_INVOKABLE void start();
    Q_INVOKABLE void start(const QString &command, const QStringList &arguments = QStringList());

Q_SIGNALS:
    void standardInputChanged();
    void standardOutputChanged();
    void standardErrorChanged();

private Q_SLOTS:
    void onError(QProcess::ProcessError error);

private:
    bool beginRun(const char *function, const QString &program, const QStringList &arguments);
    void connectProcess();
    void releaseRunningChild();
    void sync();
    double timeoutNumber() const;
    void setTimeoutNumber(double timeout);

    qint64 m_timeout = 30000;
    QString m_standardInput;
    QString m_standardOutput;
    QString m_standardError;
};

#endif
