import QtQuick
import QtQuick.Controls
import Tavo
import JexAstroBase

ApplicationWindow {
    id: window
    title: "Velmora Console"
    width: 480
    height: 800
    visible: true
}
