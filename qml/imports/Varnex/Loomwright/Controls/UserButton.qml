import QtQuick 2.15
import QtQuick.Controls 2.15
import QtGraphicalEffects 1.15

// The header's button of the user: who is signed in (first name and round
// picture), "Sign In" otherwise, and a spinner while the portal is busy.
// The window opens its user panel when it is clicked.
AbstractButton {
    id: root

    property var portal: null
    readonly property bool signedIn: !!portal && portal.signedIn === true
    readonly property bool busy: !!portal && (portal.busy === true || portal.isBusy === true)
    readonly property var user: portal && portal.user ? portal.user : null
    readonly property string userName: {
        if (!signedIn)
            return qsTr("Sign In")
        if (user && user.firstName)
            return String(user.firstName)
        if (user && user.fullName)
            return String(user.fullName)
        return qsTr("Signed In")
    }
    // Only a button wide enough for the name has room for the picture too.
    readonly property bool hasPicture: signedIn && !!user && !!user.thumbnail
    readonly property bool showPicture: hasPicture && width > BrimforgeTheme.gridUnit * 15
    property color textColor: BrimforgeTheme.primaryForeground

    implicitHeight: BrimforgeTheme.largeControlHeight
    implicitWidth: Math.max(BrimforgeTheme.gridUnit * 15,
                            Math.min(BrimforgeTheme.gridUnit * 38, implicitContentWidth + leftPadding + rightPadding))
    leftPadding: BrimforgeTheme.mediumSpacing
    rightPadding: BrimforgeTheme.mediumSpacing
    hoverEnabled: true
    font.family: BrimforgeTheme.avenirDemi
    font.pointSize: BrimforgeTheme.baseFontSizePoint
    text: userName
    Accessible.name: userName

    background: Rectangle {
        color: root.pressed ? BrimforgeTheme.secondaryDividerColor
                            : (root.hovered ? BrimforgeTheme.appActionButtonHoverBackground : "transparent")
        border.width: root.visualFocus ? BrimforgeTheme.thinBorderWidth : 0
        border.color: BrimforgeTheme.highlightBorderColor
    }

    contentItem: Item {
        // From the parts' own sizes: the name's width follows the button's.
        implicitWidth: (root.busy || root.hasPicture ? BrimforgeTheme.xSmallControlHeight + contentRow.spacing : 0)
                       + nameText.implicitWidth + contentRow.spacing + chevron.implicitWidth
        implicitHeight: Math.max(BrimforgeTheme.xSmallControlHeight, nameText.implicitHeight)

        Row {
            id: contentRow

            anchors.verticalCenter: parent.verticalCenter
            x: root.mirrored ? parent.width - width : 0
            spacing: BrimforgeTheme.smallSpacing
            LayoutMirroring.enabled: root.mirrored

            BrimforgeBusyIndicator {
                objectName: "busyIndicator"
                anchors.verticalCenter: parent.verticalCenter
                width: BrimforgeTheme.xSmallControlHeight
                height: BrimforgeTheme.xSmallControlHeight
                visible: root.busy
                running: root.busy
            }

            Item {
                objectName: "userPicture"
                anchors.verticalCenter: parent.verticalCenter
                width: BrimforgeTheme.xSmallControlHeight
                height: BrimforgeTheme.xSmallControlHeight
                visible: root.showPicture && !root.busy

                Image {
                    id: picture

                    anchors.fill: parent
                    source: root.showPicture ? root.portal.userThumbnailUrl : ""
                    sourceSize: Qt.size(width, height)
                    fillMode: Image.PreserveAspectCrop
                    smooth: true
                    visible: false
                }

                Rectangle {
                    id: pictureMask

                    anchors.fill: parent
                    radius: width / 2
                    visible: false
                }

                OpacityMask {
                    anchors.fill: parent
                    source: picture
                    maskSource: pictureMask
                }
            }

            Text {
                id: nameText

                objectName: "userName"
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(implicitWidth, root.availableWidth - chevron.width - contentRow.spacing
                                - (root.busy || root.showPicture ? BrimforgeTheme.xSmallControlHeight + contentRow.spacing : 0))
                text: root.userName
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: root.enabled ? root.textColor : BrimforgeTheme.secondaryDividerColor
                font: root.font
            }

            BrimforgeIcon {
                id: chevron

                anchors.verticalCenter: parent.verticalCenter
                glyph: "chevron-down"
                iconImageSize: 16
                color: nameText.color
            }
        }
    }
}
