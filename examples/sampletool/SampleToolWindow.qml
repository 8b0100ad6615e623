import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3 as Dialogs
import QtQuick.Layouts 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Hostkit.Desktop 1.0
import Varnex.Loomwright.Controls 1.0

// The sample tool: app icon and launch-image sets from one picture, made
// through the facade's generators with the activity overlay showing how far
// the run got, and the files it wrote as a grid. The window's header has the
// theme switch and the user button; the Apps tab shows the gallery of the
// portal that the user signed in to.
//
// It reads from its QML context, besides the names that AppWindow reads:
// iconSets (the generator), demo (the demo's services or null),
// initialPicture and initialOutputFolder.
AppWindow {
    id: root

    // The language that the command line asks for; empty for the system's.
    readonly property string toolLocale: typeof commandLine !== "undefined" && commandLine
                                         && commandLine.isSet(localeOptionName) ? commandLine.value(localeOptionName) : ""
    readonly property bool demoMode: typeof demo !== "undefined" && demo !== null && demo.running

    // The request: what the next Generate makes.
    property string picture: typeof initialPicture !== "undefined" ? initialPicture : ""
    readonly property url pictureUrl: picture !== "" ? Hostkit.fileInfo(picture).url : ""
    property string outputFolder: typeof initialOutputFolder !== "undefined" && initialOutputFolder !== ""
                                  ? initialOutputFolder : iconSets.defaultOutputFolder
    readonly property var availablePlatforms: iconSets.platforms
    property var platforms: iconSets.platforms
    property string iconBackground
    property string launchBackground

    // The run: its calls, the next one, the failed ones.
    property var steps: []
    property int stepIndex: 0
    property var failedSteps: []
    readonly property bool generating: steps.length > 0
    // Milliseconds between two calls, in which the overlay paints; every call
    // blocks the window while it runs.
    property int stepPause: 30

    readonly property alias setupPanel: setupPanel
    readonly property alias resultsView: resultsView
    readonly property alias tabBar: tabBar
    readonly property alias appsGrid: appsGrid
    readonly property alias toast: toast

    // A run ended; `complete` when every set was made.
    signal generationFinished(bool complete)

    function isColour(text) {
        return iconSets.isColour(text)
    }

    function choosePlatform(platform, chosen) {
        var list = platforms.filter(function (name) { return name !== platform })
        if (chosen)
            list.push(platform)
        // In the order the sets are made.
        platforms = availablePlatforms.filter(function (name) { return list.indexOf(name) >= 0 })
    }

    // A path or a URL (a dropped file, a dialog's choice).
    function setPicture(location) {
        var path = Hostkit.fileInfo(location).filePath
        if (path !== "")
            picture = path
    }

    function useSamplePicture() {
        var path = iconSets.samplePicture()
        if (path === "")
            showMessage(messageBox.iconCritical, qsTr("Sample Picture"), qsTr("The sample picture cannot be written."), "", "")
        else
            picture = path
    }

    function platformLabel(step) {
        return qsTr("%1: %2").arg(setupPanel.platformName(step.platform)).arg(step.label)
    }

    function generate() {
        if (generating)
            return
        var request = {
            picture: picture,
            outputFolder: outputFolder,
            platforms: platforms,
            iconBackground: iconBackground,
            launchBackground: launchBackground
        }
        var plan = iconSets.prepare(request)
        if (plan.problem !== "") {
            showMessage(messageBox.iconCritical, qsTr("Nothing Generated"), plan.problem, "", "")
            return
        }
        var calls = plan.steps
        if (calls.length === 0) {
            showMessage(messageBox.iconCritical, qsTr("Nothing Generated"), qsTr("There is nothing to make."), "", "")
            return
        }
        toast.hide()
        resultsView.files = []
        resultsView.outcome = ""
        resultsView.outputFolder = outputFolder
        failedSteps = []
        stepIndex = 0
        steps = calls
        activityOverlay.title = qsTr("Generating icon sets")
        activityOverlay.percentage = 0
        activityOverlay.show(platformLabel(steps[0]))
        if (plan.warnings.length > 0)
            showToast("warning", plan.warnings.join(" "))
        stepTimer.restart()
    }

    function runStep() {
        var step = steps[stepIndex]
        if (!iconSets.run(stepIndex, Loomwright))
            failedSteps = failedSteps.concat([platformLabel(step)])
        ++stepIndex
        activityOverlay.percentage = 100 * stepIndex / steps.length
        if (stepIndex < steps.length) {
            activityOverlay.text = platformLabel(steps[stepIndex])
            stepTimer.restart()
        } else {
            finishGeneration()
        }
    }

    function finishGeneration() {
        var complete = failedSteps.length === 0
        resultsView.files = iconSets.outputFiles(outputFolder, steps.map(function (step) { return step.platform }))
        resultsView.outcome = complete ? "complete" : "incomplete"
        activityOverlay.hide()
        // The window's downloads show their percentage again.
        activityOverlay.percentage = Qt.binding(function () {
            return appPackage.status === AppPackage.Downloading ? appPackage.percentage : -1
        })
        steps = []
        tabBar.currentIndex = 0
        if (complete) {
            showToast("success", qsTr("Every set was made: %n file(s).", "", resultsView.files.length))
        } else {
            showMessage(messageBox.iconCritical, qsTr("Generation Failed"),
                        qsTr("%n set(s) could not be made. The files of the other sets are shown; see the log for the reasons.",
                             "", failedSteps.length),
                        failedSteps.join("\n"), "")
        }
        generationFinished(complete)
    }

    function showToast(type, text) {
        toast.messageType = type
        toast.text = text
        toast.show()
    }

    // Tall enough for the whole form at the usual scale.
    height: BrimforgeTheme.gridUnit * 190
    visible: true
    appTitle: qsTr("Icon Sets")
    appIcon: BrimforgeTheme.icon.make_tool
    appRequired: false
    localeInfo: toolLocale !== "" ? Hostkit.localeInfo(toolLocale) : Hostkit.localeInfo()

    appButtons.sourceComponent: ThemeSwitchWithIconLabel {
        objectName: "themeSwitch"
        text: qsTr("Dark")
        glyph: "moon"
        checked: BrimforgeTheme.useDarkTheme
        onToggled: BrimforgeTheme.switchTheme()
    }

    // The command line's language decides the layout direction too.
    Binding {
        target: BrimforgeTheme
        property: "localeInfo"
        value: root.localeInfo
        when: root.toolLocale !== ""
    }

    // The demo's update site, before the window's first check.
    Binding {
        target: root.versionCheck
        property: "siteUrl"
        value: root.demoMode ? demo.siteUrl : ""
        when: root.demoMode
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        LayoutMirroring.enabled: BrimforgeTheme.rtl
        LayoutMirroring.childrenInherit: true

        TabBar {
            id: tabBar

            objectName: "tabBar"
            Layout.fillWidth: true
            spacing: 0
            background: Rectangle {
                color: BrimforgeTheme.primaryBackground

                Rectangle {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.bottom: parent.bottom
                    height: BrimforgeTheme.thinBorderWidth
                    color: BrimforgeTheme.primaryDividerColor
                }
            }

            ThemeTabButton {
                objectName: "setsTab"
                width: implicitWidth
                text: qsTr("Icon Sets")
                glyph: "images"
            }

            ThemeTabButton {
                objectName: "appsTab"
                width: implicitWidth
                text: root.portal.signedIn ? qsTr("Apps (%1)").arg(appsGrid.count) : qsTr("Apps")
                glyph: "grid"
            }
        }

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabBar.currentIndex

            RowLayout {
                spacing: 0

                SetupPanel {
                    id: setupPanel

                    objectName: "setupPanel"
                    Layout.fillHeight: true
                    Layout.preferredWidth: BrimforgeTheme.gridUnit * 95
                    tool: root
                    onChoosePicture: pictureDialog.open()
                    onChooseOutputFolder: folderDialog.open()
                }

                Rectangle {
                    Layout.fillHeight: true
                    Layout.preferredWidth: BrimforgeTheme.thinBorderWidth
                    color: BrimforgeTheme.primaryDividerColor
                }

                ResultsView {
                    id: resultsView

                    objectName: "resultsView"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                }
            }

            Item {
                AppsGridView {
                    id: appsGrid

                    objectName: "appsGrid"
                    anchors.fill: parent
                    anchors.margins: BrimforgeTheme.xxLargeSpacing
                    appInfoList: root.appInfoList
                    appWindow: root
                    onDoubleClicked: root.setActiveApp(appInfo)
                }

                Text {
                    objectName: "appsHint"
                    anchors.centerIn: parent
                    width: parent.width - 2 * BrimforgeTheme.xxLargeSpacing
                    visible: appsGrid.count === 0
                    text: root.portal.signedIn ? qsTr("No apps found on %1.").arg(String(root.portal.url))
                                               : qsTr("Sign in with the user button to see your apps on %1.").arg(String(root.portal.url))
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignHCenter
                    color: BrimforgeTheme.secondaryForeground
                    font.family: BrimforgeTheme.avenir
                    font.pointSize: BrimforgeTheme.baseFontSizePoint
                }
            }
        }
    }

    // A picture dropped anywhere onto the content becomes the picture.
    DropArea {
        id: dropArea

        anchors.fill: parent
        keys: ["text/uri-list"]
        onDropped: {
            if (drop.hasUrls && drop.urls.length > 0) {
                root.setPicture(drop.urls[0])
                tabBar.currentIndex = 0
                drop.accept(Qt.CopyAction)
            }
        }

        Rectangle {
            anchors.fill: parent
            visible: dropArea.containsDrag
            color: "transparent"
            border.width: BrimforgeTheme.thickBorderWidth
            border.color: BrimforgeTheme.highlightBorderColor
        }
    }

    // Over the results, which it speaks of.
    ToastNotification {
        id: toast

        objectName: "toast"
        parent: resultsView
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: BrimforgeTheme.xxLargeSpacing
        visible: false
        hideAfter: 8000
        fontPointSize: BrimforgeTheme.baseFontSizePoint
        LayoutMirroring.enabled: BrimforgeTheme.rtl
        LayoutMirroring.childrenInherit: true
    }

    Timer {
        id: stepTimer

        interval: root.stepPause
        repeat: false
        onTriggered: root.runStep()
    }

    // The dialogs are made when first asked for.
    Loader {
        id: pictureDialog

        function open() {
            active = true
            item.open()
        }

        active: false
        sourceComponent: Dialogs.FileDialog {
            title: qsTr("Choose a Picture")
            nameFilters: [qsTr("Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.webp)"), qsTr("All files (*)")]
            onAccepted: root.setPicture(fileUrl)
        }
    }

    Loader {
        id: folderDialog

        function open() {
            active = true
            item.open()
        }

        active: false
        sourceComponent: Dialogs.FileDialog {
            title: qsTr("Choose the Output Folder")
            selectFolder: true
            onAccepted: root.outputFolder = Hostkit.fileInfo(fileUrl).filePath
        }
    }
}
