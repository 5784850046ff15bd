import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tavo
import JexQtCommonBase
import JexQtCommon

// The video's frame rate: 30 (NTSC) or 25 (PAL); any other value shows as 30.
UI_Row {
    id: root
    property int fps: 30
    signal edited(int fps)
    text: qsTr("Frame Rate")

    UI_TranslatableComboBox {
        objectName: "frameRateBox"
        tr_model: [{
                "value": 30,
                "name": QT_TR_NOOP("30 (NTSC)")
            }, {
                "value": 25,
                "name": QT_TR_NOOP("25 (PAL)")
            }]
        tr_modelToString: function (item) {
            return qsTr(item.name)
        }
        value: root.fps === 25 ? 25 : 30
        Layout.preferredWidth: 155
        onValueActivated: function (chosen) {
            root.edited(chosen)
        }
    }
}
