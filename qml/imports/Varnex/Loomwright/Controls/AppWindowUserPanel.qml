import QtQuick 2.15

// The user panel of AppWindow, over everything under the header: who is
// signed in to which portal, "Manage Portals" and the sign-in button. Under
// it a layer over the content closes it when the pointer moves there.
Item {
    id: root

    // The AppWindow that shows the panel: its portal settings and its links.
    property var window: null
    property var portal: null
    property real headerHeight
    // The panel's arrow points at the middle of the user button.
    property real userButtonWidth

    readonly property alias panel: userPanel

    function toggle() {
        if (userPanel.visible)
            userPanel.hide()
        else
            userPanel.show()
    }

    anchors.fill: parent
    LayoutMirroring.enabled: BrimforgeTheme.rtl
    LayoutMirroring.childrenInherit: true

    MouseArea {
        objectName: "panelCloser"
        anchors.fill: parent
        anchors.topMargin: root.headerHeight
        visible: userPanel.visible
        hoverEnabled: true
        acceptedButtons: Qt.AllButtons
        // A move, not the enter event that a pointer resting on the
        // content sends as soon as the layer appears under it.
        onPositionChanged: userPanel.hide()
        onPressed: userPanel.hide()
    }

    FloatingPanel {
        id: userPanel

        objectName: "userPanel"
        // Its trailing edge in line with the user button's, which ends
        // the header's row.
        x: BrimforgeTheme.rtl ? BrimforgeTheme.largeSpacing : root.width - BrimforgeTheme.largeSpacing - width
        y: root.headerHeight + arrowSize
        width: BrimforgeTheme.gridUnit * 55
        height: implicitHeight
        arrowEdge: Qt.TopEdge
        arrowAlignment: Qt.AlignRight
        arrowMargin: Math.min(root.userButtonWidth, width) / 2

        Column {
            width: userPanel.width - 2 * userPanel.padding
            spacing: BrimforgeTheme.mediumSpacing

            Text {
                objectName: "panelUserName"
                width: parent.width
                text: !root.portal.signedIn ? qsTr("Not Signed In")
                      : root.portal.user && root.portal.user.fullName ? String(root.portal.user.fullName)
                      : String(root.portal.username)
                textFormat: Text.PlainText
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignLeft
                color: BrimforgeTheme.primaryForeground
                font.family: BrimforgeTheme.avenirDemi
                font.pointSize: BrimforgeTheme.mediumFontSizePoint
            }

            Text {
                objectName: "panelEmail"
                width: parent.width
                visible: root.portal.signedIn && !!root.portal.user && !!root.portal.user.email
                text: visible ? String(root.portal.user.email) : ""
                textFormat: Text.PlainText
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignLeft
                color: BrimforgeTheme.secondaryForeground
                font.family: BrimforgeTheme.avenir
                font.pointSize: BrimforgeTheme.smallFontSizePoint
            }

            Text {
                objectName: "panelPortalUrl"
                width: parent.width
                text: String(root.portal.url)
                textFormat: Text.PlainText
                elide: Text.ElideMiddle
                horizontalAlignment: Text.AlignLeft
                color: BrimforgeTheme.hyperlinkButton.textColor
                font.family: BrimforgeTheme.avenir
                font.pointSize: BrimforgeTheme.smallFontSizePoint
                font.underline: portalLinkArea.containsMouse
                Accessible.role: Accessible.Link
                Accessible.name: text

                MouseArea {
                    id: portalLinkArea

                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.window.openExternalUrl(root.portal.url)
                }
            }

            Rectangle {
                width: parent.width
                height: BrimforgeTheme.thinBorderWidth
                color: BrimforgeTheme.floatingPanelDividerColor
            }

            MaterialButton {
                objectName: "managePortalsButton"
                width: parent.width
                visible: root.window.allowManagePortals
                enabled: root.window.managePortalsAction !== null
                buttonType: BrimforgeTheme.textButton
                buttonText: qsTr("Manage Portals")
                iconSource: "images/portal.svg"
                onClicked: {
                    userPanel.hide()
                    root.window.managePortalsAction.trigger()
                }
            }

            MaterialButton {
                objectName: "signInOutButton"
                width: parent.width
                enabled: !root.portal.busy
                buttonType: BrimforgeTheme.textButton
                buttonText: root.portal.signedIn ? qsTr("Sign Out") : qsTr("Sign In")
                glyph: root.portal.signedIn ? "sign-out" : "sign-in"
                onClicked: {
                    userPanel.hide()
                    if (root.portal.signedIn)
                        root.portal.signOut()
                    else
                        root.portal.signIn()
                }
            }
        }
    }
}
