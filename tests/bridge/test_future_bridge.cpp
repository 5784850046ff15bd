// The Future singleton and CmdRetPromise in a QML engine, with futures that finish on worker
// threads; the promise library as QML code uses it.

#include "CmdRet.h"
#include "QmlFutureTypes.h"
#include "QmlSnippet.h"
#include "QuickFuture.h"

#include <QPoint>
#include <QPromise>
#include <QtQml/qqmlextensionplugin.h>

#include <functional>
#include <optional>
#include <thread>
#include <vector>

Q_IMPORT_QML_PLUGIN(QuickFuturePlugin)
Q_IMPORT_QML_PLUGIN(QuickPromisePlugin)
Q_IMPORT_QML_PLUGIN(TavoPlugin)
Q_IMPORT_QML_PLUGIN(JexAstroBasePlugin)

using JEX::CmdRet;
using JEX::CmdRetType;

namespace {

// Futures that stay pending until release(), which finishes each on a thread of its own:
// with its result, or cancelled when it has none.
class Workers {
public:
    ~Workers() {
        for (auto& thread : threads_)
            thread.join();
    }
    template <typename T> QVariant later(std::optional<T> result) {
        auto promise = std::make_shared<QPromise<T>>();
        promise->start();
        jobs_.push_back([promise, result] {
            if (result)
                promise->addResult(*result);
            else
                promise->future().cancel();
            promise->finish();
        });
        return QVariant::fromValue(promise->future());
    }
    void release() {
        for (auto& job : jobs_)
            threads_.emplace_back(job);
    }

private:
    std::vector<std::function<void()>> jobs_;
    std::vector<std::thread> threads_;
};

template <typename T> QVariant finished(const QList<T>& results) {
    QPromise<T> promise;
    promise.start();
    for (const T& result : results)
        promise.addResult(result);
    promise.finish();
    return QVariant::fromValue(promise.future());
}

} // namespace

