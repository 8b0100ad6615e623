// NetworkRequest as QML uses it, against a real HTTP server on 127.0.0.1.
#include "../helpers/httpserver.h"
#include "../helpers/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QJSValue>
#include <QJsonDocument>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A text as QDebug writes it into a log line: quoted, inner quotes escaped.
QString debugQuoted(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return quoted(text);
}

// Completion: 3 (ReadyStateComplete).
constexpr int complete = 3;
constexpr int waitMs = 15000;

const char *requestQml = R"(
import QtQml 2.15
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Networking 1.0

NetworkRequest {
    id: root

    property int completions: 0
    property var atCompletion: null
    property var progressSteps: []

    function sendJson(text) { send(text ? JSON.parse(text) : undefined) }
    function sendValue(value) { send(value) }
    function setBounds(milliseconds, bytes) { timeout = milliseconds; maximumResponseSize = bytes }
    function setDefaultUserAgent(text) { Hostkit.network.userAgent = text }
    function defaultUserAgent() { return Hostkit.network.userAgent }
    function responseText() { return JSON.stringify(response) }
    function responseByteLength() { return response instanceof ArrayBuffer ? response.byteLength : -1 }

    onProgressChanged: progressSteps.push(progress)
    onReadyStateChanged: {
        if (readyState !== NetworkRequest.ReadyStateComplete)
            return
        completions++
        atCompletion = { status: status, statusText: statusText, errorText: errorText,
                         progress: progress, response: JSON.stringify(response) }
    }
}
)";

// The process's resident memory and its peak in bytes, from /proc/self/status;
// -1 where the system does not tell.
qint64 memoryField(const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return -1;
}

// Makes the peak start again from what is resident now (Linux 4.0 and later).
bool resetMemoryPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1 && clear.flush();
}

}

class NetworkRequestTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void jsonResponse();
    void formFields_data();
    void formFields();
    void userAgent_data();
    void userAgent();
    void completeCarriesEverything();
    void httpError();
    void refusedConnection();
    void invalidRequests_data();
    void invalidRequests();
    void invalidJson();
    void bytesResponse();
    void download_data();
    void download();
    void downloadFollowsRedirect();
    void failedDownloadLeavesNoFile_data();
    void failedDownloadLeavesNoFile();
    void unwritableResponsePath();
    void progressGrows();
    void sendAgainAbandonsTheFirst();
    void everyRequestEnds_data();
    void everyRequestEnds();
    void sslErrors_data();
    void sslErrors();

private:
    QObject *newRequest();
    bool waitForCompletion(QObject *request);
    QVariantMap jsonOf(QObject *request);
    QString freshPath(const QString &name) const { return m_folder.filePath(name); }

    QQmlEngine m_engine;
    std::unique_ptr<QQmlComponent> m_component;
    HttpServer m_server;
    QTemporaryDir m_folder;
    QList<QObject *> m_requests;
};

void NetworkRequestTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    m_component = std::make_unique<QQmlComponent>(&m_engine);
    m_component->setData(requestQml, QUrl(QStringLiteral("file:///request.qml")));
    QVERIFY2(m_component->isReady(), qPrintable(m_component->errorString()));
    QVERIFY(m_server.start());
}

void NetworkRequestTest::init()
{
    newRequest()->setProperty("responseType", QStringLiteral("json"));
}

void NetworkRequestTest::cleanup()
{
    qDeleteAll(m_requests);
    m_requests.clear();
}

QObject *NetworkRequestTest::newRequest()
{
    QObject *request = m_component->create();
    Q_ASSERT(request);
    m_requests.append(request);
    return request;
}

bool NetworkRequestTest::waitForCompletion(QObject *request)
{
    // Also gives a second completion the chance to show up.
    const bool done = QTest::qWaitFor([request] { return request->property("readyState").toInt() == complete; },
                                      waitMs);
    QTest::qWait(20);
    return done;
}

QVariantMap NetworkRequestTest::jsonOf(QObject *request)
{
    return request->property("response").value<QJSValue>().toVariant().toMap();
}

