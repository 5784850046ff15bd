#include "Future.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFutureWatcher>
#include <QQmlComponent>
#include <QSize>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

namespace JEX::QuickFuture {

namespace {

// Made once per engine by promise(): the promise library is QML, so the promise is too. The
// caller settles it when the future has finished.
constexpr char kPromiseMaker[] = R"(import QtQml
import QuickPromise
QtObject {
    function create() {
        var promise = Q.promise();
        return {
            "promise": promise,
            "settle": function(canceled, value) {
                if (canceled)
                    promise.reject();
                else
                    promise.resolve(value);
            }
        };
    }
}
)";

void callBack(QJSValue func, const QJSValueList& args) {
    const QJSValue ret = func.call(args);
    if (ret.isError())
        qWarning("%s:%s: %s: %s", qUtf8Printable(ret.property("fileName").toString()),
                 qUtf8Printable(ret.property("lineNumber").toString()),
                 qUtf8Printable(ret.property("name").toString()),
                 qUtf8Printable(ret.property("message").toString()));
}

QJSValueList resultArgs(const FutureHandle& handle, QJSEngine& engine) {
    if (!handle.resultAt)
        return {};
    return {handle.resultAt(engine, 0)};
}

// A watcher lives as a child of context, so that it and the callback go with their owner;
// it goes by itself once the future has finished.
template <typename Signal, typename Slot>
void watch(QObject* context, const QFuture<void>& future, Signal signal, Slot slot) {
    auto* watcher = new QFutureWatcher<void>(context);
    QObject::connect(watcher, signal, watcher, slot);
    QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, &QObject::deleteLater);
    watcher->setFuture(future);
}

template <typename Read> QJSValue query(const std::optional<FutureHandle>& handle, Read read) {
    return handle ? QJSValue(read(handle->future)) : QJSValue();
}

void startUp() {
    registerBasicTypes();
}
Q_COREAPP_STARTUP_FUNCTION(startUp)

} // namespace

void registerBasicTypes() {
    registerType<int>();
    registerType<double>();
    QMetaType::registerNormalizedTypedef(QMetaObject::normalizedType("QFuture<qreal>"),
                                         QMetaType::fromType<QFuture<qreal>>());
    registerType<QString>();
    registerType<QByteArray>();
    registerType<QSize>();
    registerType<QVariant>();
    registerType<bool>();
    registerType<QVariantMap>();
    registerType<void>();
}

Future::Future(QQmlEngine* engine, QObject* parent) : QObject(parent), engine_(engine) {}

Future* Future::create(QQmlEngine* qmlEngine, QJSEngine*) {
    return new Future(qmlEngine);
}

QJSValue Future::isFinished(const QVariant& future) const {
    return query(handleOf(future, "Future"), [](const auto& f) { return f.isFinished(); });
}

QJSValue Future::isRunning(const QVariant& future) const {
    return query(handleOf(future, "Future"), [](const auto& f) { return f.isRunning(); });
}

QJSValue Future::isCanceled(const QVariant& future) const {
    return query(handleOf(future, "Future.isCanceled"),
                 [](const auto& f) { return f.isCanceled(); });
}

QJSValue Future::progressValue(const QVariant& future) const {
    return query(handleOf(future, "Future.progressValue"),
                 [](const auto& f) { return f.progressValue(); });
}

QJSValue Future::progressMinimum(const QVariant& future) const {
    return query(handleOf(future, "Future.progressMinimum"),
                 [](const auto& f) { return f.progressMinimum(); });
}

QJSValue Future::progressMaximum(const QVariant& future) const {
    return query(handleOf(future, "Future.progressMaximum"),
                 [](const auto& f) { return f.progressMaximum(); });
}

void Future::onFinished(const QVariant& future, const QJSValue& func, QObject* owner) {
    const auto handle = handleOf(future, "Future");
    if (!handle)
        return;
    if (!func.isCallable()) {
        qWarning("Future.onFinished: Callback is not callable");
        return;
    }
    auto deliver = [engine = engine_, handle = *handle, func] {
        if (engine)
            callBack(func, resultArgs(handle, *engine));
    };
    QObject* context = contextFor(owner);
    if (handle->future.isFinished())
        QMetaObject::invokeMethod(context, deliver, Qt::QueuedConnection);
    else
        watch(context, handle->future, &QFutureWatcherBase::finished, deliver);
}

void Future::onCanceled(const QVariant& future, const QJSValue& func, QObject* owner) {
    const auto handle = handleOf(future, "Future");
    if (!handle)
        return;
    if (!func.isCallable()) {
        qWarning("Future.onCanceled: Callback is not callable");
        return;
    }
    auto deliver = [engine = engine_, func] {
        if (engine)
            callBack(func, {});
    };
    QObject* context = contextFor(owner);
    if (handle->future.isCanceled())
        QMetaObject::invokeMethod(context, deliver, Qt::QueuedConnection);
    else if (!handle->future.isFinished())
        watch(context, handle->future, &QFutureWatcherBase::canceled, deliver);
}

