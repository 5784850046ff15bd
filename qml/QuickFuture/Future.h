#pragma once
// The QML singleton Future: inspects a future held in a QML variable, calls QML back when it
// finishes, is cancelled or progresses, and turns it into a promise of QuickPromise.
// Callbacks always arrive through the event loop of their owner's thread, never inside the
// call that attached them, and are dropped with their owner.

#include "QuickFuture.h"

#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace JEX::QuickFuture {

class Future : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit Future(QQmlEngine* engine, QObject* parent = nullptr);
    static Future* create(QQmlEngine* qmlEngine, QJSEngine* jsEngine);

    Q_INVOKABLE QJSValue isFinished(const QVariant& future) const;
    Q_INVOKABLE QJSValue isRunning(const QVariant& future) const;
    Q_INVOKABLE QJSValue isCanceled(const QVariant& future) const;
    Q_INVOKABLE QJSValue progressValue(const QVariant& future) const;
    Q_INVOKABLE QJSValue progressMinimum(const QVariant& future) const;
    Q_INVOKABLE QJSValue progressMaximum(const QVariant& future) const;
    Q_INVOKABLE void onFinished(const QVariant& future, const QJSValue& func,
                                QObject* owner = nullptr);
    Q_INVOKABLE void onCanceled(const QVariant& future, const QJSValue& func,
                                QObject* owner = nullptr);
    Q_INVOKABLE void onProgressValueChanged(const QVariant& future, const QJSValue& func,
                                            QObject* owner = nullptr);
    Q_INVOKABLE QJSValue result(const QVariant& future) const;
    Q_INVOKABLE QJSValue results(const QVariant& future) const;
    // The promise settles once the future has finished, unless the owner (when given) has
    // gone by then: a page's handlers never run after the page.
    Q_INVOKABLE QJSValue promise(const QVariant& future, QObject* owner = nullptr);
    Q_INVOKABLE void sync(const QVariant& future, const QString& propertyInFuture, QObject* target,
                          const QString& propertyInTarget);

private:
    std::optional<FutureHandle> handleOf(const QVariant& future, const char* caller) const;
    // Where a callback lives: the owner when it can run JavaScript, else this object.
    QObject* contextFor(QObject* owner);

    QPointer<QQmlEngine> engine_;
    QJSValue createPromise_;
};

} // namespace JEX::QuickFuture
