#ifndef LOOMWRIGHT_APPPROCESS_H
#define LOOMWRIGHT_APPPROCESS_H

#include "process/processbase.h"
#include "process/outputstream_p.h"

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// The QML type "Process": one child program whose state and exit data are
// properties and whose output streams to QML as text signals.
class AppProcess : public ProcessBase
{
    Q_OBJECT
    Q_PROPERTY(bool bufferedStandardError READ bufferedStandardError WRITE setBufferedStandardError NOTIFY bufferedStandardErrorChanged)
    Q_PROPERTY(bool bufferedStandardOutput READ bufferedStandardOutput WRITE setBufferedStandardOutput NOTIFY bufferedStandardOutputChanged)

public:
    explicit AppProcess(QObject *parent = nullptr);
    ~AppProcess() override;

    bool bufferedStandardError() const;
    void setBufferedStandardError(bool buffered);
    bool bufferedStandardOutput() const;
    void setBufferedStandardOutput(bool buffered);

    Q_INVOKABLE void start();
    Q_INVOKABLE void start(const QString &command, const QStringList &arguments = QStringList());
    Q_INVOKABLE bool detach();

Q_SIGNALS:
    void standardError(const QString &error);
    void standardOutput(const QString &output);
    void bufferedStandardErrorChanged();
    void bufferedStandardOutputChanged();

private Q_SLOTS:
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

    OutputStream m_standardError;
    OutputStream m_standardOutput;
    QByteArray m_readBuffer;
    bool m_detached = false;
};

#endif
