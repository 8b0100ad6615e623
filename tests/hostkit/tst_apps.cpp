// The host layer's app types: the descriptor rules, the app list of a folder
// and of the local portal's search, and downloads from the local portal,
// hostile and cut ones included.
#include "portal/localportal.h"
#include "../helpers/testsupport.h"
#include "../helpers/zipbytes.h"

#include "hostkit/appinfo.h"
#include "hostkit/appinfolist.h"
#include "hostkit/appinfolistfilter.h"
#include "hostkit/apppackage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

namespace {

constexpr int waitMs = 20000;

QTemporaryDir &configFolder()
{
    static QTemporaryDir folder;
    return folder;
}

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// Hidden names too: an unfinished download's working folder is hidden.
QStringList everything(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList titles(const QList<AppInfo *> &apps)
{
    QStringList titles;
    for (const AppInfo *app : apps)
        titles.append(app->title());
    return titles;
}

}

class AppsTest : public QObject
{
    Q_OBJECT

public:
    static void initMain() { qputenv("XDG_CONFIG_HOME", configFolder().path().toLocal8Bit()); }

private Q_SLOTS:
    void initTestCase();
    void init();

    void descriptorRules_data();
    void descriptorRules();
    void stateRules_data();
    void stateRules();
    void folderListing_data();
    void folderListing();
    void appsFolderAndAutoRefresh();
    void portalListing_data();
    void portalListing();
    void download_data();
    void download();
    void itemPackage();
    void destruction_data();
    void destruction();
    void qmlInterface();

private:
    QByteArray call(const QString &path, const QList<QPair<QString, QString>> &fields, bool post = false);
    QJsonObject addItem(const QJsonObject &fields) { return m_portal.control(str("items"), fields); }
    QString writeApp(const QString &name, const QJsonObject &descriptor);

    LocalPortal m_portal;
    QObject m_portalObject;
    QVariantMap m_fieldNotes;
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_apps;
};

QByteArray AppsTest::call(const QString &path, const QList<QPair<QString, QString>> &fields, bool post)
{
    QNetworkAccessManager network;
    QUrlQuery query;
    for (const auto &field : fields)
        query.addQueryItem(field.first, QString::fromLatin1(QUrl::toPercentEncoding(field.second)));
    QUrl url(m_portal.url().toString() + path);
    if (!post)
        url.setQuery(query.query(QUrl::FullyEncoded), QUrl::StrictMode);
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, str("application/x-www-form-urlencoded"));
    std::unique_ptr<QNetworkReply> reply(post ? network.post(request, query.query(QUrl::FullyEncoded).toLatin1())
                                              : network.get(request));
    QSignalSpy(reply.get(), &QNetworkReply::finished).wait(waitMs);
    return reply->readAll();
}

void AppsTest::initTestCase()
{
    QVERIFY(configFolder().isValid());
    QCoreApplication::setOrganizationName(str("LoomwrightTests"));
    QCoreApplication::setApplicationName(str("apps"));
    QVERIFY2(m_portal.start(), qPrintable(m_portal.errorString()));

    // Signed in as the demo user, the way the sign-in page does it.
    const QList<QPair<QString, QString>> client{{str("client_id"), str("loomwright-test")},
                                                {str("redirect_uri"), str("urn:ietf:wg:oauth:2.0:oob")}};
    const QString page = QString::fromUtf8(call(str("/sharing/rest/oauth2/authorize/"),
                                                client + QList<QPair<QString, QString>>{{str("action"), str("allow")}},
                                                true));
    const QString code = QRegularExpression(str("SUCCESS code=([^<]+)<")).match(page).captured(1);
    const QJsonObject tokens = QJsonDocument::fromJson(
                                   call(str("/sharing/rest/oauth2/token"),
                                        client + QList<QPair<QString, QString>>{{str("grant_type"), str("authorization_code")},
                                                                                {str("code"), code}},
                                        true))
                                   .object();
    QVERIFY2(!tokens.value(str("access_token")).toString().isEmpty(), json(tokens).constData());
    m_portalObject.setProperty("restUrl", m_portal.restUrl());
    m_portalObject.setProperty("token", tokens.value(str("access_token")).toString());
    m_portalObject.setProperty("signedIn", true);
    m_portalObject.setProperty("userAgent", str("AppsTest"));

    const QJsonObject found = QJsonDocument::fromJson(call(str("/sharing/rest/search"),
                                                           {{str("f"), str("json")}, {str("q"), str("title:\"Field Notes\"")},
                                                            {str("token"), m_portalObject.property("token").toString()}}))
                                  .object();
    m_fieldNotes = found.value(str("results")).toArray().first().toObject().toVariantMap();
    QVERIFY(!m_fieldNotes.value(str("id")).toString().isEmpty());
}

