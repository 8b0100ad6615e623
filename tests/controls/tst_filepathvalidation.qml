import QtQuick 2.15
import QtTest 1.15
import Varnex.Loomwright 1.0
import Varnex.Loomwright.Controls 1.0

// The test case itself is not drawn; the controls go into this item.
Item {
    id: window

    width: 400
    height: 100

    TestCase {
        id: root

        property string folder

        name: "ThemeTextFieldWithFilePathValidation"
        when: windowShown

        Component {
            id: fieldComponent

            ThemeTextFieldWithFilePathValidation {
                width: 360
            }
        }

        function initTestCase() {
            root.folder = temporaryFolder
            var names = ["app.apk", "bundle.apk.txt", "archive.tar.aab", "README", "notes.txt"]
            var args = []
            for (var i = 0; i < names.length; ++i)
                args.push("touch:" + root.folder + "/" + names[i])
            var made = Loomwright.runSynchronous(testChild, args)
            compare(made.exitCode, 0, "the test files could not be made")
        }

        function createField(properties) {
            var field = createTemporaryObject(fieldComponent, window, properties || {})
            verify(field)
            return field
        }

        function colourIs(actual, expected) {
            return Qt.colorEqual(actual, expected)
        }

        function test_validation_data() {
            return [
                { tag: "existing file, any extension", name: "notes.txt", test: false, valid: true },
                { tag: "missing file", name: "missing.apk", test: false, valid: false },
                { tag: "existing file with an accepted extension", name: "app.apk", test: true, valid: true },
                { tag: "existing file with another extension", name: "notes.txt", test: true, valid: false },
                { tag: "only the part after the last dot counts", name: "bundle.apk.txt", test: true, valid: false },
                { tag: "inner dots do not matter", name: "archive.tar.aab", test: true, valid: true },
                { tag: "existing file without a dot", name: "README", test: true, valid: false },
                { tag: "missing file with an accepted extension", name: "missing.apk", test: true, valid: false },
                { tag: "existing file as a file URL", name: "app.apk", url: true, test: true, valid: true }
            ]
        }

        function test_validation(data) {
            var field = createField({ testFileExtension: data.test, fileExtensions: [".apk", ".aab"] })
            var path = root.folder + "/" + data.name
            field.text = data.url ? "file://" + path : path

            compare(field.valid, data.valid)
            var mark = findChild(field, "validationMark")
            verify(mark.visible)
            compare(mark.name, data.valid ? "check" : "x")
            verify(colourIs(mark.color, data.valid ? field.validColor : BrimforgeTheme.brimforgeRed1))
            verify(colourIs(field.color, data.valid ? BrimforgeTheme.primaryForeground : BrimforgeTheme.brimforgeRed1),
                   "text colour " + field.color)
        }

        function test_rechecksOnEveryChange() {
            var field = createField({ testFileExtension: true, fileExtensions: [".apk"] })
            field.text = root.folder + "/app.ap"
            verify(!field.valid)
            field.insert(field.length, "k")
            verify(field.valid)
            field.fileExtensions = [".ipa"]
            verify(!field.valid)
        }

        function test_typedPath() {
            var field = createField()
            field.forceActiveFocus()
            var path = root.folder + "/app.apk"
            for (var i = 0; i < path.length; ++i)
                keyClick(path.charAt(i))
            compare(field.text, path)
            verify(field.valid)
        }

        // An emptied field is neither marked nor red, and no longer claims to hold
        // a valid path.
        function test_emptyText() {
            var field = createField()
            var mark = findChild(field, "validationMark")
            verify(!field.valid)
            verify(!mark.visible)

            field.text = root.folder + "/app.apk"
            verify(field.valid)
            field.text = ""
            verify(!field.valid)
            verify(!mark.visible)
            verify(colourIs(field.color, BrimforgeTheme.primaryForeground))
        }

        function test_markAtTrailingEdge() {
            var field = createField({ text: root.folder + "/app.apk" })
            var mark = findChild(field, "validationMark")
            verify(mark.x > field.width / 2)
            verify(field.rightPadding >= mark.width, "the text runs under the mark")
        }
    }
}