void NetworkRequestTest::jsonResponse()
{
    QObject *request = m_requests.first();
    QCOMPARE(request->property("readyState").toInt(), 0);
    QCOMPARE(request->property("timeout").toInt(), 60000);
    QCOMPARE(request->property("maximumResponseSize").toLongLong(), qint64(64) << 20);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str("setTimeout.* Negative time-out -1 taken as none")));
    request->setProperty("timeout", -1);
    QCOMPARE(request->property("timeout").toInt(), 0);
    request->setProperty("timeout", 60000);
    request->setProperty("method", QStringLiteral("get"));
    request->setProperty("url", QUrl(m_server.base() + QStringLiteral("/echo")));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QCOMPARE(request->property("readyState").toInt(), 1);

    QVERIFY(waitForCompletion(request));
    QCOMPARE(request->property("completions").toInt(), 1);
    QCOMPARE(request->property("status").toInt(), 200);
    QCOMPARE(request->property("statusText").toString(), str("OK"));
    QCOMPARE(request->property("errorText").toString(), QString());
    QCOMPARE(request->property("progress").toDouble(), 1.0);
    const QVariantMap echo = jsonOf(request);
    QCOMPARE(echo.value(str("method")).toString(), str("GET"));
    QCOMPARE(echo.value(str("path")).toString(), str("/echo"));
}

void NetworkRequestTest::formFields_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("expectedIn");
    QTest::addColumn<QVariantMap>("expected");

    const QString fields = str(R"({"f": "pjson", "token": "a b&c=d+e%f/g?h#i", "name": "Ærø ✓"})");
    const QVariantMap plain{{str("f"), str("pjson")},
                            {str("token"), str("a b&c=d+e%f/g?h#i")},
                            {str("name"), str("Ærø ✓")}};
    QTest::newRow("POST puts them in the body") << "POST" << "/echo" << fields << "form" << plain;
    QTest::newRow("PUT puts them in the body") << "PUT" << "/echo" << fields << "form" << plain;
    QTest::newRow("GET puts them in the query") << "GET" << "/echo" << fields << "query" << plain;
    QTest::newRow("DELETE puts them in the query") << "DELETE" << "/echo" << fields << "query" << plain;

    QTest::newRow("GET keeps the URL's own query")
        << "GET" << "/echo?x=1&y=%26" << str(R"({"z": "2"})") << "query"
        << QVariantMap{{str("x"), str("1")}, {str("y"), str("&")}, {str("z"), str("2")}};
    QTest::newRow("numbers, booleans, lists and objects become text")
        << "POST" << "/echo" << str(R"({"n": 12, "r": 0.5, "b": false, "tags": ["a", "b"], "o": {"k": 1}})")
        << "form"
        << QVariantMap{{str("n"), str("12")},
                       {str("r"), str("0.5")},
                       {str("b"), str("false")},
                       {str("tags"), str(R"(["a","b"])")},
                       {str("o"), str(R"({"k":1})")}};
    QTest::newRow("null members are left out")
        << "POST" << "/echo" << str(R"({"a": null, "b": ""})") << "form" << QVariantMap{{str("b"), QString()}};
    QTest::newRow("no form data, no fields") << "POST" << "/echo" << QString() << "form" << QVariantMap();
}

void NetworkRequestTest::formFields()
{
    QFETCH(QString, method);
    QFETCH(QString, path);
    QFETCH(QString, form);
    QFETCH(QString, expectedIn);
    QFETCH(QVariantMap, expected);

    QObject *request = m_requests.first();
    request->setProperty("method", method);
    request->setProperty("url", QUrl(m_server.base() + path));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, form));
    QVERIFY(waitForCompletion(request));
    QCOMPARE(request->property("errorText").toString(), QString());

    const QVariantMap echo = jsonOf(request);
    QCOMPARE(echo.value(str("method")).toString(), method);
    QCOMPARE(echo.value(expectedIn).toMap(), expected);
    const QString elsewhere = expectedIn == str("form") ? str("query") : str("form");
    QCOMPARE(echo.value(elsewhere).toMap(), QVariantMap());
    if (expectedIn == str("form"))
        QCOMPARE(echo.value(str("contentType")).toString(), str("application/x-www-form-urlencoded"));
}

void NetworkRequestTest::userAgent_data()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("processDefault");
    QTest::addColumn<QString>("expected");

    QTest::newRow("the request's own") << "Tool/1.0 (Linux)" << "Default/2.0" << "Tool/1.0 (Linux)";
    QTest::newRow("the network's default without one") << "" << "Default/2.0" << "Default/2.0";
}

