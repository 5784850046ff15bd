// The console's side of the mount protocol: wire-level codecs, the converser stack on a
// scripted link (reply classification, number decoding, response times, the timed-out flag,
// exchange logging, one command on the wire at a time), then the device command set and the
// mount axis against the simulated controller, asserting the exact commands on the wire.

#include "Cmd.h"
#include "CmdResp.h"
#include "Hex.h"
#include "IJexDevice.h"
#include "JexConverser.h"
#include "JexDevice.h"
#include "JexMountAxis.h"
#include "Location.h"
#include "LogCapture.h"
#include "ManualClock.h"
#include "MemoryKVStore.h"
#include "MountRig.h"
#include "PersistentEEPROM.h"
#include "SLConverser.h"
#include "ScriptedRawConverser.h"
#include "Wire.h"

#include <QTest>

#include <cmath>
#include <deque>
#include <thread>
#include <vector>

using namespace JEX;
using namespace std::chrono_literals;
using JEX::Test::bytes;
using JEX::Test::MountRig;
using JEX::Test::qbytes;
using Requests = QList<QByteArray>;

Q_DECLARE_METATYPE(JEX::AxisStatus)

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;
constexpr double kNone = -1e9; // no rate set before the one under test

class FixedFineAdjustment : public IPerMountDataBasic {
public:
    explicit FixedFineAdjustment(double factor) : factor_(factor) {}
    double speedFineAdjustmentFactor() const override { return factor_; }

private:
    double factor_;
};

std::string breach(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "no exception";
}

} // namespace

class TestComm : public QObject {
    Q_OBJECT

    // A scripted link under the serialising and the protocol converser.
    std::shared_ptr<Test::ScriptedRawConverser> raw_;
    std::shared_ptr<SLConverser> sl_;
    std::shared_ptr<JexConverser> converser_;
    // The simulated controller and an axis over it.
    std::unique_ptr<MountRig> stack_;
    std::shared_ptr<Test::ManualClock> clock_;
    std::shared_ptr<Location> location_;
    std::shared_ptr<MountAxisTimeContainer> positions_;
    std::shared_ptr<ControlledCancellable> token_;
    std::shared_ptr<JexMountAxis> axis_;

    void connect(const Sim::Identity& identity, double fine = 1.0, bool singleAxis = true,
                 Sim::Behaviour behaviour = {}) {
        stack_ = std::make_unique<MountRig>(identity, behaviour);
        QCOMPARE(stack_->device->init(singleAxis, 1), CmdRetType::Ok);
        axis_ = std::make_shared<JexMountAxis>(stack_->converser, stack_->device, token_, clock_,
                                               positions_, location_,
                                               std::make_shared<FixedFineAdjustment>(fine));
        QCOMPARE(axis_->prepare(), CmdRetType::Ok);
        stack_->clearTranscript();
    }
    void connect(std::string_view preset = "3.10-08") { connect(*Sim::presetIdentity(preset)); }
    Requests sent() {
        const auto requests = stack_->requests();
        stack_->clearTranscript();
        return requests;
    }

private slots:
    void init() {
        raw_ = std::make_shared<Test::ScriptedRawConverser>();
        sl_ = std::make_shared<SLConverser>(raw_, false, [raw = raw_.get()] { return raw->now(); });
        converser_ = std::make_shared<JexConverser>(sl_);
        clock_ = std::make_shared<Test::ManualClock>(1'700'000'000'000);
        location_ = std::make_shared<Location>(std::make_shared<Test::MemoryKVStore>());
        positions_ = std::make_shared<MountAxisTimeContainer>();
        token_ = std::make_shared<ControlledCancellable>();
    }

    // ---- wire and conversers ------------------------------------------------------------

    // The frames and number fields of every command the device, the axis and the parameter
    // memory send are asserted on the wire below; what none of them sends: a value wider than
    // its field keeps its low bytes, and any axis but the first is the second.
    void encodingBeyondTheFieldsInUse() {
        QCOMPARE(qbytes(hexLE(0xAB123456u, 3)), QByteArray("563412"));
        QCOMPARE(qbytes(hexBE(0x10Bu, 1)), QByteArray("0B"));
        QCOMPARE(qbytes(frame(Cmd{7, 'j', {}})), QByteArray(":j2\r"));
    }

    // The values the replies carry are asserted with the number replies, the firmware and the
    // parameter memory's bytes; here the digit rules the decoders give them all.
    void decoders_data() {
        QTest::addColumn<QByteArray>("digits");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<uint>("le");
        QTest::addColumn<uint>("be");
        QTest::newRow("eight digits") << QByteArray("0000ABCD") << true << 0xCDAB0000u << 0xABCDu;
        QTest::newRow("no digits") << QByteArray("") << true << 0u << 0u;
        QTest::newRow("odd count") << QByteArray("12345") << false << 0u << 0u;
        QTest::newRow("lower case") << QByteArray("ab") << false << 0u << 0u;
        QTest::newRow("not hex") << QByteArray("1G") << false << 0u << 0u;
        QTest::newRow("space") << QByteArray(" 1") << false << 0u << 0u;
        QTest::newRow("too long") << QByteArray("0102030405") << false << 0u << 0u;
    }
    void decoders() {
        QFETCH(QByteArray, digits);
        QFETCH(bool, valid);
        QFETCH(uint, le);
        QFETCH(uint, be);
        const auto* d = reinterpret_cast<const uint8_t*>(digits.constData());
        const auto gotLe = decodeHexLE(d, digits.size());
        const auto gotBe = decodeHexBE(d, digits.size());
        QCOMPARE(gotLe.has_value(), valid);
        QCOMPARE(gotBe.has_value(), valid);
        if (valid) {
            QCOMPARE(*gotLe, le);
            QCOMPARE(*gotBe, be);
        }
    }

