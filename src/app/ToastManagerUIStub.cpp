#include "ToastManagerUIStub.h"

namespace JEX {

void ToastManagerUIStub::showMessage(const std::string& text) {
    emit shouldToast(QString::fromStdString(text));
}

} // namespace JEX
