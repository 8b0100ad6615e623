#ifndef LOOMWRIGHT_PORTAL_LOCALPORTAL_H
#define LOOMWRIGHT_PORTAL_LOCALPORTAL_H

// The local portal (portal/localportal.py) as a child process of a test or
// of the sample tool's demo: start it, read its URL, drive its test
// controls, stop it. Included as "portal/localportal.h".
//
// A target that includes this defines LOOMWRIGHT_PYTHON (the interpreter)
// and LOOMWRIGHT_LOCALPORTAL (the script), as tests/CMakeLists.txt does for
// tst_hostkit_localportal; without them the script is taken from the
// environment variable LOOMWRIGHT_LOCALPORTAL and the interpreter is python3.
//
// QML tests get the URL from the program that runs them. A Qt Quick Test
// runner starts the portal in its setup object and hands the URL over, and
// exports it for child processes of the test (a second tool process) as well:
//
//     void qmlEngineAvailable(QQmlEngine *engine)
//     {
//         if (m_portal.start())
//             m_portal.exportUrl();
//         engine->rootContext()->setContextProperty(QStringLiteral("localPortalUrl"),
//                                                   m_portal.url().toString());
//     }
//
// QML then reaches the test controls with XMLHttpRequest on
// localPortalUrl + "/__control/...".

#include <QByteArray>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>

class LocalPortal
{
public:
    // The environment variable that exportUrl() sets.
    static QByteArray urlVariable() { return QByteArrayLiteral("LOOMWRIGHT_PORTAL_URL"); }

    LocalPortal() = default;
    LocalPortal(const LocalPortal &) = delete;
    LocalPortal &operator=(const LocalPortal &) = delete;
    ~LocalPortal() { stop(); }

    // Starts the portal with command-line options (e.g. "--expires-in", "60",
    // "--tls") and waits for its URL; false with errorString() otherwise.
    bool start(const QStringList &options = {}, int waitMs = 30000)
    {
        stop();
        m_url.clear();
        m_process.setProgram(python());
        m_process.setArguments(QStringList{script(), QStringLiteral("--quiet")} + options);
        // Faults of the portal land in the test's own log.
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(waitMs)) {
            m_error = QStringLiteral("Cannot start %1: %2").arg(python(), m_process.errorString());
            return false;
        }
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(waitMs)) {
                m_error = QStringLiteral("The portal printed no URL");
                stop();
                return false;
            }
        }
        m_url = QUrl(QString::fromUtf8(m_process.readLine()).trimmed());
        if (!m_url.isValid() || m_url.port() <= 0) {
            m_error = QStringLiteral("Not a URL: %1").arg(m_url.toString());
            stop();
            return false;
        }
        return true;
    }

    // Asks the portal to end (SIGTERM) and waits; true when it ended by
    // itself with exit code 0, false when it had to be killed or failed.
    bool stop(int waitMs = 10000)
    {
        if (m_process.state() == QProcess::NotRunning)
            return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
        m_process.terminate();
        if (m_process.waitForFinished(waitMs))
            return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
        m_process.kill();
        m_process.waitForFinished(waitMs);
        return false;
    }

    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 processId() const { return m_process.processId(); }
    QString errorString() const { return m_error; }

    // The portal's base URL ("http://127.0.0.1:<port>") and its REST root.
    QUrl url() const { return m_url; }
    QUrl restUrl() const { return QUrl(m_url.toString() + QStringLiteral("/sharing/rest")); }

    void exportUrl() const { qputenv(urlVariable().constData(), m_url.toString().toUtf8()); }

    // One test control, /__control/<name>, with fields as a JSON body (a
    // POST) or none (a GET); the answer's JSON object, empty when there was
    // none. E.g. control("fail", {{"mode", "transport"}}).
    QJsonObject control(const QString &name, const QJsonObject &fields = {}, bool post = true,
                        int waitMs = 15000) const
    {
        QNetworkAccessManager network;
        QNetworkRequest request(QUrl(m_url.toString() + QStringLiteral("/__control/") + name));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        QNetworkReply *reply = post ? network.post(request, QJsonDocument(fields).toJson(QJsonDocument::Compact))
                                    : network.get(request);
        // The portal's certificate is its own, made at start.
        QObject::connect(reply, &QNetworkReply::sslErrors, reply, [reply] { reply->ignoreSslErrors(); });
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
        loop.exec();
        const QJsonObject answer = reply->isFinished() ? QJsonDocument::fromJson(reply->readAll()).object()
                                                       : QJsonObject();
        reply->abort();
        delete reply;
        return answer;
    }

    static QString python()
    {
#ifdef LOOMWRIGHT_PYTHON
        return QStringLiteral(LOOMWRIGHT_PYTHON);
#else
        return QStandardPaths::findExecutable(QStringLiteral("python3"));
#endif
    }

    static QString script()
    {
#ifdef LOOMWRIGHT_LOCALPORTAL
        return QStringLiteral(LOOMWRIGHT_LOCALPORTAL);
#else
        return qEnvironmentVariable("LOOMWRIGHT_LOCALPORTAL");
#endif
    }

private:
    QProcess m_process;
    QUrl m_url;
    QString m_error;
};

#endif // LOOMWRIGHT_PORTAL_LOCALPORTAL_H
