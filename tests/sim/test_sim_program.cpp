// The simulated controller's parameter memory in action: programs started and stopped
// through the memory, photo counting, axis travel, busy bytes, command bytes and the
// Wi-Fi switch.

#include "InProcessEndpoint.h"
#include "SimTestUtil.h"

#include <QTest>

using namespace JEX::Sim;
using SimTest::qbytes;
using SimTest::show;

class TestSimProgram : public QObject {
    Q_OBJECT

    std::shared_ptr<ManualClock> clock_;
    std::shared_ptr<MotorController> controller_;

    void make(const char* preset, Behaviour behaviour = {},
              std::shared_ptr<ISimClock> clock = nullptr) {
        SimConfig config;
        config.identity = *presetIdentity(preset);
        config.behaviour = behaviour;
        clock_ = std::make_shared<ManualClock>();
        controller_ = std::make_shared<MotorController>(
            config, clock ? std::move(clock) : std::shared_ptr<ISimClock>(clock_));
    }

    QByteArray ask(const QByteArray& request, Channel channel = Channel::Serial) {
        const Response response = InProcessEndpoint(controller_, channel)(SimTest::bytes(request));
        return response.reply ? qbytes(*response.reply) : QByteArray("<none>");
    }

    // One byte through the wire, as the console writes it: 'C' with the address, 'N'.
    void writeByte(unsigned address, unsigned value) {
        const QByteArray select =
            QString::asprintf(":C1%02X%02X\r", address & 0xFF, address >> 8).toLatin1();
        QCOMPARE(ask(select), QByteArray("=\r"));
        QCOMPARE(ask(QString::asprintf(":N1%02X\r", value).toLatin1()), QByteArray("=\r"));
    }
    void writeU32(unsigned address, uint32_t value) {
        for (unsigned i = 0; i < 4; ++i)
            writeByte(address + i, (value >> (8 * i)) & 0xFF);
    }
    // A byte read through the wire; -1 when the reply is not the four bytes '=' XX CR.
    int readByte(unsigned address) {
        const QByteArray select =
            QString::asprintf(":C1%02X%02X\r", address & 0xFF, address >> 8).toLatin1();
        if (ask(select) != "=\r")
            return -1;
        const QByteArray reply = ask(":n1\r");
        if (reply.size() != 4 || reply[0] != '=' || reply[3] != '\r')
            return -1;
        bool ok = false;
        const int value = reply.mid(1, 2).toInt(&ok, 16);
        return ok ? value : -1;
    }
    uint32_t readU32(unsigned address) {
        uint32_t value = 0;
        for (unsigned i = 0; i < 4; ++i)
            value |= uint32_t(readByte(address + i) & 0xFF) << (8 * i);
        return value;
    }
    double position() { return controller_->axis(0).positionSteps; }

