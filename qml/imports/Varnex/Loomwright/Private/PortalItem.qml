import QtQuick 2.15
import Varnex.Hostkit 1.0

// One content item of the signed-in user and its REST calls: add, update,
// delete, describe, and download its data or thumbnail to a file. Each kind
// of call has a request of its own, so that one does not cancel another.
// Every failure arrives as failed(error), with the portal's error object or
// the status and its text.
QtObject {
    id: root

    property var portal: null
    property string folderId
    property string itemId
    property var itemInfo: null
    property real progress: 0

    readonly property url itemUrl: portal ? baseUrl(portal.owningSystemUrl) + "/home/item.html?id=" + itemId : ""
    readonly property url userContentUrl: portal ? portal.restUrl + "/content/users/" + portal.username
                                                   + (folderId !== "" ? "/" + folderId : "")
                                                 : ""
    readonly property url contentUrl: portal ? portal.restUrl + "/content/items/" + itemId : ""

    readonly property PortalRequest addRequest: PortalRequest {
        portal: root.portal
        onProgressChanged: root.progress = progress
        onSuccess: {
            root.itemId = response.id || ""
            root.added()
        }
        onFailed: root.failed(error)
    }

    readonly property PortalRequest updateRequest: PortalRequest {
        portal: root.portal
        onProgressChanged: root.progress = progress
        onSuccess: root.updated()
        onFailed: root.failed(error)
    }

    readonly property PortalRequest deleteRequest: PortalRequest {
        portal: root.portal
        onProgressChanged: root.progress = progress
        onSuccess: root.deleted()
        onFailed: root.failed(error)
    }

    readonly property PortalRequest infoRequest: PortalRequest {
        portal: root.portal
        onProgressChanged: root.progress = progress
        onSuccess: root.itemInfo = response
        onFailed: root.failed(error)
    }

    readonly property PortalRequest userItemRequest: PortalRequest {
        portal: root.portal
        onProgressChanged: root.progress = progress
        onSuccess: console.log(log, "PortalItem: user item", JSON.stringify(response, null, 2))
        onFailed: root.failed(error)
    }

    readonly property PortalRequest dataRequest: PortalRequest {
        property string filePath

        portal: root.portal
        method: "GET"
        responseType: "zip"
        onProgressChanged: root.progress = progress
        onSuccess: root.downloaded(filePath)
        onFailed: root.failed(error)
    }

    readonly property PortalRequest thumbnailRequest: PortalRequest {
        property string filePath

        portal: root.portal
        method: "GET"
        responseType: "image"
        onProgressChanged: root.progress = progress
        onSuccess: root.thumbnailDownloaded(filePath)
        onFailed: root.failed(error)
    }

    signal added()
    signal updated()
    signal deleted()
    signal downloaded(string path)
    signal thumbnailDownloaded(string path)
    signal failed(var error)

    function addItem(itemInfo) {
        if (!canSend("addItem"))
            return
        addRequest.url = userContentUrl + "/addItem"
        addRequest.sendRequest(prepareItemInfo(itemInfo))
    }

    function update(itemInfo) {
        if (itemInfo && itemInfo.id)
            itemId = itemInfo.id
        if (!canSend("update", true))
            return
        updateRequest.url = userContentUrl + "/items/" + itemId + "/update"
        updateRequest.sendRequest(prepareItemInfo(itemInfo))
    }

    function deleteItem(id) {
        if (id)
            itemId = id
        if (!canSend("deleteItem", true))
            return
        deleteRequest.url = userContentUrl + "/items/" + itemId + "/delete"
        deleteRequest.sendRequest({})
    }

    function requestInfo(id, user) {
        if (id)
            itemId = id
        if (!canSend("requestInfo", true))
            return
        if (user) {
            userItemRequest.url = userContentUrl + "/" + itemId
            userItemRequest.sendRequest({})
        } else {
            infoRequest.url = contentUrl
            infoRequest.sendRequest({})
        }
    }

    function download(id, filePath) {
        if (id)
            itemId = id
        if (!canSend("download", true))
            return
        dataRequest.url = contentUrl + "/data"
        dataRequest.filePath = filePath
        dataRequest.responsePath = filePath
        dataRequest.sendRequest({})
    }

    // The request adds the token as a query field when there is one.
    function downloadThumbnail(itemInfo, filePath) {
        itemId = itemInfo && itemInfo.id ? itemInfo.id : ""
        if (!canSend("downloadThumbnail", true))
            return
        if (!itemInfo.thumbnail) {
            refuse("downloadThumbnail", "The item has no thumbnail")
            return
        }
        thumbnailRequest.url = contentUrl + "/info/" + itemInfo.thumbnail
        thumbnailRequest.filePath = filePath
        thumbnailRequest.responsePath = filePath
        thumbnailRequest.sendRequest({})
    }

    // A deep copy whose lists (tags, type keywords...) are texts joined with
    // ", ", the form in which the portal takes them.
    function prepareItemInfo(itemInfo) {
        var copy = JSON.parse(JSON.stringify(itemInfo || {}))
        for (var name in copy) {
            if (Array.isArray(copy[name]))
                copy[name] = copy[name].join(", ")
        }
        return copy
    }

    function canSend(call, needsItem) {
        if (!portal) {
            refuse(call, "portal not set")
            return false
        }
        if (needsItem && itemId === "") {
            refuse(call, "No item id")
            return false
        }
        return true
    }

    // Calls that cannot go out fail like any other, after the caller has
    // returned.
    function refuse(call, message) {
        console.error(addRequest.log, "PortalItem." + call + ":", message)
        Qt.callLater(function () {
            root.failed({ code: 0, message: message })
        })
    }

    function baseUrl(value) {
        return String(value).replace(/\/+$/, "")
    }
}
