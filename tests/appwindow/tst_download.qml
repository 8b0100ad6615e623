import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Controls 1.0

// Downloads from the local portal into the apps folder: the question first,
// progress in the overlay, "Download Completed" with the new app active, and
// "Download Error" with the portal's message in the user's language; an
// archive that reaches out of its folder is refused with nothing written.
AppWindowTestCase {
    id: testCase

    property var window: null
    // Zips whose second entry climbs out of the target and starts at the
    // root: Climber/appinfo.json + ../../climbed-out.txt, Rooted/appinfo.json
    // + /tmp/loomwright-rooted-out.txt.
    readonly property string climbingZip: "UEsDBBQAAAAAAAAAIQCOfkpvFAAAABQAAAAUAAAAQ2xpbWJlci9hcHBpbmZvLmpzb257InRpdGxlIjogIkNsaW1iZXIifVBLAwQUAAAAAAAAACEAmW3quQMAAAADAAAAFQAAAC4uLy4uL2NsaW1iZWQtb3V0LnR4dG91dFBLAQIUAxQAAAAAAAAAIQCOfkpvFAAAABQAAAAUAAAAAAAAAAAAAACAAQAAAABDbGltYmVyL2FwcGluZm8uanNvblBLAQIUAxQAAAAAAAAAIQCZbeq5AwAAAAMAAAAVAAAAAAAAAAAAAACAAUYAAAAuLi8uLi9jbGltYmVkLW91dC50eHRQSwUGAAAAAAIAAgCFAAAAfAAAAAAA"
    readonly property string rootedZip: "UEsDBBQAAAAAAAAAIQD0YUkSEwAAABMAAAATAAAAUm9vdGVkL2FwcGluZm8uanNvbnsidGl0bGUiOiAiUm9vdGVkIn1QSwMEFAAAAAAAAAAhAJlt6rkDAAAAAwAAAB4AAAAvdG1wL2xvb213cmlnaHQtcm9vdGVkLW91dC50eHRvdXRQSwECFAMUAAAAAAAAACEA9GFJEhMAAAATAAAAEwAAAAAAAAAAAAAAgAEAAAAAUm9vdGVkL2FwcGluZm8uanNvblBLAQIUAxQAAAAAAAAAIQCZbeq5AwAAAAMAAAAeAAAAAAAAAAAAAACAAUQAAAAvdG1wL2xvb213cmlnaHQtcm9vdGVkLW91dC50eHRQSwUGAAAAAAIAAgCNAAAAgwAAAAAA"

    // A window signed in as the demo user, with its first argument's app.
    function signedInWindow() {
        shareSignIn("demo")
        testHost.setCommandLine([appsFolder + "/start"])
        window = createTemporaryObject(windowComponent, testCase)
        verify(window)
        tryCompare(window.portal, "signedIn", true, waitMs)
        tryCompare(window.portal, "busy", false, waitMs)
        verify(window.appInfoList.searchQuery.indexOf("orgid:LocalPortalOrg") > 0, window.appInfoList.searchQuery)
        return window
    }

    // The gallery's app of that title, once the portal's search found it.
    function galleryApp(title) {
        var found = null
        tryVerify(function () {
            var apps = window.appInfoList.apps
            for (var i = 0; i < apps.length; ++i) {
                if (apps[i].title === title) {
                    found = apps[i]
                    return true
                }
            }
            return false
        }, waitMs, title + " in the gallery")
        return found
    }

    // An item of the demo user whose data is the given zip.
    function addZipItem(title, zip) {
        return control("items", {
            owner: "demo", title: title, type: "Native Application", tags: "app, qml", access: "private", data: zip
        }).id
    }

    name: "Download"

    Component {
        id: windowComponent

        AppWindow {
            visible: true
            appTitle: "Download Tool"
            versionCheck.siteUrl: testCase.currentSiteUrl
        }
    }

    Component {
        id: fakeAppComponent

        QtObject {
            property string title
            property bool isLocal
            property bool isUpdatedLocally
        }
    }

    function initTestCase() {
        configureHost()
        makeApp("start", { title: "Start App" })
    }

    function init() {
        resetPortal()
        clearSharedSignIn()
        testHost.setLanguage("")
    }

    function cleanup() {
        testHost.setLanguage("")
        settleWindow(window)
        window = null
        clearSharedSignIn()
    }

    function test_question_data() {
        return [
            { tag: "not local", local: false, updated: false,
              text: "Harbour Tides is not on your local system.\n\nWould you like to download it now?" },
            { tag: "local and unchanged", local: true, updated: false,
              text: "Harbour Tides is already on your local system.\n\nWould you like to download it again?" },
            { tag: "local and updated locally", local: true, updated: true,
              text: "Harbour Tides has been updated locally. Downloading will write over local changes.\n\nWould you like to download it again?" }
        ]
    }

    function test_question(data) {
        window = createTemporaryObject(windowComponent, testCase, { appRequired: false })
        var app = createTemporaryObject(fakeAppComponent, testCase,
                                        { title: "Harbour Tides", isLocal: data.local, isUpdatedLocally: data.updated })
        var called = []
        window.downloadApp(app, function () { called.push("callback") })
        var box = waitMessage(window, "Download App")
        verify(box.isQuestion)
        compare(box.text, data.text)
        answerMessage(window, "noButton")
        // Only "Yes" goes on.
        compare(window.appPackage.status, 0)
        verify(!window.activityOverlay.visible)
        compare(called, [])
    }

    function test_downloadCompleted() {
        signedInWindow()
        var app = galleryApp("Harbour Tides")
        verify(!app.isLocal)
        var shown = []
        var percentages = []
        window.activityOverlay.visibleChanged.connect(function () {
            shown.push(window.activityOverlay.visible ? window.activityOverlay.title : "hidden")
        })
        window.activityOverlay.percentageChanged.connect(function () {
            percentages.push(window.activityOverlay.percentage)
        })
        var called = []
        window.downloadApp(app, function () { called.push(window.messageBox.visible) })
        waitMessage(window, "Download App")
        answerMessage(window, "yesButton")

        var box = waitMessage(window, "Download Completed")
        compare(box.text, "Harbour Tides download completed")
        compare(box.icon, box.iconInformation)
        compare(shown, ["Downloading Harbour Tides", "hidden"])
        verify(percentages.some(function (value) { return value >= 0 && value <= 100 }), JSON.stringify(percentages))
        // The new app is the active one, in the apps folder.
        verify(window.appInfo.isValid)
        compare(window.appInfo.title, "Harbour Tides")
        verify(window.appInfo.path.indexOf(appsFolder + "/") === 0, window.appInfo.path)
        compare(called, [])
        answerMessage(window, "okButton")
        compare(called, [false])
        // The gallery has it as a local app now.
        tryVerify(function () { return galleryApp("Harbour Tides").isLocal }, waitMs, "the app is local")
    }

    function test_downloadError_data() {
        return [
            { tag: "no item, in German", language: "de", code: 400, message: "Item does not exist or is inaccessible.",
              title: "Downloadfehler", text: "Das Element ist nicht vorhanden oder nicht zugänglich." },
            { tag: "no permission, in German", language: "de", code: 403,
              message: "You do not have permissions to access this resource or perform this operation.",
              title: "Downloadfehler",
              text: "Sie haben keine Berechtigung, auf diese Ressource zuzugreifen oder diesen Vorgang auszuführen." },
            { tag: "no item, in French", language: "fr", code: 400, message: "Item does not exist or is inaccessible.",
              title: "Erreur de téléchargement", text: "L’élément n’existe pas ou est inaccessible." },
            { tag: "another message stays as it is", language: "de", code: 500, message: "The disk is on fire.",
              title: "Downloadfehler", text: "The disk is on fire." }
        ]
    }

    function test_downloadError(data) {
        signedInWindow()
        var app = galleryApp("Trail Counter")
        var id = app.itemId
        verify(id)
        verify(testHost.setLanguage(data.language))
        // The data, not the thumbnail that a card may be loading.
        control("fail", { mode: "json", path: "/sharing/rest/content/items/" + id + "/data", code: data.code,
                          message: data.message })
        window.downloadApp(app, null, true)
        var box = waitMessage(window, data.title)
        compare(box.text, data.text)
        compare(box.icon, box.iconCritical)
        compare(box.informativeText, String(window.appPackage.error.details || ""))
        verify(!window.activityOverlay.visible)
        compare(window.appInfo.title, "Start App")
        answerMessage(window, "okButton")
    }

    function test_hostileArchive_data() {
        return [
            { tag: "an entry that climbs out", title: "Climber", zip: climbingZip,
              outside: [temporaryFolder + "/climbed-out.txt", appsFolder + "/climbed-out.txt"] },
            { tag: "an entry from the root", title: "Rooted", zip: rootedZip,
              outside: ["/tmp/loomwright-rooted-out.txt"] }
        ]
    }

    function test_hostileArchive(data) {
        data.outside.forEach(function (path) { testHost.removePath(path) })
        addZipItem(data.title, data.zip)
        signedInWindow()
        var before = testHost.entries(appsFolder)
        var app = galleryApp(data.title)
        window.downloadApp(app, null, true)
        var box = waitMessage(window, "Download Error")
        verify(box.text !== "")
        data.outside.forEach(function (path) { verify(!testHost.exists(path), path) })
        // Nothing half-unpacked stays in the apps folder.
        tryCompare(window.appInfoList, "refreshing", false, waitMs)
        compare(testHost.entries(appsFolder), before)
        compare(window.appInfo.title, "Start App")
        answerMessage(window, "okButton")
    }
}
