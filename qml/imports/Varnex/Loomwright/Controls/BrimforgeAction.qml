import QtQuick 2.15
import QtQuick.Controls 2.15

// An action of a suite tool as buttons and menus show it. The tool fields
// name the suite tool that the action starts, where it starts one.
Action {
    id: root

    property url iconSource
    property string description
    property string tooltip
    property string displayName
    property string glyph
    property string brimforgeToolName
    property string brimforgeToolCommand
    property string brimforgeExecutableName
    property var appContext
    property var userContext

    text: displayName
    icon.source: iconSource
}
