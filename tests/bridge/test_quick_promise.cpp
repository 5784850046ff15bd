// The promise library as QML code uses it: what each snippet records, in order.

#include "QmlSnippet.h"

#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(QuickPromisePlugin)

class TestQuickPromise : public QObject {
    Q_OBJECT
private slots:
    void records_data() {
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

    void records() {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        JEX::Test::QmlSnippet qml;
        auto object = qml.make(QStringLiteral("import QuickPromise"),
                               QStringLiteral("property string log\n"
                                              "function add(s) { log += (log ? ',' : '') + s }\n"
                                              "Component.onCompleted: { %1 }")
                                   .arg(script));
        QVERIFY(object);
        QTRY_COMPARE(object->property("log").toString(), expected);
    }
};

QTEST_MAIN(TestQuickPromise)
#include "test_quick_promise.moc"