void NetworkRequestTest::userAgent()
{
    QFETCH(QString, own);
    QFETCH(QString, processDefault);
    QFETCH(QString, expected);

    QObject *request = m_requests.first();
    QVariant previous;
    QMetaObject::invokeMethod(request, "defaultUserAgent", Q_RETURN_ARG(QVariant, previous));
    QCOMPARE(previous.toString(), str("Hostkit/1.0.0"));
    QMetaObject::invokeMethod(request, "setDefaultUserAgent", Q_ARG(QVariant, processDefault));

    // A request of another engine sees the same default.
    QQmlEngine otherEngine;
    otherEngine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent component(&otherEngine);
    component.setData(requestQml, QUrl(QStringLiteral("file:///request.qml")));
    std::unique_ptr<QObject> other(component.create());
    QVERIFY(other);
    other->setProperty("responseType", str("json"));
    other->setProperty("url", QUrl(m_server.base() + QStringLiteral("/echo")));
    other->property("headers").value<QObject *>()->setProperty("userAgent", own);
    QMetaObject::invokeMethod(other.get(), "sendJson", Q_ARG(QVariant, QString()));
    const bool done = waitForCompletion(other.get());
    QMetaObject::invokeMethod(request, "setDefaultUserAgent", Q_ARG(QVariant, previous));
    QVERIFY(done);

    QCOMPARE(jsonOf(other.get()).value(str("userAgent")).toString(), expected);
}

void NetworkRequestTest::completeCarriesEverything()
{
    QObject *request = m_requests.first();
    request->setProperty("url", QUrl(m_server.base() + QStringLiteral("/echo")));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, str(R"({"a": "1"})")));
    QVERIFY(waitForCompletion(request));

    // What a handler of the state change saw, not what is there afterwards.
    const QVariantMap seen = request->property("atCompletion").value<QJSValue>().toVariant().toMap();
    QCOMPARE(seen.value(str("status")).toInt(), 200);
    QCOMPARE(seen.value(str("statusText")).toString(), str("OK"));
    QCOMPARE(seen.value(str("errorText")).toString(), QString());
    QCOMPARE(seen.value(str("progress")).toDouble(), 1.0);
    QVERIFY(seen.value(str("response")).toString().contains(str(R"("form":{"a":"1"})")));
}

void NetworkRequestTest::httpError()
{
    QObject *request = m_requests.first();
    request->setProperty("url", QUrl(m_server.base() + QStringLiteral("/status/404")));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QVERIFY(waitForCompletion(request));

    QCOMPARE(request->property("completions").toInt(), 1);
    QCOMPARE(request->property("status").toInt(), 404);
    QCOMPARE(request->property("statusText").toString(), str("Not Found"));
    QVERIFY(request->property("errorText").toString().contains(str("Not Found")));
    // The server's error body stays readable.
    QCOMPARE(jsonOf(request).value(str("error")).toMap().value(str("code")).toInt(), 404);
}

void NetworkRequestTest::refusedConnection()
{
    // A port that was free a moment ago: nobody listens there.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();

    QObject *request = m_requests.first();
    request->setProperty("url", QUrl(QStringLiteral("http://127.0.0.1:%1/echo").arg(port)));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QVERIFY(waitForCompletion(request));

    QCOMPARE(request->property("completions").toInt(), 1);
    QCOMPARE(request->property("status").toInt(), 0);
    const QString error = request->property("errorText").toString();
    QVERIFY2(error.contains(str("refused"), Qt::CaseInsensitive), qPrintable(error));
    QCOMPARE(request->property("statusText").toString(), error);
    QVERIFY(request->property("response").value<QJSValue>().isNull());
}

void NetworkRequestTest::invalidRequests_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("formScript");
    QTest::addColumn<QString>("expectedError");

    QTest::newRow("no URL") << "POST" << "" << "undefined" << "Invalid URL \"\"";
    QTest::newRow("unknown method") << "FETCH" << "/echo" << "undefined" << "Unknown method \"FETCH\"";
    QTest::newRow("form data that is text") << "POST" << "/echo" << "'a=b'" << "Form data is not an object";
}

void NetworkRequestTest::invalidRequests()
{
    QFETCH(QString, method);
    QFETCH(QString, url);
    QFETCH(QString, formScript);
    QFETCH(QString, expectedError);

    QObject *request = m_requests.first();
    request->setProperty("method", method);
    request->setProperty("url", QUrl(url.startsWith(QLatin1Char('/')) ? m_server.base() + url : url));
    const QJSValue form = m_engine.evaluate(formScript);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("NetworkRequest::send.* ")
                                            + QRegularExpression::escape(debugQuoted(expectedError))));
    QMetaObject::invokeMethod(request, "sendValue", Q_ARG(QVariant, QVariant::fromValue(form)));

    // Completes later, like every request, so that handlers see it.
    QCOMPARE(request->property("readyState").toInt(), 1);
    QVERIFY(waitForCompletion(request));
    QCOMPARE(request->property("completions").toInt(), 1);
    QCOMPARE(request->property("status").toInt(), 0);
    QCOMPARE(request->property("errorText").toString(), expectedError);
}

