import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// The tracking rate: the sky's named rates, half and twice the sidereal rate, or a custom
// rate in degrees per second.
ColumnLayout {
    id: root
    property alias text: row.text
    property real rateDegPerSec: 0
    // The page's number fields (a NumberEntryGroup).
    property var entries: null
    signal edited(real degPerSec)
    Layout.fillWidth: true
    spacing: 0

    readonly property var rates: [{
            "value": 0,
            "rate": "sidereal",
            "multiple": 1
        }, {
            "value": 1,
            "rate": "solar",
            "multiple": 1
        }, {
            "value": 2,
            "rate": "lunar",
            "multiple": 1
        }, {
            "value": 3,
            "rate": "sidereal",
            "multiple": 0.5
        }, {
            "value": 4,
            "rate": "sidereal",
            "multiple": 2
        }, {
            "value": 5,
            "rate": "custom",
            "multiple": 1
        }]
    readonly property int customIndex: 5
    // The user chose "Custom": it stays chosen while the user types, even when the number
    // matches a named rate; a rate from elsewhere (a loaded profile) is matched again.
    property bool customChosen: false
    property bool typing: false
    onRateDegPerSecChanged: {
        if (!typing)
            customChosen = false
    }
    readonly property int matchedIndex: indexOfRate(rateDegPerSec)

    function rateName(rate) {
        if (rate === "solar")
            return qsTr("Solar")
        if (rate === "lunar")
            return qsTr("Lunar")
        if (rate === "custom")
            return qsTr("Custom")
        return qsTr("Sidereal")
    }
    function indexOfRate(degPerSec) {
        const arx = inj_astroRate.rpsToAstroRateX(degPerSec * Math.PI / 180)
        if (arx === undefined || arx === null)
            return customIndex
        for (let i = 0; i < customIndex; ++i)
            if (rates[i].rate === arx.rate && rates[i].multiple === arx.multiple)
                return i
        return customIndex
    }

    UI_Row {
        id: row
        UI_TranslatableComboBox {
            id: box
            objectName: "rateBox"
            tr_model: root.rates
            tr_modelToString: function (item) {
                const name = root.rateName(item.rate)
                return item.multiple === 1 ? name : qsTr("%1x %2").arg(item.multiple).arg(name)
            }
            value: root.customChosen ? root.customIndex : root.matchedIndex
            Layout.preferredWidth: 155
            onValueActivated: function (chosen) {
                root.customChosen = chosen === root.customIndex
                if (root.customChosen)
                    return
                const rps = inj_astroRate.astroRateXToRps({
                                                              "rate": root.rates[chosen].rate,
                                                              "multiple": root.rates[chosen].multiple
                                                          })
                root.edited(rps * 180 / Math.PI)
            }
        }
    }
    Param_StdInput {
        objectName: "customRate"
        visible: box.value === root.customIndex
        text: qsTr("Deg/Sec")
        entries: root.entries
        value: root.rateDegPerSec
        onEdited: function (v) {
            root.typing = true
            root.edited(v)
            root.typing = false
        }
    }
}