    void escaping() {
        Bytes all{0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x00, 0x1F, 0x7F, 0xFF, ' ', '~'};
        QCOMPARE(escapeBytes(all), std::string("\\a\\b\\t\\n\\v\\f\\r\\x00\\x1F\\x7F\\xFF ~"));
    }

    void contractBreachesThrowTheirTexts() {
        QCOMPARE(breach([] { CmdResp<uint32_t> r(CmdRetType::Ok); }),
                 std::string("CmdResp: create invalid"));
        QCOMPARE(breach([] { CmdResp<uint32_t>(CmdRetType::Ok, Nullable<uint32_t>()).get(); }),
                 std::string("CmdResp: read invalid"));
        QCOMPARE(breach([] { CmdResp<uint32_t>(CmdRetType::Nak).get(); }),
                 std::string("Read null Nullable"));
    }

    void classification_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("value");
        const int ok = int(CmdRetType::Ok), nak = int(CmdRetType::Nak),
                  other = int(CmdRetType::Other);
        QTest::newRow("accepted") << QByteArray("=010203\r") << ok << QByteArray("=010203\r");
        QTest::newRow("noise before marker")
            << QByteArray("junk=1A\r") << ok << QByteArray("=1A\r");
        QTest::newRow("binary noise")
            << QByteArray("\x00\xFF\x80=\r", 5) << ok << QByteArray("=\r");
        QTest::newRow("bare marker and CR") << QByteArray("=\r") << ok << QByteArray("=\r");
        QTest::newRow("rejected") << QByteArray("!0\r") << nak << QByteArray("!0\r");
        QTest::newRow("noise then rejected") << QByteArray("xx!\r") << nak << QByteArray("!\r");
        QTest::newRow("no CR") << QByteArray("=12") << other << QByteArray("=12");
        QTest::newRow("CR not last") << QByteArray("=12\rX") << other << QByteArray("=12\rX");
        QTest::newRow("marker only") << QByteArray("=") << other << QByteArray("=");
        QTest::newRow("no marker") << QByteArray("0102\r") << other << QByteArray("0102\r");
        QTest::newRow("empty") << QByteArray() << other << QByteArray();
        QTest::newRow("first marker wins") << QByteArray("!=1\r") << nak << QByteArray("!=1\r");
    }
    void classification() {
        QFETCH(QByteArray, reply);
        QFETCH(int, type);
        QFETCH(QByteArray, value);
        raw_->replyOk(std::string_view(reply.constData(), reply.size()));
        const CmdResp<Bytes> resp = converser_->converse(Cmd{0, 'e', {}});
        QCOMPARE(int(resp.type), type);
        QVERIFY(resp.value.hasValue());
        QCOMPARE(qbytes(resp.value.value()), value);
    }

    void errorLineShowsBothSidesEscaped() {
        Test::LogCapture logLines;
        raw_->replyOk("!0\r");
        converser_->converse(Cmd{0, 'e', {}});
        QCOMPARE(logLines.lines(), QStringList{"Conv error resp: Cmd=4 [:e1\\r] Resp=3 [!0\\r]"});
    }

    void transportFailuresPassThroughWithoutValue_data() {
        QTest::addColumn<int>("type");
        QTest::newRow("timeout") << int(CmdRetType::Timeout);
        QTest::newRow("cancel") << int(CmdRetType::Cancel);
    }
    void transportFailuresPassThroughWithoutValue() {
        QFETCH(int, type);
        for (int i = 0; i < 3; ++i)
            raw_->fail(CmdRetType(type));
        const auto bytesResp = converser_->converse(Cmd{0, 'e', {}});
        QCOMPARE(int(bytesResp.type), type);
        QVERIFY(!bytesResp.value.hasValue());
        const auto u32 = converser_->converseU32(Cmd{0, 'j', {}});
        QCOMPARE(int(u32.type), type);
        QVERIFY(!u32.value.hasValue());
        QCOMPARE(int(converser_->converseU32BE(Cmd{0, 'X', bytes("0003")}).type), type);
    }

    // Little-endian numbers come as 2, 4 or 6 digits, big-endian ones as 8; digit rules are
    // the hex decoders'.
    void numberReplies_data() {
        QTest::addColumn<bool>("bigEndian");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("type");
        QTest::addColumn<uint>("value");
        const int ok = int(CmdRetType::Ok), other = int(CmdRetType::Other);
        QTest::newRow("six digits LE") << false << QByteArray("=563412\r") << ok << 0x123456u;
        QTest::newRow("four digits") << false << QByteArray("=3412\r") << ok << 0x1234u;
        QTest::newRow("two digits") << false << QByteArray("=0A\r") << ok << 0x0Au;
        QTest::newRow("seven digits") << false << QByteArray("=5634121\r") << other << 0u;
        QTest::newRow("eight digits LE") << false << QByteArray("=56341200\r") << other << 0u;
        QTest::newRow("no digits") << false << QByteArray("=\r") << other << 0u;
        QTest::newRow("rejected") << false << QByteArray("!0\r") << int(CmdRetType::Nak) << 0u;
        QTest::newRow("eight digits BE") << true << QByteArray("=0000ABCD\r") << ok << 0xABCDu;
        QTest::newRow("all ones") << true << QByteArray("=FFFFFFFF\r") << ok << 0xFFFFFFFFu;
        QTest::newRow("six digits BE") << true << QByteArray("=00ABCD\r") << other << 0u;
        QTest::newRow("ten digits BE") << true << QByteArray("=0000ABCD00\r") << other << 0u;
    }
    void numberReplies() {
        QFETCH(bool, bigEndian);
        QFETCH(QByteArray, reply);
        QFETCH(int, type);
        QFETCH(uint, value);
        raw_->replyOk(std::string_view(reply.constData(), reply.size()));
        const auto resp = bigEndian ? converser_->converseU32BE(Cmd{0, 'X', bytes("0002")})
                                    : converser_->converseU32(Cmd{0, 'j', {}});
        QCOMPARE(int(resp.type), type);
        QCOMPARE(resp.value.hasValue(), type == int(CmdRetType::Ok));
        if (resp.value.hasValue())
            QCOMPARE(resp.value.value(), value);
    }

    void averageStartsAt150AndFollowsTheLastThree() {
        QCOMPARE(sl_->averageResponseMs(), 150u);
        raw_->replyOk("=\r");
        sl_->converse(bytes(":e1\r"));
        QCOMPARE(sl_->averageResponseMs(), 100u); // (0 + 150 + 150 + 1) / 3
        for (const auto took : {40ms, 40ms, 40ms}) {
            raw_->replyOk("=\r", took);
            sl_->converse(bytes(":e1\r"));
        }
        QCOMPARE(sl_->averageResponseMs(), 40u); // (40 + 40 + 40 + 1) / 3
        for (const auto took : {41ms, 41ms}) {
            raw_->replyOk("=\r", took);
            sl_->converse(bytes(":e1\r"));
        }
        // (40 + 41 + 41 + 1) / 3: the mean 40.7 rounds to 41
        QCOMPARE(sl_->averageResponseMs(), 41u);
    }

    // What the last hundred conversations came to: an answer at once, one after two lost
    // requests, one that got none after three, and a cancelled one that counts for nothing.
    void linkStatsKeepTheLastHundred() {
        struct Counting : Test::ScriptedRawConverser {
            std::deque<int> attempts;
            int last = 0;
            CmdResp<Bytes> converse(const Bytes& request) override {
                last = attempts.front();
                attempts.pop_front();
                return ScriptedRawConverser::converse(request);
            }
            int lastAttempts() const override { return last; }
        };
        auto raw = std::make_shared<Counting>();
        SLConverser sl(raw, false, [r = raw.get()] { return r->now(); });
        QCOMPARE(sl.linkStats(), LinkStats{});
        raw->replyOk("=\r", 20ms);
        raw->replyOk("=\r", 420ms);
        raw->fail(CmdRetType::Timeout, 600ms);
        raw->fail(CmdRetType::Cancel, 5ms);
        raw->attempts = {1, 3, 3, 1};
        for (int i = 0; i < 4; ++i)
            sl.converse(bytes(":e1\r"));
        // exchanges, unanswered, attempts, mean (20 + 420) / 2, worst
        QCOMPARE(sl.linkStats(), (LinkStats{3, 1, 7, 220, 420}));
        QCOMPARE(sl.linkStats().lostAttempts(), 5);
        for (int i = 0; i < 100; ++i) {
            raw->replyOk("=\r", 10ms);
            raw->attempts.push_back(1);
            sl.converse(bytes(":e1\r"));
        }
        QCOMPARE(sl.linkStats(), (LinkStats{100, 0, 100, 10, 10}));
    }

    void timedOutListenersFireOncePerChange() {
        std::vector<bool> seen;
        sl_->timedOutList.append([&](bool timedOut) { seen.push_back(timedOut); });
        QVERIFY(!sl_->isTimedOut());
        raw_->replyOk("=\r");
        sl_->converse(bytes(":e1\r"));
        QVERIFY(seen.empty());

        raw_->fail(CmdRetType::Timeout);
        raw_->fail(CmdRetType::Timeout);
        sl_->converse(bytes(":e1\r"));
        sl_->converse(bytes(":e1\r"));
        QCOMPARE(seen, std::vector<bool>{true});
        QVERIFY(sl_->isTimedOut());

        // Only Timeout counts as timed out: a rejection or a cancellation clears the flag.
        raw_->fail(CmdRetType::Cancel);
        sl_->converse(bytes(":e1\r"));
        QCOMPARE(seen, (std::vector<bool>{true, false}));
        QVERIFY(!sl_->isTimedOut());
    }

    void exchangeLoggingWhenSwitchedOn() {
        Test::LogCapture logLines;
        raw_->replyOk("junk=010203\r");
        // The reply goes up unchanged.
        QCOMPARE(sl_->converse(bytes(":e1\r")).value.value(), bytes("junk=010203\r"));
        QVERIFY(logLines.lines().filter("JEXConv:").isEmpty());

        sl_->setLogExchanges(true);
        raw_->replyOk("=010203\r");
        raw_->fail(CmdRetType::Timeout);
        sl_->converse(bytes(":e1\r"));
        sl_->converse(bytes(":f1\r"));
        QCOMPARE(logLines.lines().filter("JEXConv:"),
                 (QStringList{"JEXConv: Cmd=[:e1\\r] <Successful> Resp=[=010203\\r]",
                              "JEXConv: Cmd=[:f1\\r] <Communication error> Resp=[]"}));
    }

    void oneCommandOnTheWireAtATime() {
        raw_->holdFor(2ms);
        for (int i = 0; i < 40; ++i)
            raw_->replyOk("=\r");
        {
            std::vector<std::jthread> threads;
            for (int t = 0; t < 4; ++t)
                threads.emplace_back([this] {
                    for (int i = 0; i < 10; ++i)
                        sl_->converse(bytes(":j1\r"));
                });
        }
        QCOMPARE(raw_->requests().size(), size_t(40));
        QVERIFY(!raw_->overlapped());
    }

    // A byte access lost after the link's resends is taken up again from its select while
    // the operation's deadline allows: 20 s, or half a second for each answered exchange when
    // that is more; anything else ends it at once. Script: a reply, "T" a lost exchange of
    // 600 ms (three attempts of 200 ms), "C" a cancelled one; `answered` bytes read at once
    // come first, then the byte read at 0x0010.
    void persistentAccess_data() {
        QTest::addColumn<int>("answered");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<bool>("letGo");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("requests");
        const int ok = int(CmdRetType::Ok), timeout = int(CmdRetType::Timeout),
                  cancel = int(CmdRetType::Cancel);
        const QStringList lost(60, "T");
        QTest::newRow("lost select") << 0 << QStringList{"T", "=\r", "=7F\r"} << false << ok << 3;
        QTest::newRow("lost read, select again")
            << 0 << QStringList{"=\r", "T", "=\r", "=7F\r"} << false << ok << 4;
        QTest::newRow("rejected") << 0 << QStringList{"T", "!0\r"} << false << int(CmdRetType::Nak)
                                  << 2;
        QTest::newRow("malformed")
            << 0 << QStringList{"T", "=\r", "7F\r"} << false << int(CmdRetType::Other) << 3;
        QTest::newRow("cancelled") << 0 << QStringList{"T", "C"} << false << cancel << 2;
        QTest::newRow("let go") << 0 << lost << true << cancel << 1;
        // 34 × 0.6 s = 20.4 s
        QTest::newRow("silent: 20 s") << 0 << lost << false << timeout << 34;
        // 30 bytes: 60 exchanges, 30 s; 50 × 0.6 s = 30 s
        QTest::newRow("after 60 exchanges: 30 s") << 30 << lost << false << timeout << 60 + 50;
    }
    void persistentAccess() {
        QFETCH(int, answered);
        QFETCH(QStringList, script);
        QFETCH(bool, letGo);
        QFETCH(int, type);
        QFETCH(int, requests);
        for (int i = 0; i < answered; ++i) {
            raw_->replyOk("=\r");
            raw_->replyOk("=00\r");
        }
        for (const QString& step : script) {
            if (step == "T")
                raw_->fail(CmdRetType::Timeout, 600ms);
            else if (step == "C")
                raw_->fail(CmdRetType::Cancel);
            else
                raw_->replyOk(step.toStdString());
        }
        PersistentEEPROM memory(std::make_shared<EEPROMConverser>(converser_), token_,
                                [raw = raw_.get()] { return raw->now(); });
        for (int i = 0; i < answered; ++i)
            QVERIFY(memory.readByte(uint16_t(0x90 + i)).ok());
        if (letGo)
            token_->cancel();
        const CmdResp<uint8_t> read = memory.readByte(0x0010);
        QCOMPARE(int(read.type), type);
        if (read.ok())
            QCOMPARE(read.get(), uint8_t(0x7F));
        QCOMPARE(int(raw_->requests().size()), requests);
    }

    // ---- the device ---------------------------------------------------------------------

    // The simulated controller reports 2073600 steps a turn (a quarter is 518400); boards 80
    // and 82 before firmware 3.39 report a figure that is not their gearing's.
    void initReadsFirmwareStepsAndTimer_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("board");
        QTest::addColumn<bool>("singleAxis");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Requests>("requests");
        QTest::addColumn<qlonglong>("quarterTurn"); // steps per revolution / 4, rounded
        const auto row = [](const char* name, int major, int minor, int board, const char* text,
                            Requests requests, qlonglong quarterTurn, bool singleAxis = true) {
            QTest::newRow(name) << major << minor << board << singleAxis << QString(text)
                                << requests << quarterTurn;
        };
        const Requests classic{":e1\r", ":a1\r", ":f1\r", ":b1\r"};
        const Requests extended{":e1\r", ":X10002\r", ":f1\r", ":b1\r"};
        row("3.10.08, one axis", 3, 10, 0x08, "3.10.08", classic, 518400);
        row("3.10.08, two axes", 3, 10, 0x08, "3.10.08",
            {":e1\r", ":a1\r", ":f1\r", ":e2\r", ":a2\r", ":f2\r", ":b1\r"}, 518400, false);
        row("3.9.0A", 3, 9, 0x0A, "3.9.0A", classic, 518400);
        row("3.38 board 80 replaced by 1452951", 3, 38, 0x80, "3.38.80", classic, 363238);
        row("3.38 board 82 replaced by 2118424", 3, 38, 0x82, "3.38.82", classic, 529606);
        row("3.39 board 80 extended, as read", 3, 39, 0x80, "3.39.80", extended, 518400);
        row("4.0 board 82 extended", 4, 0, 0x82, "4.0.82", extended, 518400);
    }
    void initReadsFirmwareStepsAndTimer() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, board);
        QFETCH(bool, singleAxis);
        QFETCH(QString, text);
        QFETCH(Requests, requests);
        QFETCH(qlonglong, quarterTurn);
        Sim::Identity id = *Sim::presetIdentity("3.10-08");
        id.firmwareMajor = uint8_t(major);
        id.firmwareMinor = uint8_t(minor);
        id.boardId = uint8_t(board);
        MountRig stack(id);
        QCOMPARE(stack.device->init(singleAxis, 1), CmdRetType::Ok);
        QVERIFY(stack.device->isInitialised());
        QCOMPARE(stack.requests(), requests);
        QCOMPARE(stack.device->supportsExtendedCommands(), requests.contains(":X10002\r"));
        QCOMPARE(stack.device->angleToSteps(0, kTwoPi / 4), int64_t(quarterTurn));
        // The firmware is cached and a second init sends nothing.
        QCOMPARE(QString::fromStdString(stack.device->readFirmware(0).get().text()), text);
        QCOMPARE(stack.device->init(singleAxis, 1), CmdRetType::Ok);
        QCOMPARE(stack.requests(), requests);
    }

    void initStopsAtTheFirstFailure() {
        MountRig stack;
        Sim::Faults faults;
        faults.reject = 1.0;
        faults.letters = "b";
        stack.sim->setFaults(faults);
        QCOMPARE(stack.device->init(true, 1), CmdRetType::Nak);
        QVERIFY(!stack.device->isInitialised());
    }

    void malformedReplies_data() {
        QTest::addColumn<char>("letter");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("firmware, five digits") << 'e' << QByteArray("=03278\r");
        QTest::newRow("firmware, seven digits") << 'e' << QByteArray("=0327800\r");
        QTest::newRow("firmware, lower case") << 'e' << QByteArray("=0327a0\r");
        QTest::newRow("status, four bytes") << 'f' << QByteArray("=11\r");
        QTest::newRow("extended status, short") << 'q' << QByteArray("=00000\r");
        QTest::newRow("extended status, not hex") << 'q' << QByteArray("=00G000\r");
    }
    void malformedReplies() {
        QFETCH(char, letter);
        QFETCH(QByteArray, reply);
        raw_->replyOk(reply.toStdString());
        JexDevice device(converser_);
        const CmdRetType type = letter == 'e'   ? device.readFirmware(0).type
                                : letter == 'f' ? device.readAxisStatus(0).type
                                                : device.readExtendedStatus().type;
        QCOMPARE(type, CmdRetType::Other);
        // Nothing was cached from the bad reply.
        QCOMPARE(breach([&] {
                     letter == 'e'   ? void(device.firmware(0))
                     : letter == 'f' ? void(device.axisStatus(0))
                                     : void(device.extendedStatus());
                 }),
                 std::string("Read null Nullable"));
    }

    void axisStatusBits_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<AxisStatus>("status"); // motion, forward, high speed, uninitialised
        const auto row = [](const char* name, const char* reply, AxisStatus status) {
            QTest::newRow(name) << QByteArray(reply) << status;
        };
        row("stopped, not initialised", "=100\r", {0, true, false, true});
        row("rate forward", "=111\r", {1, true, false, false});
        row("goto backward", "=211\r", {2, false, false, false});
        row("rate backward fast", "=711\r", {1, false, true, false});
        row("goto fast", "=411\r", {2, true, true, false});
        row("extra characters", "=101999\r", {0, true, false, false});
    }
    void axisStatusBits() {
        QFETCH(QByteArray, reply);
        QFETCH(AxisStatus, status);
        raw_->replyOk(reply.toStdString());
        JexDevice device(converser_);
        const auto read = device.readAxisStatus(1);
        QCOMPARE(read.type, CmdRetType::Ok);
        QVERIFY(read.get() == status);
        QVERIFY(device.axisStatus(1) == status);
    }

    // Digits 2, D and 5 of the reply set the pair's second bit and the capability bits; a
    // controller that rejects the query has none. Either answer is kept.
    void extendedStatus() {
        Sim::Identity id = *Sim::presetIdentity("3.10-08");
        id.extendedStatus = 0x2D5000;
        MountRig stack(id), old("3.09-08");
        int raised = 0;
        stack.device->extendedStatusList.append([&](bool v) {
            QCOMPARE(v, false);
            ++raised;
        });
        QCOMPARE(stack.device->readExtendedStatus().get(),
                 (ExtendedStatus{true, false, true, true, true, false, true}));
        QCOMPARE(stack.device->extendedPair(), (ExtendedPair{false, true}));
        QCOMPARE(raised, 1);
        QCOMPARE(old.device->readExtendedStatus().get(), ExtendedStatus{});
        QCOMPARE(old.device->extendedPair(), ExtendedPair{});
        for (MountRig* rig : {&stack, &old}) {
            rig->device->readExtendedStatus();
            QCOMPARE(rig->requests(), Requests{":q1010000\r"});
        }
    }

    // Angles and rates of the commands on the wire are asserted with the axis below; here what
    // no command shows.
    void conversions() {
        MountRig stack;
        QCOMPARE(breach([&] { stack.device->angleToSteps(0, 1.0); }),
                 std::string("Read null Nullable"));
        QCOMPARE(breach([&] { stack.device->toControllerAngle(0, 1.0); }),
                 std::string("Read null Nullable"));
        QCOMPARE(stack.device->toControllerAngle(1, 0.25), 0.25); // the second axis never shifts
        QCOMPARE(stack.device->init(true, 1), CmdRetType::Ok);
        IJexDevice& d = *stack.device;
        QCOMPARE(d.angleToSteps(0, kTwoPi), int64_t(2073600));
        QCOMPARE(d.angleToSteps(0, -kTwoPi / 2073600 * 2.5), int64_t(-3)); // halves away from zero
        QCOMPARE(d.angleToStepsNearest(0, kTwoPi / 2073600 * 2.5), int64_t(3));
        QCOMPARE(d.rpsToStride(0, 0.0), int64_t(0));
        QCOMPARE(breach([&] { d.rpsToStride(0, -1e-9); }),
                 std::string("rpsToStride: expected positive rps"));
        QCOMPARE(d.strideToRps(0, 0), 0.0);
        QVERIFY(std::abs(d.strideToRps(0, 62329) / SIDEREALRATE - 1) < 1e-5);
    }

    // ---- the axis -----------------------------------------------------------------------

    void prepareNeedsAnInitialisedDevice() {
        MountRig stack;
        QCOMPARE(stack.axis->prepare(), CmdRetType::Other);
    }

    // Sidereal on 3.10-08: 1500000 Hz * 86164.09 s / 2073600 steps = stride 62329 (0xF379).
    void rates_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<uint>("timerHz"); // 0: the preset's
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("fine");
        QTest::addColumn<double>("before");
        QTest::addColumn<double>("rate");
        QTest::addColumn<Requests>("requests");
        QTest::addColumn<int>("direction"); // lastDirection: 1 forward, 0 backward

        const double sidereal = SIDEREALRATE;
        const auto row = [](const char* name, double before, double rate, Requests requests,
                            int direction, QString preset = "3.10-08", uint timerHz = 0,
                            double latitude = 0.6, double fine = 1.0) {
            QTest::newRow(name) << preset << timerHz << latitude << fine << before << rate
                                << requests << direction;
        };
        row("sidereal", kNone, sidereal, {":f1\r", ":G110\r", ":g1\r", ":I179F300\r", ":J1\r"}, 1);
        // 4 deg/s is held to 3.4 deg/s: at 16x, 1500000 * 16 / (3.4 * 5760 steps per degree)
        // is period 1225 (0x04C9).
        row("4 deg/s runs at 3.4", kNone, 4 * kDeg,
            {":f1\r", ":G130\r", ":g1\r", ":I1C90400\r", ":J1\r"}, 1);
        row("same direction changes speed on the fly", sidereal, 2 * sidereal, {":I1BD7900\r"}, 1);
        row("reversing stops first", sidereal, -sidereal,
            {":f1\r", ":K1\r", ":f1\r", ":G111\r", ":I179F300\r", ":J1\r"}, 0);
        row("fast rates never change on the fly", 2 * kDeg, 3 * kDeg,
            {":f1\r", ":K1\r", ":f1\r", ":G130\r", ":I16D0500\r", ":J1\r"}, 1);
        row("from a fast rate to a slow one stops first", 2 * kDeg, sidereal,
            {":f1\r", ":K1\r", ":f1\r", ":G110\r", ":I179F300\r", ":J1\r"}, 1);
        // A rate at or below sidereal / 1000 only stops: it counts as 0, so the next rate in the
        // same direction starts the axis again.
        row("zero threshold only stops", kNone, 7.292115845221407e-08, {":K1\r"}, -1);
        row("zero threshold backward", kNone, -7.292115845221407e-08, {":K1\r"}, -1);
        row("a rate that only stopped is started again", 7.0e-08, sidereal,
            {":f1\r", ":G110\r", ":g1\r", ":I179F300\r", ":J1\r"}, 1);
        // 1e-7 rad/s needs 1500000 * 2 pi / (2073600 * 1e-7) = 45.4 million ticks a step, more
        // than three bytes hold: the slowest period 0xFFFFFF.
        row("slower than the slowest period", kNone, 1.0e-07,
            {":f1\r", ":G110\r", ":g1\r", ":I1FFFFFF\r", ":J1\r"}, 1);
        row("zero only stops", sidereal, 0.0, {":K1\r"}, 1);
        row("southern sky mirrors the direction character", kNone, sidereal,
            {":f1\r", ":G112\r", ":g1\r", ":I179F300\r", ":J1\r"}, 1, "3.10-08", 0, -0.6);
        row("southern sky backward", sidereal, -sidereal,
            {":f1\r", ":K1\r", ":f1\r", ":G113\r", ":I179F300\r", ":J1\r"}, 0, "3.10-08", 0, -0.6);
        // At 5000 Hz and 16x, -10 deg/s (57600 steps/s) would need a period below 2: raised to 6.
        row("short periods are raised to 6", kNone, -10 * kDeg,
            {":f1\r", ":G131\r", ":g1\r", ":I1060000\r", ":J1\r"}, 0, "3.10-08", 5000);
        // 0.001 rad/s is period 0x11C1 at factor 1; held to 1.5 and 0.5, 0x0BD6 and 0x2382.
        row("fine adjustment 2 is used as 1.5", kNone, 0.001,
            {":f1\r", ":G110\r", ":g1\r", ":I1D60B00\r", ":J1\r"}, 1, "3.10-08", 0, 0.6, 2.0);
        row("fine adjustment 0.1 is used as 0.5", kNone, 0.001,
            {":f1\r", ":G110\r", ":g1\r", ":I1822300\r", ":J1\r"}, 1, "3.10-08", 0, 0.6, 0.1);
        row("newer firmware moves with the classic commands", kNone, sidereal,
            {":f1\r", ":G110\r", ":g1\r", ":I16D7A0E\r", ":J1\r"}, 1, "3.39-80");
    }
    void rates() {
        QFETCH(QString, preset);
        QFETCH(uint, timerHz);
        QFETCH(double, latitude);
        QFETCH(double, fine);
        QFETCH(double, before);
        QFETCH(double, rate);
        QFETCH(Requests, requests);
        QFETCH(int, direction);
        CLocation where = location_->location();
        where.latitudeRad = latitude;
        location_->setLocation(where);
        Sim::Identity identity = *Sim::presetIdentity(preset.toStdString());
        if (timerHz)
            identity.timerHz = timerHz;
        connect(identity, fine);
        if (before != kNone) {
            QCOMPARE(axis_->setRate(0, before), CmdRetType::Ok);
            sent();
        }
        QCOMPARE(axis_->setRate(0, rate), CmdRetType::Ok);
        QCOMPARE(sent(), requests);
        QCOMPARE(axis_->lastDirection(0).hasValue(), direction >= 0);
        if (direction >= 0)
            QCOMPARE(axis_->lastDirection(0).value(), direction == 1);
    }

    void failedRateForgetsTheCommandedRate() {
        connect();
        axis_->setRate(0, SIDEREALRATE);
        stack_->sim->setSilent(true);
        QCOMPARE(axis_->setRate(0, 2 * SIDEREALRATE), CmdRetType::Timeout);
        QCOMPARE(axis_->lastDirection(0).value(), true); // same sign as before: kept
        stack_->sim->setSilent(false);
        sent();
        // Without a known commanded rate the axis is stopped and started again.
        QCOMPARE(axis_->setRate(0, 2 * SIDEREALRATE), CmdRetType::Ok);
        QCOMPARE(sent(), (Requests{":f1\r", ":K1\r", ":f1\r", ":G110\r", ":I1BD7900\r", ":J1\r"}));
    }

    // One step is 2 pi / 2073600; 5 deg is 28800 steps (0x7080), the goto parameter 0x0DAC.
    void gotos_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<Requests>("requests");
        QTest::newRow("less than half a step: only the read")
            << 0.4 * 360 / 2073600 << Requests{":f1\r", ":j1\r"};
        QTest::newRow("5 degrees forward")
            << 5.0 << Requests{":f1\r", ":j1\r", ":G100\r", ":H1807000\r", ":M1AC0D00\r", ":J1\r"};
    }
    void gotos() {
        QFETCH(double, degrees);
        QFETCH(Requests, requests);
        connect();
        const double here = axis_->readPosition(0).get();
        sent();
        QCOMPARE(axis_->gotoAngle(0, here + degrees * kDeg), CmdRetType::Ok);
        QCOMPARE(sent(), requests);
        QVERIFY(!axis_->requestedRate(0).hasValue());
        QCOMPARE(axis_->lastDirection(0).value(), true);
    }

    // A goto while the axis moves stops it, waits for it to stand, then goes from there.
    void gotoWhileMovingStopsFirst() {
        connect();
        const double here = axis_->readPosition(0).get();
        QCOMPARE(axis_->gotoAngle(0, here + 60 * kDeg), CmdRetType::Ok); // 20 s at 3 deg/s
        sent();
        QCOMPARE(axis_->gotoAngle(0, here + 4 * kDeg), CmdRetType::Ok);
        const Requests requests = sent();
        QCOMPARE(requests.size(), 8);
        QCOMPARE(requests.mid(0, 5), (Requests{":f1\r", ":K1\r", ":f1\r", ":j1\r", ":G100\r"}));
        QCOMPARE(requests.mid(6), (Requests{":M1AC0D00\r", ":J1\r"}));
    }

    void stopAndWaitHonoursCancellation() {
        Sim::Behaviour slowStop;
        slowStop.stopSec = 3600;
        connect(*Sim::presetIdentity("3.10-08"), 1.0, true, slowStop);
        QCOMPARE(axis_->setRate(0, SIDEREALRATE), CmdRetType::Ok);
        stack_->clearTranscript();
        std::jthread canceller([this] {
            // Cancels once the axis has been told to stop and is being watched.
            stack_->sim->transcript()->waitForSize(3, std::chrono::seconds(30));
            token_->cancel();
        });
        QCOMPARE(axis_->setRate(0, -SIDEREALRATE), CmdRetType::Cancel);
        QVERIFY(!axis_->lastDirection(0).hasValue());
    }

    // 518400 steps, a quarter turn, is angle 0 in mount mode 1.
    void positionsAreAnglesWithTheirReadingTime() {
        connect();
        int changes = 0;
        positions_->changedList.append([&] { ++changes; });
        stack_->sim->setAxisPosition(0, 518400);
        clock_->setMs(1'700'000'000'123);
        const auto angle = axis_->readPosition(0);
        QCOMPARE(angle.type, CmdRetType::Ok);
        QVERIFY(std::abs(angle.get()) < 1e-12);
        QCOMPARE(axis_->lastPosition(0).timeMs, int64_t(1'700'000'000'123));
        QCOMPARE(changes, 1);
        QCOMPARE(sent(), Requests{":j1\r"});

        QCOMPARE(axis_->setPosition(0, 0.0), CmdRetType::Ok);
        QCOMPARE(sent(), Requests{":E100E987\r"});
        QCOMPARE(changes, 2);

        // 0x7FFFFF steps * 2 pi / 2073600 - pi / 2, and the same for -0x800000.
        const auto range = axis_->positionRange(0);
        QVERIFY(std::abs(range.first - 23.847400167275232) < 1e-9);
        QVERIFY(std::abs(range.second - -26.988995850950538) < 1e-9);
    }

    void readPositionsReadsBothAxes() {
        connect(*Sim::presetIdentity("3.10-08"), 1.0, false);
        stack_->sim->setAxisPosition(1, -2073600 / 8);
        const auto both = axis_->readPositions();
        QCOMPARE(both.type, CmdRetType::Ok);
        QCOMPARE(both.get().second, -kTwoPi / 8);
        QCOMPARE(sent(), (Requests{":j1\r", ":j2\r"}));
    }

    void extendedPositions() {
        connect("3.39-80");
        QCOMPARE(axis_->readPosition(0).type, CmdRetType::Ok);
        QCOMPARE(axis_->setPosition(0, -kTwoPi / 4), CmdRetType::Ok); // controller step 0
        QCOMPARE(sent(), (Requests{":X10003\r", ":X10100000000\r"}));
        QCOMPARE(axis_->setPosition(0, -kTwoPi / 4 - kTwoPi / 1452951 * 10), CmdRetType::Ok);
        QCOMPARE(sent(), Requests{":X101FFFFFFF6\r"});
        QCOMPARE(axis_->stop(0), CmdRetType::Ok);
        QCOMPARE(sent(), Requests{":K1\r"});
    }

    void limitPositions_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<qlonglong>("steps");
        QTest::addColumn<int>("expect"); // 0 angle, 1 at the largest, 2 at the smallest
        QTest::addColumn<double>("angle");
        // 1000 * 2 pi / 2073600 - pi / 2, and -5000 * 2 pi / 1452951 - pi / 2.
        QTest::newRow("classic inside") << "3.10-08" << 1000ll << 0 << -1.567766241287962;
        QTest::newRow("classic largest") << "3.10-08" << 0x7FFFFFll << 1 << 0.0;
        QTest::newRow("classic smallest") << "3.10-08" << -0x800000ll << 2 << 0.0;
        QTest::newRow("extended inside") << "3.39-80" << -5000ll << 0 << -1.5924184782204422;
        QTest::newRow("extended largest") << "3.39-80" << 2147483647ll << 1 << 0.0;
        QTest::newRow("extended smallest") << "3.39-80" << -2147483648ll << 2 << 0.0;
    }
    void limitPositions() {
        QFETCH(QString, preset);
        QFETCH(qlonglong, steps);
        QFETCH(int, expect);
        QFETCH(double, angle);
        connect(preset.toStdString());
        stack_->sim->setLimitSteps(0, steps);
        const auto limit = axis_->readLimitPosition(0);
        QCOMPARE(limit.type, CmdRetType::Ok);
        QCOMPARE(limit.get().angle.hasValue(), expect == 0);
        QCOMPARE(limit.get().atLimit.hasValue(), expect != 0);
        if (expect == 0)
            QVERIFY(std::abs(limit.get().angle.value() - angle) < 1e-12);
        else
            QCOMPARE(limit.get().atLimit.value(), expect == 1);
        QCOMPARE(sent(), Requests{preset == "3.10-08" ? ":q1000000\r" : ":X1000B\r"});
    }

    void requestedRateIsOnlyRecorded() {
        connect();
        axis_->setRequestedRate(0, -0.01);
        QCOMPARE(axis_->lastDirection(0).value(), false);
        axis_->setRequestedRate(0, 0.0);
        QCOMPARE(axis_->lastDirection(0).value(), false);
        QVERIFY(sent().isEmpty());
        QCOMPARE(axis_->sendW8(0), CmdRetType::Ok);
        QCOMPARE(sent(), Requests{":W1080000\r"});
    }
};

QTEST_GUILESS_MAIN(TestComm)
#include "test_comm.moc"
