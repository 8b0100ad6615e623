import QtQuick 2.15
import Feldrin 1.0
import Varnex.Hostkit 1.0

// A text field for the path of an existing file. Every change of the text is
// checked: with testFileExtension the text from its last dot on must be one
// of fileExtensions (".apk", ".keystore", ...), and the file must exist.
// valid holds the answer; an invalid path turns red and is marked with an
// "x", a valid one with a green check at the trailing edge.
ThemeTextField {
    id: root

    property bool testFileExtension: false
    property var fileExtensions: []
    property bool valid: false
    property color validColor: BrimforgeTheme.successColor
    property color invalidColor: BrimforgeTheme.errorColor
    property real markSize: BrimforgeTheme.indicatorSize
    readonly property bool mirrored: root.LayoutMirroring.enabled

    function hasAcceptedExtension(path) {
        var dot = path.lastIndexOf(".")
        if (dot < 0)
            return false
        var extension = path.substring(dot)
        var extensions = root.fileExtensions || []
        for (var i = 0; i < extensions.length; ++i) {
            if (extensions[i] === extension)
                return true
        }
        return false
    }

    // An empty field is not checked and not marked. It is not a usable path
    // either, so it does not keep a "valid" left over from an earlier text.
    function validate() {
        if (root.text.length === 0) {
            root.valid = false
            return
        }
        if (root.testFileExtension && !root.hasAcceptedExtension(root.text)) {
            root.valid = false
            return
        }
        checkedFile.filePath = root.text
        root.valid = checkedFile.exists
    }

    // The mark sits in the padding of the trailing edge.
    leftPadding: root.mirrored ? BrimforgeTheme.xxLargeSpacing + root.markSize : BrimforgeTheme.largeSpacing
    rightPadding: root.mirrored ? BrimforgeTheme.largeSpacing : BrimforgeTheme.xxLargeSpacing + root.markSize
    color: root.text.length > 0 && !root.valid ? root.invalidColor : BrimforgeTheme.primaryForeground

    onTextChanged: root.validate()
    onTestFileExtensionChanged: root.validate()
    onFileExtensionsChanged: root.validate()

    FileInfo {
        id: checkedFile
    }

    GlyphItem {
        objectName: "validationMark"
        x: root.mirrored ? BrimforgeTheme.mediumSpacing : root.width - width - BrimforgeTheme.mediumSpacing
        anchors.verticalCenter: root.verticalCenter
        width: root.markSize
        height: root.markSize
        name: root.valid ? "check" : "x"
        color: root.valid ? root.validColor : root.invalidColor
        visible: root.text.length > 0
    }
}