class TestFutureBridge : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        JEX::registerQmlFutureTypes();
        // Refused: the values below still come from the first registration.
        QTest::ignoreMessage(QtWarningMsg,
                             "QuickFuture::registerType:It is already registered:QFuture<int>");
        QVERIFY(!JEX::QuickFuture::registerType<int>(
            [](QJSEngine&, int) { return QJSValue(QStringLiteral("second")); }));
        running_.start();
    }
    void init() { qml_.emplace(); }

    // What a call gives QML: the values, or for a call that cannot be served one warning
    // (naming the function called, "Future", "Future.result()", ..., then the fault) and
    // undefined.
    void callsGiveValuesOrWarnOnce_data() {
        QTest::addColumn<QVariant>("future");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("warning");
        QTest::newRow("results") << finished<int>({3, 4})
                                 << "JSON.stringify([Future.isFinished(future), "
                                    "Future.isCanceled(future), Future.result(future), "
                                    "Future.results(future)])"
                                 << "[true,false,3,[3,4]]" << QString();
        QTest::newRow("list") << finished<QVariantList>({{1, "a"}})
                              << "JSON.stringify(Future.result(future))"
                              << "[1,\"a\"]" << QString();
        const auto unknown = QVariant::fromValue(QFuture<QPoint>());
        for (const char* call :
             {"isFinished(future)", "isCanceled(future)", "progressValue(future)",
              "progressMinimum(future)", "progressMaximum(future)", "onFinished(future, run, root)",
              "onProgressValueChanged(future, run)", "result(future)", "promise(future)",
              "sync(future, 'isFinished', root, 'log')"})
            QTest::addRow("unknown type: %s", call)
                << unknown << "typeof Future." + QString(call) << "undefined"
                << QStringLiteral("Can not handle input data type: QFuture<QPoint>");
        const auto pending = QVariant::fromValue(running_.future());
        const char* pendingRows[][2] = {
            {"result(future)", "The result is not ready!"},
            {"results(future)", "The result is not ready!"},
            {"onFinished(future, 5, root)", "Callback is not callable"},
            {"onCanceled(future, 5, root)", "Callback is not callable"},
            {"onProgressValueChanged(future, 5)", "Callback is not callable"},
            {"sync(future, 'isBusy', root, 'log')", "Unknown property: isBusy"},
        };
        for (const auto& [call, warning] : pendingRows)
            QTest::addRow("%s", call)
                << pending << "typeof Future." + QString(call) << "undefined" << QString(warning);
    }

    void callsGiveValuesOrWarnOnce() {
        QFETCH(QVariant, future);
        QFETCH(QString, expression);
        QFETCH(QString, expected);
        QFETCH(QString, warning);
        auto object = make("function run() { return " + expression + " }", future);
        QVERIFY(object);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("^Future[.\\w()]*: " +
                                                    QRegularExpression::escape(warning) + "$"));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QCOMPARE(qml_->run(object.get()).toString(), expected);
    }

    // A callback that throws is reported with its line: the snippet's ninth, after three
    // imports, the root with its id and two properties, and run().
    void callbackOnFinishedFutureWaitsForTheEventLoop_data() {
        QTest::addColumn<QVariant>("future");
        QTest::addColumn<QString>("callback");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("warning");
        const auto row = [](const char* name, const QVariant& future, const QString& callback,
                            const char* expected, const char* warning = "") {
            QTest::newRow(name) << future << callback << QString(expected) << QString(warning);
        };
        const QString type = "log = arguments.length ? String(arguments[0].type) : 'no argument'";
        row("command result", finished<CmdRet>({CmdRetType::Nak}), type, "1");
        row("void", QVariant::fromValue(QtFuture::makeReadyFuture()), type, "no argument");
        row("throwing", finished<CmdRet>({CmdRet{}}), "log = 'called'; throw new Error('boom')",
            "called", "qrc:/snippet.qml:9: Error: boom");
    }

    void callbackOnFinishedFutureWaitsForTheEventLoop() {
        QFETCH(QVariant, future);
        QFETCH(QString, callback);
        QFETCH(QString, expected);
        QFETCH(QString, warning);
        auto object = make("function run() {\nFuture.onFinished(future, function() { " + callback +
                               " })\nreturn log }",
                           future);
        QVERIFY(object);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QCOMPARE(qml_->run(object.get()).toString(), QString());
        QTRY_COMPARE(object->property("log").toString(), expected);
    }

    void promiseOfWorkerFuture_data() {
        QTest::addColumn<QString>("promise");
        QTest::addColumn<QVariant>("outcome"); // CmdRet, map, or nothing for a cancelled future
        QTest::addColumn<QString>("expected");
        const QString future = QStringLiteral("Future.promise(future)");
        const QString command = QStringLiteral("CmdRetPromise.get(future)");
        const auto ret = [](CmdRetType type) { return QVariant::fromValue(CmdRet(type)); };
        const auto map = [](CmdRetType type, QVariant value) {
            return QVariant(QVariantMap{{"type", QVariant::fromValue(type)}, {"value", value}});
        };
        QTest::newRow("fulfilled") << future << ret(CmdRetType::Nak) << "fulfilled 1";
        QTest::newRow("cancelled") << future << QVariant() << "rejected";
        QTest::newRow("command Ok") << command << ret(CmdRetType::Ok) << "fulfilled 0";
        // Rejected with the text of the result; one result stands for them all.
        QTest::newRow("command Nak") << command << ret(CmdRetType::Nak) << "Rejected";
        QTest::newRow("command with a message")
            << command << QVariant::fromValue(CmdRet(CmdRetType::Timeout, "Not started."))
            << "Not started.";
        QTest::newRow("command future cancelled") << command << QVariant() << "Canceled";
        QTest::newRow("map Ok") << command << map(CmdRetType::Ok, 5) << "fulfilled 5";
        QTest::newRow("map Nak") << command << map(CmdRetType::Nak, {}) << "Rejected";
    }

    void promiseOfWorkerFuture() {
        QFETCH(QString, promise);
        QFETCH(QVariant, outcome);
        QFETCH(QString, expected);
        Workers workers;
        const QVariant future =
            outcome.metaType() == QMetaType::fromType<QVariantMap>()
                ? workers.later<QVariantMap>(outcome.toMap())
                : workers.later<CmdRet>(outcome.isValid() ? std::optional(outcome.value<CmdRet>())
                                                          : std::nullopt);
        auto object = make("function run() { " + promise + R"(.then(
            v => log = 'fulfilled ' + (v.type !== undefined ? v.type : v),
            e => log = e === undefined ? 'rejected' : e) })",
                           future);
        QVERIFY(object);
        qml_->run(object.get());
        workers.release();
        QTRY_COMPARE(object->property("log").toString(), expected);
    }

    void callbackGoesWithItsOwner_data() {
        QTest::addColumn<bool>("pending");
        QTest::newRow("pending future") << true;
        QTest::newRow("finished future") << false;
    }

    void callbackGoesWithItsOwner() {
        QFETCH(bool, pending);
        Workers workers;
        auto* owner = new QObject;
        auto object = make(R"(property QtObject owner
            function run() {
                Future.onFinished(future, () => log += 'gone owner;', owner)
                Future.promise(future, owner).then(() => log += 'gone promise;')
                Future.onFinished(future, () => log += 'live owner;', root)
                CmdRetPromise.get(future, root).then(() => log += 'live promise;') })",
                           pending ? workers.later<CmdRet>(CmdRet{}) : finished<CmdRet>({CmdRet{}}),
                           {{"owner", QVariant::fromValue(owner)}});
        QVERIFY(object);
        qml_->run(object.get());
        delete owner;
        workers.release();
        // Both callbacks were due together, the gone owner's first; a promise settles after.
        QTRY_COMPARE(object->property("log").toString(),
                     QStringLiteral("live owner;live promise;"));
    }

    void syncFollowsTheFuture() {
        Workers workers;
        auto object = make("property bool running\n"
                           "function run() { Future.sync(future, 'isRunning', root, 'running') }",
                           workers.later<CmdRet>(CmdRet{}));
        QVERIFY(object);
        qml_->run(object.get());
        QCOMPARE(object->property("running").toBool(), true);
        workers.release();
        QTRY_COMPARE(object->property("running").toBool(), false);
    }

    // What each snippet of the promise library records, in order.
    void promiseLibraryRecords_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        QTest::newRow("handlers run later, in the order they were attached")
            << "var p = Q.promise(); p.then(v => add('a' + v)); p.then(v => add('b' + v));"
               "p.resolve(1); add('sync')"
            << "sync,a1,b1";
        QTest::newRow("a promise settles once")
            << "var p = Q.promise(); p.then(v => add('f' + v), r => add('r' + r));"
               "p.resolve(1); p.resolve(2); p.reject(3)"
            << "f1";
        QTest::newRow("a chain passes returned values on and follows returned promises")
            << "var p = Q.promise(), q = Q.promise();"
               "p.then(v => v + 1).then(v => { add('b' + v); return q }).then(v => add('c' + v));"
               "p.resolve(1); p.then(() => q.resolve(5))"
            << "b2,c5";
        QTest::newRow("a rejection skips to the next rejection handler, which recovers")
            << "var p = Q.promise();"
               "p.then(v => add('never')).then(null, r => add('caught ' + r))"
               ".then(v => add('after ' + v)); p.reject('x')"
            << "caught x,after undefined";
        QTest::newRow("a throwing handler rejects the next promise")
            << "var p = Q.promise(); p.then(() => { throw 'boom' })"
               ".then(v => add('never'), r => add('rejected ' + r)); p.resolve(1)"
            << "rejected boom";
        QTest::newRow("all keeps the list's order")
            << "var a = Q.promise(), b = Q.promise();"
               "Q.all([a, b, 3]).then(v => add(v.join('+'))); b.resolve(2); a.resolve(1)"
            << "1+2+3";
        QTest::newRow("all is rejected with the first rejection")
            << "var a = Q.promise(), b = Q.promise();"
               "Q.all([a, b]).then(v => add('never'), r => add('rejected ' + r));"
               "b.reject('b'); a.reject('a')"
            << "rejected b";
        QTest::newRow("all of nothing") << "Q.all([]).then(v => add('empty ' + v.length))"
                                        << "empty 0";
        QTest::newRow("Promise element")
            << "var p = Qt.createQmlObject('import QuickPromise; Promise {}', root);"
               "p.fulfilled.connect(v => add('signal ' + v)); p.then(v => add('then ' + v));"
               "p.resolveWhen = true"
            << "signal true,then true";
        QTest::newRow("PromiseTimer")
            << "var t = Qt.createQmlObject('import QuickPromise; PromiseTimer { interval: 1 }',"
               "root); t.promise().then(() => add('fired')); add('started')"
            << "started,fired";
    }

    void promiseLibraryRecords() {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        auto object = qml_->make(QStringLiteral("import QuickPromise"),
                                 QStringLiteral("property string log\n"
                                                "function add(s) { log += (log ? ',' : '') + s }\n"
                                                "Component.onCompleted: { %1 }")
                                     .arg(script));
        QVERIFY(object);
        QTRY_COMPARE(object->property("log").toString(), expected);
    }

private:
    // An object with the properties future and log, and the members given.
    std::unique_ptr<QObject> make(const QString& members, const QVariant& future,
                                  QVariantMap properties = {}) {
        properties.insert(QStringLiteral("future"), future);
        return qml_->make(QStringLiteral("import QuickFuture\nimport Tavo"),
                          "property var future\nproperty string log\n" + members, properties);
    }

    std::optional<JEX::Test::QmlSnippet> qml_;
    QPromise<int> running_; // started, never finished
};

QTEST_MAIN(TestFutureBridge)
#include "test_future_bridge.moc"
