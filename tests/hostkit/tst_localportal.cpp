// The local portal (portal/localportal.py) as the portal tests will use it:
// started as a child through portal/localportal.h, spoken to over HTTP.
#include "portal/localportal.h"
#include "../helpers/testchild.h"
#include "../helpers/testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

namespace {

const QString outOfBand = QStringLiteral("urn:ietf:wg:oauth:2.0:oob");
const QString clientId = QStringLiteral("loomwright-test");

using Fields = QList<QPair<QString, QString>>;

struct Answer
{
    int status = 0;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QByteArray body;
    QString contentType;

    QJsonObject json() const { return QJsonDocument::fromJson(body).object(); }
    QJsonObject portalError() const { return json().value(QStringLiteral("error")).toObject(); }
};

QByteArray encoded(const Fields &fields)
{
    QUrlQuery query;
    for (const auto &field : fields)
        query.addQueryItem(QString::fromLatin1(QUrl::toPercentEncoding(field.first)),
                           QString::fromLatin1(QUrl::toPercentEncoding(field.second)));
    return query.query(QUrl::FullyEncoded).toLatin1();
}

// The page title of an HTML answer.
QString titleOf(const QByteArray &page)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("<title>([^<]*)</title>"))
                                              .match(QString::fromUtf8(page));
    return match.captured(1);
}

}

class LocalPortalTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void signInAndContent();
    void tokenRefusals_data();
    void tokenRefusals();
    void refreshAnswers_data();
    void refreshAnswers();
    void errorForms_data();
    void errorForms();
    void transportFailure();
    void search_data();
    void search();
    void tls_data();
    void tls();
    void site_data();
    void site();
    void silentConnectionIsClosed();
    void endsWithItsParent();

private:
    Answer call(const QString &method, const QString &path, const Fields &fields = {}, const QUrl &base = {});
    QString code(const QString &client = clientId);
    QJsonObject tokens(const QString &client = clientId);
    QString rest(const QString &path) const { return QStringLiteral("/sharing/rest") + path; }

    QNetworkAccessManager m_network;
    LocalPortal m_portal;
    bool m_ignoreSslErrors = false;
};

void LocalPortalTest::initTestCase()
{
    QVERIFY2(m_portal.start({str("--expires-in"), str("120")}), qPrintable(m_portal.errorString()));
    QCOMPARE(m_portal.url().host(), str("127.0.0.1"));
    QCOMPARE(m_portal.url().scheme(), str("http"));
}

void LocalPortalTest::init()
{
    // Every test starts from the run's own settings, without pending failures.
    m_portal.control(str("config"), {{str("error_form"), str("json")}, {str("refresh_token_mode"), str("keep")}});
    m_portal.control(str("clear-failures"));
}

void LocalPortalTest::cleanupTestCase()
{
    // It ends on SIGTERM by itself, with exit code 0.
    QVERIFY(m_portal.stop());
}

Answer LocalPortalTest::call(const QString &method, const QString &path, const Fields &fields, const QUrl &base)
{
    QUrl url((base.isEmpty() ? m_portal.url() : base).toString() + path);
    if (method == str("GET") && !fields.isEmpty())
        url.setQuery(QString::fromLatin1(encoded(fields)), QUrl::StrictMode);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::ContentTypeHeader, str("application/x-www-form-urlencoded"));
    QNetworkReply *reply = method == str("GET") ? m_network.get(request) : m_network.post(request, encoded(fields));
    if (m_ignoreSslErrors)
        connect(reply, &QNetworkReply::sslErrors, reply, [reply] { reply->ignoreSslErrors(); });
    QSignalSpy finished(reply, &QNetworkReply::finished);
    finished.wait(waitMs);

    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.error = reply->isFinished() ? reply->error() : QNetworkReply::TimeoutError;
    answer.body = reply->readAll();
    answer.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    reply->abort();
    delete reply;
    return answer;
}

QString LocalPortalTest::code(const QString &client)
{
    // As a person does it: the page, then its Allow button.
    const Answer page = call(str("GET"), rest(str("/oauth2/authorize/")),
                             {{str("client_id"), client}, {str("grant_type"), str("code")},
                              {str("response_type"), str("code")}, {str("expiration"), str("-1")},
                              {str("redirect_uri"), outOfBand}, {str("locale"), str("de")}});
    const Answer allowed = call(str("POST"), rest(str("/oauth2/authorize/")),
                                {{str("client_id"), client}, {str("redirect_uri"), outOfBand},
                                 {str("expiration"), str("-1")}, {str("username"), str("demo")},
                                 {str("action"), str("allow")}});
    if (page.status != 200 || !titleOf(allowed.body).startsWith(str("SUCCESS code=")))
        return QString();
    return titleOf(allowed.body).mid(int(qstrlen("SUCCESS code=")));
}

