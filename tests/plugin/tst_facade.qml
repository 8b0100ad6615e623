import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0

TestCase {
    id: root

    name: "Facade"
    when: windowShown

    function test_enumerations() {
        compare(Loomwright.IgnoreAspectRatio, 0)
        compare(Loomwright.KeepAspectRatio, 1)
        compare(Loomwright.KeepAspectRatioByExpanding, 2)
        compare(Loomwright.FastTransformation, 0)
        compare(Loomwright.SmoothTransformation, 1)
    }

    // Every picture overload is callable from QML already; until the picture
    // operations exist each one answers with its failure result.
    function test_pictureOverloads_data() {
        return [
            { tag: "copyImage 2", call: function() { return Loomwright.copyImage("a.png", "b.png") } },
            { tag: "copyImage 3", call: function() { return Loomwright.copyImage("a.png", "b.png", 16) } },
            { tag: "copyImage 4", call: function() { return Loomwright.copyImage("a.png", "b.png", 16, 16) } },
            { tag: "copyImage 5", call: function() { return Loomwright.copyImage("a.png", "b.png", 16, 16, "red") } },
            { tag: "copyImage 6", call: function() { return Loomwright.copyImage("a.png", "b.png", 16, 16, "red", "png") } },
            { tag: "copyImage 7", call: function() { return Loomwright.copyImage("a.png", "b.png", 16, 16, "red", "png", 90) } },
            { tag: "copyImage 8", call: function() {
                return Loomwright.copyImage("a.png", "b.png", 16, 16, "red", "png", 90, Loomwright.IgnoreAspectRatio) } },
            { tag: "copyImage 9", call: function() {
                return Loomwright.copyImage("a.png", "b.png", 16, 16, "red", "png", 90, Loomwright.IgnoreAspectRatio,
                                            Loomwright.FastTransformation) } },
            { tag: "createAppIcon 3", call: function() { return Loomwright.createAppIcon("windows", "a.png", "b") } },
            { tag: "createAppIcon 4", call: function() { return Loomwright.createAppIcon("windows", "a.png", "b", {}) } },
            { tag: "createLaunchImage 3", call: function() { return Loomwright.createLaunchImage("no-such-os", "b", {}) } },
            { tag: "createAdaptiveIconBackgroundMipMapAsset", call: function() {
                return Loomwright.createAdaptiveIconBackgroundMipMapAsset("a.png", "b") } },
        ]
    }

    function test_pictureOverloads(data) {
        compare(data.call(), false)
    }

    function test_createLaunchImageNeedsAllArguments() {
        var refused = false
        try {
            Loomwright.createLaunchImage("no-such-os", "b")
        } catch (error) {
            refused = true
        }
        verify(refused)
    }
}
