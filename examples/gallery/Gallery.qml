import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Controls 1.0
import Feldrin 1.0

// Every themed control of the Controls and Feldrin modules on one page, in
// the scheme that BrimforgeTheme has at the moment. Popups and dialogs open
// one at a time through showPopup(name); popupNames lists them.
//
//   QML2_IMPORT_PATH=build/qml qmlscene examples/gallery/Gallery.qml
Rectangle {
    id: root

    readonly property real scaleFactor: Hostkit.displayScaleFactor
    readonly property real cardWidth: 370 * scaleFactor
    readonly property var popupNames: [
        "BrimforgeDialog", "MessageBox question", "MessageBox message", "ToolHelpDialog",
        "AppItemDetailsDialog", "ThemeMenu", "TextControlsContextMenu", "ThemeComboBox",
        "FloatingPanelPopup", "ActivityOverlay"
    ]
    readonly property url sampleImage: "qrc:/imports/Varnex/Loomwright/Controls/images/cog.svg"
    property var openedPopup: null

    function showPopup(name) {
        hidePopups()
        switch (name) {
        case "BrimforgeDialog":
            openedPopup = plainDialog
            plainDialog.open()
            break
        case "MessageBox question":
            openedPopup = messageBox
            messageBox.confirmYesNo(qsTr("Download App"),
                                    qsTr("%1 is not on your local system.\n\nWould you like to download it now?").arg("Trail Finder"))
            break
        case "MessageBox message":
            openedPopup = messageBox
            messageBox.message(messageBox.iconCritical, qsTr("Download Error"),
                               qsTr("Item does not exist or is inaccessible."),
                               "https://online.varnex.com/sharing/rest/content/items/0123456789abcdef",
                               "HTTP 404 Not Found\nThe item was removed by its owner.")
            break
        case "ToolHelpDialog":
            openedPopup = helpDialog
            helpDialog.open()
            break
        case "AppItemDetailsDialog":
            openedPopup = detailsDialog
            detailsDialog.open()
            break
        case "ThemeMenu":
            openedPopup = menu
            menu.popup(menuAnchor, 0, menuAnchor.height)
            break
        case "TextControlsContextMenu":
            openedPopup = contextMenu
            contextMenu.popup(textField, 0, textField.height)
            break
        case "ThemeComboBox":
            openedPopup = comboBox.popup
            comboBox.popup.open()
            break
        case "FloatingPanelPopup":
            openedPopup = floatingPopup
            floatingPopup.show()
            break
        case "ActivityOverlay":
            openedPopup = overlay
            overlay.percentage = 42
            overlay.secondsRemaining = 95
            overlay.show(qsTr("Downloading %1").arg("Trail Finder"))
            break
        default:
            openedPopup = null
        }
        return openedPopup
    }

    function hidePopups() {
        [plainDialog, helpDialog, detailsDialog, menu, contextMenu, comboBox.popup].forEach(function (popup) {
            popup.close()
        })
        if (messageBox.visible)
            messageBox.close()
        floatingPopup.hide()
        overlay.hide()
        openedPopup = null
    }

    // A titled panel for one control or a family of them.
    component Card: Rectangle {
        id: card

        property string title
        default property alias content: cardColumn.data

        width: root.cardWidth
        height: cardColumn.implicitHeight + 2 * 14 * root.scaleFactor
        color: BrimforgeTheme.secondaryBackground
        border.color: BrimforgeTheme.primaryDividerColor
        border.width: 1 * root.scaleFactor

        ColumnLayout {
            id: cardColumn

            x: 14 * root.scaleFactor
            y: 14 * root.scaleFactor
            width: parent.width - 2 * 14 * root.scaleFactor
            spacing: 10 * root.scaleFactor

            Text {
                Layout.fillWidth: true
                text: card.title
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: BrimforgeTheme.secondaryForeground
                font.family: BrimforgeTheme.avenirDemi
                font.pointSize: BrimforgeTheme.smallFontSizePoint
            }
        }
    }

    width: 1600 * scaleFactor
    height: 1200 * scaleFactor
    color: BrimforgeTheme.primaryBackground

    BrimforgeAction {
        id: makeAction

        displayName: qsTr("Make")
        tooltip: qsTr("Build the app")
        glyph: "download-to"
    }

    BrimforgeAction {
        id: settingsAction

        displayName: qsTr("Settings")
        iconSource: root.sampleImage
    }

    Flow {
        id: cards

        anchors.fill: parent
        anchors.margins: 16 * root.scaleFactor
        spacing: 12 * root.scaleFactor

        Card {
            title: "MaterialButton"

            Flow {
                Layout.fillWidth: true
                spacing: 8 * root.scaleFactor

                MaterialButton { buttonText: qsTr("Filled"); buttonType: BrimforgeTheme.filledButton }
                MaterialButton { buttonText: qsTr("Danger"); buttonType: BrimforgeTheme.dangerButton }
                MaterialButton { buttonText: qsTr("Outline"); buttonType: BrimforgeTheme.outlineButton }
                MaterialButton { buttonText: qsTr("Text"); buttonType: BrimforgeTheme.textButton }
                MaterialButton { buttonText: qsTr("Hyperlink"); buttonType: BrimforgeTheme.hyperlinkButton }
                MaterialButton { buttonText: qsTr("Disabled"); enabled: false }
                MaterialButton { buttonText: qsTr("Elevated"); useElevation: true }
                MaterialButton { action: makeAction }
            }
        }

        Card {
            title: "AppActionButton, ImageButton"

            RowLayout {
                spacing: 12 * root.scaleFactor

                AppActionButton { action: makeAction }
                AppActionButton { action: settingsAction }
                AppActionButton { action: makeAction; horizontal: true }
                ImageButton {
                    Layout.preferredWidth: 32 * root.scaleFactor
                    Layout.preferredHeight: 32 * root.scaleFactor
                    source: root.sampleImage
                    toolTip: qsTr("Settings")
                }
                ImageButton {
                    Layout.preferredWidth: 32 * root.scaleFactor
                    Layout.preferredHeight: 32 * root.scaleFactor
                    source: root.sampleImage
                    checkable: true
                    checked: true
                }
            }
        }

        Card {
            title: "BrimforgeIcon, GlyphItem, GlyphControl"

            RowLayout {
                spacing: 14 * root.scaleFactor

                BrimforgeIcon { glyph: "sign-in" }
                BrimforgeIcon { icon: BrimforgeTheme.icon.getIconByName("brim_forge"); useIconFont: true }
                BrimforgeIcon { icon: BrimforgeTheme.icon.getIconByName("warning") }
                BrimforgeIcon {
                    useIconFont: false
                    icon: "images/chevron.svg"
                    color: BrimforgeTheme.highlightBorderColor
                }
                GlyphItem {
                    name: "refresh"
                    color: BrimforgeTheme.primaryForeground
                }
                GlyphItem {
                    name: "arrow-right"
                    mirror: true
                    color: BrimforgeTheme.highlightBorderColor
                }
                GlyphControl {
                    name: "check"
                    debug: true
                    palette.windowText: BrimforgeTheme.primaryForeground
                }
            }
        }

        Card {
            title: "BrimforgeBusyIndicator, GlyphBusyIndicator,\nBrimforgeProgressBar"

            RowLayout {
                spacing: 14 * root.scaleFactor

                BrimforgeBusyIndicator { dimension: 40 }
                GlyphBusyIndicator {
                    implicitWidth: 40 * root.scaleFactor
                    implicitHeight: 40 * root.scaleFactor
                    color: BrimforgeTheme.highlightBorderColor
                    backgroundColor: "transparent"
                }
                BrimforgeProgressBar {
                    Layout.fillWidth: true
                    from: 0
                    to: 100
                    value: 64
                }
            }
        }

        Card {
            title: "ThemeCheckBox, ThemeRadioButton, ThemeSwitch"

            GridLayout {
                columns: 2
                columnSpacing: 12 * root.scaleFactor

                ThemeCheckBox { text: qsTr("Checked"); checked: true }
                ThemeCheckBox { text: qsTr("Unchecked") }
                ThemeRadioButton { text: qsTr("Android"); checked: true }
                ThemeRadioButton { text: qsTr("iOS") }
                ThemeSwitch { text: qsTr("On"); checked: true }
                ThemeSwitch { text: qsTr("Off"); enabled: false }
                ThemeSwitchWithIconLabel {
                    Layout.columnSpan: 2
                    text: qsTr("Location")
                    glyph: "sign-in"
                    checked: true
                }
            }
        }

        Card {
            title: "ThemeComboBox, ThemeTextField, ThemeTextArea"

            ThemeComboBox {
                id: comboBox

                Layout.fillWidth: true
                model: [qsTr("Recently modified"), qsTr("Title"), qsTr("Created")]
            }
            ThemeTextField {
                id: textField

                Layout.fillWidth: true
                text: qsTr("Trail Finder")
            }
            ThemeTextField {
                Layout.fillWidth: true
                placeholderText: qsTr("Search apps")
            }
            ThemeTextArea {
                Layout.fillWidth: true
                Layout.preferredHeight: 64 * root.scaleFactor
                text: qsTr("A map of the trails around the lake,\nwith the huts and springs.")
            }
        }

        Card {
            title: "ThemeTextFieldWithFilePathValidation"

            ThemeTextFieldWithFilePathValidation {
                Layout.fillWidth: true
                text: "/usr/share/missing/app.qml"
                testFileExtension: true
                fileExtensions: [".qml"]
            }
            ThemeTextFieldWithFilePathValidation {
                Layout.fillWidth: true
                text: "/etc/hostname"
            }
        }

        Card {
            title: "InlineStyledTextEdit, LabelValue, AvenirTextMetrics"

            InlineStyledTextEdit {
                Layout.fillWidth: true
                text: qsTr("Trail Finder")
            }
            LabelValue {
                Layout.fillWidth: true
                label: qsTr("Version")
                value: "1.4.2"
            }
            LabelValue {
                Layout.fillWidth: true
                label: qsTr("Owner")
                value: "mara.lindqvist"
                clickable: true
            }
            Text {
                AvenirTextMetrics {
                    id: metrics

                    text: qsTr("Trail Finder")
                }

                text: qsTr("Measured width: %1 px").arg(Math.round(metrics.advanceWidth))
                color: BrimforgeTheme.secondaryForeground
                font.family: BrimforgeTheme.avenir
                font.pointSize: BrimforgeTheme.smallFontSizePoint
            }
        }

        Card {
            title: "ThemeTabButton, ThemeTabButtonVertical"

            TabBar {
                background: null

                ThemeTabButton { text: qsTr("Apps"); glyph: "download"; width: implicitWidth }
                ThemeTabButton { text: qsTr("Samples"); width: implicitWidth }
                ThemeTabButton { text: qsTr("Templates"); width: implicitWidth }
            }
            Column {
                ThemeTabButtonVertical { text: qsTr("General"); glyph: "pencil"; checked: true; autoExclusive: true }
                ThemeTabButtonVertical { text: qsTr("Advanced"); glyph: "refresh"; autoExclusive: true }
            }
        }

        Card {
            title: "ToastNotification"

            Repeater {
                model: [
                    { type: "success", text: qsTr("Upload completed.") },
                    { type: "info", text: qsTr("A new version is <a href=\"https://online.varnex.com\">available</a>.") },
                    { type: "warning", text: qsTr("The app has local changes.") },
                    { type: "error", text: qsTr("Download failed.") }
                ]

                ToastNotification {
                    Layout.fillWidth: true
                    messageType: modelData.type
                    text: modelData.text
                    hideAutomatically: false
                    showArrow: index === 1
                    Component.onCompleted: show()
                }
            }
        }

        Card {
            title: "FloatingPanel"

            Item {
                Layout.fillWidth: true
                Layout.preferredHeight: 90 * root.scaleFactor

                FloatingPanel {
                    id: menuAnchor

                    x: 8 * root.scaleFactor
                    y: 12 * root.scaleFactor
                    arrowEdge: Qt.TopEdge
                    arrowAlignment: Qt.AlignLeft
                    visible: true

                    Text {
                        text: qsTr("Signed in as mara.lindqvist")
                        color: BrimforgeTheme.primaryForeground
                        font.family: BrimforgeTheme.avenir
                        font.pointSize: BrimforgeTheme.baseFontSizePoint
                    }
                }
            }
        }

        Card {
            title: "QRCode"

            RowLayout {
                spacing: 12 * root.scaleFactor

                QRCode {
                    Layout.preferredWidth: 120 * root.scaleFactor
                    Layout.preferredHeight: 120 * root.scaleFactor
                    value: "https://online.varnex.com/apps/trail-finder"
                }
                QRCode {
                    Layout.preferredWidth: 120 * root.scaleFactor
                    Layout.preferredHeight: 120 * root.scaleFactor
                    value: "Grüße ✓"
                    level: "H"
                    foreground: BrimforgeTheme.brandPurple250
                    background: BrimforgeTheme.feldrinGray050
                }
            }
        }

        Card {
            title: "FeldrinColors"

            Flow {
                Layout.fillWidth: true
                spacing: 2 * root.scaleFactor

                Repeater {
                    model: ["h_yy_010", "h_oo_050", "h_rr_060", "h_pk_060", "h_vv_060", "h_bb_060", "h_gb_060",
                            "h_gg_060", "h_br_060", "m_bb_040", "l_gg_080", "v_yy_120", "v_bb_160", "blk_120",
                            "blk_200", "d_bb_420", "d_rr_430"]

                    Rectangle {
                        width: 18 * root.scaleFactor
                        height: 18 * root.scaleFactor
                        color: FeldrinColors[modelData]
                    }
                }
            }
        }
    }

    BrimforgeDialog {
        id: plainDialog

        title: qsTr("Publish App")
        width: 420 * root.scaleFactor
        buttons: [
            MaterialButton { buttonText: qsTr("Cancel"); buttonType: BrimforgeTheme.outlineButton; onClicked: plainDialog.close() },
            MaterialButton { buttonText: qsTr("Publish"); onClicked: plainDialog.close() }
        ]

        Text {
            width: parent.width
            text: qsTr("Share the app with everyone in your organisation?")
            wrapMode: Text.Wrap
            color: BrimforgeTheme.primaryForeground
            font.family: BrimforgeTheme.avenir
            font.pointSize: BrimforgeTheme.baseFontSizePoint
        }
    }

    MessageBox {
        id: messageBox
    }

    ToolHelpDialog {
        id: helpDialog

        openLinksExternally: false
        helpText: qsTr("<h3>Make</h3><p>Builds your app for the platforms you choose, on this computer or in the cloud.</p>"
                       + "<p>Pick the platforms, then press <b>Make</b>. See the <a href=\"tool://console\">console</a> "
                       + "for the build's output.</p>")
    }

    AppItemDetailsDialog {
        id: detailsDialog

        appInfo: ({ title: "Trail Finder" })
    }

    ThemeMenu {
        id: menu

        Action { text: qsTr("Upload") }
        Action { text: qsTr("Download"); enabled: false }
        MenuSeparator {}
        Action { text: qsTr("Show in folder"); checkable: true; checked: true }
    }

    TextControlsContextMenu {
        id: contextMenu

        canPaste: false
    }

    FloatingPanelPopup {
        id: floatingPopup

        x: 420 * root.scaleFactor
        y: 420 * root.scaleFactor
        arrowEdge: Qt.LeftEdge

        Text {
            text: qsTr("Drop a picture here to use it as the app's icon.")
            color: BrimforgeTheme.primaryForeground
            font.family: BrimforgeTheme.avenir
            font.pointSize: BrimforgeTheme.baseFontSizePoint
        }
    }

    ActivityOverlay {
        id: overlay

        anchors.fill: parent
        title: qsTr("Download App")
    }
}
