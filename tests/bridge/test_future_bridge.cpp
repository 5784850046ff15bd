// The Future singleton and CmdRetPromise in a QML engine, with futures that finish on worker
// threads.

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

    void values_data() {
        QTest::addColumn<QVariant>("future");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected");
        QTest::newRow("results") << finished<int>({3, 4})
                                 << "[Future.isFinished(future), Future.isCanceled(future), "
                                    "Future.result(future), Future.results(future)]"
                                 << "[true,false,3,[3,4]]";
        QTest::newRow("list") << finished<QVariantList>({{1, "a"}}) << "Future.result(future)"
                              << "[1,\"a\"]";
    }

    void values() {
        QFETCH(QVariant, future);
        QFETCH(QString, expression);
        QFETCH(QString, expected);
        auto object = make("function run() { return JSON.stringify(" + expression + ") }", future);
        QVERIFY(object);
        QCOMPARE(qml_->run(object.get()).toString(), expected);
    }

    // The warning names the function called ("Future", "Future.result()", ...), then the fault.
    void warnsOnceAndGivesUndefined_data() {
        QTest::addColumn<QVariant>("future");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("warning");
        const auto unknown = QVariant::fromValue(QFuture<QPoint>());
        for (const char* call :
             {"isFinished(future)", "isCanceled(future)", "progressValue(future)",
              "progressMinimum(future)", "progressMaximum(future)", "onFinished(future, run, root)",
              "onProgressValueChanged(future, run)", "result(future)", "promise(future)",
              "sync(future, 'isFinished', root, 'log')"})
            QTest::addRow("unknown type: %s", call)
                << unknown << QString(call)
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
            QTest::addRow("%s", call) << pending << QString(call) << QString(warning);
    }

    void warnsOnceAndGivesUndefined() {
        QFETCH(QVariant, future);
        QFETCH(QString, call);
        QFETCH(QString, warning);
        auto object = make("function run() { return typeof Future." + call + " }", future);
        QVERIFY(object);
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression("^Future[.\\w()]*: " + QRegularExpression::escape(warning) + "$"));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QCOMPARE(qml_->run(object.get()).toString(), QStringLiteral("undefined"));
    }

    void callbackOnFinishedFutureWaitsForTheEventLoop_data() {
        QTest::addColumn<QVariant>("future");
        QTest::addColumn<QString>("expected");
        QTest::newRow("command result") << finished<CmdRet>({CmdRetType::Nak}) << "1";
        QTest::newRow("void") << QVariant::fromValue(QtFuture::makeReadyFuture()) << "no argument";
    }

    void callbackOnFinishedFutureWaitsForTheEventLoop() {
        QFETCH(QVariant, future);
        QFETCH(QString, expected);
        auto object = make(R"(function run() {
            Future.onFinished(future, function() {
                log = arguments.length ? String(arguments[0].type) : 'no argument' }, root)
            return log })",
                           future);
        QVERIFY(object);
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

    void throwingCallbackIsReported() {
        auto object = make(R"(function run() {
            Future.onFinished(future, function() { log = 'called'; throw new Error('boom') }) })",
                           finished<CmdRet>({CmdRet{}}));
        QVERIFY(object);
        // Line 9 of the snippet: three imports, the root with its id and two properties, run().
        QTest::ignoreMessage(QtWarningMsg, "qrc:/snippet.qml:9: Error: boom");
        qml_->run(object.get());
        QTRY_COMPARE(object->property("log").toString(), QStringLiteral("called"));
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