QJsonObject LocalPortalTest::tokens(const QString &client)
{
    return call(str("POST"), rest(str("/oauth2/token")),
                {{str("grant_type"), str("authorization_code")}, {str("client_id"), client},
                 {str("code"), code(client)}, {str("redirect_uri"), outOfBand}})
        .json();
}

void LocalPortalTest::signInAndContent()
{
    // The page a person sees, with both buttons and the application named.
    const Answer page = call(str("GET"), rest(str("/oauth2/authorize/")),
                             {{str("client_id"), clientId}, {str("response_type"), str("code")},
                              {str("redirect_uri"), outOfBand}});
    QCOMPARE(page.status, 200);
    QVERIFY(page.contentType.startsWith(str("text/html")));
    for (const char *part : {"id=\"allow\"", ">Allow</button>", "id=\"cancel\"", ">Cancel</button>",
                             "loomwright-test"})
        QVERIFY2(page.body.contains(part), part);
    const Answer cancelled = call(str("POST"), rest(str("/oauth2/authorize/")),
                                  {{str("client_id"), clientId}, {str("action"), str("cancel")}});
    QCOMPARE(titleOf(cancelled.body), str("Denied error=access_denied"));

    const QJsonObject granted = tokens();
    const QString token = granted.value(str("access_token")).toString();
    const QString refreshToken = granted.value(str("refresh_token")).toString();
    QVERIFY2(!token.isEmpty() && !refreshToken.isEmpty(), QJsonDocument(granted).toJson().constData());
    QCOMPARE(granted.value(str("expires_in")).toInt(), 120);
    QCOMPARE(granted.value(str("username")).toString(), str("demo"));

    const Fields signedIn{{str("f"), str("pjson")}, {str("token"), token}};
    const QJsonObject self = call(str("POST"), rest(str("/portals/self")), signedIn).json();
    QCOMPARE(self.value(str("user")).toObject().value(str("username")).toString(), str("demo"));
    QVERIFY(self.contains(str("isPortal")) && self.contains(str("currentVersion")));
    const QJsonObject user = call(str("POST"), rest(str("/community/users/demo")), signedIn).json();
    QCOMPARE(user.value(str("fullName")).toString(), str("Dana Demo"));
    const Answer userPicture = call(str("GET"), rest(str("/community/users/demo/info/")
                                                     + user.value(str("thumbnail")).toString()),
                                    {{str("token"), token}});
    QVERIFY(!QImage::fromData(userPicture.body, "PNG").isNull());

    const QJsonObject renewed = call(str("POST"), rest(str("/oauth2/token")),
                                     {{str("grant_type"), str("refresh_token")}, {str("client_id"), clientId},
                                      {str("refresh_token"), refreshToken}})
                                    .json();
    const QString newToken = renewed.value(str("access_token")).toString();
    QVERIFY(!newToken.isEmpty() && newToken != token);
    QVERIFY(!renewed.contains(str("refresh_token")));

    const Fields withToken{{str("f"), str("json")}, {str("token"), newToken}};
    const Answer added = call(str("POST"), rest(str("/content/users/demo/addItem")),
                              withToken + Fields{{str("title"), str("Tide Tables")}, {str("type"), str("Code Sample")},
                                                 {str("tags"), str("a, b")}, {str("text"), str("hello")}});
    const QString id = added.json().value(str("id")).toString();
    QVERIFY2(!id.isEmpty(), added.body.constData());

    const QJsonObject info = call(str("POST"), rest(str("/content/items/") + id), withToken).json();
    QCOMPARE(info.value(str("title")).toString(), str("Tide Tables"));
    QCOMPARE(info.value(str("tags")).toArray(), QJsonArray({str("a"), str("b")}));
    QCOMPARE(info.value(str("owner")).toString(), str("demo"));
    const QJsonObject userItem = call(str("POST"), rest(str("/content/users/demo/") + id), withToken).json();
    QCOMPARE(userItem.value(str("item")).toObject().value(str("id")).toString(), id);

    QVERIFY(call(str("POST"), rest(str("/content/users/demo/items/%1/update").arg(id)),
                 withToken + Fields{{str("title"), str("Tide Tables 2")}})
                .json()
                .value(str("success"))
                .toBool());
    QCOMPARE(call(str("POST"), rest(str("/content/items/") + id), withToken).json().value(str("title")).toString(),
             str("Tide Tables 2"));

    const Answer data = call(str("GET"), rest(str("/content/items/%1/data").arg(id)), {{str("token"), newToken}});
    QCOMPARE(data.status, 200);
    QCOMPARE(data.contentType, str("application/zip"));
    QVERIFY(data.body.startsWith("PK\x03\x04"));
    QVERIFY(data.body.contains("item.json") && data.body.contains("text.txt"));
    QVERIFY(data.body.contains("PK\x05\x06"));

    const Answer thumbnail = call(str("GET"), rest(str("/content/items/%1/info/%2")
                                                   .arg(id, info.value(str("thumbnail")).toString())),
                                  {{str("token"), newToken}});
    QCOMPARE(thumbnail.contentType, str("image/png"));
    QCOMPARE(QImage::fromData(thumbnail.body, "PNG").size(), QSize(200, 133));

    QVERIFY(call(str("POST"), rest(str("/content/users/demo/items/%1/delete").arg(id)), withToken)
                .json()
                .value(str("success"))
                .toBool());
    const Answer gone = call(str("POST"), rest(str("/content/items/") + id), withToken);
    QCOMPARE(gone.status, 200);
    QCOMPARE(gone.portalError().value(str("code")).toInt(), 400);
}