void NetworkRequestTest::invalidJson()
{
    QObject *request = m_requests.first();
    request->setProperty("url", QUrl(m_server.base() + QStringLiteral("/text/not%20json%20%7B")));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QVERIFY(waitForCompletion(request));

    QCOMPARE(request->property("status").toInt(), 200);
    QVERIFY(request->property("errorText").toString().startsWith(str("Invalid JSON response")));
    QVERIFY(request->property("response").value<QJSValue>().isNull());
}

void NetworkRequestTest::bytesResponse()
{
    QObject *request = m_requests.first();
    request->setProperty("responseType", str("image"));
    request->setProperty("method", str("GET"));
    request->setProperty("url", QUrl(m_server.base() + QStringLiteral("/bytes/1000")));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QVERIFY(waitForCompletion(request));

    QVariant length;
    QMetaObject::invokeMethod(request, "responseByteLength", Q_RETURN_ARG(QVariant, length));
    QCOMPARE(length.toInt(), 1000);
}

void NetworkRequestTest::download_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "/bytes/300000";
    // Decompressed on arrival: longer than the length the server announced.
    QTest::newRow("gzip-encoded") << "/gzip/300000";
    QTest::newRow("deflate-encoded") << "/deflate/300000";
    QTest::newRow("deflate-encoded, bare deflate data") << "/deflate/300000?raw=1";
}

void NetworkRequestTest::download()
{
    QFETCH(QString, path);
    QTemporaryDir folder;
    const QString target = folder.filePath(str("new folder/sub/item.zip"));
    QObject *request = m_requests.first();
    request->setProperty("responseType", str("zip"));
    request->setProperty("method", str("GET"));
    request->setProperty("responsePath", QUrl::fromLocalFile(target).toString());
    request->setProperty("url", QUrl(m_server.base() + path));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, str(R"({"token": "t"})")));
    QVERIFY(waitForCompletion(request));

    QCOMPARE(request->property("errorText").toString(), QString());
    QCOMPARE(request->property("status").toInt(), 200);
    QCOMPARE(request->property("response").value<QJSValue>().toString(), target);
    const QByteArray written = fileContents(target);
    QCOMPARE(written.size(), 300000);
    QCOMPARE(written.at(299999), char(299999 % 251));
    // Nothing beside it: the temporary file became the target.
    QCOMPARE(entries(QFileInfo(target).path()), QStringList{str("item.zip")});
}

void NetworkRequestTest::downloadFollowsRedirect()
{
    const QString target = freshPath(str("redirected.png"));
    QObject *request = m_requests.first();
    request->setProperty("responseType", str("image"));
    request->setProperty("method", str("GET"));
    request->setProperty("responsePath", target);
    request->setProperty("url", QUrl(m_server.base() + QStringLiteral("/redirect?to=/bytes/10")));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QVERIFY(waitForCompletion(request));

    QCOMPARE(request->property("status").toInt(), 200);
    QCOMPARE(fileContents(target).size(), 10);
}

void NetworkRequestTest::failedDownloadLeavesNoFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<int>("expectedStatus");

    QTest::newRow("404, no file yet") << "/status/404" << false << 404;
    QTest::newRow("404, earlier file kept") << "/status/404" << true << 404;
    QTest::newRow("connection lost halfway, no file yet") << "/truncated/200000" << false << 200;
    QTest::newRow("connection lost halfway, earlier file kept") << "/truncated/200000" << true << 200;
    QTest::newRow("connection refused") << "refused" << false << 0;
}

