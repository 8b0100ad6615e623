import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Feldrin 1.0
import Varnex.Loomwright.Controls 1.0

// What the last run wrote: a grid of the files of the chosen platforms, each
// with its picture, its path below the output folder, its size in pixels
// and in bytes. Above it a line that says whether every set was made.
Item {
    id: root

    // [{ path, url, name, platform, bytes, width, height }] (IconSetGenerator.outputFiles)
    property var files: []
    // "", "complete" or "incomplete": no run yet, every set made, a set failed.
    property string outcome
    property string outputFolder
    readonly property alias grid: grid
    readonly property real totalBytes: {
        var sum = 0
        for (var i = 0; i < files.length; ++i)
            sum += files[i].bytes
        return sum
    }

    function byteText(bytes) {
        if (bytes < 1024)
            return qsTr("%1 B").arg(bytes)
        if (bytes < 1024 * 1024)
            return qsTr("%1 KiB").arg(Number(bytes / 1024).toLocaleString(Qt.locale(), "f", 1))
        return qsTr("%1 MiB").arg(Number(bytes / (1024 * 1024)).toLocaleString(Qt.locale(), "f", 2))
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: BrimforgeTheme.xxLargeSpacing
        spacing: BrimforgeTheme.mediumSpacing

        SectionTitle {
            Layout.fillWidth: true
            text: qsTr("Results")
        }

        Text {
            objectName: "summaryText"
            Layout.fillWidth: true
            text: {
                if (root.outcome === "")
                    return qsTr("The pictures of the chosen platforms appear here after Generate.")
                var counts = qsTr("%n file(s)", "", root.files.length) + " · " + root.byteText(root.totalBytes)
                // A path reads left to right in every language; embedded as
                // such, its slashes stay in place in a right-to-left sentence.
                var folder = "\u202A" + root.outputFolder + "\u202C"
                if (root.outcome === "complete")
                    return qsTr("Every set was made: %1 in %2").arg(counts).arg(folder)
                return qsTr("Not every set was made; what was written: %1 in %2").arg(counts).arg(folder)
            }
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignLeft
            color: root.outcome === "incomplete" ? BrimforgeTheme.errorColor : BrimforgeTheme.secondaryForeground
            font.family: root.outcome === "incomplete" ? BrimforgeTheme.avenirDemi : BrimforgeTheme.avenir
            font.pointSize: BrimforgeTheme.smallFontSizePoint
        }

        GridView {
            id: grid

            readonly property real cardWidth: BrimforgeTheme.gridUnit * 38
            readonly property int columns: Math.max(1, Math.floor(width / cardWidth))

            objectName: "resultsGrid"

            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: root.files
            cellWidth: width / columns
            cellHeight: BrimforgeTheme.gridUnit * 56
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}

            delegate: Item {
                width: grid.cellWidth
                height: grid.cellHeight

                Rectangle {
                    readonly property string fileName: modelData.name

                    objectName: "resultCard"

                    anchors.fill: parent
                    anchors.margins: BrimforgeTheme.xSmallSpacing
                    color: BrimforgeTheme.galleryCardBackground
                    border.width: BrimforgeTheme.thinBorderWidth
                    border.color: BrimforgeTheme.secondaryDividerColor
                    radius: BrimforgeTheme.mediumRadius

                    ColumnLayout {
                        anchors.fill: parent
                        anchors.margins: BrimforgeTheme.mediumSpacing
                        spacing: BrimforgeTheme.xxSmallSpacing

                        Item {
                            Layout.fillWidth: true
                            Layout.fillHeight: true

                            Image {
                                id: preview

                                anchors.fill: parent
                                visible: modelData.width > 0
                                source: modelData.previewUrl
                                sourceSize.width: Math.min(width, modelData.width)
                                sourceSize.height: Math.min(height, modelData.height)
                                fillMode: Image.PreserveAspectFit
                                asynchronous: true
                                cache: false
                            }

                            // Where the picture ends: a white launch image on a
                            // light card has no edge of its own.
                            Rectangle {
                                anchors.centerIn: parent
                                width: preview.paintedWidth + 2 * BrimforgeTheme.thinBorderWidth
                                height: preview.paintedHeight + 2 * BrimforgeTheme.thinBorderWidth
                                visible: preview.visible && preview.status === Image.Ready
                                color: "transparent"
                                border.width: BrimforgeTheme.thinBorderWidth
                                border.color: BrimforgeTheme.secondaryBorderColor
                            }

                            GlyphItem {
                                anchors.centerIn: parent
                                width: BrimforgeTheme.largeIconSize * 2
                                height: width
                                visible: modelData.width === 0
                                name: "file-earmark"
                                color: BrimforgeTheme.secondaryForeground
                            }
                        }

                        Text {
                            objectName: "fileName"
                            Layout.fillWidth: true
                            text: modelData.fileName
                            textFormat: Text.PlainText
                            // Long names take a second line rather than lose letters.
                            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                            maximumLineCount: 2
                            horizontalAlignment: Text.AlignHCenter
                            color: BrimforgeTheme.primaryForeground
                            font.family: BrimforgeTheme.avenirDemi
                            font.pointSize: BrimforgeTheme.smallFontSizePoint
                        }

                        Text {
                            objectName: "fileFolder"
                            Layout.fillWidth: true
                            text: modelData.folder
                            textFormat: Text.PlainText
                            elide: Text.ElideMiddle
                            horizontalAlignment: Text.AlignHCenter
                            color: BrimforgeTheme.secondaryForeground
                            font.family: BrimforgeTheme.avenir
                            font.pointSize: BrimforgeTheme.xSmallFontSizePoint
                        }

                        Text {
                            objectName: "fileSize"
                            Layout.fillWidth: true
                            visible: modelData.width > 0
                            text: modelData.pictures > 1
                                  ? qsTr("%n size(s) up to %1 × %2 px", "", modelData.pictures).arg(modelData.width).arg(modelData.height)
                                  : qsTr("%1 × %2 px").arg(modelData.width).arg(modelData.height)
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            horizontalAlignment: Text.AlignHCenter
                            color: BrimforgeTheme.secondaryForeground
                            font.family: BrimforgeTheme.avenir
                            font.pointSize: BrimforgeTheme.smallFontSizePoint
                        }

                        Text {
                            objectName: "fileBytes"
                            Layout.fillWidth: true
                            text: root.byteText(modelData.bytes)
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            horizontalAlignment: Text.AlignHCenter
                            color: BrimforgeTheme.secondaryForeground
                            font.family: BrimforgeTheme.avenir
                            font.pointSize: BrimforgeTheme.smallFontSizePoint
                        }
                    }

                    ToolTip.visible: cardArea.containsMouse
                    ToolTip.text: modelData.path

                    MouseArea {
                        id: cardArea

                        anchors.fill: parent
                        hoverEnabled: true
                    }
                }
            }
        }
    }
}