void LocalPortalTest::tokenRefusals_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("grant");
    QTest::addColumn<QString>("client");
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QString>("expectedKind");

    // "fresh" is a new code of loomwright-test, "used" one already exchanged,
    // "refresh" a valid refresh token of loomwright-test.
    QTest::newRow("code used twice") << "POST" << "" << "authorization_code" << clientId << "used" << "invalid_grant";
    QTest::newRow("unknown code") << "POST" << "" << "authorization_code" << clientId << "nonsense"
                                  << "invalid_grant";
    QTest::newRow("code of another application") << "POST" << "" << "authorization_code" << "other" << "fresh"
                                                 << "invalid_grant";
    QTest::newRow("unknown refresh token") << "POST" << "" << "refresh_token" << clientId << "nonsense"
                                           << "invalid_grant";
    QTest::newRow("refresh token of another application") << "POST" << "" << "refresh_token" << "other" << "refresh"
                                                          << "invalid_grant";
    QTest::newRow("unknown grant") << "POST" << "" << "password" << clientId << "fresh" << "unsupported_grant_type";
    QTest::newRow("no client id") << "POST" << "" << "authorization_code" << "" << "fresh" << "invalid_request";
    QTest::newRow("token request by GET") << "GET" << "" << "authorization_code" << clientId << "fresh"
                                          << "invalid_request";
    QTest::newRow("code in the URL") << "POST" << "code" << "authorization_code" << clientId << "fresh"
                                     << "invalid_request";
}

void LocalPortalTest::tokenRefusals()
{
    QFETCH(QString, method);
    QFETCH(QString, query);
    QFETCH(QString, grant);
    QFETCH(QString, client);
    QFETCH(QString, secret);
    QFETCH(QString, expectedKind);

    QString value = secret;
    if (secret == str("fresh")) {
        value = code();
    } else if (secret == str("used")) {
        value = code();
        QVERIFY(call(str("POST"), rest(str("/oauth2/token")),
                     {{str("grant_type"), grant}, {str("client_id"), client}, {str("code"), value},
                      {str("redirect_uri"), outOfBand}})
                    .json()
                    .contains(str("access_token")));
    } else if (secret == str("refresh")) {
        value = tokens().value(str("refresh_token")).toString();
    }
    QVERIFY(!value.isEmpty());
    const QString field = grant == str("refresh_token") ? str("refresh_token") : str("code");
    const QString path = rest(str("/oauth2/token"))
                         + (query.isEmpty() ? QString() : str("?%1=%2").arg(query, value));
    const Answer answer = call(method, path,
                               {{str("grant_type"), grant}, {str("client_id"), client}, {field, value},
                                {str("redirect_uri"), outOfBand}});

    QCOMPARE(answer.status, 200);
    QCOMPARE(answer.portalError().value(str("code")).toInt(), 400);
    QCOMPARE(answer.portalError().value(str("error")).toString(), expectedKind);
    QVERIFY(!answer.portalError().value(str("message")).toString().isEmpty());
    QVERIFY(!answer.json().contains(str("access_token")));
}

