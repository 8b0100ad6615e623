import QtQuick 2.15
import QtTest 1.15
import Varnex.Hostkit 1.0
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Private 1.0 as Private

// A portal item's calls and the portal request under them, against the
// local portal with a signed-in user.
PortalTestCase {
    id: testCase

    readonly property var portal: signedInPortal

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, testCase, { target: target, signalName: signalName })
    }

    function makeItem(properties) {
        var values = { portal: portal }
        for (var name in properties)
            values[name] = properties[name]
        var item = createTemporaryObject(itemComponent, testCase, values)
        verify(item)
        return item
    }

    function waitFor(signalSpy) {
        tryCompare(signalSpy, "count", 1, waitMs)
    }

    // An item of the signed-in user, made through the portal's controls.
    function newItemId(title) {
        return control("items", { owner: "demo", title: title, type: "Code Sample", tags: ["app"],
                                  files: { "readme.txt": "Hello" } }).id
    }

    function initTestCase() {
        resetPortal()
        signInWithCode(portal)
    }

    function init() {
        resetPortal()
        clearRequests()
    }

    function test_urls() {
        var item = makeItem({ itemId: "abc" })
        compare(String(item.itemUrl), localPortalUrl + "/home/item.html?id=abc")
        compare(String(item.userContentUrl), restUrl + "/content/users/demo")
        compare(String(item.contentUrl), restUrl + "/content/items/abc")
        item.folderId = "f1"
        compare(String(item.userContentUrl), restUrl + "/content/users/demo/f1")
    }

    function test_prepareItemInfo_data() {
        return [
            { tag: "tags", info: { title: "T", tags: ["a", "b"] }, expected: { title: "T", tags: "a, b" } },
            { tag: "nested object kept", info: { extent: { x: 1 }, n: 2 }, expected: { extent: { x: 1 }, n: 2 } },
            { tag: "nothing", info: null, expected: {} },
        ]
    }

    function test_prepareItemInfo(data) {
        var item = makeItem()
        var prepared = item.prepareItemInfo(data.info)
        compare(JSON.stringify(prepared), JSON.stringify(data.expected))
        if (data.info && data.info.tags)
            compare(data.info.tags.length, 2, "the caller's object is untouched")
    }

    // Add, describe, update, describe as the user's item, delete: each a
    // POST with the token and "pjson" in the body.
    function test_itemLifecycle() {
        var item = makeItem()
        var addedSpy = spy(item, "added")
        var updatedSpy = spy(item, "updated")
        var deletedSpy = spy(item, "deleted")
        var failedSpy = spy(item, "failed")

        item.addItem({ title: "Lifecycle", type: "Code Sample", tags: ["a", "b"], typeKeywords: ["QML"] })
        waitFor(addedSpy)
        verify(/^[0-9a-f]{32}$/.test(item.itemId), item.itemId)
        var add = requestsTo("/sharing/rest/content/users/demo/addItem")[0]
        compare(add.method, "POST")
        compare(add.form.tags, "a, b")
        compare(add.form.token, portal.token)
        compare(add.form.f, "pjson")
        compare(JSON.stringify(add.query), "{}")

        item.requestInfo()
        tryVerify(function () { return item.itemInfo !== null }, waitMs)
        compare(item.itemInfo.title, "Lifecycle")
        compare(JSON.stringify(item.itemInfo.tags), JSON.stringify(["a", "b"]))

        item.update({ id: item.itemId, title: "Renamed" })
        waitFor(updatedSpy)
        item.requestInfo(item.itemId)
        tryVerify(function () { return item.itemInfo.title === "Renamed" }, waitMs, "the new title described")

        clearRequests()
        item.requestInfo(item.itemId, true)
        tryVerify(function () { return item.userItemRequest.readyState === 3 }, waitMs)
        var userItem = requestsTo("/sharing/rest/content/users/demo/" + item.itemId)
        compare(userItem.length, 1)
        compare(userItem[0].method, "POST")
        compare(userItem[0].status, 200)

        item.deleteItem(item.itemId)
        waitFor(deletedSpy)
        compare(failedSpy.count, 0)

        // Gone: the portal answers 200 with an "error" member.
        item.requestInfo()
        waitFor(failedSpy)
        compare(failedSpy.signalArguments[0][0].code, 400)
        compare(failedSpy.signalArguments[0][0].message, "Item does not exist or is inaccessible.")
    }

    // The data and the thumbnail arrive in files, fetched with a GET that
    // has the token in its query; the body is not looked at.
    function test_downloads_data() {
        return [
            { tag: "data", signalName: "downloaded", suffix: "/data", file: "data.zip",
              call: function (item, id, path) { item.download(id, path) }, request: "dataRequest" },
            { tag: "thumbnail", signalName: "thumbnailDownloaded", suffix: "/info/thumbnail/thumbnail.png",
              file: "thumbnail.png", request: "thumbnailRequest",
              call: function (item, id, path) { item.downloadThumbnail({ id: id, thumbnail: "thumbnail/thumbnail.png" }, path) } },
        ]
    }

    function test_downloads(data) {
        var id = newItemId("Download")
        var item = makeItem()
        var downloadedSpy = spy(item, data.signalName)
        var path = temporaryFolder + "/" + id + "/" + data.file
        data.call(item, id, path)
        waitFor(downloadedSpy)
        compare(downloadedSpy.signalArguments[0][0], path)
        compare(item.itemId, id)
        compare(item[data.request].response, path)
        compare(item.progress, 1)
        verify(Hostkit.fileInfo(path).exists)
        var sent = requestsTo("/sharing/rest/content/items/" + id + data.suffix)
        compare(sent.length, 1)
        compare(sent[0].method, "GET")
        compare(sent[0].query.token, portal.token)
    }

    // Every failure arrives as failed(error): the portal's own error object,
    // or the status and its text.
    function test_failures_data() {
        return [
            { tag: "200 with error", mode: "json", code: 403, expected: { code: 403, message: "Failure asked for by a test" } },
            { tag: "error status", mode: "status", code: 500, expected: { code: 500, message: "Internal Server Error" } },
            { tag: "connection lost", mode: "transport", expected: { code: 0 } },
        ]
    }

    function test_failures(data) {
        var item = makeItem()
        var addedSpy = spy(item, "added")
        var failedSpy = spy(item, "failed")
        failNext(data.mode, "/sharing/rest/content/users/demo/addItem", data.code)
        item.addItem({ title: "Refused" })
        waitFor(failedSpy)
        compare(addedSpy.count, 0)
        var error = failedSpy.signalArguments[0][0]
        compare(error.code, data.expected.code)
        if (data.expected.message)
            compare(error.message, data.expected.message)
        else
            verify(error.message !== "")
        compare(item.itemId, "")
    }

    // A portal error answered with status 200 to a data download is no item
    // data: the download fails and leaves no file.
    function test_downloadOfAnError() {
        var id = newItemId("Error instead of data")
        var item = makeItem()
        var downloadedSpy = spy(item, "downloaded")
        var failedSpy = spy(item, "failed")
        var path = temporaryFolder + "/errors/" + id + ".zip"
        failNext("json", "/sharing/rest/content/items/" + id + "/data", 400)
        item.download(id, path)
        tryCompare(item.dataRequest, "readyState", 3, waitMs)
        compare(failedSpy.count, 1)
        compare(downloadedSpy.count, 0)
        verify(!Hostkit.fileInfo(path).exists)
    }

    function test_callsWithoutWhatTheyNeed_data() {
        return [
            { tag: "no portal", call: function (item) { item.portal = null; item.addItem({ title: "x" }) },
              message: "portal not set" },
            { tag: "no thumbnail", call: function (item) { item.downloadThumbnail({ id: "abc" }, temporaryFolder + "/t.png") },
              message: "The item has no thumbnail" },
        ]
    }

    function test_callsWithoutWhatTheyNeed(data) {
        var item = makeItem()
        var failedSpy = spy(item, "failed")
        data.call(item)
        compare(failedSpy.count, 0, "failed() comes after the call has returned")
        waitFor(failedSpy)
        compare(failedSpy.signalArguments[0][0].message, data.message)
        compare(requests().length, 0)
    }

    function test_requestDefaults() {
        var request = createTemporaryObject(requestComponent, testCase)
        compare(request.method, "POST")
        compare(request.responseType, "json")
        compare(request.ignoreSslErrors, false)
        compare(request.trace, false)
        request.portal = portal
        portal.ignoreSslErrors = true
        compare(request.ignoreSslErrors, true)
        portal.ignoreSslErrors = false
        compare(request.maskedUrl("https://host/a?f=json&token=secret&x=1&refresh_token=r"),
                "https://host/a?f=json&token=***&x=1&refresh_token=***")
        compare(JSON.stringify(request.maskedForm({ token: "a", refresh_token: "b", code: "c", title: "t" })),
                JSON.stringify({ token: "***", refresh_token: "***", code: "***", title: "t" }))
    }

    name: "PortalItem"

    Private.Portal {
        id: signedInPortal

        url: localPortalUrl
        clientId: testCase.clientId
    }

    Component {
        id: itemComponent

        Private.PortalItem {}
    }

    Component {
        id: requestComponent

        Private.PortalRequest {}
    }

    Component {
        id: spyComponent

        SignalSpy {}
    }
}
