import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Varnex.Hostkit 1.0

import "qrc:/imports/Feldrin"

// A status banner: a short message (rich text, links allowed) coloured by its
// type. Emit show() to bring it up and hide() to take it away; with
// hideAutomatically it goes away by itself hideAfter ms after showing.
Rectangle {
    id: root

    property real scaleFactor: Hostkit.displayScaleFactor
    property string text
    // "success", "info", "warning" or "error"
    property string messageType: "info"
    property bool hideAutomatically: true
    property int hideAfter: 30000
    property bool useFadeAnimation: true
    property bool showDismissButton: true
    property bool showArrow: false
    // Off only where a link must not leave the application (tests, kiosks).
    property bool openLinksExternally: true
    property real fontPointSize: 14
    // Dark text on the light banners. The success and error banners are dark,
    // and the same dark text on them could not be read, so they take the
    // theme's lightest grey.
    property color textColor: root.messageType === "success" || root.messageType === "error"
                              ? BrimforgeTheme.feldrinGray050 : "#111"
    readonly property bool fading: fadeOut.running

    signal show()
    signal hide()
    signal linkClicked(string link)
    signal arrowClicked()

    function typeColors(type) {
        switch (type) {
        case "success":
            return { background: "#295429", border: "#295429" }
        case "warning":
            return { background: "#F3EDC7", border: "#D9BF2B" }
        case "error":
            return { background: BrimforgeTheme.brimforgeRed3, border: BrimforgeTheme.brimforgeRed3 }
        default:
            return { background: "#D2E9F9", border: "#3B8FC4" }
        }
    }

    implicitWidth: 480 * root.scaleFactor
    // Three lines of 14 points need more than the banner's 50 units; the
    // banner grows rather than cut them.
    implicitHeight: Math.max(50 * root.scaleFactor, row.implicitHeight + row.anchors.topMargin + row.anchors.bottomMargin)
    visible: false
    color: root.typeColors(root.messageType).background
    border.color: root.typeColors(root.messageType).border
    border.width: 1 * root.scaleFactor
    radius: 2 * root.scaleFactor

    onShow: {
        fadeOut.stop()
        root.opacity = 1
        root.visible = true
        if (root.hideAutomatically)
            hideTimer.restart()
        else
            hideTimer.stop()
    }
    onHide: {
        hideTimer.stop()
        if (!root.visible)
            return
        if (root.useFadeAnimation) {
            if (!fadeOut.running)
                fadeOut.start()
        } else {
            fadeOut.stop()
            root.visible = false
            root.opacity = 1
        }
    }

    Timer {
        id: hideTimer

        interval: root.hideAfter
        onTriggered: root.hide()
    }

    NumberAnimation {
        id: fadeOut

        target: root
        property: "opacity"
        to: 0
        duration: 1000
        easing.type: Easing.Linear
        onFinished: {
            root.visible = false
            root.opacity = 1
        }
    }

    RowLayout {
        id: row

        anchors.fill: root
        anchors.leftMargin: 16 * root.scaleFactor
        anchors.rightMargin: 8 * root.scaleFactor
        anchors.topMargin: 6 * root.scaleFactor
        anchors.bottomMargin: 6 * root.scaleFactor
        spacing: 8 * root.scaleFactor

        Text {
            id: message

            objectName: "messageText"
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            text: root.text
            textFormat: Text.StyledText
            wrapMode: Text.Wrap
            maximumLineCount: 3
            elide: Text.ElideRight
            font.family: BrimforgeTheme.avenir
            font.pointSize: root.fontPointSize
            color: root.textColor
            linkColor: root.textColor
            onLinkActivated: {
                root.linkClicked(link)
                if (root.openLinksExternally)
                    Qt.openUrlExternally(link)
            }

            MouseArea {
                anchors.fill: message
                acceptedButtons: Qt.NoButton
                cursorShape: message.hoveredLink ? Qt.PointingHandCursor : Qt.ArrowCursor
            }
        }

        AbstractButton {
            id: arrowButton

            objectName: "arrowButton"
            Layout.alignment: Qt.AlignVCenter
            implicitWidth: 28 * root.scaleFactor
            implicitHeight: 28 * root.scaleFactor
            visible: root.showArrow
            hoverEnabled: true
            onClicked: root.arrowClicked()

            contentItem: GlyphItem {
                name: "arrow-right"
                mirror: arrowButton.mirrored
                fontScale: 0.75
                color: root.textColor
                opacity: arrowButton.hovered ? 1 : 0.8
            }
        }

        AbstractButton {
            id: dismissButton

            objectName: "dismissButton"
            Layout.alignment: Qt.AlignVCenter
            implicitWidth: 28 * root.scaleFactor
            implicitHeight: 28 * root.scaleFactor
            visible: root.showDismissButton
            hoverEnabled: true
            onClicked: root.hide()

            contentItem: GlyphItem {
                name: "x"
                fontScale: 0.75
                color: root.textColor
                opacity: dismissButton.hovered ? 1 : 0.8
            }
        }
    }
}
