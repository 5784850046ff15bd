#pragma once
// Short messages from native code to the QML toast view.

#include "IShortMessageSink.h"

#include <QObject>
#include <QString>

namespace JEX {

class ToastManagerUIStub : public QObject, public IShortMessageSink {
    Q_OBJECT
public:
    using QObject::QObject;

    void showMessage(const std::string& text) override;

signals:
    void shouldToast(QString textLoc);
};

} // namespace JEX