void AppsTest::init()
{
    m_portal.control(str("clear-failures"));
    // Each test's apps folder lies in a folder of its own, so that anything
    // written beside it shows.
    m_root = std::make_unique<QTemporaryDir>();
    m_apps = m_root->filePath(str("apps"));
    QVERIFY(QDir().mkpath(m_apps));
    QSettings().setValue(str("appsFolder"), m_apps);
}

QString AppsTest::writeApp(const QString &name, const QJsonObject &descriptor)
{
    const QString path = m_apps + QLatin1Char('/') + name;
    QDir().mkpath(path);
    writeFile(path + str("/appinfo.json"), json(descriptor));
    return path;
}

void AppsTest::descriptorRules_data()
{
    QTest::addColumn<QByteArray>("descriptor");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("problem");

    // "<folder>": a folder named appinfo.json; "<none>": no descriptor; "<gone>": no app folder.
    QTest::newRow("an object with a title") << QByteArray(R"({"title": "Trail", "version": "1.2"})") << true << "Trail" << "";
    QTest::newRow("an object without a title") << QByteArray(R"({"version": "1.2"})") << true << "app" << "";
    QTest::newRow("no folder") << QByteArray("<gone>") << false << "" << "no such folder";
    QTest::newRow("no descriptor") << QByteArray("<none>") << false << "" << "no appinfo.json";
    QTest::newRow("unreadable") << QByteArray("<folder>") << false << "" << "cannot read appinfo.json";
    QTest::newRow("not JSON") << QByteArray("{\"title\": ") << false << "" << "appinfo.json is not JSON";
    QTest::newRow("empty") << QByteArray("") << false << "" << "appinfo.json is not JSON";
    QTest::newRow("an array") << QByteArray(R"([{"title": "Trail"}])") << false << "" << "appinfo.json is not an object";
}

void AppsTest::descriptorRules()
{
    QFETCH(QByteArray, descriptor);
    QFETCH(bool, valid);
    QFETCH(QString, title);
    QFETCH(QString, problem);

    const QString folder = m_apps + str("/app");
    if (descriptor != "<gone>")
        QDir().mkpath(folder);
    if (descriptor == "<folder>")
        QDir().mkpath(folder + str("/appinfo.json"));
    else if (descriptor != "<none>" && descriptor != "<gone>")
        QVERIFY(writeFile(folder + str("/appinfo.json"), descriptor));
    if (!valid)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str("Not an app project: .* \"") + problem));

    AppInfo app;
    QSignalSpy changed(&app, &AppInfo::infoChanged);
    app.setPathUrl(QUrl::fromLocalFile(folder));
    QCOMPARE(app.path(), folder);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(app.isValid(), valid);
    QCOMPARE(app.isLocal(), valid);
    QCOMPARE(app.title(), title);
    QCOMPARE(app.value(str("version"), str("none")).toString(), valid ? str("1.2") : str("none"));
    QCOMPARE(app.value(str("missing"), 7).toInt(), 7);
}

