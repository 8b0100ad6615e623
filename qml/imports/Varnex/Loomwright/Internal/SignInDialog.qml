import QtQuick 2.15
import QtQuick.Controls 2.15
import Varnex.Hostkit.WebView 1.0

// The portal's OAuth authorisation page in a modal dialog. The portal tells
// the outcome of the out-of-band flow in the page title: "SUCCESS code=" and
// the code accepts the dialog with `authorizationCode` set, "Denied
// error=access_denied" (the user pressed Cancel) rejects it; any other title
// leaves it open. Pressing and holding the banner rejects it as well.
//
// Whoever creates it gives it a parent item in the window (the window's
// overlay centres it there) and the portal's `authorizationUrl`.
Dialog {
    id: root

    property color bannerColor: BrimforgeTheme.secondaryBackground
    property color bannerTextColor: BrimforgeTheme.primaryForeground
    property font titleFont: Qt.font({ family: BrimforgeTheme.avenirDemi, pointSize: BrimforgeTheme.mediumFontSizePoint })
    property string authorizationUrl
    property string authorizationCode
    // The page, for hosts (and tests) that drive it.
    readonly property alias webView: webView

    readonly property string successPrefix: "SUCCESS code="
    readonly property string deniedTitle: "Denied error=access_denied"

    function takeTitle(title) {
        var text = String(title)
        if (text.indexOf(successPrefix) >= 0) {
            authorizationCode = text.replace(successPrefix, "").trim()
            accept()
        } else if (text === deniedTitle) {
            reject()
        }
    }

    anchors.centerIn: parent
    width: Math.min(BrimforgeTheme.gridUnit * 160, parent ? parent.width : Number.POSITIVE_INFINITY)
    height: Math.min(BrimforgeTheme.gridUnit * 120, parent ? parent.height : Number.POSITIVE_INFINITY)
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    padding: 0
    title: qsTr("Sign In")
    font.family: BrimforgeTheme.avenir
    font.pointSize: BrimforgeTheme.baseFontSizePoint

    background: Rectangle {
        color: BrimforgeTheme.floatingPanelBackground
        border.color: BrimforgeTheme.floatingPanelBorderColor
        border.width: BrimforgeTheme.thinBorderWidth
    }

    header: Rectangle {
        implicitHeight: titleLabel.implicitHeight + 2 * BrimforgeTheme.dialogTitlePadding
        color: root.bannerColor

        Text {
            id: titleLabel

            objectName: "signInTitle"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            anchors.leftMargin: BrimforgeTheme.xxLargeSpacing
            anchors.rightMargin: BrimforgeTheme.xxLargeSpacing
            text: root.title
            textFormat: Text.PlainText
            elide: Text.ElideRight
            horizontalAlignment: BrimforgeTheme.rtl ? Text.AlignRight : Text.AlignLeft
            color: root.bannerTextColor
            font: root.titleFont
        }

        MouseArea {
            objectName: "signInBanner"
            anchors.fill: parent
            onPressAndHold: root.reject()
        }
    }

    contentItem: Item {
        WebView {
            id: webView

            objectName: "signInPage"
            anchors.fill: parent
            url: root.authorizationUrl
            onTitleChanged: root.takeTitle(title)
            onLoadingChanged: {
                if (loadRequest.status === WebView.LoadSucceededStatus)
                    forceActiveFocus()
            }
        }

        BrimforgeProgressBar {
            objectName: "signInProgress"
            barHeight: BrimforgeTheme.thinProgressBarHeight
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            visible: webView.loading
            from: 0
            to: 100
            value: webView.loadProgress
        }

        BrimforgeBusyIndicator {
            objectName: "signInBusy"
            anchors.centerIn: parent
            running: webView.loading
            visible: running
        }
    }
}