    // A program as the console writes it; stride 1000 runs at 1500 steps/s on 3.10-08.
    void program(uint32_t periodValue, uint32_t cycles, uint32_t stride, bool backward,
                 uint32_t cycleSteps = 0) {
        writeByte(0x48, 0);
        writeU32(0x30, periodValue);
        writeU32(0x40, 0);
        writeByte(0x38, 0);
        writeByte(0x28, backward ? 1 : 0);
        writeU32(0x24, stride);
        writeU32(0x2C, 300);
        writeU32(0x34, cycles);
        writeU32(0x44, cycleSteps);
        writeU32(0x4C, 0x12345678);
    }

private slots:
    // Ten photos 30 s apart: seconds before 3.10, milliseconds from 3.10.
    void programCountsPhotosAndEnds_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<uint>("periodValue");
        QTest::newRow("3.10 milliseconds") << "3.10-08" << 30000u;
        QTest::newRow("3.09 seconds") << "3.09-08" << 30u;
    }
    void programCountsPhotosAndEnds() {
        QFETCH(QString, preset);
        QFETCH(uint, periodValue);
        make(qPrintable(preset));
        program(periodValue, 10, 1000, false);
        writeByte(0x20, 1);

        QCOMPARE(readByte(0x00), 1);
        QCOMPARE(readU32(0x10), 0u);
        QCOMPARE(ask(":f1\r"), QByteArray("=110\r"));
        clock_->advanceSec(29.999);
        QCOMPARE(readU32(0x10), 0u);
        clock_->advanceSec(0.001);
        QCOMPARE(readU32(0x10), 1u);
        clock_->advanceSec(120);
        QCOMPARE(readU32(0x10), 5u);
        QCOMPARE(position(), 150 * 1500.0);
        QCOMPARE(readByte(0x00), 1);

        clock_->advanceSec(150);
        QCOMPARE(readU32(0x10), 10u);
        QCOMPARE(readByte(0x00), 0);
        QCOMPARE(ask(":f1\r"), QByteArray("=100\r"));
        QCOMPARE(ask(":j1\r"), QByteArray("=D0DD86\r")); // 450000 steps
        clock_->advanceSec(100);
        QCOMPARE(position(), 450000.0);
        QCOMPARE(controller_->eventCount("program-end"), size_t(1));
        // The axis is free again.
        QCOMPARE(ask(":J1\r"), QByteArray("=\r"));
    }

    void backwardProgramMovesBackward() {
        make("3.10-08");
        program(30000, 10, 1000, true);
        writeByte(0x20, 4);
        clock_->advanceSec(10);
        QCOMPARE(position(), -15000.0);
        QCOMPARE(ask(":f1\r"), QByteArray("=310\r"));
    }

    void regularTimeLapseStepsAfterEachPhoto() {
        make("3.10-08");
        program(30000, 5, 1000, false, 500);
        writeByte(0x20, 2);
        clock_->advanceSec(29);
        QCOMPARE(position(), 0.0);
        QCOMPARE(ask(":f1\r"), QByteArray("=100\r"));
        clock_->advanceSec(62);
        QCOMPARE(readU32(0x10), 3u);
        QCOMPARE(position(), 1500.0);
        clock_->advanceSec(1000);
        QCOMPARE(readByte(0x00), 0);
        QCOMPARE(position(), 2500.0);
    }

    // One degree of swing on 2073600 steps per turn is 5760 steps: at 1500 steps/s the
    // axis turns back after 3.84 s.
    void swingingFoldsTheTravel() {
        make("3.10-08");
        program(30000, 0, 1000, false);
        writeByte(0x38, 1);
        writeU32(0x3C, 1);
        writeByte(0x20, 3);
        clock_->advanceSec(3);
        QCOMPARE(position(), 4500.0);
        QCOMPARE(ask(":f1\r"), QByteArray("=110\r"));
        clock_->advanceSec(2);
        QCOMPARE(position(), 2 * 5760 - 7500.0);
        QCOMPARE(ask(":f1\r"), QByteArray("=310\r"));
    }

    void writingZeroStopsTheProgram() {
        make("3.10-08");
        controller_->setAxisPosition(0, 100);
        program(30000, 0, 1000, false);
        writeByte(0x20, 1);
        clock_->advanceSec(65);
        writeByte(0x20, 0);
        QCOMPARE(readByte(0x00), 0);
        QCOMPARE(readByte(0x20), 0);
        QCOMPARE(readU32(0x10), 2u);
        const double stoppedAt = position();
        QCOMPARE(stoppedAt, 100 + 65 * 1500.0);
        clock_->advanceSec(60);
        QCOMPARE(position(), stoppedAt);
        QCOMPARE(controller_->eventCount("program-stop"), size_t(1));
        QVERIFY(!controller_->program().active);
    }

    void motionCommandsWaitForTheProgram() {
        make("3.10-08");
        program(30000, 0, 1000, false);
        writeByte(0x20, 1);
        QCOMPARE(ask(":J1\r"), QByteArray("!2\r"));
        QCOMPARE(ask(":K1\r"), QByteArray("!2\r"));
        QCOMPARE(ask(":G110\r"), QByteArray("!2\r"));
        QCOMPARE(ask(":E1000080\r"), QByteArray("!2\r"));
        QCOMPARE(ask(":j1\r"), QByteArray("=000080\r"));
        QCOMPARE(ask(":G210\r"), QByteArray("=\r"));
    }

    // A program started while the axis runs by hand takes over from where the axis is.
    void programTakesOverManualMotion() {
        make("3.10-08");
        QCOMPARE(ask(":G110\r"), QByteArray("=\r"));
        QCOMPARE(ask(":I1F40100\r"), QByteArray("=\r"));
        QCOMPARE(ask(":J1\r"), QByteArray("=\r"));
        clock_->advanceSec(2);
        program(30000, 1, 1000, false);
        const double before = position();
        writeByte(0x20, 1);
        clock_->advanceSec(10);
        QCOMPARE(position(), before + 15000.0);
    }

    // Ten 30-second photos take a third of a second at scale 1000.
    void scaledTimeEndsALongProgramQuickly() {
        make("3.10-08", {}, std::make_shared<ScaledClock>(1000.0));
        program(30000, 10, 1000, false);
        writeByte(0x20, 1);
        QCOMPARE(readByte(0x00), 1);
        QTRY_VERIFY_WITH_TIMEOUT(readByte(0x00) == 0, 1000);
        QCOMPARE(readU32(0x10), 10u);
        QCOMPARE(position(), 450000.0);
    }

    void busyBytesClearAfterTheirTime_data() {
        QTest::addColumn<uint>("address");
        QTest::addColumn<uint>("value");
        QTest::addColumn<double>("busySec");
        QTest::newRow("program request") << 0x20u << 1u << 0.2;
        QTest::newRow("Wi-Fi apply") << 0x80u << 1u << 0.3;
    }
    void busyBytesClearAfterTheirTime() {
        QFETCH(uint, address);
        QFETCH(uint, value);
        QFETCH(double, busySec);
        make("3.10-08");
        writeByte(address, value);
        QCOMPARE(readByte(address), int(value));
        clock_->advanceSec(busySec - 0.01);
        QCOMPARE(readByte(address), int(value));
        clock_->advanceSec(0.02);
        QCOMPARE(readByte(address), 0);
    }

    void stuckBusyBytesNeverClear() {
        make("3.10-08");
        Faults faults;
        faults.busyStuck = true;
        controller_->setFaults(faults);
        writeByte(0x20, 1);
        writeByte(0x80, 1);
        clock_->advanceSec(3600);
        QCOMPARE(readByte(0x20), 1);
        QCOMPARE(readByte(0x80), 1);
        controller_->setBusyStuck(false);
        QCOMPARE(readByte(0x20), 0);
        QCOMPARE(readByte(0x80), 0);
    }

    void busyTimeIsConfigurable() {
        Behaviour behaviour;
        behaviour.programBusySec = 2.0;
        make("3.10-08", behaviour);
        writeByte(0x20, 1);
        clock_->advanceSec(1.9);
        QCOMPARE(readByte(0x20), 1);
        clock_->advanceSec(0.2);
        QCOMPARE(readByte(0x20), 0);
    }

    void commandBytesAreRecorded_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<bool>("hasLight");
        QTest::newRow("board 0x08 has the light") << "3.10-08" << true;
        QTest::newRow("board 0x0A has none") << "3.10-0A" << false;
    }
    void commandBytesAreRecorded() {
        QFETCH(QString, preset);
        QFETCH(bool, hasLight);
        make(qPrintable(preset));
        writeByte(0x60, 1);
        QCOMPARE(controller_->polarLightOn(), hasLight);
        QCOMPARE(readByte(0x60), 1);
        writeByte(0x64, 1);
        QVERIFY(!controller_->polarLightOn());
        writeByte(0x6C, 1);
        writeByte(0x70, 1);
        writeU32(0x184, 900);
        writeByte(0x180, 1);
        QCOMPARE(readU32(0x184), 900u);
        QStringList names;
        for (const auto& e : controller_->events())
            names << QString::fromStdString(e.name);
        QCOMPARE(names, (QStringList{"light-on", "light-off", "connect-mark", "disconnect-mark",
                                     "settings-commit"}));
    }

    void powerOnMemory() {
        make("3.10-08");
        QCOMPARE(readByte(0x04) | readByte(0x05) << 8, 790);
        QCOMPARE(readByte(0x1C) | readByte(0x1D) << 8, 505);
        QCOMPARE(readByte(0x88), 2);
        QCOMPARE(controller_->memoryString(0x90, 32), std::string("Velmora-Sim"));
        QCOMPARE(readByte(0x90 + 11), 0);
    }

    void wifiSwitchSilencesOnlyWifi() {
        make("3.10-08");
        QCOMPARE(ask(":W10C0100\r", Channel::Wifi), QByteArray("=\r"));
        QVERIFY(!controller_->wifiOn());
        QCOMPARE(ask(":e1\r", Channel::Wifi), QByteArray("<none>"));
        QCOMPARE(controller_->transcript()->last()->note, std::string("wifi-off"));
        QCOMPARE(ask(":e1\r", Channel::Serial), QByteArray("=030A08\r"));
        QCOMPARE(ask(":W10B0100\r", Channel::Serial), QByteArray("=\r"));
        QCOMPARE(ask(":e1\r", Channel::Wifi), QByteArray("=030A08\r"));
        QCOMPARE(controller_->eventCount("wifi-off"), size_t(1));
        QCOMPARE(controller_->eventCount("wifi-on"), size_t(1));
    }

    void programCanSwitchWifiOff() {
        make("3.10-08");
        program(30000, 0, 1000, false);
        writeByte(0x48, 1);
        QCOMPARE(ask(":C12000\r", Channel::Wifi), QByteArray("=\r"));
        QCOMPARE(ask(":N101\r", Channel::Wifi), QByteArray("=\r"));
        QVERIFY(!controller_->wifiOn());
        QCOMPARE(ask(":e1\r", Channel::Wifi), QByteArray("<none>"));
    }

    void keptWifiAnswersAfterSwitchOff() {
        Behaviour behaviour;
        behaviour.honourWifiOff = false;
        make("3.10-08", behaviour);
        QCOMPARE(ask(":W10C0100\r", Channel::Wifi), QByteArray("=\r"));
        QCOMPARE(ask(":e1\r", Channel::Wifi), QByteArray("=030A08\r"));
    }

    void ditheringOnlyFrom310_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<bool>("dithering");
        QTest::newRow("3.10") << "3.10-08" << true;
        QTest::newRow("3.09") << "3.09-08" << false;
    }
    void ditheringOnlyFrom310() {
        QFETCH(QString, preset);
        QFETCH(bool, dithering);
        make(qPrintable(preset));
        program(30, 0, 1000, false);
        writeByte(0x1A0, 1);
        writeU32(0x1B8, 200);
        writeByte(0x20, 1);
        QCOMPARE(controller_->program().dithering, dithering);
    }

    void unknownModeStartsNothing() {
        make("3.10-08");
        writeByte(0x20, 9);
        QCOMPARE(readByte(0x00), 0);
        QVERIFY(!controller_->program().active);
        clock_->advanceSec(1);
        QCOMPARE(readByte(0x20), 0);
    }
};

QTEST_GUILESS_MAIN(TestSimProgram)
#include "test_sim_program.moc"
