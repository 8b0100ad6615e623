import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Controls 1.0
import Varnex.Loomwright.Private 1.0
import Feldrin 1.0

// The embedded modules import by name, and QML reads their pictures and
// fonts straight from the plugin's resources.
TestCase {
    id: root

    readonly property string controls: "qrc:/imports/Varnex/Loomwright/Controls/"
    // The theme's fonts live with the theme in the folder both modules share.
    readonly property string internal: "qrc:/imports/Varnex/Loomwright/Internal/"

    function test_pictures_data() {
        return [
            { tag: "dark-theme PNG", source: controls + "images/cog_d.png", width: 64 },
            { tag: "light-theme PNG", source: controls + "images/cog_l.png", width: 64 },
            { tag: "SVG", source: controls + "images/brimforge.svg", width: 16 },
            { tag: "state picture", source: controls + "images/no_apps_dark.png", width: 240 },
            { tag: "Private picture", source: "qrc:/imports/Varnex/Loomwright/Private/images/info.png", width: 32 },
            { tag: "Internal picture", source: internal + "images/no_user.png", width: 128 },
        ]
    }

    function test_pictures(data) {
        image.source = data.source
        tryCompare(image, "status", Image.Ready)
        compare(image.sourceSize.width, data.width)
    }

    function test_missingPicture() {
        ignoreWarning(new RegExp("Cannot open: " + controls + "images/no_such_picture.png"))
        image.source = controls + "images/no_such_picture.png"
        tryCompare(image, "status", Image.Error)
    }

    function test_fonts_data() {
        return [
            { tag: "text", source: internal + "fonts/AvenirNextLTPro-Demi.ttf", family: "Avenir Next LT Pro" },
            { tag: "icons", source: internal + "fonts/Brimforge.ttf", family: "Brimforge" },
            { tag: "glyphs", source: "qrc:/imports/Feldrin/fonts/feldrin-ui-icons-24.ttf",
              family: "Feldrin UI Icons 24" },
        ]
    }

    function test_fonts(data) {
        fontLoader.source = data.source
        tryCompare(fontLoader, "status", FontLoader.Ready)
        compare(fontLoader.name, data.family)
    }

    name: "EmbeddedModules"
    when: windowShown

    Image {
        id: image
    }

    FontLoader {
        id: fontLoader
    }
}
