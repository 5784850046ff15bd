import QtQuick
import QtQuick.Controls

// A combo box whose texts follow the language: the model is tr_model mapped through
// tr_modelToString, made again (keeping the choice) whenever the language changes. The
// choice is a value: an entry of tr_model, or the "value" of an entry that is an object.
// The box only reports what the user chose; its owner writes the value (usually through a
// binding to its model), so a value loaded or followed from elsewhere always shows.
ComboBox {
    id: root
    property var tr_model: []
    property var tr_modelToString: function (item) {
        return String(item)
    }
    // The value shown; undefined (no entry shown) until one is given.
    property var value: undefined
    // The user chose another value; the box shows it once the owner has taken it.
    signal valueActivated(var value)

    function valueOf(item) {
        return (item !== null && typeof item === "object") ? item.value : item
    }

    // The index of the entry with this value, or -1.
    function indexOfItem(value) {
        for (let i = 0; i < tr_model.length; ++i)
            if (valueOf(tr_model[i]) === value)
                return i
        return -1
    }

    function rebuild() {
        const texts = []
        for (let i = 0; i < tr_model.length; ++i)
            texts.push(tr_modelToString(tr_model[i]))
        model = texts
        currentIndex = indexOfItem(value)
    }

    // A text longer than the box (some languages) ends in "…" instead of running under the
    // arrow; the list shows it whole.
    displayText: elided.elidedText
    TextMetrics {
        id: elided
        font: root.font
        text: root.currentText
        elide: Text.ElideRight
        // The text field inside keeps a margin of its own.
        elideWidth: Math.max(0, root.availableWidth - 18)
    }

    onTr_modelChanged: rebuild()
    onValueChanged: currentIndex = indexOfItem(value)
    Component.onCompleted: rebuild()
    onActivated: function (index) {
        const chosen = valueOf(tr_model[index])
        if (chosen !== value)
            valueActivated(chosen)
        // What the owner made of it: the choice, or the value it kept.
        currentIndex = indexOfItem(value)
    }

    Connections {
        target: typeof inj_languageManager !== "undefined" ? inj_languageManager : null
        ignoreUnknownSignals: true
        function onLanguageChanged_q() {
            root.rebuild()
        }
    }
}
