import QtQuick 2.15
import QtQuick.Controls 2.15
import QtGraphicalEffects 1.15

// A button painted from one of the theme's button styles (`buttonType`:
// BrimforgeTheme.filledButton, dangerButton, outlineButton, textButton or
// hyperlinkButton). With an action it shows the action's name, glyph or icon
// and runs it when clicked.
Button {
    id: root

    property var buttonType: BrimforgeTheme.filledButton
    property string buttonText: {
        if (!action)
            return qsTr("Button")
        return action.displayName !== undefined ? action.displayName : action.text
    }
    property real buttonTextPointSize: BrimforgeTheme.baseFontSizePoint
    // Text-only buttons laid on a coloured surface keep their text readable.
    property bool overrideButtonColor: false
    property bool useElevation: false
    property real elevation: 8
    property bool useIconOnly: false
    property string glyph: action && action.glyph !== undefined ? action.glyph : ""
    property url iconSource: action && action.iconSource !== undefined ? action.iconSource : ""
    // In units, like BrimforgeIcon's.
    property real iconSize: 21
    readonly property bool hasIcon: glyph !== "" || String(iconSource) !== ""
    readonly property bool textOnly: buttonType.borderWidth === 0 && Qt.colorEqual(buttonType.backgroundColor, "transparent")

    readonly property color backgroundColor: {
        if (!enabled)
            return buttonType.backgroundColorDisabled
        if (pressed || visualFocus)
            return buttonType.backgroundColorFocused
        return buttonType.backgroundColor
    }
    readonly property color borderColor: {
        if (!enabled)
            return buttonType.borderColorDisabled
        if (pressed)
            return buttonType.borderColorFocused
        return buttonType.borderColor
    }
    readonly property real borderWidth: BrimforgeTheme.scaled(pressed ? buttonType.borderWidthFocused : buttonType.borderWidth)
    readonly property color textColor: {
        if (!enabled)
            return buttonType.textColorDisabled
        if (overrideButtonColor && textOnly)
            return BrimforgeTheme.primaryButtonForeground
        if (pressed)
            return buttonType.textColorFocused
        return buttonType.textColor
    }

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    topPadding: BrimforgeTheme.mediumSpacing
    bottomPadding: BrimforgeTheme.mediumSpacing
    leftPadding: useIconOnly ? BrimforgeTheme.mediumSpacing : BrimforgeTheme.xxLargeSpacing
    rightPadding: useIconOnly ? BrimforgeTheme.mediumSpacing : BrimforgeTheme.xxLargeSpacing
    spacing: BrimforgeTheme.mediumSpacing
    font.family: BrimforgeTheme.avenir
    font.pointSize: buttonTextPointSize
    text: buttonText
    Accessible.name: buttonText

    background: Item {
        implicitWidth: BrimforgeTheme.smallControlWidth
        implicitHeight: BrimforgeTheme.mediumControlHeight

        DropShadow {
            objectName: "elevation"
            anchors.fill: surface
            visible: root.useElevation && !root.pressed
            source: surface
            radius: root.elevation
            samples: 17
            verticalOffset: root.elevation / 4
            color: BrimforgeTheme.elevationShadowColor
            transparentBorder: true
        }

        Rectangle {
            id: surface

            objectName: "surface"
            anchors.fill: parent
            radius: BrimforgeTheme.scaled(root.buttonType.borderRadius)
            color: root.backgroundColor
            border.color: root.borderColor
            border.width: root.borderWidth
        }
    }

    contentItem: Item {
        implicitWidth: (root.hasIcon ? buttonIcon.implicitWidth : 0)
                       + (root.hasIcon && !root.useIconOnly ? root.spacing : 0)
                       + (root.useIconOnly ? 0 : label.implicitWidth)
        implicitHeight: Math.max(root.hasIcon ? buttonIcon.implicitHeight : 0, label.implicitHeight)

        Row {
            id: row

            anchors.verticalCenter: parent.verticalCenter
            // Beside an icon the text starts at the leading edge; text or
            // icon alone sits in the middle.
            x: root.hasIcon && !root.useIconOnly ? (root.mirrored ? parent.width - width : 0) : (parent.width - width) / 2
            spacing: root.spacing
            // Follows the control, whether mirrored by the layout or the locale.
            LayoutMirroring.enabled: root.mirrored

            BrimforgeIcon {
                id: buttonIcon

                anchors.verticalCenter: parent.verticalCenter
                visible: root.hasIcon
                glyph: root.glyph
                icon: root.glyph === "" ? root.iconSource : ""
                useIconFont: false
                iconImageSize: root.iconSize
                color: root.textColor
            }

            Text {
                id: label

                objectName: "label"
                anchors.verticalCenter: parent.verticalCenter
                visible: !root.useIconOnly
                width: Math.max(0, Math.min(implicitWidth, root.availableWidth - (root.hasIcon ? buttonIcon.width + root.spacing : 0)))
                text: root.buttonText
                font: root.font
                color: root.textColor
                elide: Text.ElideRight
                textFormat: Text.PlainText
            }
        }
    }
}