void LocalPortalTest::refreshAnswers_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("newRefreshToken");
    QTest::addColumn<bool>("oldStillValid");

    QTest::newRow("keep: no refresh token in the answer") << "keep" << false << true;
    QTest::newRow("new: another one, the old one stays") << "new" << true << true;
    QTest::newRow("rotate: another one, the old one refused") << "rotate" << true << false;
}

void LocalPortalTest::refreshAnswers()
{
    QFETCH(QString, mode);
    QFETCH(bool, newRefreshToken);
    QFETCH(bool, oldStillValid);

    m_portal.control(str("config"), {{str("refresh_token_mode"), mode}, {str("expires_in"), 5}});
    const QString refreshToken = tokens().value(str("refresh_token")).toString();
    const auto renew = [&] {
        return call(str("POST"), rest(str("/oauth2/token")),
                    {{str("grant_type"), str("refresh_token")}, {str("client_id"), clientId},
                     {str("refresh_token"), refreshToken}})
            .json();
    };
    const QJsonObject renewed = renew();
    QCOMPARE(renewed.value(str("expires_in")).toInt(), 5);
    QVERIFY(!renewed.value(str("access_token")).toString().isEmpty());
    QCOMPARE(renewed.contains(str("refresh_token")), newRefreshToken);
    QCOMPARE(renew().contains(str("access_token")), oldStillValid);
    m_portal.control(str("config"), {{str("expires_in"), 120}});
}

void LocalPortalTest::errorForms_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("injected");
    QTest::addColumn<int>("expectedStatus");
    QTest::addColumn<int>("expectedCode");

    QTest::newRow("expired token, HTTP 200 with an error") << "json" << "" << 200 << 498;
    QTest::newRow("expired token, HTTP status") << "status" << "" << 498 << 498;
    QTest::newRow("injected, HTTP 200 with an error") << "json" << "json" << 200 << 503;
    QTest::newRow("injected, HTTP status") << "json" << "status" << 503 << 503;
}

void LocalPortalTest::errorForms()
{
    QFETCH(QString, form);
    QFETCH(QString, injected);
    QFETCH(int, expectedStatus);
    QFETCH(int, expectedCode);

    const QString token = tokens().value(str("access_token")).toString();
    m_portal.control(str("config"), {{str("error_form"), form}});
    if (injected.isEmpty())
        m_portal.control(str("expire"));
    else
        m_portal.control(str("fail"), {{str("mode"), injected}, {str("path"), rest(str("/portals/self"))},
                                       {str("code"), 503}, {str("message"), str("Down for a test")}});

    const Fields fields{{str("f"), str("json")}, {str("token"), token}};
    const Answer failed = call(str("POST"), rest(str("/portals/self")), fields);
    QCOMPARE(failed.status, expectedStatus);
    QCOMPARE(failed.portalError().value(str("code")).toInt(), expectedCode);
    QVERIFY(!failed.portalError().value(str("message")).toString().isEmpty());
    if (!injected.isEmpty()) {
        // One call only: the next one is answered.
        const Answer next = call(str("POST"), rest(str("/portals/self")), fields);
        QCOMPARE(next.status, 200);
        QCOMPARE(next.json().value(str("user")).toObject().value(str("username")).toString(), str("demo"));
    }
}

void LocalPortalTest::transportFailure()
{
    m_portal.control(str("log"), {{str("clear"), true}});
    m_portal.control(str("fail"), {{str("mode"), str("transport")}, {str("path"), rest(str("/portals/self"))}});

    const Answer failed = call(str("POST"), rest(str("/portals/self")), {{str("f"), str("json")}});
    QCOMPARE(failed.status, 0);
    QVERIFY2(failed.error == QNetworkReply::RemoteHostClosedError
                 || failed.error == QNetworkReply::UnknownNetworkError,
             qPrintable(QString::number(failed.error)));
    QVERIFY(failed.body.isEmpty());
    // The request reached the portal before its connection went.
    const QJsonArray log = m_portal.control(str("log"), {}, false).value(str("requests")).toArray();
    QVERIFY(!log.isEmpty());
    QCOMPARE(log.first().toObject().value(str("path")).toString(), rest(str("/portals/self")));

    const Answer next = call(str("POST"), rest(str("/portals/self")), {{str("f"), str("json")}});
    QCOMPARE(next.status, 200);
    QVERIFY(next.json().contains(str("portalName")));
}

