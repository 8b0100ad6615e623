import QtQuick 2.15
import QtQuick.Controls 2.15

// One app of the app gallery as a card: its thumbnail (dimmed, with a
// download mark, while the app is only on the portal), its title, and a row
// with the age of its last change and the buttons "Update" (a newer item on
// the portal) and "Upload" (an app of one's own that the portal does not
// have as it is).
Item {
    id: root

    // The app (an AppInfo).
    property var appInfo: null
    // The AppWindow: its portal, relative dates and downloads.
    property var appWindow: null
    property var portal: appWindow ? appWindow.portal : null
    property bool isCurrent: false
    // Thumbnail and title only; only clicks and double clicks count.
    property bool newAppsGallery: false
    // The card's size, in pixels; the grid hands over its own.
    property real cardWidth: BrimforgeTheme.scaled(158)
    property real cardHeight: BrimforgeTheme.scaled(200)
    readonly property bool isLocal: !!appInfo && appInfo.isLocal === true
    readonly property string title: appInfo && appInfo.title ? String(appInfo.title) : ""
    readonly property string owner: appInfo && appInfo.owner ? String(appInfo.owner) : ""
    readonly property bool updateVisible: !newAppsGallery && !!appInfo && appInfo.updateAvailable === true
    // Someone else's app, and one the portal already has as it is, offer no
    // upload at all: a button that can never work would only puzzle.
    readonly property bool uploadVisible: !newAppsGallery && !!appInfo && canDeploy(owner)
    readonly property string modifiedText: {
        if (!appInfo)
            return ""
        return appWindow ? appWindow.formatRelativeDate(appInfo.modified) : ""
    }

    signal clicked(var appInfo, int button)
    signal rightClicked(var appInfo, real x, real y)
    signal doubleClicked(var appInfo, int button)
    signal pressAndHold(var appInfo)
    signal mouseEnteredGalleryItem()
    signal mouseExitedGalleryItem()

    // Whether the user may upload the app: an app without an owner always
    // (it was never on a portal); otherwise only the signed-in user's own
    // app that is unpublished or changed since.
    function canDeploy(owner) {
        return owner === ""
                || (!!portal && portal.signedIn === true && owner === String(portal.username)
                    && (appInfo.isPublished !== true || appInfo.isUpdatedLocally === true))
    }

    implicitWidth: cardWidth + 2 * BrimforgeTheme.xxSmallSpacing
    implicitHeight: cardHeight + 2 * BrimforgeTheme.xxSmallSpacing
    Accessible.role: Accessible.ListItem
    Accessible.name: title

    Rectangle {
        id: card

        objectName: "card"
        anchors.fill: parent
        anchors.margins: BrimforgeTheme.xxSmallSpacing
        color: BrimforgeTheme.galleryCardBackground
        border.width: root.isCurrent ? BrimforgeTheme.mediumBorderWidth : BrimforgeTheme.thinBorderWidth
        // The divider colour rather than the page's: white cards on the
        // light page's near-white would have no edge at all.
        border.color: root.isCurrent ? BrimforgeTheme.highlightBorderColor : BrimforgeTheme.primaryDividerColor

        MouseArea {
            id: mouseArea

            anchors.fill: parent
            acceptedButtons: root.newAppsGallery ? Qt.LeftButton : (Qt.LeftButton | Qt.RightButton)
            hoverEnabled: true
            onClicked: {
                root.clicked(root.appInfo, mouse.button)
                if (mouse.button === Qt.RightButton)
                    root.rightClicked(root.appInfo, mouse.x, mouse.y)
            }
            onDoubleClicked: root.doubleClicked(root.appInfo, mouse.button)
            onPressAndHold: {
                if (!root.newAppsGallery)
                    root.pressAndHold(root.appInfo)
            }
            onEntered: {
                if (!root.newAppsGallery)
                    root.mouseEnteredGalleryItem()
            }
            onExited: {
                if (!root.newAppsGallery)
                    root.mouseExitedGalleryItem()
            }
        }

        Item {
            id: band

            objectName: "thumbnailBand"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: card.border.width
            // The portal's thumbnails are 200 by 133.
            height: width * 133 / 200
            clip: true

            Rectangle {
                anchors.fill: parent
                visible: thumbnail.status !== Image.Ready
                color: BrimforgeTheme.tertiaryBackground

                BrimforgeIcon {
                    anchors.centerIn: parent
                    glyph: "app"
                    iconFontSizeMultiplier: 2
                    color: BrimforgeTheme.secondaryDividerColor
                }
            }

            Image {
                id: thumbnail

                objectName: "thumbnail"
                anchors.fill: parent
                source: root.appInfo && root.appInfo.thumbnail ? root.appInfo.thumbnail : ""
                fillMode: Image.PreserveAspectCrop
                asynchronous: true
                smooth: true
            }

            Rectangle {
                objectName: "notLocalLayer"
                anchors.fill: parent
                visible: !!root.appInfo && !root.isLocal
                color: BrimforgeTheme.activityOverlayColor

                BrimforgeIcon {
                    anchors.centerIn: parent
                    glyph: "download"
                    iconFontSizeMultiplier: 2.15
                    color: BrimforgeTheme.feldrinGray050
                }
            }
        }

        Text {
            id: titleText

            objectName: "titleText"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: band.bottom
            anchors.bottom: root.newAppsGallery ? parent.bottom : bottomRow.top
            anchors.leftMargin: BrimforgeTheme.mediumSpacing
            anchors.rightMargin: BrimforgeTheme.mediumSpacing
            anchors.topMargin: BrimforgeTheme.smallSpacing
            text: root.title
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            maximumLineCount: 3
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignTop
            color: BrimforgeTheme.primaryForeground
            font.family: BrimforgeTheme.avenirDemi
            font.pointSize: BrimforgeTheme.baseFontSizePoint
        }

        Row {
            id: bottomRow

            objectName: "bottomRow"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.leftMargin: BrimforgeTheme.mediumSpacing
            anchors.rightMargin: BrimforgeTheme.xSmallSpacing
            anchors.bottomMargin: BrimforgeTheme.xSmallSpacing
            height: BrimforgeTheme.xSmallControlHeight
            visible: !root.newAppsGallery
            spacing: BrimforgeTheme.xxSmallSpacing

            Text {
                id: dateText

                objectName: "modifiedText"
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - (updateButton.visible ? updateButton.width + parent.spacing : 0)
                       - (uploadButton.visible ? uploadButton.width + parent.spacing : 0)
                text: root.modifiedText
                textFormat: Text.PlainText
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignLeft
                color: BrimforgeTheme.secondaryForeground
                font.family: BrimforgeTheme.avenir
                font.pointSize: Math.max(BrimforgeTheme.smallFontSizePoint, 10)
            }

            AppActionButton {
                id: updateButton

                objectName: "updateButton"
                anchors.verticalCenter: parent.verticalCenter
                width: BrimforgeTheme.xSmallControlHeight
                height: BrimforgeTheme.xSmallControlHeight
                padding: BrimforgeTheme.xxSmallSpacing
                visible: root.updateVisible
                iconSize: 16
                displayName: ""
                Accessible.name: updateAction.displayName
                action: BrimforgeAction {
                    id: updateAction

                    displayName: qsTr("Update")
                    glyph: "refresh"
                    tooltip: qsTr("Update Available")
                    onTriggered: {
                        if (root.appWindow)
                            root.appWindow.downloadApp(root.appInfo)
                    }
                }
            }

            AppActionButton {
                id: uploadButton

                objectName: "uploadButton"
                anchors.verticalCenter: parent.verticalCenter
                width: BrimforgeTheme.xSmallControlHeight
                height: BrimforgeTheme.xSmallControlHeight
                padding: BrimforgeTheme.xxSmallSpacing
                visible: root.uploadVisible
                iconSize: 16
                displayName: ""
                Accessible.name: uploadAction.displayName
                action: BrimforgeActionWithTool {
                    id: uploadAction

                    objectName: "uploadAction"
                    displayName: qsTr("Upload")
                    glyph: "upload"
                    description: qsTr("Upload an app with other Varnex Online or Varnex Portal users")
                    tooltip: description
                    brimforgeToolName: "Upload"
                    brimforgeToolCommand: "AppUpload"
                    brimforgeExecutableName: "AppUpload"
                    appContext: root.appInfo
                    currentApp: root.appInfo
                    portal: root.portal
                }
            }
        }
    }
}
