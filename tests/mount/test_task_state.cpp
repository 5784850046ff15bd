// The task state's running rule and signals, and the mount settings over the key-value store.

#include "MemoryKVStore.h"
#include "TAVOSettings.h"
#include "TAVOTaskState.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <thread>

using namespace JEX;

namespace {

TAVOStatus statusOf(TAVOMode_::E mode, int photos) {
    TAVOStatus s;
    s.mode = mode;
    s.numberOfPictureTaken = photos;
    s.updateTimeUnixMs = 1'700'000'000'000;
    return s;
}

ReadTAVOParamSet programOf(int cycles) {
    ReadTAVOParamSet p;
    p.startTimeUnixMs = 1'699'999'000'000;
    p.paramSet.mode = TAVOMode_::E::AP;
    p.paramSet.N_Cycles = cycles;
    p.paramSet.cycleSec = 30;
    return p;
}

} // namespace

class TestTaskState : public QObject {
    Q_OBJECT

    std::shared_ptr<TAVOTaskState> state_;
    std::shared_ptr<Test::MemoryKVStore> store_;
    std::shared_ptr<TAVOSettings> settings_;

private slots:
    void init() {
        state_ = std::make_shared<TAVOTaskState>();
        store_ = std::make_shared<Test::MemoryKVStore>();
        settings_ = std::make_shared<TAVOSettings>(store_);
    }

    // ---- task state ---------------------------------------------------------------------

    // The running rule; QML reads nothing where the task state cannot tell.
    void isRunning_data() {
        QTest::addColumn<bool>("hasStatus");
        QTest::addColumn<bool>("hasProgram");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("photos");
        QTest::addColumn<int>("cycles");
        QTest::addColumn<QVariant>("expected");
        const QVariant invalid;
        QTest::newRow("nothing known") << false << false << 0 << 0 << 0 << invalid;
        QTest::newRow("status only") << true << false << 1 << 0 << 0 << invalid;
        QTest::newRow("program only") << false << true << 1 << 0 << 0 << invalid;
        QTest::newRow("manual") << true << true << 0 << 0 << 0 << QVariant(false);
        QTest::newRow("all 50 of 50 taken") << true << true << 1 << 50 << 50 << QVariant(false);
        QTest::newRow("more than asked") << true << true << 1 << 51 << 50 << QVariant(false);
        QTest::newRow("49 of 50") << true << true << 1 << 49 << 50 << QVariant(true);
        QTest::newRow("unlimited") << true << true << 1 << 100000 << 0 << QVariant(true);
        QTest::newRow("long exposure, 0 taken") << true << true << 3 << 0 << 10 << QVariant(true);
    }
    void isRunning() {
        QFETCH(bool, hasStatus);
        QFETCH(bool, hasProgram);
        QFETCH(int, mode);
        QFETCH(int, photos);
        QFETCH(int, cycles);
        QFETCH(QVariant, expected);
        if (hasStatus)
            state_->setStatus(statusOf(TAVOMode_::E(mode), photos));
        if (hasProgram)
            state_->setReadParamSet(programOf(cycles));
        QCOMPARE(state_->property("isRunningTask"), expected);
        QCOMPARE(state_->property("status").isValid(), hasStatus);
        QCOMPARE(state_->property("paramSet").isValid(), hasProgram);
        QCOMPARE(state_->property("readParamSet").isValid(), hasProgram);
    }

    void everyStoreIsAnnouncedAndCarried() {
        QSignalSpy changed(state_.get(), &ITAVOTaskState::valueChanged);
        const TAVOStatus s = statusOf(TAVOMode_::E::Reg, 7);
        const ReadTAVOParamSet p = programOf(12);
        state_->setStatus(s);
        state_->setStatus(s);
        state_->setReadParamSet(p);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(state_->property("status").value<TAVOStatus>(), s);
        QCOMPARE(state_->property("paramSet").value<TAVOParamSet>(), p.paramSet);
        QCOMPARE(state_->property("readParamSet").value<ReadTAVOParamSet>(), p);
        // Queued connections and QML find the records by name.
        QVERIFY(QMetaType::fromName("JEX::ReadTAVOParamSet").isValid());
        QVERIFY(QMetaType::fromName("JEX::TAVOParamSet").isValid());
    }

    void writtenOnWorkersReadOnTheGuiThread() {
        std::atomic<bool> done{false};
        std::jthread worker([&] {
            for (int i = 1; i <= 2000; ++i) {
                state_->setStatus(statusOf(TAVOMode_::E::AP, i));
                state_->setReadParamSet(programOf(i));
            }
            done = true;
        });
        while (!done.load()) {
            const QVariant s = state_->status_q();
            QVERIFY(!s.isValid() || s.value<TAVOStatus>().numberOfPictureTaken >= 1);
            state_->isRunningTask_q();
            state_->readParamSet_q();
        }
        worker.join();
        // 2000 photos of 2000 cycles: finished
        QCOMPARE(state_->status().value().numberOfPictureTaken, 2000);
        QCOMPARE(state_->isRunningTask().value(), false);
    }

    // ---- records as QML sees them -------------------------------------------------------

    void statusUpdateTimeIsUtcMilliseconds() {
        TAVOStatus s;
        s.updateTimeUnixMs = 86'400'000 + 1234;
        const QMetaObject& gadget = TAVOStatus::staticMetaObject;
        QCOMPARE(
            gadget.property(gadget.indexOfProperty("updateTime")).readOnGadget(&s).toDateTime(),
            QDateTime(QDate(1970, 1, 2), QTime(0, 0, 1, 234), Qt::UTC));
    }

    // ---- settings -----------------------------------------------------------------------

    // Both settings start off: setting false changes nothing, setting true writes the key
    // once and tells once.
    void settingsSetterWritesAndSignalsOnlyOnChange_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("key");
        QTest::newRow("task start") << "wifiOffOnTaskStart"
                                    << "wifiOffOnStart";
        QTest::newRow("disconnect") << "wifiOffOnDisconnect"
                                    << "cxn.dxn_wifi_off";
    }
    void settingsSetterWritesAndSignalsOnlyOnChange() {
        QFETCH(QString, property);
        QFETCH(QString, key);
        QSignalSpy changed(settings_.get(), &ITAVOSettings::valueChanged);
        const QByteArray name = property.toLatin1();
        QVERIFY(settings_->setProperty(name, false));
        QCOMPARE(changed.count(), 0);
        QVERIFY(store_->writtenKeys.empty());
        QVERIFY(settings_->setProperty(name, true));
        QVERIFY(settings_->setProperty(name, true));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(store_->writtenKeys, std::vector<std::string>{key.toStdString()});
        QCOMPARE(store_->getBool(key.toStdString(), false), true);
        QCOMPARE(settings_->property(name).toBool(), true);
    }

    void settingsReadTheStoreEveryTime() {
        QVERIFY(!settings_->wifiOffOnDisconnect());
        store_->setBool("cxn.dxn_wifi_off", true);
        QVERIFY(settings_->wifiOffOnDisconnect());
        store_->setString("wifiOffOnStart", "yes"); // not a bool: the default
        QVERIFY(!settings_->wifiOffOnTaskStart());
    }
};

QTEST_GUILESS_MAIN(TestTaskState)
#include "test_task_state.moc"
