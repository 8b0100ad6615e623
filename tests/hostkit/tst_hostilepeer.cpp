// The network types against a server that misbehaves on purpose
// (helpers/httpserver.py): each row runs a client in a child process of its
// own, which must end the row in bounded time and memory with the right
// result. The child's peak memory is read from outside, so that a client
// that inflates a bomb shows it even if it would not survive it.
#include "../helpers/httpserver.h"
#include "../helpers/testsupport.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

const int rowMs = 60000;
const qint64 mebibyte = qint64(1) << 20;
// A QML engine with its network layer, under the sanitizers too; a client
// that holds an inflated gigabyte is far above it.
const qint64 memoryBound = 512 * mebibyte;

const char *requestClient = R"(
import QtQml 2.15
import Varnex.Hostkit.Networking 1.0

NetworkRequest {
    signal finished(string result)
    %1
    onReadyStateChanged: {
        if (readyState === NetworkRequest.ReadyStateComplete)
            finished(JSON.stringify({ status: status, errorText: errorText }))
    }
    // Sizes are 64-bit, which only a script assigns.
    Component.onCompleted: { %3; send(%2) }
}
)";

const char *searchClient = R"(
import QtQml 2.15
import Varnex.Hostkit.Desktop 1.0

AppInfoList {
    signal finished(string result)
    autoRefresh: false
    searchQuery: "tags:any"
    portal: QtObject {
        property url restUrl: "%1"
        property string token: "t"
        property bool signedIn: true
    }
    onRefreshingChanged: {
        if (!refreshing)
            finished(JSON.stringify({ status: 0, errorText: "" }))
    }
    Component.onCompleted: refresh()
}
)";

const char *itemClient = R"(
import QtQml 2.15
import Varnex.Hostkit.Desktop 1.0

ItemPackage {
    signal finished(string result)
    folder: "%FOLDER%"
    itemId: "%1"
    portal: QtObject {
        property url restUrl: "%2/portal"
        property string token: "t"
        property bool signedIn: true
    }
    onStatusChanged: {
        if (status === ItemPackage.Ready || status === ItemPackage.Error)
            finished(JSON.stringify({ status: status, errorText: error.message ? error.message + ": " + error.details : "" }))
    }
    Component.onCompleted: download()
}
)";

// The child's end of a row: prints the client's result on one line.
class ClientResult : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void print(const QString &result)
    {
        std::fputs(qPrintable(QStringLiteral("RESULT ") + result + QLatin1Char('\n')), stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    }
};

// The child: runs the client until it has a result, then waits for the end
// of its input, so that the parent reads its memory before it goes.
int runClient(const QString &qml)
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent component(&engine);
    component.setData(qml.toUtf8(), QUrl(QStringLiteral("file:///client.qml")));
    std::unique_ptr<QObject> client(component.create());
    if (!client) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 1;
    }
    ClientResult result;
    QObject::connect(client.get(), SIGNAL(finished(QString)), &result, SLOT(print(QString)));
    QCoreApplication::exec();
    while (std::fgetc(stdin) != EOF) {
    }
    return 0;
}

QJsonObject requestsSeen(const HttpServer &server)
{
    QNetworkAccessManager network;
    std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(QUrl(server.base() + QStringLiteral("/log")))));
    QTest::qWaitFor([&reply] { return reply->isFinished(); }, rowMs);
    QJsonObject seen;
    seen.insert(QStringLiteral("requests"), QJsonDocument::fromJson(reply->readAll()).array());
    return seen;
}

}

class HostilePeerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyRowEnds_data();
    void everyRowEnds();

private:
    HttpServer m_server;
};

void HostilePeerTest::initTestCase()
{
    QVERIFY(m_server.start());
}

