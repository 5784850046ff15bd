import QtQuick
import QtQuick.Controls

// A combo box whose texts follow the language: the model is tr_model mapped through
// tr_modelToString, made again (keeping the index) whenever the language changes.
// Entries that are objects are told apart by their "value".
ComboBox {
    id: root
    property var tr_model: []
    property var tr_modelToString: function (item) {
        return String(item)
    }

    function rebuild() {
        const index = currentIndex
        const texts = []
        for (let i = 0; i < tr_model.length; ++i)
            texts.push(tr_modelToString(tr_model[i]))
        model = texts
        currentIndex = index
    }

    // The index of the entry equal to value, or -1.
    function indexOfItem(value) {
        for (let i = 0; i < tr_model.length; ++i) {
            const item = tr_model[i]
            const v = (item !== null && typeof item === "object") ? item.value : item
            if (v === value)
                return i
        }
        return -1
    }

    onTr_modelChanged: rebuild()
    Component.onCompleted: rebuild()

    Connections {
        target: typeof inj_languageManager !== "undefined" ? inj_languageManager : null
        ignoreUnknownSignals: true
        function onLanguageChanged_q() {
            root.rebuild()
        }
    }
}
