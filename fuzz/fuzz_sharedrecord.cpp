// Arbitrary text as the shared sign-in record that another process of the
// suite left in the shared data: read as the shared data reads it, then
// through every path of the shared sign-in that reads the record. No script
// error, and a refresh token reaches the portal only as text.
#include "utility/jsonutility.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

// The shared data as the sign-in sees it: an object map in C++, converted
// for the script at each read and back at each write.
class SharedRecord : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantMap object MEMBER m_object NOTIFY dataChanged)

Q_SIGNALS:
    void dataChanged();

public:
    QVariantMap m_object;
};

namespace {

// Stand-ins for what a window hands the shared sign-in: its portal and a
// dialog that opens and closes.
const char *harnessQml = R"(
import QtQml 2.15

QtObject {
    property QtObject portal: QtObject {
        property url url: "https://portal.example/arcgis"
        property bool signedIn: false
        property bool busy: false
        property string refreshToken: ""
        property string authorizationUrl: "https://portal.example/authorize"
        signal oAuthSignIn()
        function signIn() {}
        function setRefreshToken(token) {
            if (typeof token !== "string")
                console.error("a refresh token that is not text:", typeof token)
        }
        function setAuthorizationCode(code) {}
    }
    property Component dialog: Component {
        QtObject {
            property string authorizationUrl
            property string authorizationCode
            property bool visible: false
            signal accepted()
            function open() { visible = true }
            function close() { visible = false }
        }
    }
}
)";

void abortOnScriptErrors(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::abort();
}

QQmlEngine *engine = nullptr;
QObject *harness = nullptr;
SharedRecord *sharedData = nullptr;
QQmlComponent *sharedSignIn = nullptr;

}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Interpreted, every allocation of a script has a stack that the leak
    // suppressions can read; compiled code has no frames to follow.
    qputenv("QV4_FORCE_INTERPRETER", "1");
    static int argc = 1;
    static char name[] = "fuzz_sharedrecord";
    static char *argv[] = { name, nullptr };
    static QGuiApplication application(argc, argv);
    engine = new QQmlEngine;
    engine->addImportPath(QStringLiteral(LOOMWRIGHT_QML_DIR));
    QQmlComponent harnessComponent(engine);
    harnessComponent.setData(harnessQml, QUrl(QStringLiteral("file:///harness.qml")));
    harness = harnessComponent.create();
    sharedData = new SharedRecord;
    sharedSignIn = new QQmlComponent(
        engine, QUrl::fromLocalFile(QStringLiteral(LOOMWRIGHT_SOURCE_DIR "/qml/imports/Varnex/Loomwright/Internal/SharedSignIn.qml")));
    if (!harness || !sharedSignIn->isReady()) {
        std::fprintf(stderr, "%s %s\n", qPrintable(harnessComponent.errorString()), qPrintable(sharedSignIn->errorString()));
        std::abort();
    }
    qInstallMessageHandler(abortOnScriptErrors);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (1u << 16))
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    QObject *portal = harness->property("portal").value<QObject *>();
    portal->setProperty("signedIn", false);
    sharedData->m_object = JsonUtility::toVariantMap(text);

    std::unique_ptr<QObject> signIn(sharedSignIn->beginCreate(engine->rootContext()));
    signIn->setProperty("portal", QVariant::fromValue(portal));
    signIn->setProperty("sharedData", QVariant::fromValue<QObject *>(sharedData));
    signIn->setProperty("dialogComponent", harness->property("dialog"));
    sharedSignIn->completeCreate();

    // At start-up, when another tool signs in, when the user signs in, and
    // once signed in with a renewed token.
    QMetaObject::invokeMethod(signIn.get(), "signInIfShared");
    QMetaObject::invokeMethod(signIn.get(), "followRecord");
    QMetaObject::invokeMethod(signIn.get(), "startSignIn");
    sharedData->m_object = JsonUtility::toVariantMap(text);
    portal->setProperty("signedIn", true);
    portal->setProperty("refreshToken", QStringLiteral("renewed"));
    QMetaObject::invokeMethod(signIn.get(), "republishRefreshToken");
    if (QObject *dialog = signIn->property("dialog").value<QObject *>())
        delete dialog;
    // What the scripts made of this record goes now, not at some later
    // collection, or the leak checker takes it for lost.
    signIn.reset();
    engine->collectGarbage();
    return 0;
}

#include "fuzz_sharedrecord.moc"
