import QtQuick 2.15
import QtQuick.Controls 2.15

// Shows a tool's help text (rich text, scrollable) with a "Close" button.
// A clicked link is reported through linkActivated and, unless
// openLinksExternally is off, opened in the system browser.
BrimforgeDialog {
    id: root

    property string helpText
    property bool openLinksExternally: true

    signal linkActivated(string link)

    title: qsTr("Help")
    width: Math.min(BrimforgeTheme.gridUnit * 150, maximumWidth)
    height: Math.min(BrimforgeTheme.gridUnit * 120, maximumHeight)

    buttons: [
        MaterialButton {
            objectName: "closeButton"
            buttonText: qsTr("Close")
            buttonType: BrimforgeTheme.filledButton
            onClicked: root.close()
        }
    ]

    Flickable {
        id: flickable

        objectName: "helpFlickable"
        anchors.fill: parent
        clip: true
        contentWidth: width
        contentHeight: helpLabel.implicitHeight
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        Text {
            id: helpLabel

            objectName: "helpText"
            width: flickable.width
            // Rich text takes the colour of links from a style sheet only.
            text: "<style>a { color: %1; }</style>".arg(BrimforgeTheme.hyperlinkColor) + root.helpText
            textFormat: Text.RichText
            wrapMode: Text.Wrap
            color: BrimforgeTheme.primaryForeground
            font.family: BrimforgeTheme.avenir
            font.pointSize: BrimforgeTheme.baseFontSizePoint
            horizontalAlignment: BrimforgeTheme.rtl ? Text.AlignRight : Text.AlignLeft

            onLinkActivated: {
                root.linkActivated(link)
                if (root.openLinksExternally)
                    Qt.openUrlExternally(link)
            }

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.NoButton
                cursorShape: helpLabel.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
            }
        }
    }
}
