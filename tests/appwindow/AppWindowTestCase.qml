import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Networking 1.0
import Varnex.Loomwright.Controls 1.0

import "../portal"

// What the app window tests share, on top of the portal tests' calls to the
// local portal: app folders on disk, windows signed in through the shared
// sign-in record, and the message boxes of a window.
PortalTestCase {
    id: root

    // The tool configuration's client: the window signs in as it.
    readonly property string windowClientId: "brimforge"
    readonly property string appsFolder: temporaryFolder + "/apps"

    // An app project folder with its descriptor; returns its path.
    function makeApp(name, descriptor) {
        var path = appsFolder + "/" + name
        verify(testHost.writeFile(path + "/appinfo.json", JSON.stringify(descriptor || { title: name })), path)
        return path
    }

    // A refresh token of the window's client for a demo user.
    function windowRefreshToken(username) {
        var form = "client_id=" + windowClientId + "&response_type=code&expiration=-1&redirect_uri="
                   + encodeURIComponent(outOfBand) + "&action=allow&username=" + (username || "demo")
        var page = portalCall("POST", "/sharing/rest/oauth2/authorize", form, "application/x-www-form-urlencoded")
        var match = /<title>SUCCESS code=([^<]*)<\/title>/.exec(page.text)
        verify(match, "a code from the authorisation page: " + page.text)
        form = "grant_type=authorization_code&client_id=" + windowClientId + "&code=" + match[1]
               + "&redirect_uri=" + encodeURIComponent(outOfBand)
        var answer = JSON.parse(portalCall("POST", "/sharing/rest/oauth2/token", form,
                                           "application/x-www-form-urlencoded").text)
        verify(answer.refresh_token, JSON.stringify(answer))
        return answer.refresh_token
    }

    // The next window signs in as that user without a dialog, as after a
    // sign-in in another tool of the suite.
    function shareSignIn(username) {
        Loomwright.sharedData.object = {
            signedIn: true,
            portalUrl: localPortalUrl,
            refreshToken: windowRefreshToken(username)
        }
    }

    function clearSharedSignIn() {
        Loomwright.sharedData.object = {}
    }

    // Settings of every window: the local portal, the apps folder of the
    // run; and a documentation site (currentSiteUrl) that knows of no newer
    // version.
    function configureHost() {
        Hostkit.settings.setValue("Portal/portalUrl", localPortalUrl)
        Hostkit.settings.setValue("appsFolder", appsFolder)
        testHost.makeFolder(appsFolder)
        writeVersionList("current", { linux: { versions: { "3.4.9": {} } } })
    }

    readonly property string currentSiteUrl: docSiteUrl + "/current"

    // A version list of the documentation site below `site`; `secured` is
    // the list's "secured" member, or the whole text when it is a string.
    function writeVersionList(site, secured) {
        var text = typeof secured === "string" ? secured : JSON.stringify({ secured: secured })
        verify(testHost.writeFile(docSiteFolder + "/" + site + "/en/brimforge/versions.json", text))
        return docSiteUrl + "/" + site
    }

    // Waits until nothing of the window is under way, so that it can go.
    function settleWindow(window) {
        if (!window)
            return
        tryVerify(function () {
            var state = window.versionCheck.readyState
            return state === NetworkRequest.ReadyStateUninitialized || state === NetworkRequest.ReadyStateComplete
        }, waitMs, "the update check ended")
        settle(window.portal)
        tryVerify(function () { return !window.appInfoList.refreshing }, waitMs, "the gallery list refreshed")
    }

    // Waits for the window's message box to show and returns it.
    function waitMessage(window, title) {
        var box = window.messageBox
        tryCompare(box, "opened", true, waitMs, "a message box " + (title || ""))
        // A window with nothing left to redraw renders no frame, and the
        // wait would last its whole time-out: ask for one.
        window.update()
        waitForRendering(box.footer)
        if (title !== undefined)
            compare(box.title, title)
        return box
    }

    function answerMessage(window, buttonName) {
        var box = window.messageBox
        var button = findChild(box.footer, buttonName)
        verify(button && button.visible, buttonName)
        mouseClick(button)
        tryCompare(box, "visible", false, waitMs)
    }

    // The index of the app with that title in a gallery grid, once it is
    // there.
    function cardIndex(grid, title) {
        var index = -1
        tryVerify(function () {
            for (var i = 0; i < grid.count; ++i) {
                if (grid.apps[i] && grid.apps[i].title === title) {
                    index = i
                    return true
                }
            }
            return false
        }, waitMs, "the app " + title + " in the gallery")
        return index
    }

    // Clicks (or double-clicks) the card of an app in a gallery grid.
    function clickCard(grid, title, twice) {
        var index = cardIndex(grid, title)
        grid.positionViewAtIndex(index, GridView.Contain)
        waitForRendering(grid)
        var card = null
        tryVerify(function () {
            var cells = grid.contentItem.children
            for (var i = 0; i < cells.length; ++i) {
                var item = cells[i].children.length > 0 ? cells[i].children[0] : null
                if (item && item.appInfo && item.appInfo.title === title && item.visible) {
                    card = item
                    return true
                }
            }
            return false
        }, waitMs, "the card of " + title)
        if (twice)
            mouseDoubleClickSequence(card, card.width / 2, card.height / 4)
        else
            mouseClick(card, card.width / 2, card.height / 4)
        return card.appInfo
    }

    function dialogButton(dialog, name) {
        var button = findChild(dialog.footer, name)
        verify(button, name)
        return button
    }
}