void AppsTest::stateRules_data()
{
    QTest::addColumn<QJsonObject>("descriptor");
    QTest::addColumn<QVariantMap>("item");
    QTest::addColumn<QString>("flags"); // local, published, updated locally, update available: L P U A

    const QVariantMap item1000{{str("id"), str("a1")}, {str("modified"), 1000}, {str("title"), str("On the portal")}};
    const QVariantMap item3000{{str("id"), str("a1")}, {str("modified"), 3000}};
    const QVariantMap other{{str("id"), str("b2")}, {str("modified"), 9000}};
    const QJsonObject synced{{str("itemId"), str("a1")}, {str("modified"), 1000}, {str("itemModified"), 1000}};
    const QJsonObject changed{{str("itemId"), str("a1")}, {str("modified"), 2000}, {str("itemModified"), 1000}};

    QTest::newRow("unpublished") << QJsonObject{{str("modified"), 5000}} << QVariantMap() << "L---";
    QTest::newRow("published, in step") << synced << item1000 << "LP--";
    QTest::newRow("published, portal unknown") << changed << QVariantMap() << "LPU-";
    QTest::newRow("updated locally") << changed << item1000 << "LPU-";
    QTest::newRow("update available") << synced << item3000 << "LP-A";
    QTest::newRow("both") << changed << item3000 << "LPUA";
    QTest::newRow("no item date recorded: its own") << QJsonObject{{str("itemId"), str("a1")}, {str("modified"), 2000}}
                                                     << item3000 << "LP-A";
    QTest::newRow("dates as text") << QJsonObject{{str("itemId"), str("a1")}, {str("modified"), str("2024-05-01T10:00:00Z")},
                                                  {str("itemModified"), 1000}}
                                   << item1000 << "LPU-";
    QTest::newRow("another app's item") << synced << other << "LP--";
    QTest::newRow("only on the portal") << QJsonObject() << item3000 << "-P--";
}

void AppsTest::stateRules()
{
    QFETCH(QJsonObject, descriptor);
    QFETCH(QVariantMap, item);
    QFETCH(QString, flags);

    AppInfo app;
    if (!descriptor.isEmpty())
        app.setPath(writeApp(str("app"), descriptor));
    if (!item.isEmpty())
        app.setItem(item, m_portal.restUrl(), str("secret"));
    const QString actual = QString(app.isLocal() ? QLatin1Char('L') : QLatin1Char('-'))
                           + (app.isPublished() ? QLatin1Char('P') : QLatin1Char('-'))
                           + (app.isUpdatedLocally() ? QLatin1Char('U') : QLatin1Char('-'))
                           + (app.updateAvailable() ? QLatin1Char('A') : QLatin1Char('-'));
    QCOMPARE(actual, flags);
    if (descriptor.isEmpty()) {
        QCOMPARE(app.title(), item.value(str("title")).toString());
        QCOMPARE(app.modified(), QDateTime::fromMSecsSinceEpoch(3000));
        QVERIFY(!app.isValid());
    }
}

void AppsTest::folderListing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("unsorted: newest first") << "" << 0 << QStringList{str("Bravo"), str("Delta"), str("alpha"), str("Charlie")};
    QTest::newRow("title ascending") << "title" << 0 << QStringList{str("alpha"), str("Bravo"), str("Charlie"), str("Delta")};
    QTest::newRow("title descending") << "title" << 1 << QStringList{str("Delta"), str("Charlie"), str("Bravo"), str("alpha")};
    QTest::newRow("modified ascending, undated last")
        << "modified" << 0 << QStringList{str("alpha"), str("Delta"), str("Bravo"), str("Charlie")};
    QTest::newRow("owner descending, ownerless last")
        << "owner" << 1 << QStringList{str("Charlie"), str("Delta"), str("Bravo"), str("alpha")};
}

