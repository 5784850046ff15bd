// QuickPromise has no native types and no type-info file, so its registration is written
// here instead of generated: it only makes the module's QML files importable.

#include <QtQml/qqml.h>
#include <QtQml/qqmlmoduleregistration.h>

void qml_register_types_QuickPromise() {
    qmlRegisterModule("QuickPromise", 1, 0);
}

static const QQmlModuleRegistration registration("QuickPromise", qml_register_types_QuickPromise);
