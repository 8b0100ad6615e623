// WebView loading local pages in a window: title, progress and the load
// notifications that a sign-in dialog watches.
#include "../helpers/testsupport.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QTest>
#include <QtWebEngine/qtwebengineglobal.h>

#include <memory>

namespace {

constexpr int waitMs = 60000;

const char *windowQml = R"(
import QtQuick 2.15
import QtQuick.Window 2.15
import Varnex.Hostkit.WebView 1.0

Window {
    id: root

    property alias view: view
    property var statuses: []
    property var titles: []

    width: 320
    height: 240
    visible: true

    WebView {
        id: view
        anchors.fill: parent
        onTitleChanged: root.titles.push(title)
        onLoadingChanged: {
            var names = {}
            names[WebView.LoadStartedStatus] = "started"
            names[WebView.LoadStoppedStatus] = "stopped"
            names[WebView.LoadSucceededStatus] = "succeeded"
            names[WebView.LoadFailedStatus] = "failed"
            root.statuses.push(names[loadRequest.status] + (loading ? " loading" : " idle"))
        }
    }
}
)";

}

class WebViewTest : public QObject
{
    Q_OBJECT

public:
    // Before the application exists, as the engine's views require.
    static void initMain() { QtWebEngine::initialize(); }

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void localPageTitle();
    void titleSetByThePage();
    void missingPage();

private:
    QObject *view() const { return m_window->property("view").value<QObject *>(); }
    QStringList list(const char *name) const
    {
        return m_window->property(name).value<QJSValue>().toVariant().toStringList();
    }
    void load(const QString &path);

    QTemporaryDir m_folder;
    QQmlEngine m_engine;
    std::unique_ptr<QObject> m_window;
};

void WebViewTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QVERIFY(writeFile(m_folder.filePath(str("page.html")),
                      "<html><head><title>SUCCESS code=abc</title></head><body>Signed in</body></html>"));
    QVERIFY(writeFile(m_folder.filePath(str("scripted.html")),
                      "<html><head><title>Sign In</title></head><body><script>"
                      "setTimeout(function () { document.title = 'Denied error=access_denied' }, 50)"
                      "</script></body></html>"));

    m_engine.addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent component(&m_engine);
    component.setData(windowQml, QUrl(QStringLiteral("file:///window.qml")));
    m_window.reset(component.create());
    QVERIFY2(m_window, qPrintable(component.errorString()));
}

void WebViewTest::cleanup()
{
    m_window->setProperty("statuses", QVariant::fromValue(m_engine.newArray()));
    m_window->setProperty("titles", QVariant::fromValue(m_engine.newArray()));
}

void WebViewTest::load(const QString &path)
{
    view()->setProperty("url", QUrl::fromLocalFile(path));
    QVERIFY(QTest::qWaitFor([this] { return list("statuses").size() >= 2; }, waitMs));
    QTRY_VERIFY(!view()->property("loading").toBool());
}

void WebViewTest::localPageTitle()
{
    load(m_folder.filePath(str("page.html")));

    QCOMPARE(list("statuses"), (QStringList{str("started loading"), str("succeeded idle")}));
    QCOMPARE(view()->property("title").toString(), str("SUCCESS code=abc"));
    QCOMPARE(view()->property("loadProgress").toInt(), 100);
}

void WebViewTest::titleSetByThePage()
{
    // The portal reports the sign-in's outcome through a title change.
    load(m_folder.filePath(str("scripted.html")));
    QTRY_COMPARE_WITH_TIMEOUT(view()->property("title").toString(), str("Denied error=access_denied"), waitMs);
    QVERIFY(list("titles").contains(str("Sign In")));
}

void WebViewTest::missingPage()
{
    load(m_folder.filePath(str("missing.html")));
    QCOMPARE(list("statuses"), (QStringList{str("started loading"), str("failed idle")}));
}

QTEST_MAIN(WebViewTest)

#include "tst_webview.moc"
