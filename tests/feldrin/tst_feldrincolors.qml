import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Feldrin 1.0

TestCase {
    id: root

    readonly property var allHues: ["yy", "oy", "oo", "ro", "rr", "pk", "vr", "vv", "bb", "gb", "gg", "yg", "br"]

    name: "FeldrinColors"
    when: windowShown

    function steps(first, last, by) {
        var result = []
        for (var step = first; step <= last; step += by)
            result.push(("00" + step).slice(-3))
        return result
    }

    function lightness(colour) {
        return 0.2126 * colour.r + 0.7152 * colour.g + 0.0722 * colour.b
    }

    function test_tellingValues_data() {
        return [
            { tag: "h_yy_010", value: "#FFF7CC" },
            { tag: "h_rr_060", value: "#D83020" },
            { tag: "m_yy_010", value: "#FAF7DC" },
            { tag: "v_yy_120", value: "#FFF766" },
            { tag: "blk_000", value: "#FFFFFF" },
            { tag: "blk_120", value: "#808080" },
            { tag: "blk_240", value: "#000000" },
            { tag: "d_bb_420", value: "#00A0FF" },
        ]
    }

    function test_tellingValues(data) {
        verify(Qt.colorEqual(FeldrinColors[data.tag], data.value), "%1 is %2".arg(data.tag).arg(FeldrinColors[data.tag]))
    }

    function test_groups_data() {
        var grey = ["000", "005", "010"].concat(steps(20, 230, 10), ["235", "240"])
        return [
            { tag: "h", hues: allHues, steps: steps(10, 100, 10) },
            { tag: "m", hues: allHues, steps: steps(10, 100, 10) },
            { tag: "l", hues: allHues, steps: steps(10, 100, 10) },
            { tag: "v", hues: allHues.slice(0, 12), steps: steps(120, 180, 20) },
            { tag: "blk", hues: [""], steps: grey },
            { tag: "d", hues: ["yy", "rr", "bb", "gg"], steps: steps(410, 430, 10) },
        ]
    }

    // Each group has its hues and steps (their exact count is checked from
    // C++, where the properties can be listed), and every ramp runs from
    // light to dark.
    function test_groups(data) {
        for (var h = 0; h < data.hues.length; ++h) {
            var previous = 2
            for (var s = 0; s < data.steps.length; ++s) {
                var name = data.hues[h] === "" ? data.tag + "_" + data.steps[s]
                                                : data.tag + "_" + data.hues[h] + "_" + data.steps[s]
                verify(FeldrinColors[name] !== undefined, name)
                var value = lightness(FeldrinColors[name])
                verify(value < previous, name + " is darker than the step before")
                previous = value
            }
        }
    }

    function test_readOnly() {
        var refused = false
        try {
            FeldrinColors.h_yy_010 = "red"
        } catch (error) {
            refused = true
        }
        verify(refused)
        verify(Qt.colorEqual(FeldrinColors.h_yy_010, "#FFF7CC"))
    }
}
