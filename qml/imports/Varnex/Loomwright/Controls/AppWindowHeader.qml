import QtQuick 2.15
import QtQuick.Layouts 1.15

// The header of AppWindow: the brand bar, the tool's icon (pressed and held,
// it tells the window), its title with the link to a newer suite version
// under it, the tool's own buttons and the user button.
Rectangle {
    id: root

    // The AppWindow that shows the header: its title, what it shows, its links.
    property var window: null
    property var portal: null
    property var versionCheck: null

    property alias displayTitle: titleText.text
    property alias icon: toolIcon.icon
    property alias glyph: toolIcon.glyph
    readonly property alias appButtons: appButtonsLoader
    readonly property alias userButton: userButton

    signal userButtonClicked()

    objectName: "header"
    implicitHeight: BrimforgeTheme.bannerHeight + 2 * BrimforgeTheme.largeSpacing
    color: BrimforgeTheme.secondaryBackground
    LayoutMirroring.enabled: BrimforgeTheme.rtl
    LayoutMirroring.childrenInherit: true

    Rectangle {
        objectName: "brandBar"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: BrimforgeTheme.gridUnit
        color: BrimforgeTheme.brandPurple200
    }

    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: BrimforgeTheme.gridUnit
        color: BrimforgeTheme.primaryDividerColor
    }

    RowLayout {
        anchors.fill: parent
        anchors.topMargin: BrimforgeTheme.gridUnit
        anchors.bottomMargin: BrimforgeTheme.gridUnit
        anchors.rightMargin: BrimforgeTheme.largeSpacing
        anchors.leftMargin: root.window.showToolIcon ? 0 : BrimforgeTheme.xxLargeSpacing
        spacing: BrimforgeTheme.largeSpacing

        Item {
            objectName: "toolIconBox"
            Layout.fillHeight: true
            Layout.preferredWidth: height
            visible: root.window.showToolIcon

            BrimforgeIcon {
                id: toolIcon

                anchors.centerIn: parent
                iconFontSizeMultiplier: 1.5
                color: BrimforgeTheme.primaryForeground
            }

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onPressAndHold: root.window.iconPressAndHold(mouse.button)
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumWidth: BrimforgeTheme.smallControlWidth
            spacing: 0

            Item {
                Layout.fillHeight: true
            }

            Text {
                id: titleText

                objectName: "titleText"
                Layout.fillWidth: true
                text: root.window.appTitle
                textFormat: Text.StyledText
                elide: Text.ElideRight
                maximumLineCount: 1
                horizontalAlignment: Text.AlignLeft
                color: BrimforgeTheme.primaryForeground
                font.family: BrimforgeTheme.avenirDemi
                font.pointSize: updateLink.visible ? BrimforgeTheme.mediumFontSizePoint
                                                   : BrimforgeTheme.largeFontSizePoint
            }

            Text {
                id: updateLink

                objectName: "updateLink"
                Layout.fillWidth: true
                visible: root.versionCheck.updateAvailable
                text: qsTr("Update available")
                textFormat: Text.PlainText
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignLeft
                // The link style of the theme's buttons: the plain link
                // blue is too dark to read on the dark header.
                color: BrimforgeTheme.hyperlinkButton.textColor
                font.family: BrimforgeTheme.avenir
                font.pointSize: BrimforgeTheme.smallFontSizePoint
                font.underline: updateLinkArea.containsMouse
                Accessible.role: Accessible.Link
                Accessible.name: text

                MouseArea {
                    id: updateLinkArea

                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.window.openExternalUrl(root.versionCheck.updateLink)
                }
            }

            Item {
                Layout.fillHeight: true
            }
        }

        Rectangle {
            objectName: "headerDivider"
            Layout.preferredWidth: BrimforgeTheme.thinBorderWidth
            Layout.fillHeight: true
            Layout.topMargin: BrimforgeTheme.largeSpacing
            Layout.bottomMargin: BrimforgeTheme.largeSpacing
            visible: appButtonsLoader.item !== null || userButton.visible
            color: BrimforgeTheme.secondaryDividerColor
        }

        Loader {
            id: appButtonsLoader

            objectName: "appButtons"
            Layout.alignment: Qt.AlignVCenter
            Layout.maximumHeight: parent.height
        }

        UserButton {
            id: userButton

            objectName: "userButton"
            Layout.alignment: Qt.AlignVCenter
            Layout.preferredWidth: implicitWidth
            Layout.minimumWidth: BrimforgeTheme.gridUnit * 15
            Layout.maximumWidth: BrimforgeTheme.gridUnit * 38
            visible: root.window.showSignInButton
            enabled: !root.portal.busy
            portal: root.portal
            onClicked: root.userButtonClicked()
        }
    }
}