void AppsTest::folderListing()
{
    QFETCH(QString, field);
    QFETCH(int, order);
    QFETCH(QStringList, expected);

    writeApp(str("b"), {{str("title"), str("Bravo")}, {str("modified"), 3000}});
    writeApp(str("a"), {{str("title"), str("alpha")}, {str("modified"), 1000}});
    writeApp(str("c"), {{str("title"), str("Charlie")}, {str("owner"), str("zed")}});
    writeApp(str("d"), {{str("title"), str("Delta")}, {str("modified"), 2000}, {str("owner"), str("amy")}});
    writeApp(str(".hidden"), {{str("title"), str("Hidden")}});
    QDir().mkpath(m_apps + str("/notes"));
    QDir().mkpath(m_apps + str("/broken"));
    writeFile(m_apps + str("/broken/appinfo.json"), "{");
    // Once for each of the two refreshes.
    for (int i = 0; i < 2; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str("Not an app project: .*broken")));

    AppInfoList list;
    list.setAutoRefresh(false);
    QSignalSpy sorted(&list, &AppInfoList::sorted);
    QSignalSpy cleared(&list, &AppInfoList::sortCleared);
    list.refresh();
    QVERIFY(!list.refreshing());
    QCOMPARE(list.appsFolder(), m_apps);
    list.sort(field, order);
    QCOMPARE(titles(list.filteredAppList()), expected);
    QCOMPARE(list.isSorted(), !field.isEmpty());
    QCOMPARE(sorted.count(), field.isEmpty() ? 0 : 1);

    // A refresh keeps the order; clearing it brings back the unsorted one.
    list.refresh();
    QCOMPARE(titles(list.filteredAppList()), expected);
    list.clearSort();
    QCOMPARE(cleared.count(), field.isEmpty() ? 0 : 1);
    QVERIFY(!list.isSorted());
    QCOMPARE(titles(list.filteredAppList()), titles(list.appList()));
    QCOMPARE(titles(list.appList()), (QStringList{str("Bravo"), str("Delta"), str("alpha"), str("Charlie")}));
}

void AppsTest::appsFolderAndAutoRefresh()
{
    QSettings().remove(str("appsFolder"));
    AppInfoList defaults;
    defaults.setAutoRefresh(false);
    defaults.refresh();
    QCOMPARE(defaults.appsFolder(),
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + str("/Brimforge/Apps"));

    QSettings().setValue(str("appsFolder"), QUrl::fromLocalFile(m_apps).toString());
    AppInfoList list;
    list.refresh();
    QCOMPARE(list.appList().size(), 0);
    writeApp(str("new"), {{str("title"), str("New")}});
    QTRY_COMPARE_WITH_TIMEOUT(titles(list.appList()), QStringList{str("New")}, waitMs);
}

void AppsTest::portalListing_data()
{
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("expectedApps");

    const QString gallery = str(R"(((type:"Native Application" AND NOT type:"Native Application Installer") OR )"
                                R"((tags:"app" AND tags:"qml" AND type:"Code Sample")) AND (access:shared OR )"
                                R"(access:private OR access:org OR (group:localapps AND access:public) OR )"
                                R"((orgid:LocalPortalOrg AND access:public)))");
    // Two local apps, one of them the demo app "Field Notes".
    QTest::newRow("signed in: joined by item id") << true << gallery << "" << 5;
    QTest::newRow("signed out: local apps only") << false << gallery << "" << 2;
    QTest::newRow("no query: local apps only") << true << "" << "" << 2;
    QTest::newRow("search fails: local apps only") << true << gallery << "json" << 2;
    QTest::newRow("two pages") << true << str("tags:paging") << "" << 2 + 105;
}

