#pragma once
// How the Future singleton learns a future type: registerType<T>() teaches it to inspect,
// watch and unpack a QFuture<T> held in a QML variable.
//
// The table of known future types is Qt's converter table: a registered QFuture<T> converts
// to a FutureHandle, which carries the future's state and a reader that turns its results
// into JavaScript values. Keying by meta-type keeps the bridge free of tables of its own.

#include <QFuture>
#include <QJSEngine>
#include <QJSValue>
#include <QMetaType>
#include <QtGlobal>

#include <functional>
#include <type_traits>

namespace JEX::QuickFuture {

// One future as the bridge sees it, whatever its result type.
struct FutureHandle {
    QFuture<void> future;
    // The index-th result as a JavaScript value; empty for a future of void.
    std::function<QJSValue(QJSEngine& engine, int index)> resultAt;
};

// A result becomes whatever the engine makes of its variant unless a type says otherwise.
struct DefaultToJs {
    template <typename V> QJSValue operator()(QJSEngine& engine, const V& value) const {
        return engine.toScriptValue(value);
    }
};

// Registers QFuture<T>; toJs(engine, result) gives a result's JavaScript value. The first
// registration of a type wins: another one is refused with a warning.
template <typename T, typename ToJs = DefaultToJs> bool registerType(ToJs toJs = {}) {
    const QMetaType from = QMetaType::fromType<QFuture<T>>();
    const QMetaType to = QMetaType::fromType<FutureHandle>();
    qRegisterMetaType<QFuture<T>>();
    if (QMetaType::hasRegisteredConverterFunction(from, to)) {
        qWarning("QuickFuture::registerType:It is already registered:%s", from.name());
        return false;
    }
    return QMetaType::registerConverter<QFuture<T>, FutureHandle>([toJs](const QFuture<T>& f) {
        FutureHandle handle{QFuture<void>(f), {}};
        if constexpr (!std::is_void_v<T>) {
            handle.resultAt = [f, toJs](QJSEngine& engine, int index) -> QJSValue {
                if (index >= f.resultCount())
                    return {};
                // A future that failed holds an exception instead of results; reading it
                // would rethrow here, on the GUI thread.
                try {
                    return toJs(engine, f.resultAt(index));
                } catch (...) {
                    return {};
                }
            };
        }
        return handle;
    });
}

// The basic types every program gets; runs as a pre-routine of the application object.
void registerBasicTypes();

} // namespace JEX::QuickFuture
