import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon
import JexAstroBase

// One number of a program: a label, a field and, where the value may be given or computed,
// a box that marks it as given by the user. The number entry reads what is typed in the
// console's language and says why a text is not the value the program uses; the text is
// replaced by the profile's value only while the user is not typing in the field.
UI_Row {
    id: root
    property real value: 0
    property bool showInput: false
    property bool input: false
    property bool inputEnabled: true
    // The profile found the value wrong (shown like unreadable text).
    property bool error: false
    // The value given is not used: the other ticked values determine it.
    property bool refused: false
    // Worked out from the ticked values. A value neither ticked nor worked out is not part
    // of the program (a default, or what was there before): it is shown faint.
    property bool calculated: false
    readonly property bool unset: showInput && !input && !calculated
    property bool integer: false
    property real minValue: 0
    property real maxValue: 1e9
    // A duration in hours: the field also says it in hours and minutes.
    property bool hours: false
    // The page's number fields (a NumberEntryGroup), or null.
    property var entries: null
    property alias field: field
    property alias entry: entry
    signal edited(real value)
    signal inputToggled(bool checked)

    NumberEntry {
        id: entry
        language: typeof inj_languageManager !== "undefined" ? inj_languageManager.language : "en"
        integer: root.integer
        minValue: root.minValue
        maxValue: root.maxValue
        value: root.value
        editing: field.activeFocus
        unused: root.refused && root.input
        active: root.visible && root.enabled
        label: root.text
        group: root.entries
        hours: root.hours
        onEdited: v => root.edited(v)
    }

    ColumnLayout {
        spacing: 0
        Layout.preferredWidth: 110
        UI_TextField {
            id: field
            objectName: root.objectName + "Field"
            inputMethodHints: Qt.ImhFormattedNumbersOnly
            horizontalAlignment: TextInput.AlignRight
            text: entry.text
            invalid: root.error || !entry.inStep
            opacity: root.unset && !activeFocus ? 0.45 : 1
            Layout.fillWidth: true
            onTextEdited: entry.edit(text)
        }
        Label {
            objectName: root.objectName + "Duration"
            text: entry.durationText
            visible: text !== ""
            font.pixelSize: 11
            opacity: 0.7
            horizontalAlignment: Text.AlignRight
            Layout.fillWidth: true
        }
    }
    Param_CheckBox {
        objectName: root.objectName + "Input"
        visible: root.showInput
        checked: root.input
        enabled: root.inputEnabled
        onToggled: {
            root.inputToggled(checked)
            // Ticked while the field holds a number of the user's: that number is given.
            if (checked && entry.acceptable && entry.typedValue !== root.value)
                root.edited(entry.typedValue)
        }
        Layout.preferredWidth: 45
    }
    Item {
        visible: !root.showInput
        Layout.preferredWidth: 45
    }
}
