import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Controls 1.0

// The app gallery: how many columns a width holds, which cards offer upload
// and update, what a card shows, and what clicking it tells.
AppWindowTestCase {
    id: testCase

    // What a card reads of an app, without a folder or a portal behind it.
    function fakeApp(fields) {
        var app = createTemporaryObject(fakeAppComponent, testCase, fields)
        verify(app)
        return app
    }

    function makeCard(app, portal) {
        var window = createTemporaryObject(fakeWindowComponent, testCase, { portal: portal || null })
        var card = createTemporaryObject(cardComponent, testCase, { appInfo: app, appWindow: window })
        verify(card)
        return card
    }

    name: "Gallery"
    // Shown: the cards' parts are visible or not as the app says.
    visible: true
    width: 800
    height: 600

    Component {
        id: fakeAppComponent

        QtObject {
            property string title: "An App"
            property string owner
            property bool isLocal: true
            property bool isPublished: false
            property bool isUpdatedLocally: false
            property bool updateAvailable: false
            property bool isValid: isLocal
            property string path: "/nowhere"
            property url pathUrl: "file:///nowhere"
            property url thumbnail
            property var modified: new Date(Date.now() - 3 * 3600 * 1000)

            function value(name, fallback) {
                return fallback
            }
        }
    }

    Component {
        id: fakeWindowComponent

        QtObject {
            property var portal: null

            function formatRelativeDate(date) {
                return "relative"
            }

            property var downloads: []

            function downloadApp(appInfo) {
                downloads = downloads.concat([appInfo.title])
            }
        }
    }

    Component {
        id: fakePortalComponent

        QtObject {
            property bool signedIn: true
            property string username: "demo"
        }
    }

    Component {
        id: cardComponent

        GalleryItem {}
    }

    Component {
        id: gridComponent

        AppsGridView {
            height: 400
        }
    }

    function test_columns_data() {
        // Default card: 158 + 9 = 167 units a column.
        return [
            { tag: "100 units wide", width: 100, ratio: 1, columns: 1 },
            { tag: "exactly one card", width: 167, ratio: 1, columns: 1 },
            { tag: "rounds down to one", width: 250, ratio: 1, columns: 1 },
            { tag: "almost two squeezes to one", width: 333, ratio: 1, columns: 1 },
            { tag: "exactly two", width: 334, ratio: 1, columns: 2 },
            { tag: "2.99 cards give two", width: 500, ratio: 1, columns: 2 },
            { tag: "exactly three", width: 501, ratio: 1, columns: 3 },
            { tag: "almost six gives five", width: 1000, ratio: 1, columns: 5 },
            { tag: "six", width: 1002, ratio: 1, columns: 6 },
            { tag: "cards half again as large", width: 501, ratio: 1.5, columns: 2 },
            { tag: "small cards", width: 600, ratio: 0.5, columns: 7 }
        ]
    }

    function test_columns(data) {
        var grid = createTemporaryObject(gridComponent, testCase, {
            galleryCardSizeRatio: data.ratio,
            width: BrimforgeTheme.scaled(data.width)
        })
        verify(grid)
        compare(grid.columns, data.columns)
        compare(grid.columnCount(BrimforgeTheme.scaled(data.width)), data.columns)
        compare(grid.cellWidth, grid.width / data.columns)
        compare(grid.cellHeight, BrimforgeTheme.scaled(200 * data.ratio) + 1.6 * BrimforgeTheme.scaled(9 * data.ratio))
    }

    function test_emptyGrid() {
        var grid = createTemporaryObject(gridComponent, testCase, { width: 400 })
        var empty = findChild(grid, "emptyState")
        verify(empty && empty.visible)
        compare(findChild(grid, "noResultsText").text, "No results found")
    }

    function test_uploadButton_data() {
        return [
            { tag: "no owner", owner: "", signedIn: false, published: false, updated: false, shown: true },
            { tag: "no owner, published", owner: "", signedIn: true, published: true, updated: false, shown: true },
            { tag: "someone else's", owner: "colleague", signedIn: true, published: false, updated: false, shown: false },
            { tag: "own, unpublished", owner: "demo", signedIn: true, published: false, updated: false, shown: true },
            { tag: "own, published and unchanged", owner: "demo", signedIn: true, published: true, updated: false,
              shown: false },
            { tag: "own, published and changed", owner: "demo", signedIn: true, published: true, updated: true,
              shown: true },
            { tag: "own, signed out", owner: "demo", signedIn: false, published: false, updated: false, shown: false },
            { tag: "own, no portal", owner: "demo", signedIn: null, published: false, updated: false, shown: false }
        ]
    }

    function test_uploadButton(data) {
        var portal = data.signedIn === null ? null
                                            : createTemporaryObject(fakePortalComponent, testCase, { signedIn: data.signedIn })
        var app = fakeApp({ owner: data.owner, isPublished: data.published, isUpdatedLocally: data.updated })
        var card = makeCard(app, portal)
        var upload = findChild(card, "uploadButton")
        verify(upload)
        compare(upload.visible, data.shown)
        compare(card.uploadVisible, data.shown)
        var action = upload.action
        compare(action.brimforgeToolCommand, "AppUpload")
        compare(action.appContext, app)
        compare(action.currentApp, app)
        compare(action.displayName, "Upload")
        compare(action.description, "Upload an app with other Varnex Online or Varnex Portal users")
    }

    function test_updateButton() {
        var app = fakeApp({ title: "Old", updateAvailable: false })
        var card = makeCard(app)
        var update = findChild(card, "updateButton")
        verify(!update.visible)
        app.updateAvailable = true
        verify(update.visible)
        compare(update.action.tooltip, "Update Available")
        compare(update.action.displayName, "Update")
        update.action.trigger()
        compare(card.appWindow.downloads, ["Old"])
    }

    function test_card_data() {
        return [
            { tag: "a local app", local: true, layer: false },
            { tag: "an app only on the portal", local: false, layer: true }
        ]
    }

    function test_card(data) {
        var app = fakeApp({ title: "Tide Tables", isLocal: data.local })
        var card = makeCard(app)
        compare(findChild(card, "titleText").text, "Tide Tables")
        compare(findChild(card, "titleText").maximumLineCount, 3)
        compare(findChild(card, "modifiedText").text, "relative")
        verify(findChild(card, "modifiedText").font.pointSize >= 10)
        compare(findChild(card, "notLocalLayer").visible, data.layer)
        var band = findChild(card, "thumbnailBand")
        compare(band.height, band.width * 133 / 200)
    }

    function test_cardSignals() {
        var app = fakeApp({ title: "Clicked" })
        var card = makeCard(app)
        card.width = card.implicitWidth
        card.height = card.implicitHeight
        var calls = []
        card.clicked.connect(function (appInfo, button) { calls.push("clicked:" + appInfo.title + ":" + button) })
        card.rightClicked.connect(function (appInfo) { calls.push("right:" + appInfo.title) })
        card.doubleClicked.connect(function (appInfo) { calls.push("double:" + appInfo.title) })
        waitForRendering(card)
        mouseClick(card, card.width / 2, card.height / 4)
        mouseClick(card, card.width / 2, card.height / 4, Qt.RightButton)
        mouseDoubleClickSequence(card, card.width / 2, card.height / 4)
        compare(calls.slice(0, 3), ["clicked:Clicked:" + Qt.LeftButton, "clicked:Clicked:" + Qt.RightButton, "right:Clicked"])
        verify(calls.indexOf("double:Clicked") > 0)
    }
}