void NetworkRequestTest::failedDownloadLeavesNoFile()
{
    QFETCH(QString, path);
    QFETCH(bool, targetExists);
    QFETCH(int, expectedStatus);

    QTemporaryDir folder;
    const QString target = folder.filePath(str("item.zip"));
    if (targetExists)
        QVERIFY(writeFile(target, "earlier download"));

    QString url = m_server.base() + path;
    if (path == str("refused")) {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        url = QStringLiteral("http://127.0.0.1:%1/bytes/10").arg(probe.serverPort());
        probe.close();
    }

    QObject *request = m_requests.first();
    request->setProperty("responseType", str("zip"));
    request->setProperty("method", str("GET"));
    request->setProperty("responsePath", target);
    request->setProperty("url", QUrl(url));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QVERIFY(waitForCompletion(request));

    QCOMPARE(request->property("status").toInt(), expectedStatus);
    QVERIFY(!request->property("errorText").toString().isEmpty());
    QVERIFY(request->property("response").value<QJSValue>().toString() != target);
    QCOMPARE(entries(folder.path()), targetExists ? QStringList{str("item.zip")} : QStringList());
    if (targetExists)
        QCOMPARE(fileContents(target), QByteArray("earlier download"));
}

void NetworkRequestTest::unwritableResponsePath()
{
    // A file stands where the folder would have to be.
    QVERIFY(writeFile(freshPath(str("plain-file")), "x"));
    const QString target = freshPath(str("plain-file/item.zip"));

    QObject *request = m_requests.first();
    request->setProperty("method", str("GET"));
    request->setProperty("responsePath", target);
    request->setProperty("url", QUrl(m_server.base() + QStringLiteral("/bytes/10")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str("NetworkRequest::send.* \"Cannot write ")));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QVERIFY(waitForCompletion(request));

    QCOMPARE(request->property("status").toInt(), 0);
    QVERIFY(request->property("errorText").toString().startsWith(str("Cannot write \"") + target));
}

void NetworkRequestTest::progressGrows()
{
    QObject *request = m_requests.first();
    request->setProperty("responseType", str("zip"));
    request->setProperty("method", str("GET"));
    request->setProperty("url", QUrl(m_server.base() + QStringLiteral("/slow/64000")));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QVERIFY(waitForCompletion(request));

    const QVariantList steps = request->property("progressSteps").value<QJSValue>().toVariant().toList();
    QVERIFY2(steps.size() >= 3, qPrintable(QString::number(steps.size())));
    for (int i = 1; i < steps.size(); ++i)
        QVERIFY(steps.at(i).toDouble() > steps.at(i - 1).toDouble());
    QVERIFY(steps.first().toDouble() > 0.0);
    QCOMPARE(steps.last().toDouble(), 1.0);
}

void NetworkRequestTest::sendAgainAbandonsTheFirst()
{
    const QString target = freshPath(str("abandoned.zip"));
    QObject *request = m_requests.first();
    request->setProperty("method", str("GET"));
    request->setProperty("responsePath", target);
    request->setProperty("url", QUrl(m_server.base() + QStringLiteral("/slow/64000")));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QVERIFY(QTest::qWaitFor([request] { return request->property("progress").toDouble() > 0.0; }, waitMs));

    request->setProperty("responsePath", QString());
    request->setProperty("url", QUrl(m_server.base() + QStringLiteral("/echo")));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QVERIFY(waitForCompletion(request));
    QTest::qWait(500);

    QCOMPARE(request->property("completions").toInt(), 1);
    QCOMPARE(jsonOf(request).value(str("path")).toString(), str("/echo"));
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(entries(m_folder.path()).filter(str("abandoned")), QStringList());
}

void NetworkRequestTest::everyRequestEnds_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("toFile");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<QString>("expectedError");

    const QString timedOut = str("Request timed out: nothing arrived for 300 ms from ");
    const QString tooLarge = str("Response too large: more than 1048576 bytes from ");
    const int standard = 60000;
    QTest::newRow("never answers") << "/never" << false << 300 << timedOut;
    QTest::newRow("never answers a download") << "/never" << true << 300 << timedOut;
    QTest::newRow("trickles slower than the time-out") << "/trickle/100?every=2000" << false << 300 << timedOut;
    QTest::newRow("trickles a download") << "/trickle/100?every=2000" << true << 300 << timedOut;
    QTest::newRow("endless JSON") << "/endless" << false << standard << tooLarge;
    QTest::newRow("endless JSON, announced") << "/endless?announce=1" << false << standard << tooLarge;
    QTest::newRow("endless error page of a download") << "/endless?status=500" << true << standard << tooLarge;
    QTest::newRow("download cut half way") << "/truncated/400000" << true << standard << "any";
    // Without a length, only the compressed stream tells that it ends early.
    QTest::newRow("compressed download cut half way") << "/gzipcut/400000" << true << standard << "any";
    QTest::newRow("compressed answer cut half way") << "/gzipcut/400000" << false << standard << "any";
    // Qt's own text names the URL.
    QTest::newRow("error status of a download") << "/status/404" << true << standard << "any";
    // Downloads go to disk as they arrive: the bound is not theirs.
    QTest::newRow("download larger than the bound") << "/bytes/3000000" << true << standard << "none";
}

