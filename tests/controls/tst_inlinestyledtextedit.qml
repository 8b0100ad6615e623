import QtQuick 2.15
import QtQuick.Controls 2.15
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

        name: "InlineStyledTextEdit"
        when: windowShown

        Component {
            id: editComponent

            InlineStyledTextEdit {
                width: 360
                height: 40
            }
        }

        Component {
            id: spyComponent

            SignalSpy {
                signalName: "editComplete"
            }
        }

        function createEdit(properties) {
            var edit = createTemporaryObject(editComponent, window, properties || {})
            verify(edit)
            var spy = createTemporaryObject(spyComponent, window, { target: edit })
            verify(spy)
            return { edit: edit, spy: spy }
        }

        function child(item, objectName) {
            return findChild(item, objectName)
        }

        function clickButton(edit) {
            var button = child(edit, "editButton")
            verify(button)
            mouseClick(button)
        }

        // Replaces the editor's text as a user would: everything is selected when
        // editing starts, so typing replaces it; an empty text is typed and
        // deleted again.
        function typeText(text) {
            if (text.length === 0) {
                keyClick("x")
                keyClick(Qt.Key_Backspace)
                return
            }
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        function test_editComplete_data() {
            return [
                { tag: "new text is reported", initial: "My App", typed: "Other", expected: "Other" },
                { tag: "emptied text falls back to the remembered one", initial: "My App", typed: "", expected: "My App" },
                { tag: "emptied text with nothing remembered gives App", initial: "", typed: "", expected: "App" },
                { tag: "new text after an empty title", initial: "", typed: "Fresh", expected: "Fresh" }
            ]
        }

        function test_editComplete(data) {
            var made = createEdit({ text: data.initial })
            clickButton(made.edit)
            verify(made.edit.editing)
            typeText(data.typed)
            verify(made.edit.dirty)
            clickButton(made.edit)

            verify(!made.edit.editing)
            compare(made.spy.count, 1)
            compare(made.spy.signalArguments[0][0], data.expected)
            compare(made.edit.text, data.expected)
        }

        function test_noSignalWithoutEdit() {
            var made = createEdit({ text: "Untouched" })
            clickButton(made.edit)
            verify(made.edit.editing)
            verify(!made.edit.dirty)
            clickButton(made.edit)
            verify(!made.edit.editing)
            compare(made.spy.count, 0)
            compare(made.edit.text, "Untouched")
        }

        // Changed and changed back still counts as edited.
        function test_editedBackToTheSameText() {
            var made = createEdit({ text: "ab" })
            clickButton(made.edit)
            typeText("ab")
            clickButton(made.edit)
            compare(made.spy.count, 1)
            compare(made.spy.signalArguments[0][0], "ab")
        }

        function test_keysFinishEditing_data() {
            return [
                { tag: "Return", key: Qt.Key_Return },
                { tag: "Enter", key: Qt.Key_Enter }
            ]
        }

        function test_keysFinishEditing(data) {
            var made = createEdit({ text: "Title" })
            clickButton(made.edit)
            typeText("Renamed")
            keyClick(data.key)
            verify(!made.edit.editing)
            compare(made.spy.count, 1)
            compare(made.spy.signalArguments[0][0], "Renamed")
        }

        function test_eachCycleRemembersAfresh() {
            var made = createEdit({ text: "First" })
            clickButton(made.edit)
            typeText("Second")
            clickButton(made.edit)
            clickButton(made.edit)
            typeText("")
            clickButton(made.edit)
            compare(made.spy.count, 2)
            compare(made.spy.signalArguments[1][0], "Second")
        }

        function test_clickOnText_data() {
            return [
                { tag: "off: a click on the text does nothing", useClickOnTextToEdit: false, editing: false },
                { tag: "on: a click on the text starts editing", useClickOnTextToEdit: true, editing: true }
            ]
        }

        function test_clickOnText(data) {
            var made = createEdit({ text: "Click me", useClickOnTextToEdit: data.useClickOnTextToEdit })
            var title = child(made.edit, "titleText")
            verify(title)
            mouseClick(title, 10, title.height / 2)
            compare(made.edit.editing, data.editing)
        }

        function test_buttonGlyphAndToolTip() {
            var made = createEdit({ text: "Title" })
            var button = child(made.edit, "editButton")
            var glyph = child(made.edit, "editGlyph")
            compare(glyph.name, "pencil")
            compare(button.ToolTip.text, "Edit Title")
            clickButton(made.edit)
            compare(glyph.name, "check")
            compare(button.ToolTip.text, "Save Changes")
            clickButton(made.edit)
            compare(glyph.name, "pencil")
        }
    }
}
