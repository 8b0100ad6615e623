import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Controls 1.0

import "../../../examples/gallery"

// Renders the gallery of controls in both colour schemes and saves a
// screenshot of the page and of each popup in the working directory:
// gallery-<scheme>.png and gallery-<scheme>-<popup>.png.
TestCase {
    id: testCase

    property var pages: ({})

    function fileName(scheme, popup) {
        return "gallery-" + scheme + (popup ? "-" + popup.replace(/[^A-Za-z0-9]+/g, "-") : "") + ".png"
    }

    function settle() {
        // Busy indicators keep animating; what matters is that a frame with
        // the new state has been drawn. A window with nothing left to redraw
        // renders no frame: ask for one.
        testCase.Window.window.update()
        waitForRendering(gallery, 5000)
        wait(150)
    }

    // The window as it shows, popups included.
    function screenshot(scheme, popup) {
        var image = grabImage(testCase.Window.contentItem)
        image.save(fileName(scheme, popup))
        return image
    }

    // Distinct colours in a coarse sample of the picture: a page that did
    // not render is one flat colour.
    function distinctColours(image) {
        var seen = {}
        var count = 0
        for (var y = 5; y < image.height; y += 37) {
            for (var x = 5; x < image.width; x += 37) {
                var key = String(image.pixel(x, y))
                if (!seen[key]) {
                    seen[key] = true
                    ++count
                }
            }
        }
        return count
    }

    function renderScheme(scheme) {
        BrimforgeTheme.useDarkTheme = scheme === "dark"
        gallery.hidePopups()
        settle()
        var page = screenshot(scheme)
        verify(Qt.colorEqual(page.pixel(2, 2), BrimforgeTheme.primaryBackground),
               scheme + " page background " + page.pixel(2, 2))
        verify(distinctColours(page) > 12, scheme + " page shows its controls")
        var shots = { page: page, popups: {} }
        gallery.popupNames.forEach(function (name) {
            var popup = gallery.showPopup(name)
            verify(popup, name)
            tryVerify(function () { return popup.opened === undefined ? popup.visible : popup.opened }, 5000,
                      name + " opens")
            settle()
            var image = screenshot(scheme, name)
            verify(!image.equals(page), name + " shows over the page")
            shots.popups[name] = image
        })
        gallery.hidePopups()
        pages[scheme] = shots
    }

    name: "Gallery"
    when: windowShown
    // Shown, unlike a test case usually is: the screenshots are of the window.
    visible: true
    width: gallery.width
    height: gallery.height

    Gallery {
        id: gallery
    }

    function cleanupTestCase() {
        BrimforgeTheme.useDarkTheme = true
    }

    function test_1_dark() {
        renderScheme("dark")
    }

    function test_2_light() {
        renderScheme("light")
    }

    function test_3_schemesDiffer() {
        verify(pages.dark && pages.light, "both schemes rendered")
        verify(!pages.dark.page.equals(pages.light.page), "the page differs between the schemes")
        gallery.popupNames.forEach(function (name) {
            verify(!pages.dark.popups[name].equals(pages.light.popups[name]), name + " differs between the schemes")
        })
    }

    // The effects need a real scene graph, which the offscreen platform
    // would not give: make sure the screenshots come from one.
    function test_0_rendersWithOpenGL() {
        compare(gallery.GraphicsInfo.api, GraphicsInfo.OpenGL)
    }
}
