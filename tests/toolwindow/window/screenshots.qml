import QtQuick 2.15
import QtQuick.Controls 1.4 as Controls1
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Hostkit 1.0
import Varnex.Loomwright.Private 1.0 as Private
import ".."

// A sample tool window in a real window, left to right and right to left,
// signed out and in, with its side bar open and closed: each state saved as
// a picture in the test's build folder (toolwindow-<direction>-<user>-
// <side bar>.png) for a person to look at, and checked for what the
// offscreen tests cannot see: the glow of the hovered tool icon.
ToolWindowTestCase {
    id: testCase

    readonly property string appsFolder: temporaryFolder + "/screenshot-apps"
    readonly property string helpText: "<h3>Make</h3><p>Builds the active app for the platforms you choose. "
                                       + "Open the <a href=\"tool://console\">console</a> to see its output, "
                                       + "or read the <a href=\"https://example.com/make\">guide</a>.</p>"

    function init() {
        resetSharedRecord()
        Hostkit.settings.setValue("Portal/portalUrl", localPortalUrl)
        verify(testHost.writeFile(appsFolder + "/sample/appinfo.json",
                                  JSON.stringify({ title: "Field Notes", version: "1.4.0", owner: "demo" })))
    }

    function cleanup() {
        destroyWindows()
        resetSharedRecord()
        Hostkit.settings.remove("Portal/portalUrl")
    }

    function shoot(window, name) {
        settleSideBar(window)
        // A window with nothing left to redraw renders no frame: ask for one.
        window.update()
        waitForRendering(window.contentItem)
        var image = grabImage(window.contentItem)
        image.save(name + ".png")
        return image
    }

    function test_states_data() {
        return [
            { tag: "left to right", direction: "ltr", languages: ["en-US"] },
            { tag: "right to left", direction: "rtl", languages: ["he-IL"] },
        ]
    }

    function test_states(data) {
        var window = makeWindow({
            windowComponent: sampleTool,
            uiLanguages: data.languages,
            toolId: "screenshots-" + data.direction,
            toolShortName: "Make",
            title: "Make",
            toolIcon: "qrc:/imports/Varnex/Loomwright/Controls/images/make_l.png",
            currentInfoText: helpText,
            showAppSummary: true,
            signInDialogComponent: stubDialog,
            width: 1000,
            height: 650
        })
        window.setChosenPath(appsFolder + "/sample")
        compare(window.appInfo.isValid, true)
        window.toolSideBar.show()
        shoot(window, "toolwindow-" + data.direction + "-signedout-open")
        window.toolSideBar.hide()
        shoot(window, "toolwindow-" + data.direction + "-signedout-closed")

        tryCompare(window, "toolConfigLoaded", true, waitMs)
        window.portal.setAuthorizationCode(newCode(window.toolConfig.clientId))
        tryCompare(window.portal, "signedIn", true, waitMs)
        shoot(window, "toolwindow-" + data.direction + "-signedin-closed")
        window.toolSideBar.show()
        shoot(window, "toolwindow-" + data.direction + "-signedin-open")

        // The tool icon glows in the highlight colour under the pointer.
        var icon = window.toolIconItem
        var glow = findChild(icon, "toolIconGlow")
        compare(glow.visible, false)
        mouseMove(icon, icon.width / 2, icon.height / 2)
        tryCompare(glow, "visible", true, waitMs)
        shoot(window, "toolwindow-" + data.direction + "-signedin-open-hover")
        mouseMove(window.toolItem, 1, 1)

        // The picker under the dimming cover, and a download's progress.
        window.appsDialog.open()
        tryCompare(window.appsDialog, "opened", true, waitMs)
        compare(window.dialogCover.visible, true)
        var grid = window.appsDialog.gridView
        tryVerify(function () {
            for (var i = 0; i < grid.count; ++i) {
                var thumbnail = findChild(grid.itemAtIndex(i), "thumbnail")
                if (thumbnail && thumbnail.status === Image.Loading)
                    return false
            }
            return grid.count > 0
        }, waitMs, "the picker's pictures loaded")
        shoot(window, "toolwindow-" + data.direction + "-picker")
        window.appsDialog.close()
        window.itemProgress.show("Downloading Field Notes")
        window.itemProgress.percentage = 42
        window.itemProgress.secondsRemaining = 59
        window.update()
        waitForRendering(window.itemProgress)
        grabImage(window.itemProgress).save("toolwindow-" + data.direction + "-progress.png")
        window.itemProgress.hide()
        window.portal.signOut()
    }

    name: "ToolWindowScreenshots"

    // A tool with some content of its own in the older controls.
    Component {
        id: sampleTool

        Private.AppToolWindow {
            id: tool

            Private.StyledTabView {
                anchors.fill: parent
                toolConfig: tool.toolConfig

                Controls1.Tab {
                    title: "Platforms"

                    Column {
                        padding: 16
                        spacing: 12

                        Private.CheckBoxEx {
                            text: "Android"
                            checked: true
                            toolConfig: tool.toolConfig
                        }

                        Private.CheckBoxEx {
                            text: "iOS"
                            bold: true
                            toolConfig: tool.toolConfig
                        }

                        Private.LabelValue {
                            label: "Output"
                            value: "~/Builds"
                            toolConfig: tool.toolConfig
                        }

                        Private.StyledButton {
                            text: "Build"
                            toolConfig: tool.toolConfig
                        }
                    }
                }

                Controls1.Tab {
                    title: "Settings"
                }
            }
        }
    }
}