void LocalPortalTest::search_data()
{
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("num");
    QTest::addColumn<QStringList>("expectedTitles");
    QTest::addColumn<int>("expectedTotal");
    QTest::addColumn<int>("expectedNext");

    const QString apps = str(R"(type:"Native Application" AND NOT type:"Native Application Installer")");
    const QStringList all{str("Field Notes"), str("Harbour Tides"), str("Survey Starter"), str("Trail Counter")};
    QTest::newRow("the demo apps, signed in") << true << apps << "1" << "10" << all << 4 << -1;
    QTest::newRow("anonymous: public only") << false << apps << "1" << "10" << QStringList{str("Harbour Tides")} << 1
                                            << -1;
    QTest::newRow("first page") << true << apps << "1" << "2" << QStringList(all.mid(0, 2)) << 4 << 3;
    QTest::newRow("last page") << true << apps << "3" << "2" << QStringList(all.mid(2, 2)) << 4 << -1;
    QTest::newRow("owner and a title word") << true << str("owner:demo AND title:tide") << "1" << "10"
                                            << QStringList{str("Harbour Tides")} << 1 << -1;
    QTest::newRow("the gallery's query")
        << true
        << str(R"(((type:"Native Application" AND NOT type:"Native Application Installer") OR (tags:"app" AND )"
               R"(tags:"qml" AND type:"Code Sample")) AND (access:shared OR access:private OR access:org OR )"
               R"((group:localapps AND access:public) OR (orgid:LocalPortalOrg AND access:public)))")
        << "1" << "10" << all << 4 << -1;
    QTest::newRow("nothing") << true << str("type:Nothing") << "1" << "10" << QStringList() << 0 << -1;
}

void LocalPortalTest::search()
{
    QFETCH(bool, signedIn);
    QFETCH(QString, query);
    QFETCH(QString, start);
    QFETCH(QString, num);
    QFETCH(QStringList, expectedTitles);
    QFETCH(int, expectedTotal);
    QFETCH(int, expectedNext);

    Fields fields{{str("f"), str("json")}, {str("q"), query}, {str("start"), start}, {str("num"), num},
                  {str("sortField"), str("title")}, {str("sortOrder"), str("asc")}};
    if (signedIn)
        fields.append({str("token"), tokens().value(str("access_token")).toString()});
    const QJsonObject found = call(str("GET"), rest(str("/search")), fields).json();

    QCOMPARE(found.value(str("total")).toInt(), expectedTotal);
    QCOMPARE(found.value(str("start")).toInt(), start.toInt());
    QCOMPARE(found.value(str("nextStart")).toInt(), expectedNext);
    QStringList titles;
    for (const QJsonValue &item : found.value(str("results")).toArray())
        titles.append(item.toObject().value(str("title")).toString());
    QCOMPARE(titles, expectedTitles);
}

void LocalPortalTest::tls_data()
{
    QTest::addColumn<bool>("ignore");
    QTest::newRow("its own certificate refused") << false;
    QTest::newRow("its own certificate ignored") << true;
}

void LocalPortalTest::tls()
{
    QFETCH(bool, ignore);
    if (!QSslSocket::supportsSsl())
        QSKIP("This Qt has no TLS support");
    LocalPortal secure;
    QVERIFY2(secure.start({str("--tls")}), qPrintable(secure.errorString()));
    QCOMPARE(secure.url().scheme(), str("https"));

    m_ignoreSslErrors = ignore;
    const Answer answer = call(str("POST"), rest(str("/portals/self")), {{str("f"), str("json")}}, secure.url());
    m_ignoreSslErrors = false;
    if (ignore) {
        QCOMPARE(answer.status, 200);
        QVERIFY(answer.json().contains(str("portalName")));
    } else {
        QCOMPARE(answer.status, 0);
        QCOMPARE(answer.error, QNetworkReply::SslHandshakeFailedError);
    }
    QVERIFY(secure.stop());
}

