#include "QmlFutureTypes.h"

#include "CmdRet.h"
#include "QuickFuture.h"

#include <QMetaObject>
#include <QVariantList>

namespace JEX {

void registerQmlFutureTypes() {
    // A command result reaches QML as a plain object whose type is the number QML code
    // compares with CmdRetType, with the message that says what a failure left the mount in.
    QuickFuture::registerType<CmdRet>([](QJSEngine& engine, const CmdRet& ret) {
        QJSValue value = engine.newObject();
        value.setProperty(QStringLiteral("type"), static_cast<int>(ret.type));
        if (!ret.message.isEmpty())
            value.setProperty(QStringLiteral("message"), ret.message);
        return value;
    });
    QuickFuture::registerType<QVariantList>();
    QMetaType::registerNormalizedTypedef(QMetaObject::normalizedType("QFuture<QVariantList>"),
                                         QMetaType::fromType<QFuture<QVariantList>>());
}

} // namespace JEX