void NetworkRequestTest::everyRequestEnds()
{
    QFETCH(QString, path);
    QFETCH(bool, toFile);
    QFETCH(int, timeout);
    QFETCH(QString, expectedError);

    QTemporaryDir folder;
    const QString target = folder.filePath(str("item.zip"));
    const qint64 mebibyte = qint64(1) << 20;
    QObject *request = m_requests.first();
    request->setProperty("method", str("GET"));
    request->setProperty("responsePath", toFile ? target : QString());
    request->setProperty("url", QUrl(m_server.base() + path));
    QMetaObject::invokeMethod(request, "setBounds", Q_ARG(QVariant, timeout), Q_ARG(QVariant, mebibyte));
    QCOMPARE(request->property("maximumResponseSize").toLongLong(), mebibyte);
    if (expectedError.startsWith(str("Response too large")))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str("abortWith.* \"Response too large: ")));

    const bool measured = resetMemoryPeak() && memoryField("VmRSS") > 0;
    const qint64 residentBefore = memoryField("VmRSS");
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, str(R"({"token": "s3cret"})")));
    QVERIFY(waitForCompletion(request));

    const QString error = request->property("errorText").toString();
    QCOMPARE(request->property("completions").toInt(), 1);
    QVERIFY2(!error.contains(str("s3cret")), qPrintable(error));
    if (expectedError == str("none")) {
        QCOMPARE(error, QString());
        QCOMPARE(fileContents(target).size(), 3000000);
    } else {
        QVERIFY(!error.isEmpty());
        if (expectedError != str("any")) {
            // The URL as sent, its token masked.
            const QString url = m_server.base() + path + (path.contains(QLatin1Char('?')) ? str("&") : str("?"))
                                + str("token=***");
            QCOMPARE(error, expectedError + url);
        }
        QCOMPARE(entries(folder.path()), QStringList());
        if (expectedError == str("any"))
            QVERIFY(request->property("response").value<QJSValue>().toString() != target);
        else
            QVERIFY(request->property("response").value<QJSValue>().isNull());
    }
    // Nothing beyond the bound and the buffers of the network layer was held.
    if (measured) {
        const qint64 grown = memoryField("VmHWM") - residentBefore;
        QVERIFY2(grown < 48 * mebibyte, qPrintable(QString::number(grown)));
    }
}

void NetworkRequestTest::sslErrors_data()
{
    QTest::addColumn<bool>("ignore");
    QTest::newRow("self-signed certificate refused") << false;
    QTest::newRow("self-signed certificate ignored on request") << true;
}

void NetworkRequestTest::sslErrors()
{
    QFETCH(bool, ignore);
    if (!QSslSocket::supportsSsl())
        QSKIP("This Qt has no TLS support");

    QTemporaryDir folder;
    const QString certificate = folder.filePath(str("certificate.pem"));
    const QString key = folder.filePath(str("key.pem"));
    QProcess openssl;
    openssl.start(str("openssl"), {str("req"), str("-x509"), str("-newkey"), str("rsa:2048"), str("-nodes"),
                                   str("-days"), str("1"), str("-subj"), str("/CN=127.0.0.1"), str("-keyout"), key,
                                   str("-out"), certificate});
    if (!openssl.waitForFinished(waitMs) || openssl.exitCode() != 0)
        QSKIP("openssl could not make a certificate");

    HttpServer server;
    QVERIFY(server.start({str("--tls"), certificate, key}));

    QObject *request = m_requests.first();
    request->setProperty("ignoreSslErrors", ignore);
    request->setProperty("url", QUrl(server.base(str("https")) + QStringLiteral("/echo")));
    QMetaObject::invokeMethod(request, "sendJson", Q_ARG(QVariant, QString()));
    QVERIFY(waitForCompletion(request));

    if (ignore) {
        QCOMPARE(request->property("errorText").toString(), QString());
        QCOMPARE(request->property("status").toInt(), 200);
    } else {
        QCOMPARE(request->property("status").toInt(), 0);
        const QString error = request->property("errorText").toString();
        QVERIFY2(error.contains(str("SSL"), Qt::CaseInsensitive), qPrintable(error));
    }
}

QTEST_MAIN(NetworkRequestTest)

#include "tst_networkrequest.moc"