void LocalPortalTest::site_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    const QByteArray list = QByteArrayLiteral("{\"secured\": {}}");
    QTest::newRow("a file") << str("GET") << str("/site/en/versions.json") << 200 << list;
    QTest::newRow("a file asked for with a POST") << str("POST") << str("/site/en/versions.json") << 200 << list;
    QTest::newRow("a folder's index page") << str("GET") << str("/site/") << 200 << QByteArrayLiteral("<p>index</p>");
    QTest::newRow("no such file") << str("GET") << str("/site/en/missing.json") << 404 << QByteArray();
    QTest::newRow("a climb out of the folder") << str("GET") << str("/..%2Fsecret.txt") << 404 << QByteArray();
    QTest::newRow("an index page linked out of the folder") << str("GET") << str("/site/trap/") << 404 << QByteArray();
    QTest::newRow("a folder linked out of the folder")
        << str("GET") << str("/site/away/secret.txt") << 404 << QByteArray();
    QTest::newRow("a link that stays in the folder") << str("GET") << str("/site/latest.json") << 200 << list;
    QTest::newRow("the portal's own paths stay its own")
        << str("POST") << rest(str("/portals/self")) << 200 << QByteArray();
}

void LocalPortalTest::site()
{
    QFETCH(QString, method);
    QFETCH(QString, path);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QTemporaryDir folder;
    const QString root = folder.filePath(str("root"));
    QVERIFY(QDir().mkpath(root + str("/site/en")));
    const auto write = [](const QString &name, const QByteArray &text) {
        QFile file(name);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    QVERIFY(write(root + str("/site/en/versions.json"), "{\"secured\": {}}"));
    QVERIFY(write(root + str("/site/index.html"), "<p>index</p>"));
    QVERIFY(write(folder.filePath(str("secret.txt")), "secret"));
    QVERIFY(QDir().mkpath(root + str("/site/trap")));
    QVERIFY(QFile::link(folder.filePath(str("secret.txt")), root + str("/site/trap/index.html")));
    QVERIFY(QFile::link(folder.path(), root + str("/site/away")));
    QVERIFY(QFile::link(root + str("/site/en/versions.json"), root + str("/site/latest.json")));

    LocalPortal portal;
    QVERIFY2(portal.start({str("--site"), root}), qPrintable(portal.errorString()));
    const Answer answer = call(method, path, {{str("f"), str("json")}}, portal.url());
    QCOMPARE(answer.status, status);
    if (!body.isEmpty())
        QCOMPARE(answer.body, body);
    if (status == 200 && body.isEmpty())
        QVERIFY(answer.json().contains(str("portalName")));
    QVERIFY(!answer.body.contains("secret"));
    QVERIFY(portal.stop());
}

// A client that announces a body and never sends it is cut off after the
// time-out, and no one else waits for it meanwhile.
void LocalPortalTest::silentConnectionIsClosed()
{
    LocalPortal portal;
    QVERIFY2(portal.start({str("--connection-timeout"), str("3")}), qPrintable(portal.errorString()));
    QTcpSocket silent;
    silent.connectToHost(portal.url().host(), quint16(portal.url().port()));
    QVERIFY(silent.waitForConnected(waitMs));
    silent.write("POST /sharing/rest/portals/self HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 100\r\n\r\n");
    QVERIFY(silent.waitForBytesWritten(waitMs));
    QCOMPARE(call(str("POST"), rest(str("/portals/self")), {}, portal.url()).status, 200);
    QCOMPARE(silent.state(), QAbstractSocket::ConnectedState);
    QVERIFY(silent.waitForDisconnected(waitMs));
    QCOMPARE(silent.readAll(), QByteArray());
    QVERIFY(portal.stop());
}

void LocalPortalTest::endsWithItsParent()
{
#ifndef Q_OS_UNIX
    QSKIP("Needs a shell as the portal's parent");
#else
    // A shell starts the portal and waits; killing the shell orphans it.
    QProcess shell;
    shell.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    shell.start(str("/bin/sh"), {str("-c"), str("\"$0\" \"$1\" --quiet & echo $!; wait"), LocalPortal::python(),
                                 LocalPortal::script()});
    QVERIFY(shell.waitForStarted(waitMs));
    QStringList lines;
    while (lines.size() < 2 && shell.waitForReadyRead(waitMs)) {
        while (shell.canReadLine())
            lines.append(QString::fromUtf8(shell.readLine()).trimmed());
    }
    QCOMPARE(lines.size(), 2);
    const QStringList pids = lines.filter(QRegularExpression(str("^\\d+$")));
    QCOMPARE(pids.size(), 1);
    const qint64 portal = pids.first().toLongLong();
    QVERIFY(!processEnded(portal));

    shell.kill();
    QVERIFY(shell.waitForFinished(waitMs));
    QVERIFY2(QTest::qWaitFor([portal] { return processEnded(portal); }, waitMs), "the portal outlived its parent");
#endif
}

QTEST_MAIN(LocalPortalTest)

#include "tst_localportal.moc"