void AppsTest::portalListing()
{
    QFETCH(bool, signedIn);
    QFETCH(QString, query);
    QFETCH(QString, failure);
    QFETCH(int, expectedApps);

    const qint64 itemModified = m_fieldNotes.value(str("modified")).toLongLong();
    writeApp(str("notes"), {{str("title"), str("My Notes")}, {str("itemId"), m_fieldNotes.value(str("id")).toString()},
                            {str("modified"), double(itemModified - 1000)}, {str("itemModified"), double(itemModified - 1000)}});
    writeApp(str("mine"), {{str("title"), str("Mine")}});
    if (query == str("tags:paging")) {
        for (int i = 0; i < 105; ++i)
            addItem({{str("title"), str("Page %1").arg(i)}, {str("tags"), str("paging")}, {str("access"), str("private")}});
    }
    if (!failure.isEmpty()) {
        m_portal.control(str("fail"), {{str("mode"), failure}, {str("path"), str("/sharing/rest/search")}});
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str("Portal search failed: .*token=\\*\\*\\*")));
    }
    QObject portal;
    for (const QByteArray &name : m_portalObject.dynamicPropertyNames())
        portal.setProperty(name.constData(), m_portalObject.property(name.constData()));
    portal.setProperty("signedIn", signedIn);

    AppInfoList list;
    list.setAutoRefresh(false);
    list.setPortal(&portal);
    list.setSearchQuery(query);
    QSignalSpy refreshing(&list, &AppInfoList::refreshingChanged);
    list.refresh();
    QTRY_VERIFY_WITH_TIMEOUT(!list.refreshing(), waitMs);
    QCOMPARE(list.appList().size(), expectedApps);
    QCOMPARE(refreshing.count(), signedIn && !query.isEmpty() ? 2 : 0);

    const auto linked = std::find_if(list.appList().cbegin(), list.appList().cend(),
                                     [](const AppInfo *app) { return app->title() == str("My Notes"); });
    QVERIFY(linked != list.appList().cend());
    const bool joined = expectedApps == 5;
    QCOMPARE((*linked)->updateAvailable(), joined);
    QCOMPARE((*linked)->isPublished(), true);
    if (joined) {
        // A local app without a picture of its own shows its item's.
        QVERIFY(!titles(list.appList()).contains(str("Field Notes")));
        QVERIFY((*linked)->thumbnail().toString().contains(str("/info/thumbnail/thumbnail.png?token=")));
    }
    list.filter()->setLocal(true);
    QCOMPARE(titles(list.filteredAppList()), (QStringList{str("My Notes"), str("Mine")}));
}

