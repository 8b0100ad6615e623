import QtQuick 2.15

import "../Internal" as Internal

// One square cell of the older app grid: the app's thumbnail, its title
// under it and its status indicator in the thumbnail's corner; the current
// cell has a frame in the tool configuration's highlight colour.
Item {
    id: root

    // The app (an AppInfo) and the window's AppToolConfig.
    property var appInfo: null
    property var toolConfig: null
    property bool isCurrent: false
    // What stands in for an app without a title or a picture.
    property string nullAppTitle
    property url nullAppThumbnail: "images/gis5.png"
    readonly property string title: appInfo && appInfo.title ? String(appInfo.title) : nullAppTitle
    readonly property url thumbnail: appInfo && String(appInfo.thumbnail) !== "" ? appInfo.thumbnail : nullAppThumbnail

    signal clicked(var appInfo, int button)
    signal doubleClicked(var appInfo, int button)
    signal statusClicked(var appInfo, int status)

    Rectangle {
        id: frame

        objectName: "cellFrame"
        anchors.fill: parent
        anchors.margins: Internal.BrimforgeTheme.xSmallSpacing
        color: root.toolConfig ? root.toolConfig.backgroundColor : Internal.BrimforgeTheme.galleryCardBackground
        border.color: root.isCurrent ? (root.toolConfig ? root.toolConfig.highlightColor : Internal.BrimforgeTheme.highlightBorderColor)
                                     : "transparent"
        border.width: Internal.BrimforgeTheme.mediumBorderWidth

        Image {
            id: picture

            // A picture that cannot be had shows as an app without one.
            property string failedSource

            objectName: "thumbnail"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: titleText.top
            anchors.margins: Internal.BrimforgeTheme.xSmallSpacing
            source: String(root.thumbnail) === failedSource ? root.nullAppThumbnail : root.thumbnail
            fillMode: Image.PreserveAspectCrop
            clip: true
            asynchronous: true
            onStatusChanged: {
                if (status === Image.Error && String(source) === String(root.thumbnail))
                    failedSource = String(root.thumbnail)
            }
        }

        StyledText {
            id: titleText

            objectName: "titleText"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: Internal.BrimforgeTheme.xSmallSpacing
            toolConfig: root.toolConfig
            text: root.title
            textFormat: Text.PlainText
            elide: Text.ElideRight
            maximumLineCount: 2
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            font.pointSize: Internal.BrimforgeTheme.smallFontSizePoint
        }

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            onClicked: root.clicked(root.appInfo, mouse.button)
            onDoubleClicked: root.doubleClicked(root.appInfo, mouse.button)
        }

        StatusIndicator {
            objectName: "statusIndicator"
            anchors.right: picture.right
            anchors.top: picture.top
            anchors.margins: Internal.BrimforgeTheme.xSmallSpacing
            toolConfig: root.toolConfig
            unpublished: !!root.appInfo && root.appInfo.isLocal === true && root.appInfo.isPublished !== true
            updateAvailable: !!root.appInfo && root.appInfo.updateAvailable === true
            updatedLocally: !!root.appInfo && root.appInfo.isUpdatedLocally === true
            onClicked: root.statusClicked(root.appInfo, status)
        }
    }
}