void HostilePeerTest::everyRowEnds_data()
{
    QTest::addColumn<QString>("client");
    QTest::addColumn<QString>("expectedError");
    // How many requests for the path the server saw at most, or -1.
    QTest::addColumn<QString>("countedPath");
    QTest::addColumn<int>("mostRequests");

    const QString base = m_server.base();
    const QString other = m_server.base(str("http"), str("localhost"));
    const auto request = [](const QString &properties, const QString &form = str("undefined"),
                            const QString &setup = QString()) -> QString {
        return QString::fromUtf8(requestClient).arg(properties, form, setup);
    };
    const auto toFile = [](const QString &properties) -> QString {
        return properties + str("\n    responsePath: \"%FILE%\"");
    };

    const QString trickle = str("method: \"GET\"; timeout: 1000; url: \"%1/trickle/100000?every=300\"").arg(base);
    QTest::newRow("trickle into memory") << request(trickle)
                                         << "^Request took too long: no complete answer within 2000 ms" << "" << -1;
    QTest::newRow("trickle into a file")
        << request(toFile(trickle)) << "^Download too slow: less than 1024 bytes per second for 2000 ms" << "" << -1;
    QTest::newRow("slow but honest download")
        << request(toFile(str("method: \"GET\"; timeout: 500; url: \"%1/pace/150000?rate=50000\"").arg(base))) << "^$"
        << "" << -1;

    QTest::newRow("gzip bomb into memory") << request(str("method: \"GET\"; url: \"%1/bomb/1024\"").arg(base))
                                           << "^Response too large: more than 67108864 bytes" << "" << -1;
    QTest::newRow("gzip bomb into a file")
        << request(toFile(str("method: \"GET\"; url: \"%1/bomb/1024\"").arg(base)), str("undefined"),
                   str("maximumFileSize = 104857600"))
        << "^Response too large: more than 104857600 bytes" << "" << -1;
    QTest::newRow("endless body into a file")
        << request(toFile(str("method: \"GET\"; url: \"%1/endless\"").arg(base)), str("undefined"),
                   str("maximumFileSize = 8388608"))
        << "^Response too large: more than 8388608 bytes" << "" << -1;

    const QString secret = str("{ token: \"s3cret\", refresh_token: \"r3fresh\" }");
    QTest::newRow("token redirected to another host")
        << request(str("url: \"%1/redirect?status=307&to=%2/echo\"").arg(base, other), secret)
        << "^Redirect to another host refused: from .* to http://localhost:\\d+/echo$" << "/echo" << 0;
    QTest::newRow("token in the query redirected to another port")
        << request(str("method: \"GET\"; url: \"%1/redirect?to=http://127.0.0.1:9/echo\"").arg(base),
                   str("{ token: \"s3cret\" }"))
        << "^Redirect to another host refused" << "/echo" << 0;
    QTest::newRow("token redirected on the same host")
        << request(str("url: \"%1/redirect?status=307&to=/echo\"").arg(base), secret) << "^$" << "/echo" << 1;

    const auto item = [&base](const char *id) { return QString::fromUtf8(itemClient).arg(str(id), base); };
    QTest::newRow("archive whose links chain out of its folder")
        << item("linkchain") << "^The archive holds an entry outside its folder: .*a/b/y" << "" << -1;
    QTest::newRow("archive with a wrong CRC-32") << item("badcrc") << "^The archive is damaged: .*data.bin" << "" << -1;
    QTest::newRow("archive that states a wrong size")
        << item("badsize") << "^The archive is damaged: .*data.bin" << "" << -1;

    QTest::newRow("endless empty pages") << QString::fromUtf8(searchClient).arg(base + str("/search/empty")) << "^$"
                                         << "/search/empty" << 1;
    // Ten pages hold every app a list shows.
    QTest::newRow("one app a page for ever") << QString::fromUtf8(searchClient).arg(base + str("/search/one")) << "^$"
                                             << "/search/one" << 10;
}

void HostilePeerTest::everyRowEnds()
{
    QFETCH(QString, client);
    QFETCH(QString, expectedError);
    QFETCH(QString, countedPath);
    QFETCH(int, mostRequests);

    QTemporaryDir folder;
    const QString target = folder.filePath(str("download.bin"));
    client.replace(str("%FILE%"), target).replace(str("%FOLDER%"), folder.path());
    const int before = requestsSeen(m_server).value(str("requests")).toArray().size();

    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({str("--client"), client});
    QElapsedTimer clock;
    clock.start();
    child.start();
    QVERIFY(child.waitForStarted(rowMs));
    QByteArray line;
    QVERIFY2(QTest::qWaitFor(
                 [&child, &line] {
                     if (!child.canReadLine())
                         return child.state() == QProcess::NotRunning;
                     line = child.readLine().trimmed();
                     return true;
                 },
                 rowMs),
             "the client never ended");
    const qint64 elapsed = clock.elapsed();
    qint64 peak = -1;
#ifdef Q_OS_LINUX
    const QByteArray status = fileContents(QStringLiteral("/proc/%1/status").arg(child.processId()));
    const QRegularExpressionMatch hwm = QRegularExpression(str("VmHWM:\\s*(\\d+) kB")).match(QString::fromLatin1(status));
    if (hwm.hasMatch())
        peak = hwm.captured(1).toLongLong() * 1024;
#endif
    child.closeWriteChannel();
    QVERIFY(child.waitForFinished(rowMs));
    const QString diagnostics = QString::fromLocal8Bit(child.readAllStandardError());
    QVERIFY2(line.startsWith("RESULT "), qPrintable(diagnostics));
    QCOMPARE(child.exitCode(), 0);

    const QJsonObject result = QJsonDocument::fromJson(line.mid(7)).object();
    const QString error = result.value(str("errorText")).toString();
    QVERIFY2(QRegularExpression(expectedError).match(error).hasMatch(), qPrintable(error));
    QVERIFY2(!error.contains(str("s3cret")) && !error.contains(str("r3fresh")), qPrintable(error));
    // A failed download leaves nothing behind.
    QCOMPARE(entries(folder.path()), error.isEmpty() && client.contains(target) ? QStringList{str("download.bin")}
                                                                                  : QStringList());
    if (peak >= 0)
        QVERIFY2(peak < memoryBound, qPrintable(QString::number(peak)));
    QVERIFY2(elapsed < rowMs, qPrintable(QString::number(elapsed)));
    qInfo("%s: %lld ms, peak %lld MiB", QTest::currentDataTag(), elapsed, peak / mebibyte);

    if (mostRequests >= 0) {
        const QJsonArray requests = requestsSeen(m_server).value(str("requests")).toArray();
        int counted = 0;
        for (int i = before; i < requests.size(); ++i) {
            const QJsonObject seen = requests.at(i).toObject();
            if (seen.value(str("path")).toString().startsWith(countedPath))
                ++counted;
            // No secret reached another host.
            if (seen.value(str("host")).toString().startsWith(str("localhost")))
                QVERIFY(!seen.value(str("body")).toString().contains(str("s3cret")));
        }
        QVERIFY2(counted <= mostRequests && (mostRequests == 0 || counted > 0), qPrintable(QString::number(counted)));
    }
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--client") == 0)
        return runClient(QString::fromUtf8(argv[2]));
    HostilePeerTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostilepeer.moc"