void AppsTest::download_data()
{
    QTest::addColumn<QJsonObject>("item");
    QTest::addColumn<QString>("existing"); // "", "same": a local copy, "foreign": another app at the item's name
    QTest::addColumn<QString>("failure");  // a failure of the data call
    QTest::addColumn<QString>("message");  // "" for success
    QTest::addColumn<QStringList>("files"); // under the apps folder afterwards; %1 is the item id

    const QString unique = QFileInfo(QDir::tempPath()).canonicalFilePath() + str("/loomwright-absolute-")
                           + QString::number(QCoreApplication::applicationPid());
    const QJsonObject app{{str("title"), str("Zipped")},
                          {str("files"), QJsonObject{{str("Zipped/appinfo.json"), str(R"({"title": "Zipped"})")},
                                                     {str("Zipped/main.qml"), str("Item {}")}}}};
    const QStringList unpacked{str("%1/appinfo.json"), str("%1/main.qml")};
    const auto raw = [](const QByteArray &zip) {
        return QJsonObject{{str("title"), str("Raw")}, {str("data"), QString::fromLatin1(zip.toBase64())}};
    };
    const QByteArray descriptor(R"({"title": "Raw"})");
    const QString outside = str("The archive holds an entry outside its folder");

    QTest::newRow("new app") << app << "" << "" << "" << unpacked;
    QTest::newRow("over its local copy") << app << "same" << "" << "" << unpacked;
    QTest::newRow("beside another app") << app << "foreign" << "" << ""
                                        << QStringList{str("%1-1/appinfo.json"), str("%1-1/main.qml"), str("%1/appinfo.json")};
    QTest::newRow("descriptor at the top, a link inside")
        << raw(zipOf({{str("appinfo.json"), descriptor}, {str("docs/a.txt"), "a"}, {str("latest"), "->docs/a.txt"}}))
        << "" << "" << "" << QStringList{str("%1/appinfo.json"), str("%1/docs/a.txt"), str("%1/latest")};
    QTest::newRow("no app in it") << raw(zipOf({{str("readme.txt"), "x"}})) << "" << "" << "The download holds no app project"
                                  << QStringList();
    QTest::newRow("not an archive") << raw("just text") << "" << "" << "The download is not an archive" << QStringList();
    QTest::newRow("absolute path") << raw(zipOf({{str("appinfo.json"), descriptor}, {unique + str("/abs.txt"), "x"}}))
                                   << "" << "" << outside << QStringList();
    QTest::newRow("climbing path") << raw(zipOf({{str("appinfo.json"), descriptor}, {str("a/../../climb.txt"), "x"}}))
                                   << "" << "" << outside << QStringList();
    QTest::newRow("backslash climb") << raw(zipOf({{str("appinfo.json"), descriptor}, {str("..\\climb.txt"), "x"}}))
                                     << "" << "" << outside << QStringList();
    QTest::newRow("link out") << raw(zipOf({{str("appinfo.json"), descriptor}, {str("a/out"), "->../../.."}})) << "" << ""
                              << outside << QStringList();
    QTest::newRow("absolute link") << raw(zipOf({{str("appinfo.json"), descriptor}, {str("etc"), "->/etc"}})) << "" << ""
                                   << outside << QStringList();
    QTest::newRow("cut download") << app << "" << "truncate" << "Download failed" << QStringList();
    QTest::newRow("cut download over a local copy") << app << "same" << "truncate" << "Download failed"
                                                    << QStringList{str("%1/appinfo.json"), str("%1/mine.txt")};
    QByteArray damaged = zipOf({{str("appinfo.json"), descriptor}}, KZip::NoCompression);
    damaged[zipData(damaged, "appinfo.json")] = '[';
    QTest::newRow("damaged archive over a local copy") << raw(damaged) << "same" << "" << "The archive is damaged"
                                                       << QStringList{str("%1/appinfo.json"), str("%1/mine.txt")};
    // Stated, as the 64-bit format does: KZip cannot read the archive at all.
    QTest::newRow("too many entries") << raw(withEntries64(zipOf({{str("appinfo.json"), descriptor}}), 100001)) << ""
                                      << "" << "The archive holds too many entries" << QStringList();
    QTest::newRow("portal error") << app << "" << "json" << "Failure asked for by a test" << QStringList();
    QTest::newRow("no such item") << QJsonObject() << "" << "" << "Item does not exist or is inaccessible." << QStringList();
}

void AppsTest::download()
{
    QFETCH(QJsonObject, item);
    QFETCH(QString, existing);
    QFETCH(QString, failure);
    QFETCH(QString, message);
    QFETCH(QStringList, files);

    QVariantMap info = item.isEmpty() ? QVariantMap{{str("id"), str("0123456789abcdef")}, {str("title"), str("Gone")}}
                                      : addItem(item).toVariantMap();
    const QString id = info.value(str("id")).toString();
    AppInfo app;
    app.setItem(info, m_portal.restUrl(), QString());
    if (existing == str("same"))
        app.setPath(writeApp(id, {{str("title"), str("Mine")}, {str("itemId"), id}}));
    if (existing == str("same"))
        writeFile(m_apps + QLatin1Char('/') + id + str("/mine.txt"), "local");
    if (existing == str("foreign"))
        writeApp(id, {{str("title"), str("Foreign")}});
    if (!failure.isEmpty())
        m_portal.control(str("fail"), {{str("mode"), failure}, {str("path"), str("/sharing/rest/content/items/%1/data").arg(id)}});
    if (!message.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str("Download of \"") + id + str("\" failed")));

    // Made by QML, as the window makes it.
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import Varnex.Hostkit.Desktop 1.0\nAppPackage {}", QUrl(str("qrc:/package.qml")));
    std::unique_ptr<QObject> made(component.create());
    QVERIFY2(qobject_cast<AppPackage *>(made.get()), qPrintable(component.errorString()));
    AppPackage &package = *qobject_cast<AppPackage *>(made.get());
    package.setPortal(&m_portalObject);
    package.setAppInfo(&app);
    QSignalSpy status(&package, &ItemPackage::statusChanged);
    QVERIFY(package.download());
    QCOMPARE(package.status(), ItemPackage::Downloading);
    QTRY_VERIFY_WITH_TIMEOUT(package.status() != ItemPackage::Downloading, waitMs);
    QCOMPARE(package.error().value(str("message")).toString(), message);
    QCOMPARE(package.status(), message.isEmpty() ? ItemPackage::Ready : ItemPackage::Error);
    QCOMPARE(status.count(), 2);

    // Nothing outside the apps folder, no working folder left, and exactly the files expected.
    QCOMPARE(everything(m_root->path()), QStringList{str("apps")});
    QVERIFY(!QFileInfo::exists(QDir::tempPath() + str("/loomwright-absolute-")
                               + QString::number(QCoreApplication::applicationPid())));
    for (QString &file : files)
        file = file.arg(id);
    QCOMPARE(filesUnder(m_apps), files);
    QVERIFY(everything(m_apps).filter(QRegularExpression(str("^\\."))).isEmpty());
    if (!message.isEmpty())
        return;

    QCOMPARE(package.percentage(), 100.0);
    QCOMPARE(package.path(), m_apps + QLatin1Char('/') + files.first().section(QLatin1Char('/'), 0, 0));
    QCOMPARE(app.path(), package.path());
    QVERIFY(app.isLocal() && app.isPublished() && !app.isUpdatedLocally() && !app.updateAvailable());
    QCOMPARE(app.value(str("itemModified")).toLongLong(), info.value(str("modified")).toLongLong());
    QCOMPARE(app.owner(), str("demo"));
}

