import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Feldrin 1.0

// A status banner: a short message (rich text, links allowed) coloured by its
// type. The signals show() and hide() bring it up and take it away, so that
// callers may both emit them and handle them (onHide:); with
// hideAutomatically it goes away by itself hideAfter ms after showing.
Rectangle {
    id: root

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
    property color textColor: root.typeColors(root.messageType).text
    readonly property bool fading: fadeOut.running

    signal show()
    signal hide()
    signal linkClicked(string link)
    signal arrowClicked()

    function typeColors(type) {
        switch (type) {
        case "success":
            return { background: BrimforgeTheme.successBackground, border: BrimforgeTheme.successBorderColor,
                     text: BrimforgeTheme.successForeground }
        case "warning":
            return { background: BrimforgeTheme.warningBackground, border: BrimforgeTheme.warningBorderColor,
                     text: BrimforgeTheme.warningForeground }
        case "error":
            return { background: BrimforgeTheme.errorBackground, border: BrimforgeTheme.errorBorderColor,
                     text: BrimforgeTheme.errorForeground }
        default:
            return { background: BrimforgeTheme.infoBackground, border: BrimforgeTheme.infoBorderColor,
                     text: BrimforgeTheme.infoForeground }
        }
    }

    implicitWidth: BrimforgeTheme.gridUnit * 120
    // Three lines of 14 points need more than the banner's height; the
    // banner grows rather than cut them. The buttons are lower than the
    // banner, so only the message counts; asking the row instead would run
    // its layout from inside this binding whenever the sizes change, and
    // find the binding itself in a loop.
    implicitHeight: Math.max(BrimforgeTheme.bannerHeight,
                             message.implicitHeight + row.anchors.topMargin + row.anchors.bottomMargin)
    visible: false
    color: root.typeColors(root.messageType).background
    border.color: root.typeColors(root.messageType).border
    border.width: BrimforgeTheme.thinBorderWidth
    radius: BrimforgeTheme.smallRadius

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
        anchors.leftMargin: BrimforgeTheme.xxLargeSpacing
        anchors.rightMargin: BrimforgeTheme.mediumSpacing
        anchors.topMargin: BrimforgeTheme.smallSpacing
        anchors.bottomMargin: BrimforgeTheme.smallSpacing
        spacing: BrimforgeTheme.mediumSpacing

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
            implicitWidth: BrimforgeTheme.xSmallControlHeight
            implicitHeight: BrimforgeTheme.xSmallControlHeight
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
            implicitWidth: BrimforgeTheme.xSmallControlHeight
            implicitHeight: BrimforgeTheme.xSmallControlHeight
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