void Future::onProgressValueChanged(const QVariant& future, const QJSValue& func, QObject* owner) {
    const auto handle = handleOf(future, "Future.onProgressValueChanged");
    if (!handle)
        return;
    if (!func.isCallable()) {
        qWarning("Future.onProgressValueChanged: Callback is not callable");
        return;
    }
    if (handle->future.isFinished())
        return;
    watch(contextFor(owner), handle->future, &QFutureWatcherBase::progressValueChanged,
          [engine = engine_, func](int value) {
              if (engine)
                  callBack(func, {value});
          });
}

QJSValue Future::result(const QVariant& future) const {
    const auto handle = handleOf(future, "Future");
    if (!handle || !engine_)
        return {};
    if (!handle->future.isFinished()) {
        qWarning("Future.result(): The result is not ready!");
        return {};
    }
    return handle->resultAt ? handle->resultAt(*engine_, 0) : QJSValue();
}

QJSValue Future::results(const QVariant& future) const {
    const auto handle = handleOf(future, "Future");
    if (!handle || !engine_)
        return {};
    if (!handle->future.isFinished()) {
        qWarning("Future.results(): The result is not ready!");
        return {};
    }
    const int count = handle->resultAt ? handle->future.resultCount() : 0;
    QJSValue array = engine_->newArray(count);
    for (int i = 0; i < count; ++i)
        array.setProperty(i, handle->resultAt(*engine_, i));
    return array;
}

QJSValue Future::promise(const QVariant& future, QObject* owner) {
    const auto handle = handleOf(future, "Future");
    if (!handle || !engine_)
        return {};
    if (!createPromise_.isCallable()) {
        QQmlComponent component(engine_);
        component.setData(kPromiseMaker, QUrl());
        QObject* maker = component.isReady() ? component.create() : nullptr;
        if (!maker) {
            qWarning("Future.promise: QuickPromise is not installed or setup properly");
            return {};
        }
        maker->setParent(this);
        createPromise_ = engine_->newQObject(maker).property(QStringLiteral("create"));
    }
    const QJSValue made = createPromise_.call();
    const QJSValue settle = made.property(QStringLiteral("settle"));
    auto deliver = [engine = engine_, handle = *handle, settle] {
        if (!engine)
            return;
        QJSValueList args{QJSValue(handle.future.isCanceled())};
        args += resultArgs(handle, *engine);
        callBack(settle, args);
    };
    QObject* context = contextFor(owner);
    if (handle->future.isFinished())
        QMetaObject::invokeMethod(context, deliver, Qt::QueuedConnection);
    else
        watch(context, handle->future, &QFutureWatcherBase::finished, deliver);
    return made.property(QStringLiteral("promise"));
}

void Future::sync(const QVariant& future, const QString& propertyInFuture, QObject* target,
                  const QString& propertyInTarget) {
    const auto handle = handleOf(future, "Future");
    if (!handle)
        return;
    bool (QFuture<void>::*read)() const = nullptr;
    if (propertyInFuture == u"isFinished")
        read = &QFuture<void>::isFinished;
    else if (propertyInFuture == u"isRunning")
        read = &QFuture<void>::isRunning;
    else if (propertyInFuture == u"isSuspended")
        read = &QFuture<void>::isSuspended;
    if (!read) {
        qWarning("Future: Unknown property: %s", qUtf8Printable(propertyInFuture));
        return;
    }
    // The target is written directly, so it must live where this code runs.
    if (!target || contextFor(target) != target)
        return;
    auto update = [target, name = propertyInTarget.toUtf8(), f = handle->future, read] {
        target->setProperty(name, (f.*read)());
    };
    update();
    if (handle->future.isFinished())
        return;
    auto* watcher = new QFutureWatcher<void>(target);
    for (auto signal : {&QFutureWatcherBase::started, &QFutureWatcherBase::finished,
                        &QFutureWatcherBase::canceled, &QFutureWatcherBase::suspended,
                        &QFutureWatcherBase::resumed})
        connect(watcher, signal, watcher, update);
    connect(watcher, &QFutureWatcherBase::finished, watcher, &QObject::deleteLater);
    watcher->setFuture(handle->future);
}

std::optional<FutureHandle> Future::handleOf(const QVariant& future, const char* caller) const {
    const QMetaType from = future.metaType();
    const QMetaType to = QMetaType::fromType<FutureHandle>();
    FutureHandle handle;
    if (QMetaType::hasRegisteredConverterFunction(from, to) &&
        QMetaType::convert(from, future.constData(), to, &handle))
        return handle;
    qWarning("%s: Can not handle input data type: %s", caller,
             from.isValid() ? from.name() : "undefined");
    return std::nullopt;
}

QObject* Future::contextFor(QObject* owner) {
    // JavaScript runs only on the engine's thread.
    return owner && owner->thread() == thread() ? owner : this;
}

} // namespace JEX::QuickFuture
