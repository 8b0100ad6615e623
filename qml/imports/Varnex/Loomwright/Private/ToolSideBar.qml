import QtQuick 2.15
import QtQuick.Controls 2.15

import "../Internal" as Internal
import "../Internal/toolwindow.js" as ToolWindow
import "toolstyle.js" as ToolStyle

// The side bar of the older tool window, on the tool configuration's
// background colour. From the top: a banner in the configuration's banner
// colours with the tool's short name; the help text (rich text, scrolling);
// a divider; the signed-in user's picture and name (pressing and holding
// the name signs out), or the sign-in button, or a busy indicator while the
// portal is busy; the suite's version; and the portal's address when it is
// not the default one.
//
// Links of the help text and of the portal's address are not followed
// here: linkActivated(link) hands them to the window.
SideBar {
    id: root

    // The window's AppToolConfig and Portal.
    property var toolConfig: null
    property var portal: null
    property string toolShortName
    property string productVersion
    // Rich text; its links take the tool configuration's banner colour.
    property string infoText
    // How much of the banner's trailing end the tool icon covers.
    property real bannerTrailingMargin: 0
    property real bannerHeight: Internal.BrimforgeTheme.largeControlHeight * 2
    readonly property bool signedIn: !!portal && portal.signedIn
    readonly property bool busy: !!portal && portal.busy
    readonly property string userFullName: signedIn && portal.user
                                           ? String(portal.user.fullName || portal.user.username || portal.username || "")
                                           : ""
    readonly property string portalUrl: toolConfig ? String(toolConfig.portalUrl) : ""

    signal linkActivated(string link)

    Rectangle {
        id: background

        anchors.fill: parent
        color: root.toolConfig ? root.toolConfig.backgroundColor : Internal.BrimforgeTheme.secondaryBackground
    }

    Rectangle {
        id: banner

        objectName: "sideBarBanner"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: root.bannerHeight
        color: root.toolConfig ? root.toolConfig.bannerColor : Internal.BrimforgeTheme.primaryButtonBackground

        Text {
            objectName: "toolShortName"
            anchors.fill: parent
            anchors.leftMargin: Internal.BrimforgeTheme.xLargeSpacing
            anchors.rightMargin: Math.max(Internal.BrimforgeTheme.xLargeSpacing, root.bannerTrailingMargin)
            text: root.toolShortName
            textFormat: Text.PlainText
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
            fontSizeMode: Text.HorizontalFit
            minimumPointSize: ToolStyle.fontSizes.bannerTitleMinimum
            elide: Text.ElideRight
            color: root.toolConfig ? root.toolConfig.bannerTextColor : Internal.BrimforgeTheme.primaryButtonForeground
            font.family: Internal.BrimforgeTheme.avenirDemi
            font.pointSize: Internal.BrimforgeTheme.bannerTitleFontSizePoint
        }
    }

    Flickable {
        id: helpView

        objectName: "helpView"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: banner.bottom
        anchors.bottom: divider.top
        anchors.margins: Internal.BrimforgeTheme.largeSpacing
        contentWidth: width
        contentHeight: helpText.implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        StyledText {
            id: helpText

            objectName: "helpText"
            width: helpView.width
            toolConfig: root.toolConfig
            // Rich text takes no link colour but from a style sheet.
            text: root.infoText === "" ? "" : "<style>a { color: %1; }</style>".arg(String(linkColor)) + root.infoText
            textFormat: Text.RichText
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignLeft
            onLinkActivated: root.linkActivated(link)

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.NoButton
                cursorShape: helpText.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
            }
        }
    }

    Rectangle {
        id: divider

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: footer.top
        anchors.leftMargin: Internal.BrimforgeTheme.largeSpacing
        anchors.rightMargin: Internal.BrimforgeTheme.largeSpacing
        anchors.bottomMargin: Internal.BrimforgeTheme.largeSpacing
        height: Internal.BrimforgeTheme.thinBorderWidth
        color: root.toolConfig ? root.toolConfig.textColor : Internal.BrimforgeTheme.secondaryDividerColor
        opacity: 0.3
    }

    Column {
        id: footer

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: Internal.BrimforgeTheme.largeSpacing
        spacing: Internal.BrimforgeTheme.mediumSpacing

        Row {
            objectName: "userRow"
            width: parent.width
            visible: root.signedIn
            spacing: Internal.BrimforgeTheme.mediumSpacing

            Image {
                objectName: "userPicture"
                width: Internal.BrimforgeTheme.largeControlHeight
                height: Internal.BrimforgeTheme.largeControlHeight
                source: root.signedIn ? root.portal.userThumbnailUrl : ""
                sourceSize.width: width
                sourceSize.height: height
                fillMode: Image.PreserveAspectCrop
                asynchronous: true
            }

            StyledText {
                objectName: "userName"
                width: parent.width - Internal.BrimforgeTheme.largeControlHeight - parent.spacing
                height: Internal.BrimforgeTheme.largeControlHeight
                toolConfig: root.toolConfig
                text: root.userFullName
                textFormat: Text.PlainText
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignLeft
                verticalAlignment: Text.AlignVCenter
                font.family: Internal.BrimforgeTheme.avenirDemi

                MouseArea {
                    objectName: "userNameArea"
                    anchors.fill: parent
                    onPressAndHold: root.portal.signOut()
                }
            }
        }

        SignInButton {
            objectName: "signInButton"
            visible: !root.signedIn && !root.busy
            portal: root.portal
        }

        Internal.BrimforgeBusyIndicator {
            objectName: "portalBusy"
            dimension: 40
            visible: root.busy
            running: visible
        }

        StyledText {
            objectName: "versionText"
            width: parent.width
            toolConfig: root.toolConfig
            visible: root.productVersion !== ""
            text: qsTr("Version %1").arg(root.productVersion)
            textFormat: Text.PlainText
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignLeft
            font.pointSize: Internal.BrimforgeTheme.smallFontSizePoint
        }

        StyledText {
            id: portalLink

            objectName: "portalLink"
            width: parent.width
            toolConfig: root.toolConfig
            visible: !!root.toolConfig && root.toolConfig.showPortalUrl
            text: qsTr("Portal: <a href=\"%1\">%1</a>").arg(ToolWindow.escapeHtml(root.portalUrl))
            textFormat: Text.StyledText
            elide: Text.ElideMiddle
            horizontalAlignment: Text.AlignLeft
            font.pointSize: Internal.BrimforgeTheme.smallFontSizePoint
            onLinkActivated: root.linkActivated(link)

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.NoButton
                cursorShape: portalLink.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
            }
        }
    }
}
