import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Feldrin 1.0
import Varnex.Loomwright.Controls 1.0

// What the tool makes and from what: the picture, the platforms, the two
// background colours and the output folder, then Generate. The window owns
// the values; this panel shows and edits them.
Item {
    id: root

    // The SampleToolWindow.
    property var tool: null

    signal choosePicture()
    signal chooseOutputFolder()

    // The platforms in the order the sets are made, with their names.
    function platformName(platform) {
        switch (platform) {
        case "windows":
            return qsTr("Windows")
        case "macos":
            return qsTr("macOS")
        case "android":
            return qsTr("Android")
        case "ios":
            return qsTr("iOS")
        case "winrt":
            return qsTr("Windows Store")
        case "installer":
            return qsTr("Installer pictures")
        }
        return platform
    }

    // The form scrolls; Generate stays in sight below it.
    Flickable {
        id: flickable

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: footer.top
        clip: true
        contentWidth: width
        // The form's height, not its implicit height: that one changes while the
        // layout arranges the form, and a binding on it would loop.
        contentHeight: form.height + 2 * BrimforgeTheme.xxLargeSpacing
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: form

            x: BrimforgeTheme.xxLargeSpacing
            y: BrimforgeTheme.xxLargeSpacing
            width: root.width - 2 * BrimforgeTheme.xxLargeSpacing
            spacing: BrimforgeTheme.mediumSpacing

            SectionTitle {
                Layout.fillWidth: true
                text: qsTr("Picture")
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: BrimforgeTheme.largeSpacing

                Rectangle {
                    objectName: "picturePreview"
                    Layout.preferredWidth: BrimforgeTheme.gridUnit * 20
                    Layout.preferredHeight: BrimforgeTheme.gridUnit * 20
                    color: BrimforgeTheme.tertiaryBackground
                    border.width: BrimforgeTheme.thinBorderWidth
                    border.color: BrimforgeTheme.secondaryBorderColor

                    Image {
                        anchors.fill: parent
                        anchors.margins: BrimforgeTheme.xSmallSpacing
                        visible: root.tool.picture !== ""
                        source: root.tool.pictureUrl
                        sourceSize.width: width
                        sourceSize.height: height
                        fillMode: Image.PreserveAspectFit
                        asynchronous: true
                        cache: false
                    }

                    GlyphItem {
                        anchors.centerIn: parent
                        width: BrimforgeTheme.largeIconSize
                        height: BrimforgeTheme.largeIconSize
                        visible: root.tool.picture === ""
                        name: "image"
                        color: BrimforgeTheme.secondaryForeground
                    }
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: BrimforgeTheme.xSmallSpacing

                    Text {
                        objectName: "pictureName"
                        Layout.fillWidth: true
                        text: root.tool.picture !== "" ? root.tool.picture : qsTr("No picture yet: choose one or drop it onto the window.")
                        textFormat: Text.PlainText
                        wrapMode: root.tool.picture !== "" ? Text.NoWrap : Text.Wrap
                        elide: Text.ElideMiddle
                        maximumLineCount: 3
                        horizontalAlignment: Text.AlignLeft
                        color: BrimforgeTheme.secondaryForeground
                        font.family: BrimforgeTheme.avenir
                        font.pointSize: BrimforgeTheme.smallFontSizePoint
                    }

                    Flow {
                        Layout.fillWidth: true
                        spacing: BrimforgeTheme.mediumSpacing

                        MaterialButton {
                            objectName: "choosePictureButton"
                            buttonType: BrimforgeTheme.outlineButton
                            buttonText: qsTr("Choose…")
                            glyph: "folder"
                            onClicked: root.choosePicture()
                        }

                        MaterialButton {
                            objectName: "samplePictureButton"
                            buttonType: BrimforgeTheme.outlineButton
                            buttonText: qsTr("Sample Picture")
                            glyph: "image"
                            ToolTip.visible: hovered
                            ToolTip.text: qsTr("Use the project's sample picture")
                            onClicked: root.tool.useSamplePicture()
                        }
                    }
                }
            }

            SectionTitle {
                Layout.fillWidth: true
                Layout.topMargin: BrimforgeTheme.largeSpacing
                text: qsTr("Platforms")
            }

            GridLayout {
                Layout.fillWidth: true
                columns: 2
                columnSpacing: BrimforgeTheme.largeSpacing
                rowSpacing: 0

                Repeater {
                    model: root.tool.availablePlatforms

                    ThemeCheckBox {
                        objectName: "platform-" + modelData
                        Layout.fillWidth: true
                        text: root.platformName(modelData)
                        checked: root.tool.platforms.indexOf(modelData) >= 0
                        onToggled: root.tool.choosePlatform(modelData, checked)
                    }
                }
            }

            SectionTitle {
                Layout.fillWidth: true
                Layout.topMargin: BrimforgeTheme.largeSpacing
                text: qsTr("Options")
            }

            GridLayout {
                Layout.fillWidth: true
                columns: 2
                columnSpacing: BrimforgeTheme.xLargeSpacing
                rowSpacing: 0

                Repeater {
                    model: [
                        { key: "iconBackground", label: qsTr("Icon background") },
                        { key: "launchBackground", label: qsTr("Launch background") }
                    ]

                    ColumnLayout {
                        Layout.fillWidth: true
                        // Both columns alike, whatever their fields would like.
                        Layout.preferredWidth: BrimforgeTheme.smallControlWidth
                        spacing: BrimforgeTheme.xxSmallSpacing

                        Text {
                            Layout.fillWidth: true
                            text: modelData.label
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            horizontalAlignment: Text.AlignLeft
                            color: BrimforgeTheme.primaryForeground
                            font.family: BrimforgeTheme.avenir
                            font.pointSize: BrimforgeTheme.smallFontSizePoint
                        }

                        RowLayout {
                            Layout.fillWidth: true
                            spacing: BrimforgeTheme.mediumSpacing

                            ThemeTextField {
                                id: colourField

                                objectName: modelData.key + "Field"
                                Layout.fillWidth: true
                                Layout.preferredWidth: BrimforgeTheme.smallControlWidth
                                text: root.tool[modelData.key]
                                placeholderText: qsTr("Default")
                                onTextEdited: root.tool[modelData.key] = text
                            }

                            // The colour as it will be painted; crossed out while the
                            // text names no colour.
                            Rectangle {
                                readonly property bool valid: colourField.text === "" || root.tool.isColour(colourField.text)

                                objectName: modelData.key + "Swatch"

                                Layout.preferredWidth: BrimforgeTheme.mediumControlHeight
                                Layout.preferredHeight: BrimforgeTheme.mediumControlHeight
                                color: colourField.text !== "" && valid ? colourField.text : "transparent"
                                border.width: BrimforgeTheme.thinBorderWidth
                                border.color: valid ? BrimforgeTheme.secondaryBorderColor : BrimforgeTheme.errorColor

                                GlyphItem {
                                    anchors.centerIn: parent
                                    width: BrimforgeTheme.mediumIconSize
                                    height: BrimforgeTheme.mediumIconSize
                                    visible: !parent.valid
                                    name: "x"
                                    color: BrimforgeTheme.errorColor
                                }
                            }
                        }
                    }
                }
            }

            SectionTitle {
                Layout.fillWidth: true
                Layout.topMargin: BrimforgeTheme.largeSpacing
                text: qsTr("Output folder")
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: BrimforgeTheme.mediumSpacing

                ThemeTextField {
                    objectName: "outputFolderField"
                    Layout.fillWidth: true
                    text: root.tool.outputFolder
                    onTextEdited: root.tool.outputFolder = text
                }

                MaterialButton {
                    objectName: "chooseFolderButton"
                    Layout.preferredHeight: BrimforgeTheme.mediumControlHeight
                    buttonType: BrimforgeTheme.outlineButton
                    buttonText: qsTr("Choose…")
                    glyph: "folder"
                    useIconOnly: true
                    ToolTip.visible: hovered
                    ToolTip.text: qsTr("Choose the output folder")
                    onClicked: root.chooseOutputFolder()
                }
            }
        }
    }

    Rectangle {
        id: footer

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: generateButton.height + 2 * BrimforgeTheme.xxLargeSpacing
        color: BrimforgeTheme.secondaryBackground

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            height: BrimforgeTheme.thinBorderWidth
            color: BrimforgeTheme.primaryDividerColor
        }

        MaterialButton {
            id: generateButton

            objectName: "generateButton"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            anchors.margins: BrimforgeTheme.xxLargeSpacing
            height: BrimforgeTheme.largeControlHeight
            enabled: !root.tool.generating
            buttonText: qsTr("Generate")
            glyph: "play"
            onClicked: root.tool.generate()
        }
    }
}
