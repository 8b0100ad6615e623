import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0

import ".."

// A sample tool in its window as a person sees it: signed out and signed in
// to the local portal with a few apps, in both colour schemes, left to right
// and right to left (Arabic), with the user panel, the picker and a question.
// The pictures go to the working directory (the build folder
// tests/appwindow/window): appwindow-<state>-<scheme>-<direction>.png.
AppWindowTestCase {
    id: testCase

    property var window: null
    property var shots: []

    // A thumbnail as an app would have one: a coloured picture with a word.
    function makeThumbnail(path, colour, word) {
        testHost.makeFolder(path.substring(0, path.lastIndexOf("/")))
        var item = createTemporaryObject(thumbnailComponent, testCase, { base: colour, word: word })
        waitForRendering(item)
        grabImage(item).save(path)
        verify(testHost.exists(path), path)
    }

    function setDirection(direction) {
        var language = direction === "rtl" ? "ar" : ""
        verify(testHost.setLanguage(language))
        BrimforgeTheme.localeInfo = Hostkit.localeInfo(direction === "rtl" ? "ar" : "en")
        compare(BrimforgeTheme.rtl, direction === "rtl")
    }

    function openWindow(signedIn) {
        if (signedIn)
            shareSignIn("demo")
        else
            clearSharedSignIn()
        testHost.setCommandLine([appsFolder + "/field-survey"])
        window = createTemporaryObject(windowComponent, testCase)
        verify(window)
        if (signedIn) {
            tryCompare(window.portal, "signedIn", true, waitMs)
            galleryShows("Harbour Tides")
        }
        galleryShows("Field Survey")
        tryCompare(window.versionCheck, "updateAvailable", true, waitMs)
        return window
    }

    function galleryShows(title) {
        var grid = findChild(window.contentItem, "toolGallery")
        verify(grid)
        cardIndex(grid, title)
        tryCompare(grid, "enabled", true, waitMs)
    }

    function settleFrame() {
        // Thumbnails and the busy indicator load and spin on their own. A
        // window with nothing left to redraw renders no frame: ask for one.
        window.update()
        waitForRendering(window.contentItem, 5000)
        wait(300)
    }

    function screenshot(name) {
        settleFrame()
        var image = grabImage(window.overlay.parent)
        var file = "appwindow-" + name + ".png"
        image.save(file)
        shots.push(file)
        return image
    }

    // Text of the header and the panel that is cut short is text the user
    // cannot read.
    function verifyNotTruncated(root, names) {
        names.forEach(function (name) {
            var text = findChild(root, name)
            verify(text, name)
            if (text.visible)
                verify(!text.truncated, name + " is cut: " + text.text)
        })
    }

    function verifyHeader(image) {
        var header = window.header
        verify(Qt.colorEqual(image.pixel(header.width / 2, 1), BrimforgeTheme.brandPurple200), "the brand bar: " + image.pixel(header.width / 2, 1))
        verifyNotTruncated(header, ["titleText", "updateLink", "userName"])
    }

    name: "Screenshots"
    visible: true

    Component {
        id: windowComponent

        AppWindow {
            id: sampleWindow

            visible: true
            appTitle: qsTr("App Gallery")
            appIcon: BrimforgeTheme.icon.run_tool
            versionCheck.siteUrl: docSiteUrl + "/newer"
            appButtons.sourceComponent: Row {
                spacing: BrimforgeTheme.xSmallSpacing

                AppActionButton {
                    action: BrimforgeActionWithTool {
                        displayName: "Run"
                        glyph: "play"
                        tooltip: "Run the app"
                        brimforgeToolCommand: "AppRun"
                        appContext: sampleWindow.appInfo
                        currentApp: sampleWindow.appInfo
                    }
                }

                AppActionButton {
                    action: BrimforgeActionWithTool {
                        displayName: "Files"
                        glyph: "folder"
                        brimforgeToolName: "Files"
                        appContext: sampleWindow.appInfo
                        currentApp: sampleWindow.appInfo
                    }
                }
            }

            RowLayout {
                anchors.fill: parent
                anchors.margins: BrimforgeTheme.xxLargeSpacing
                spacing: BrimforgeTheme.xxLargeSpacing
                LayoutMirroring.enabled: BrimforgeTheme.rtl
                LayoutMirroring.childrenInherit: true

                ColumnLayout {
                    Layout.fillWidth: false
                    Layout.preferredWidth: BrimforgeTheme.largeControlWidth
                    Layout.fillHeight: true
                    spacing: BrimforgeTheme.mediumSpacing

                    Text {
                        Layout.fillWidth: true
                        text: sampleWindow.appInfo.title
                        elide: Text.ElideRight
                        horizontalAlignment: Text.AlignLeft
                        color: BrimforgeTheme.primaryForeground
                        font.family: BrimforgeTheme.avenirDemi
                        font.pointSize: BrimforgeTheme.mediumFontSizePoint
                    }

                    AppSummary {
                        Layout.fillWidth: true
                        appInfo: sampleWindow.appInfo
                        appWindow: sampleWindow
                    }

                    Item {
                        Layout.fillHeight: true
                    }
                }

                Rectangle {
                    Layout.fillHeight: true
                    Layout.preferredWidth: BrimforgeTheme.thinBorderWidth
                    color: BrimforgeTheme.primaryDividerColor
                }

                AppsGridView {
                    objectName: "toolGallery"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    appInfoList: sampleWindow.appInfoList
                    appWindow: sampleWindow
                    Component.onCompleted: appInfoList.refresh()
                }
            }
        }
    }

    Component {
        id: thumbnailComponent

        Rectangle {
            id: thumbnail

            property string word
            property color base

            width: 200
            height: 133
            gradient: Gradient {
                GradientStop { position: 0; color: Qt.lighter(thumbnail.base, 1.5) }
                GradientStop { position: 1; color: thumbnail.base }
            }

            Text {
                anchors.centerIn: parent
                text: parent.word
                color: "white"
                font.pixelSize: 28
                font.bold: true
            }
        }
    }

    function initTestCase() {
        configureHost()
        writeVersionList("newer", { linux: { versions: { "3.5": {} } } })
        var apps = [
            { folder: "field-survey", title: "Field Survey", version: "2.1.0", colour: "#2e7d5b", word: "Survey" },
            { folder: "city-tour", title: "City Tour with a rather long title that needs more than one line",
              version: "1.0.3", colour: "#8f499c", word: "Tour" },
            { folder: "noise-map", title: "Noise Map", version: "0.9", colour: "#007ac2", word: "Noise" }
        ]
        apps.forEach(function (app) {
            makeThumbnail(appsFolder + "/" + app.folder + "/thumbnail.png", app.colour, app.word)
            makeApp(app.folder, {
                title: app.title, version: app.version, thumbnail: "thumbnail.png",
                created: Date.now() - 40 * 86400000, modified: Date.now() - 3 * 3600000
            })
        })
    }

    function cleanup() {
        settleWindow(window)
        window = null
        testHost.setLanguage("")
        BrimforgeTheme.localeInfo = Hostkit.localeInfo()
        BrimforgeTheme.useDarkTheme = true
    }

    function cleanupTestCase() {
        clearSharedSignIn()
        console.log("Screenshots:", shots.join(" "))
    }

    function test_window_data() {
        return [
            { tag: "signed out, dark, left to right", signedIn: false, dark: true, direction: "ltr" },
            { tag: "signed in, dark, left to right", signedIn: true, dark: true, direction: "ltr" },
            { tag: "signed in, light, left to right", signedIn: true, dark: false, direction: "ltr" },
            { tag: "signed out, light, right to left", signedIn: false, dark: false, direction: "rtl" },
            { tag: "signed in, dark, right to left", signedIn: true, dark: true, direction: "rtl" },
            { tag: "signed in, light, right to left", signedIn: true, dark: false, direction: "rtl" }
        ]
    }

    function test_window(data) {
        BrimforgeTheme.useDarkTheme = data.dark
        setDirection(data.direction)
        openWindow(data.signedIn)
        var suffix = (data.signedIn ? "signedin" : "signedout") + "-" + (data.dark ? "dark" : "light") + "-"
                     + data.direction
        var page = screenshot(suffix)
        verifyHeader(page)
        // The header starts with the tool icon on the leading side.
        var toolIcon = findChild(window.header, "toolIconBox")
        var iconCentre = toolIcon.mapToItem(window.header, toolIcon.width / 2, 0).x
        verify(data.direction === "rtl" ? iconCentre > window.header.width / 2 : iconCentre < window.header.width / 2)

        // The user panel below the user button.
        mouseClick(window.userButton)
        tryCompare(window.userPanel, "visible", true)
        verifyNotTruncated(window.userPanel, ["panelUserName", "panelEmail"])
        var panelRight = window.userPanel.mapToItem(window.overlay, window.userPanel.width, 0).x
        verify(panelRight <= window.width && window.userPanel.mapToItem(window.overlay, 0, 0).x >= 0)
        screenshot("panel-" + suffix)
        // Onto the content: the panel goes.
        mouseMove(window.contentItem, window.contentItem.width / 2, window.contentItem.height / 2)
        mouseMove(window.contentItem, window.contentItem.width / 2 + 5, window.contentItem.height / 2 + 5)
        tryCompare(window.userPanel, "visible", false)

        if (data.signedIn) {
            // The picker, then a question about a portal app.
            window.selectActiveApp()
            tryCompare(window.appsDialog, "opened", true, waitMs)
            cardIndex(window.appsDialog.gridView, "Harbour Tides")
            screenshot("picker-" + suffix)
            window.appsDialog.close()
            tryCompare(window.appsDialog, "visible", false, waitMs)
            window.downloadApp(findApp("Harbour Tides"))
            waitMessage(window)
            screenshot("question-" + suffix)
            answerMessage(window, "noButton")
        }
    }

    function findApp(title) {
        var apps = window.appInfoList.apps
        for (var i = 0; i < apps.length; ++i) {
            if (apps[i].title === title)
                return apps[i]
        }
        return null
    }
}
