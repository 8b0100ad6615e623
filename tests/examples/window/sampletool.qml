import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0

import "../../../examples/sampletool"

// The sample tool as a person uses it, in demo mode: the sample picture, two
// platforms, Generate with the overlay, the grid of what was made, the
// sign-in through the portal's page, the user button and panel, the
// gallery, the light theme and right to left. Each step leaves a picture in
// the build folder tests/examples/window/sampletool-screenshots.
TestCase {
    id: testCase

    readonly property int waitMs: 30000
    property var window: null
    property int shotCount: 0

    function screenshot(name) {
        // A window with nothing left to redraw renders no frame: ask for one.
        window.update()
        waitForRendering(window.contentItem, 5000)
        // Pictures load and the busy indicator spins on their own.
        wait(300)
        var image = grabImage(window.overlay.parent)
        var file = screenshotFolder + "/" + (++shotCount < 10 ? "0" : "") + shotCount + "-" + name + ".png"
        image.save(file)
        return image
    }

    function child(parent, name) {
        var item = findChild(parent, name)
        verify(item, name)
        return item
    }

    // Text that is cut short is text that nobody can read.
    function verifyNotTruncated(parent, names) {
        names.forEach(function (name) {
            var text = child(parent, name)
            if (text.visible)
                verify(!text.truncated, name + " is cut: " + text.text)
        })
    }

    function fileNames() {
        return window.resultsView.files.map(function (file) { return file.name })
    }

    function fileOf(name) {
        var files = window.resultsView.files
        for (var i = 0; i < files.length; ++i) {
            if (files[i].name === name)
                return files[i]
        }
        return null
    }

    name: "SampleTool"
    when: windowShown

    Component {
        id: toolComponent

        SampleToolWindow {
            // Slow enough that the overlay is seen between the calls.
            stepPause: 150
        }
    }

    SignalSpy {
        id: finishedSpy

        signalName: "generationFinished"
    }

    function initTestCase() {
        Loomwright.sharedData.object = {}
        // One window for every step of the walk.
        window = toolComponent.createObject(testCase)
        verify(window)
        finishedSpy.target = window
        verify(window.demoMode, "the demo's portal runs")
        compare(String(window.portal.url), demo.portalUrl)
        tryCompare(window.versionCheck, "updateAvailable", true, waitMs)
        compare(window.versionCheck.updateVersion, demo.updateVersion)
    }

    function cleanupTestCase() {
        if (window && window.portal.signedIn)
            window.portal.signOut()
        if (window)
            window.destroy()
        Loomwright.sharedData.object = {}
        BrimforgeTheme.useDarkTheme = true
        BrimforgeTheme.localeInfo = Hostkit.localeInfo()
        testHost.setLanguage("", true)
    }

    // A request that cannot be made whole is refused before anything is
    // written, with a message that says why.
    function test_0_refusal_data() {
        var here = Hostkit.fileInfo(Qt.resolvedUrl("sampletool.qml")).filePath
        return [
            { tag: "no picture", picture: "", text: "Choose a picture first." },
            { tag: "a missing picture", picture: temporaryFolder + "/missing.png", text: "There is no picture at " },
            { tag: "a folder for a picture", picture: temporaryFolder, text: " is a folder; choose a picture file." },
            { tag: "a text for a picture", picture: here, text: " cannot be read as a picture" },
            { tag: "no platform", platforms: [], text: "Choose at least one platform." },
            { tag: "no colour", iconBackground: "purplish", text: "\"purplish\" is not a colour" },
            { tag: "a file for the output folder", outputFolder: here, text: " is a file; choose a folder for the sets." }
        ]
    }

    function test_0_refusal(data) {
        window.picture = data.picture !== undefined ? data.picture : iconSets.samplePicture()
        window.platforms = data.platforms || ["windows"]
        window.iconBackground = data.iconBackground || ""
        window.outputFolder = data.outputFolder || temporaryFolder + "/refused"
        // The last run's results stay as they were.
        var files = window.resultsView.files
        mouseClick(child(window.setupPanel, "generateButton"))
        var box = window.messageBox
        tryCompare(box, "opened", true, waitMs)
        compare(box.title, "Nothing Generated")
        verify(box.text.indexOf(data.text) >= 0, box.text)
        compare(window.generating, false)
        compare(window.activityOverlay.visible, false)
        compare(window.resultsView.files, files)
        compare(finishedSpy.count, 0)
        mouseClick(child(box.footer, "okButton"))
        tryCompare(box, "visible", false, waitMs)
        verify(!Hostkit.fileInfo(temporaryFolder + "/refused/windows").exists)
    }

    // A set that fails leaves no "done": the message names it, and the grid
    // shows what the other sets wrote as not the whole.
    function test_0_failedSet() {
        var folder = temporaryFolder + "/blocked"
        // A file where the Windows set's folder must go.
        verify(testHost.writeFile(folder + "/windows", "in the way"))
        window.picture = iconSets.samplePicture()
        window.platforms = ["windows", "android"]
        window.outputFolder = folder
        mouseClick(child(window.setupPanel, "generateButton"))
        tryCompare(finishedSpy, "count", 1, waitMs)
        compare(finishedSpy.signalArguments[0][0], false)
        compare(window.resultsView.outcome, "incomplete")
        var box = window.messageBox
        tryCompare(box, "opened", true, waitMs)
        compare(box.title, "Generation Failed")
        // In English, as the tool reads on a machine without a language.
        verify(box.text.indexOf("1 set could not be made.") === 0, box.text)
        compare(box.informativeText, "Windows: app icon")
        compare(window.toast.visible, false)
        var names = fileNames()
        compare(names.length, 20, names.join(" "))
        verify(child(window.resultsView, "summaryText").text.indexOf("Not every set was made") === 0)
        mouseClick(child(box.footer, "okButton"))
        tryCompare(box, "visible", false, waitMs)
        finishedSpy.clear()
    }

    // The tool as it opens, with the sample picture and two platforms
    // chosen (two keep the runs short), before anything was made.
    function chooseSampleAndTwoPlatforms() {
        window.picture = ""
        window.platforms = window.availablePlatforms
        window.iconBackground = ""
        mouseClick(child(window.setupPanel, "samplePictureButton"))
        verify(/sample\.png$/.test(window.picture), window.picture)
        ;["macos", "ios", "winrt", "installer"].forEach(function (platform) {
            mouseClick(child(window.setupPanel, "platform-" + platform))
        })
        compare(window.platforms, ["windows", "android"])
    }

    function test_00_ready() {
        chooseSampleAndTwoPlatforms()
        tryCompare(window.versionCheck, "updateAvailable", true, waitMs)
        verifyNotTruncated(window.header, ["titleText", "updateLink"])
        screenshot("ready")
    }

    // What a drop or the file dialog hands over: a URL, or a path.
    function test_01_setPicture_data() {
        return [
            { tag: "a file URL", location: function (path) { return "file://" + path }, taken: true },
            { tag: "a path", location: function (path) { return path }, taken: true },
            { tag: "nothing", location: function (path) { return "" }, taken: false }
        ]
    }

    function test_01_setPicture(data) {
        var sample = iconSets.samplePicture()
        window.picture = "/earlier.png"
        window.setPicture(data.location(sample))
        compare(window.picture, data.taken ? sample : "/earlier.png")
        window.picture = ""
    }

    function test_1_generate() {
        chooseSampleAndTwoPlatforms()
        window.outputFolder = temporaryFolder + "/sets"

        mouseClick(child(window.setupPanel, "generateButton"))
        tryCompare(window.activityOverlay, "visible", true, waitMs)
        tryVerify(function () { return window.stepIndex >= 1 }, waitMs, "the first set was made")
        verify(window.activityOverlay.percentage > 0)
        compare(child(window.activityOverlay, "activityText").text.indexOf("Android"), 0)
        screenshot("generating")
        tryCompare(finishedSpy, "count", 1, waitMs)
        compare(finishedSpy.signalArguments[0][0], true)
        compare(window.activityOverlay.visible, false)
        compare(window.resultsView.outcome, "complete")

        // The grid holds what the two platforms' sets are, with their sizes.
        var names = fileNames()
        compare(names.length, 21, names.join(" "))
        compare(names[0], "windows/app.ico")
        ;["mdpi", "hdpi", "xhdpi", "xxhdpi", "xxxhdpi"].forEach(function (density) {
            ["ic_launcher.png", "ic_launcher_background.png", "splash.png", "splash_land.png"].forEach(function (file) {
                verify(names.indexOf("android/mipmap-" + density + "/" + file) >= 0, density + "/" + file)
            })
        })
        var icon = fileOf("android/mipmap-xxxhdpi/ic_launcher.png")
        compare(icon.width, 192)
        compare(icon.height, 192)
        verify(icon.bytes > 0)
        // The icon container shows its largest picture and how many it holds.
        var container = fileOf("windows/app.ico")
        compare(container.width, 96)
        compare(container.pictures, 4)
        verify(String(container.previewUrl) !== String(container.url))
        var grid = window.resultsView.grid
        compare(grid.count, 21)
        waitForRendering(grid)
        var card = child(grid.contentItem, "resultCard")
        compare(card.fileName, "windows/app.ico")
        compare(child(card, "fileName").text, "app.ico")
        compare(child(card, "fileSize").text, "4 sizes up to 96 × 96 px")
        verify(/^5\d\.\d KiB$/.test(child(card, "fileBytes").text), child(card, "fileBytes").text)
        // Every card in sight can be read whole.
        var cells = grid.contentItem.children
        for (var i = 0; i < cells.length; ++i) {
            var cell = findChild(cells[i], "resultCard")
            if (cell)
                verifyNotTruncated(cell, ["fileName", "fileFolder", "fileSize", "fileBytes"])
        }
        verifyNotTruncated(window.resultsView, ["summaryText"])
        screenshot("results")
        tryCompare(window.toast, "visible", true)
    }

    function test_2_signIn() {
        compare(window.portal.signedIn, false)
        mouseClick(window.userButton)
        tryCompare(window.userPanel, "visible", true)
        mouseClick(child(window.userPanel, "signInOutButton"))
        tryVerify(function () { return window.sharedSignIn.dialog !== null }, waitMs, "the sign-in dialog")
        var dialog = window.sharedSignIn.dialog
        var view = dialog.webView
        tryVerify(function () { return !view.loading && view.title.indexOf("Sign in - ") === 0 }, waitMs,
                  "the sign-in page loaded")
        screenshot("sign-in-page")
        // The page's Allow button.
        view.runJavaScript("document.getElementById('allow').click()")
        tryCompare(window.portal, "signedIn", true, waitMs)
        tryCompare(window.userButton, "enabled", true, waitMs)
        var userName = child(window.userButton, "userName")
        compare(userName.text, "Dana")
        verifyNotTruncated(window.header, ["titleText", "updateLink", "userName"])
        screenshot("signed-in")

        mouseClick(window.userButton)
        tryCompare(window.userPanel, "visible", true)
        compare(child(window.userPanel, "panelUserName").text, "Dana Demo")
        verifyNotTruncated(window.userPanel, ["panelUserName", "panelEmail"])
        screenshot("user-panel")
        mouseMove(window.contentItem, window.contentItem.width / 2, window.contentItem.height / 2)
        mouseMove(window.contentItem, window.contentItem.width / 2 + 5, window.contentItem.height / 2 + 5)
        tryCompare(window.userPanel, "visible", false)
    }

    function test_3_gallery() {
        verify(window.portal.signedIn)
        mouseClick(child(window.tabBar, "appsTab"))
        tryVerify(function () { return window.appsGrid.count >= 3 }, waitMs, "the demo's apps in the gallery")
        tryCompare(window.appsGrid, "enabled", true, waitMs)
        screenshot("gallery")
        mouseClick(child(window.tabBar, "setsTab"))
    }

    function test_4_lightTheme() {
        var themeSwitch = child(window.header, "themeSwitch")
        compare(themeSwitch.checked, true)
        mouseClick(themeSwitch)
        compare(BrimforgeTheme.useDarkTheme, false)
        compare(themeSwitch.checked, false)
        verify(Qt.colorEqual(window.color, BrimforgeTheme.feldrinGray100), String(window.color))
        screenshot("light-theme")
    }

    function test_5_rightToLeft() {
        verify(testHost.setLanguage("ar", true))
        BrimforgeTheme.localeInfo = Hostkit.localeInfo("ar")
        verify(BrimforgeTheme.rtl)
        var page = screenshot("right-to-left")
        // The form on the leading side, the right one; the tool icon too.
        var panel = window.setupPanel
        verify(panel.mapToItem(window.contentItem, panel.width / 2, 0).x > window.contentItem.width / 2)
        var toolIcon = child(window.header, "toolIconBox")
        verify(toolIcon.mapToItem(window.header, toolIcon.width / 2, 0).x > window.header.width / 2)
        verifyNotTruncated(window.header, ["titleText", "updateLink", "userName"])
    }
}