void AppsTest::itemPackage()
{
    // The whole archive of an item, into a folder named after it, twice.
    const QString id = m_fieldNotes.value(str("id")).toString();
    const QString folder = m_apps + str("/items");
    ItemPackage package;
    package.setPortal(&m_portalObject);
    package.setFolder(QUrl::fromLocalFile(folder).toString());
    package.setItemId(id);
    for (int round = 0; round < 2; ++round) {
        QVERIFY(package.download());
        QTRY_COMPARE_WITH_TIMEOUT(package.status(), ItemPackage::Ready, waitMs);
        QCOMPARE(package.path(), folder + QLatin1Char('/') + id);
        QCOMPARE(package.itemInfo().toMap().value(str("title")).toString(), str("Field Notes"));
        QCOMPARE(filesUnder(folder), (QStringList{id + str("/FieldNotes/FieldNotes.qml"), id + str("/FieldNotes/appinfo.json"),
                                                  id + str("/item.json")}));
    }

    // An id that cannot name a folder fails at once.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str(R"(Download of "\.\./x" failed: "Invalid item id")")));
    package.setItemId(str("../x"));
    QVERIFY(!package.download());
    QCOMPARE(package.status(), ItemPackage::Error);
    QCOMPARE(package.path(), QString());
}

void AppsTest::destruction_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("failure"); // on the data call or the search

    QTest::newRow("package while it asks for the item") << "package at once" << "";
    QTest::newRow("package halfway through the data") << "package halfway" << "stall";
    QTest::newRow("package in its percentage handler") << "package percentage" << "stall";
    QTest::newRow("package in its Ready handler") << "package status" << "";
    QTest::newRow("package in its Error handler") << "package status" << "truncate";
    QTest::newRow("list while it searches") << "list at once" << "stall";
    QTest::newRow("list in its apps handler") << "list apps" << "";
}

