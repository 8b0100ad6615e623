import QtQuick 2.15
import QtQuick.Controls 2.15

// The app gallery: the filtered apps of an app list (an AppInfoList) as a
// grid of GalleryItem cards, as many columns as fit, with a picture and "No
// results found" when the list is empty.
GridView {
    id: root

    // The app list; the window hands over its gallery list.
    property var appInfoList: null
    // The AppWindow, for the cards' dates, downloads and portal.
    property var appWindow: null
    // Shows the app list's filtered apps; with false all of its apps.
    property bool showFilteredApps: true
    readonly property var apps: !appInfoList ? [] : (showFilteredApps ? appInfoList.filteredApps : appInfoList.apps)
    // The card's size in units, times the ratio.
    property real galleryItemFixedWidth: 158
    property real galleryItemFixedHeight: 200
    property real galleryItemMargin: 9
    property real galleryCardSizeRatio: 1.0
    property bool newAppsGallery: false
    readonly property real cardWidth: BrimforgeTheme.scaled(galleryItemFixedWidth * galleryCardSizeRatio)
    readonly property real cardHeight: BrimforgeTheme.scaled(galleryItemFixedHeight * galleryCardSizeRatio)
    readonly property real cardMargin: BrimforgeTheme.scaled(galleryItemMargin * galleryCardSizeRatio)
    readonly property int columns: columnCount(width)
    readonly property var currentAppInfo: currentIndex >= 0 && currentIndex < count ? apps[currentIndex] : null
    readonly property bool isEmpty: count === 0

    signal clicked(var appInfo, int button)
    signal rightClicked(var appInfo, real x, real y)
    signal doubleClicked(var appInfo, int button)
    signal pressAndHold(var appInfo)
    signal mouseEnteredGalleryItem()
    signal mouseExitedGalleryItem()

    // As many cards with their margin as the width holds when rounded, but
    // one fewer when that would squeeze them, and at least one.
    function columnCount(gridWidth) {
        var padded = cardWidth + cardMargin
        if (!(padded > 0) || !(gridWidth > 0))
            return 1
        var count = Math.max(1, Math.round(gridWidth / padded))
        if (gridWidth / count < padded)
            count = Math.max(1, count - 1)
        return count
    }

    clip: true
    enabled: !(appInfoList && appInfoList.refreshing)
    model: apps
    currentIndex: -1
    cellWidth: Math.max(1, width / columns)
    cellHeight: cardHeight + 1.6 * cardMargin
    boundsBehavior: Flickable.StopAtBounds
    keyNavigationEnabled: true
    // Also where nothing around it mirrors, as in a dialog of the overlay.
    LayoutMirroring.enabled: BrimforgeTheme.rtl
    LayoutMirroring.childrenInherit: true
    ScrollBar.vertical: ScrollBar {}

    delegate: Item {
        width: root.cellWidth
        height: root.cellHeight

        GalleryItem {
            anchors.centerIn: parent
            width: implicitWidth
            height: implicitHeight
            appInfo: modelData
            appWindow: root.appWindow
            isCurrent: root.currentIndex === index
            newAppsGallery: root.newAppsGallery
            cardWidth: root.cardWidth
            cardHeight: root.cardHeight
            onClicked: {
                root.currentIndex = index
                root.forceActiveFocus()
                root.clicked(appInfo, button)
            }
            onRightClicked: root.rightClicked(appInfo, x, y)
            onDoubleClicked: {
                root.currentIndex = index
                root.doubleClicked(appInfo, button)
            }
            onPressAndHold: root.pressAndHold(appInfo)
            onMouseEnteredGalleryItem: root.mouseEnteredGalleryItem()
            onMouseExitedGalleryItem: root.mouseExitedGalleryItem()
        }
    }

    // On the view itself, not on its moving content.
    Column {
        objectName: "emptyState"
        parent: root
        anchors.centerIn: parent
        width: Math.min(parent.width, BrimforgeTheme.largeControlWidth)
        visible: root.isEmpty && !(root.appInfoList && root.appInfoList.refreshing)
        spacing: BrimforgeTheme.xxLargeSpacing

        Text {
            objectName: "noResultsText"
            width: parent.width
            text: qsTr("No results found")
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            color: BrimforgeTheme.secondaryForeground
            font.family: BrimforgeTheme.avenirDemi
            font.pointSize: BrimforgeTheme.mediumFontSizePoint
        }

        Image {
            width: parent.width
            height: implicitHeight > 0 ? width * implicitHeight / implicitWidth : 0
            source: BrimforgeTheme.noSearchResultsImage
            fillMode: Image.PreserveAspectFit
        }
    }

    BrimforgeBusyIndicator {
        parent: root
        anchors.centerIn: parent
        running: !!root.appInfoList && root.appInfoList.refreshing
        visible: running
    }
}
