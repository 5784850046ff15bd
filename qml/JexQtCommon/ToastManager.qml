import QtQuick

// Short messages stacked from the bottom of the window, newest at the top of the stack;
// native code adds its own through inj_toastManagerUIStub.
Item {
    id: root
    anchors.fill: parent
    z: 1000
    // Toasts are never clicked; lying over the whole overlay, they would otherwise take the
    // presses meant for an open dialog's buttons.
    enabled: false

    // The last texts shown, newest last (for tests and diagnostics).
    property var shown: []

    function show(text, durationMs) {
        shown = shown.slice(-19).concat([text])
        toasts.insert(0, {
                          "text": text,
                          "durationMs": durationMs === undefined ? 3000 : durationMs
                      })
    }

    ListModel {
        id: toasts
    }

    ListView {
        id: list
        anchors.fill: parent
        anchors.bottomMargin: 10
        verticalLayoutDirection: ListView.BottomToTop
        spacing: 5
        interactive: false
        model: toasts
        delegate: Item {
            width: list.width
            height: toast.height
            Toast {
                id: toast
                anchors.horizontalCenter: parent.horizontalCenter
                text: model.text
                durationMs: model.durationMs
                onFinished: toasts.remove(index)
            }
        }
    }

    Connections {
        target: typeof inj_toastManagerUIStub !== "undefined" ? inj_toastManagerUIStub : null
        ignoreUnknownSignals: true
        function onShouldToast(textLoc) {
            root.show(textLoc)
        }
    }
}