void AppsTest::destruction()
{
    QFETCH(QString, what);
    QFETCH(QString, failure);

    const QString id = m_fieldNotes.value(str("id")).toString();
    const bool isList = what.startsWith(str("list"));
    if (!failure.isEmpty()) {
        const QString path = isList ? str("/sharing/rest/search") : str("/sharing/rest/content/items/%1/data").arg(id);
        m_portal.control(str("fail"), {{str("mode"), failure}, {str("path"), path}, {str("seconds"), 5}});
    }
    if (failure == str("truncate"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str("Download of .* failed")));

    AppInfo app;
    app.setItem(m_fieldNotes, m_portal.restUrl(), QString());
    QPointer<ItemPackage> package = isList ? nullptr : new AppPackage;
    QPointer<AppInfoList> list = isList ? new AppInfoList : nullptr;
    QObject *object = isList ? static_cast<QObject *>(list) : static_cast<QObject *>(package);
    if (what == str("package percentage"))
        connect(package, &ItemPackage::percentageChanged, package, [&package] { delete package; });
    if (what == str("package status"))
        connect(package, &ItemPackage::statusChanged, package, [&package] {
            if (package->status() != ItemPackage::Downloading)
                delete package;
        });
    if (what == str("list apps"))
        connect(list, &AppInfoList::appsChanged, list, [&list] { delete list; });

    if (package) {
        static_cast<AppPackage *>(package.data())->setAppInfo(&app);
        package->setPortal(&m_portalObject);
        package->download();
    } else {
        list->setAutoRefresh(false);
        list->setPortal(&m_portalObject);
        list->setSearchQuery(str("owner:demo"));
        list->refresh();
    }
    if (what == str("package halfway"))
        QTRY_VERIFY_WITH_TIMEOUT(package->percentage() > 0.0, waitMs);
    if (what.endsWith(str("at once")) || what == str("package halfway"))
        delete object;
    QTRY_VERIFY_WITH_TIMEOUT(!package && !list, waitMs);

    // A moment for anything still on its way, then nothing half-made remains.
    QTest::qWait(200);
    const bool ready = what == str("package status") && failure.isEmpty();
    QCOMPARE(filesUnder(m_apps).isEmpty(), !ready);
    QCOMPARE(everything(m_apps).size(), ready ? 1 : 0);
}

void AppsTest::qmlInterface()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQml 2.15
        import Varnex.Hostkit.Desktop 1.0
        QtObject {
            property AppInfoList list: AppInfoList { autoRefresh: false; filter.local: true }
            property QtObject portal: QtObject { id: fakePortal; property url restUrl; property string token }
            property AppInfoList watching: AppInfoList { portal: fakePortal }
            property AppPackage appPackage: AppPackage { appInfo: app }
            property ItemPackage itemPackage: ItemPackage { itemId: "x" }
            property AppInfo app: AppInfo { path: "/nowhere/at/all" }
            readonly property var enums: [AppPackage.Null, AppPackage.Downloading, AppPackage.Ready, AppPackage.Error,
                                          AppInfo.AppTypeApp]
            readonly property int count: list.filteredApps.length
            readonly property string message: appPackage.error.message
            readonly property var runtime: app.value("varnexRuntime", {"version": {"major": 3}})
            readonly property bool valid: app.isValid
        })",
                      QUrl(str("qrc:/apps.qml")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(str("Not an app project: \"/nowhere/at/all\"")));
    std::unique_ptr<QObject> root(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));
    QCOMPARE(root->property("enums").toList(), (QVariantList{0, 1, 2, 3, 1}));
    QCOMPARE(root->property("count").toInt(), 0);
    QCOMPARE(root->property("message").toString(), QString());
    QCOMPARE(root->property("runtime").toMap().value(str("version")).toMap().value(str("major")).toInt(), 3);
    QCOMPARE(root->property("valid").toBool(), false);

    // Refreshing by itself: once complete, and when the portal's token changes.
    auto *watching = root->property("watching").value<AppInfoList *>();
    QTRY_COMPARE_WITH_TIMEOUT(watching->appsFolder(), m_apps, waitMs);
    const QString elsewhere = m_root->filePath(str("elsewhere"));
    QSettings().setValue(str("appsFolder"), elsewhere);
    root->property("portal").value<QObject *>()->setProperty("token", str("new"));
    QTRY_COMPARE_WITH_TIMEOUT(watching->appsFolder(), elsewhere, waitMs);
}

QTEST_MAIN(AppsTest)

#include "tst_apps.moc"
