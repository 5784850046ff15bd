import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// One number of a program: a label, a field and, where the value may be given or computed,
// a box that marks it as given by the user. A value coming from the profile replaces the
// text only when it differs from what the text already says, so typing is never undone.
UI_Row {
    id: root
    property real value: 0
    property bool showInput: false
    property bool input: false
    property bool inputEnabled: true
    // The profile found the value wrong (shown like unreadable text).
    property bool error: false
    property bool integer: false
    property real minValue: 0
    property real maxValue: 1e9
    property alias field: field
    signal edited(real value)
    signal inputToggled(bool checked)

    // The shorter of the plain text and the six-decimal text.
    function format(v) {
        const plain = String(v)
        const fixed = Number(v).toFixed(6)
        return fixed.length < plain.length ? fixed : plain
    }
    function parse(text) {
        const t = text.trim()
        if (t === "" || !field.acceptableInput)
            return NaN
        const v = Number(t)
        return isFinite(v) ? v : NaN
    }
    function show(v) {
        const current = parse(field.text)
        if (current === v)
            return
        showing = true
        field.text = format(v)
        showing = false
    }

    property bool showing: false
    onValueChanged: show(value)
    Component.onCompleted: show(value)

    UI_TextField {
        id: field
        objectName: root.objectName + "Field"
        inputMethodHints: Qt.ImhFormattedNumbersOnly
        horizontalAlignment: TextInput.AlignRight
        validator: root.integer ? intValidator : doubleValidator
        invalid: root.error || (text.trim() !== "" && isNaN(root.parse(text)))
        Layout.preferredWidth: 110
        onTextChanged: {
            if (root.showing)
                return
            const v = root.parse(text)
            if (!isNaN(v) && v !== root.value)
                root.edited(v)
        }
        onEditingFinished: root.show(root.value)
    }
    Param_CheckBox {
        objectName: root.objectName + "Input"
        visible: root.showInput
        checked: root.input
        enabled: root.inputEnabled
        onToggled: root.inputToggled(checked)
        Layout.preferredWidth: 45
    }
    Item {
        visible: !root.showInput
        Layout.preferredWidth: 45
    }

    IntValidator {
        id: intValidator
        bottom: Math.ceil(root.minValue)
        top: Math.min(2147483647, Math.floor(root.maxValue))
    }
    DoubleValidator {
        id: doubleValidator
        bottom: root.minValue
        top: root.maxValue
        notation: DoubleValidator.StandardNotation
        locale: "C"
    }
}
