#ifndef LOOMWRIGHT_TESTS_HTTPSERVER_H
#define LOOMWRIGHT_TESTS_HTTPSERVER_H

// One process of helpers/httpserver.py, the tests' HTTP(S) server on
// 127.0.0.1, for the tests that define LOOMWRIGHT_PYTHON and
// LOOMWRIGHT_HTTPSERVER.

#include <QProcess>
#include <QString>
#include <QStringList>

class HttpServer
{
public:
    static constexpr int startMs = 15000;

    bool start(const QStringList &arguments = {})
    {
        m_process.setProgram(QStringLiteral(LOOMWRIGHT_PYTHON));
        m_process.setArguments(QStringList{QStringLiteral(LOOMWRIGHT_HTTPSERVER)} + arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(startMs))
            return false;
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(startMs))
                return false;
        }
        const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
        m_port = line.section(QLatin1Char(' '), 1).toInt();
        return line.startsWith(QLatin1String("PORT ")) && m_port > 0;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    ~HttpServer() { stop(); }

    int port() const { return m_port; }

    QString base(const QString &scheme = QStringLiteral("http"), const QString &host = QStringLiteral("127.0.0.1")) const
    {
        return QStringLiteral("%1://%2:%3").arg(scheme, host).arg(m_port);
    }

private:
    QProcess m_process;
    int m_port = 0;
};

#endif // LOOMWRIGHT_TESTS_HTTPSERVER_H
