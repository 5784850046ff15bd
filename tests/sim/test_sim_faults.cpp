// Fault injection and the transcript of the simulated controller, in-process: what each
// fault does to the reply and to the controller's state, that a seed fixes which requests
// a fault hits, and that every exchange is recorded and written as JSON lines.

#include "InProcessEndpoint.h"
#include "SimTestUtil.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <set>
#include <thread>

using namespace JEX::Sim;
using SimTest::qbytes;
using SimTest::show;

namespace {
// The address 0x0190 selected, then the byte 0x41 written there.
const QByteArray Select = ":C19001\r";
const QByteArray Write41 = ":N141\r";
} // namespace

class TestSimFaults : public QObject {
    Q_OBJECT

    std::shared_ptr<ManualClock> clock_;
    std::shared_ptr<MotorController> controller_;

    void make(const Faults& faults = {}, uint64_t seed = 1) {
        SimConfig config;
        config.faults = faults;
        config.seed = seed;
        clock_ = std::make_shared<ManualClock>();
        controller_ = std::make_shared<MotorController>(config, clock_);
    }

    Response send(const QByteArray& request, Channel channel = Channel::Wifi) {
        return InProcessEndpoint(controller_, channel)(SimTest::bytes(request));
    }

    static SimConfig configWith(const Faults& faults, uint64_t seed) {
        SimConfig config;
        config.faults = faults;
        config.seed = seed;
        return config;
    }

    // Which of n requests of one letter lose their reply.
    static std::vector<bool> lossPattern(uint64_t seed, int n) {
        Faults faults;
        faults.replyLoss = 0.5;
        MotorController controller(configWith(faults, seed), std::make_shared<ManualClock>());
        std::vector<bool> lost;
        for (int i = 0; i < n; ++i)
            lost.push_back(!controller.handle(SimTest::bytes(":j1\r")).reply);
        return lost;
    }

private slots:
    void init() { make(); }

    void replyLossActsButSendsNothing() {
        Faults faults;
        faults.replyLoss = 1;
        controller_->setFaults(faults);
        QVERIFY(!send(Select).reply);
        QVERIFY(!send(Write41).reply);
        QCOMPARE(controller_->memoryByte(0x190), uint8_t(0x41));
        QVERIFY(controller_->transcript()->last()->hasFault("reply-loss"));
    }

    void requestLossDoesNothing() {
        Faults faults;
        faults.requestLoss = 1;
        controller_->setFaults(faults);
        QVERIFY(!send(Select).reply);
        QVERIFY(!send(Write41).reply);
        QCOMPARE(controller_->memoryByte(0x190), uint8_t(0));
        QVERIFY(controller_->transcript()->last()->hasFault("request-loss"));
    }

    void rejectionRefusesWithoutActing() {
        QCOMPARE(qbytes(*send(Select).reply), QByteArray("=\r"));
        Faults faults;
        faults.reject = 1;
        controller_->setFaults(faults);
        QCOMPARE(qbytes(*send(Write41).reply), QByteArray("!0\r"));
        QCOMPARE(controller_->memoryByte(0x190), uint8_t(0));
    }

    void garbageComesBeforeTheMarker() {
        Faults faults;
        faults.garbage = 1;
        controller_->setFaults(faults);
        for (int i = 0; i < 50; ++i) {
            const QByteArray reply = qbytes(*send(":e1\r").reply);
            const QByteArray junk = reply.chopped(8);
            QVERIFY2(reply.endsWith("=030A08\r") && !junk.isEmpty() && !junk.contains('=') &&
                         !junk.contains('!') && !junk.contains('\0') && !junk.contains('\r'),
                     qPrintable(show(reply)));
        }
    }

    void nulNoiseOnlyOnSerial() {
        Faults faults;
        faults.nulNoise = 1;
        faults.nulCount = 10;
        controller_->setFaults(faults);
        QCOMPARE(qbytes(*send(":e1\r", Channel::Serial).reply), QByteArray(10, '\0') + "=030A08\r");
        QCOMPARE(qbytes(*send(":e1\r", Channel::Wifi).reply), QByteArray("=030A08\r"));
    }

    void duplicateSendsTwice() {
        Faults faults;
        faults.duplicate = 1;
        controller_->setFaults(faults);
        const Response response = send(":e1\r");
        QCOMPARE(response.copies, 2);
        QCOMPARE(qbytes(*response.reply), QByteArray("=030A08\r"));
    }

    // The console's decoders take only exact digit counts; this fault breaks them.
    void badFormatChangesTheDigitCount() {
        Faults faults;
        faults.badFormat = 1;
        controller_->setFaults(faults);
        std::set<qsizetype> lengths;
        for (int i = 0; i < 50; ++i) {
            const QByteArray reply = qbytes(*send(":e1\r").reply);
            QVERIFY2(reply.startsWith('=') && reply.endsWith('\r') &&
                         (reply.size() == 7 || reply.size() == 9),
                     qPrintable(show(reply)));
            lengths.insert(reply.size());
            const QByteArray n = qbytes(*send(":n1\r").reply);
            QVERIFY2(n.size() != 4, qPrintable(show(n)));
        }
        QCOMPARE(lengths.size(), size_t(2));
    }

    void delays() {
        Faults faults;
        faults.fixedDelayMs = 150;
        controller_->setFaults(faults);
        QCOMPARE(send(":e1\r").delay.count(), 150);

        faults.fixedDelayMs = 0;
        faults.randomDelayMs = 40;
        controller_->setFaults(faults);
        std::set<int64_t> seen;
        for (int i = 0; i < 200; ++i) {
            const auto delay = send(":e1\r").delay.count();
            QVERIFY2(delay >= 0 && delay <= 40, qPrintable(QString::number(delay)));
            seen.insert(delay);
        }
        QVERIFY2(seen.size() > 10, "the random delay hardly varies");

        faults.randomDelayMs = 0;
        faults.late = 1;
        faults.lateDelayMs = 450;
        controller_->setFaults(faults);
        const Response late = send(":e1\r");
        QCOMPARE(late.delay.count(), 450);
        QCOMPARE(qbytes(*late.reply), QByteArray("=030A08\r"));
        QVERIFY(controller_->transcript()->last()->hasFault("late"));
    }

    void silenceAndRecovery() {
        controller_->setSilent(true);
        QVERIFY(!send(":e1\r").reply);
        QVERIFY(!send(":e1\r", Channel::Serial).reply);
        QVERIFY(controller_->transcript()->last()->hasFault("silent"));
        controller_->setSilent(false);
        QVERIFY(send(":e1\r").reply);
    }

    void silentAfterCountsRequests() {
        Faults faults;
        faults.silentAfter = 3;
        make(faults);
        for (int i = 0; i < 3; ++i)
            QVERIFY(send(":e1\r").reply);
        QVERIFY(!send(":e1\r").reply);
        QVERIFY(!send(":e1\r").reply);
    }

    void faultsCanBeLimitedToLetters() {
        Faults faults;
        faults.replyLoss = 1;
        faults.letters = "j";
        controller_->setFaults(faults);
        QVERIFY(!send(":j1\r").reply);
        QCOMPARE(qbytes(*send(":e1\r").reply), QByteArray("=030A08\r"));
    }

    // The same seed loses the same requests; another seed loses others.
    void seedFixesWhichRequestsAreHit() {
        const auto a = lossPattern(7, 200);
        const auto b = lossPattern(7, 200);
        const auto c = lossPattern(8, 200);
        QVERIFY(a == b);
        QVERIFY(a != c);
        const auto lost = std::count(a.begin(), a.end(), true);
        QVERIFY2(lost > 60 && lost < 140, qPrintable(QString("%1 of 200 lost").arg(lost)));

        // Switching another fault on does not move the losses to other requests.
        Faults faults;
        faults.replyLoss = 0.5;
        faults.garbage = 0.5;
        MotorController controller(configWith(faults, 7), std::make_shared<ManualClock>());
        for (int i = 0; i < 200; ++i)
            QCOMPARE(!controller.handle(SimTest::bytes(":j1\r")).reply, bool(a[i]));
    }

    void reseedRepeatsTheSequence() {
        Faults faults;
        faults.replyLoss = 0.5;
        make(faults, 3);
        std::vector<bool> first, second;
        for (int i = 0; i < 50; ++i)
            first.push_back(!send(":j1\r").reply);
        controller_->reseed(3);
        for (int i = 0; i < 50; ++i)
            second.push_back(!send(":j1\r").reply);
        QVERIFY(first == second);
    }

    void transcriptRecordsEveryExchange() {
        auto transcript = controller_->transcript();
        clock_->advanceSec(2.5);
        send(":e1\r");
        send("junk");
        Faults faults;
        faults.replyLoss = 1;
        controller_->setFaults(faults);
        RequestContext context;
        context.channel = Channel::Serial;
        context.peer = "/dev/pts/99";
        controller_->handle(SimTest::bytes(":j1\r"), context);

        const auto entries = transcript->entries();
        QCOMPARE(entries.size(), size_t(3));
        QCOMPARE(qbytes(entries[0].request), QByteArray(":e1\r"));
        QCOMPARE(qbytes(*entries[0].reply), QByteArray("=030A08\r"));
        QCOMPARE(entries[0].simSec, 2.5);
        QCOMPARE(entries[0].letter(), 'e');
        QCOMPARE(entries[0].peer, std::string("in-process"));
        QVERIFY(!entries[1].reply);
        QCOMPARE(entries[1].note, std::string("no-frame"));
        QCOMPARE(entries[2].channel, Channel::Serial);
        QCOMPARE(entries[2].peer, std::string("/dev/pts/99"));
        QVERIFY(entries[2].hasFault("reply-loss"));
        QCOMPARE(entries[2].seq, entries[0].seq + 2);
        QCOMPARE(transcript->entriesFor('j').size(), size_t(1));
        QCOMPARE(transcript->count([](const Exchange& e) { return !e.reply; }), size_t(2));

        transcript->clear();
        QCOMPARE(transcript->size(), size_t(0));
        send(":e1\r");
        QCOMPARE(transcript->last()->seq, uint64_t(4));
    }

    void jsonLinesCarryTheExactBytes() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("transcript.jsonl");
        std::string error;
        QVERIFY2(controller_->transcript()->openFile(path.toStdString(), &error), error.c_str());

        Faults faults;
        faults.nulNoise = 1;
        faults.nulCount = 2;
        faults.late = 1;
        faults.lateDelayMs = 300;
        faults.letters = "e";
        controller_->setFaults(faults);
        send(":e1\r", Channel::Serial);
        send(QByteArray("\"\\\x01\xff\r", 5));
        send(":j1\r");

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 4); // three lines and the empty text after the last break
        QVERIFY(lines[3].isEmpty());

        QJsonParseError parseError;
        const QJsonObject first = QJsonDocument::fromJson(lines[0], &parseError).object();
        QVERIFY2(parseError.error == QJsonParseError::NoError, qPrintable(lines[0]));
        QCOMPARE(first["seq"].toInt(), 1);
        QCOMPARE(first["channel"].toString(), QString("serial"));
        QCOMPARE(first["request"].toString(), QString(":e1\r"));
        QCOMPARE(first["reply"].toString(), QString(QChar(0)) + QChar(0) + "=030A08\r");
        QCOMPARE(first["delay_ms"].toInt(), 300);
        QCOMPARE(first["copies"].toInt(), 1);
        QCOMPARE(first["faults"].toArray(), (QJsonArray{"nul-noise", "late"}));
        QVERIFY(first["unix_ms"].toDouble() > 1.6e12);

        const QJsonObject second = QJsonDocument::fromJson(lines[1], &parseError).object();
        QVERIFY2(parseError.error == QJsonParseError::NoError, qPrintable(lines[1]));
        const QString request = second["request"].toString();
        QCOMPARE(request.size(), 5);
        QCOMPARE(request[0], QChar('"'));
        QCOMPARE(request[1], QChar('\\'));
        QCOMPARE(request[2].unicode(), ushort(0x01));
        QCOMPARE(request[3].unicode(), ushort(0xFF));
        QVERIFY(second["reply"].isNull());
        QCOMPARE(second["note"].toString(), QString("no-frame"));

        const QJsonObject third = QJsonDocument::fromJson(lines[2], &parseError).object();
        QCOMPARE(third["reply"].toString(), QString("=000080\r"));
        QCOMPARE(third["faults"].toArray().size(), 0);
    }

    void waitForSizeSeesOtherThreads() {
        auto transcript = controller_->transcript();
        std::thread sender([controller = controller_] {
            for (int i = 0; i < 5; ++i)
                controller->handle(SimTest::bytes(":e1\r"));
        });
        QVERIFY(transcript->waitForSize(5, std::chrono::seconds(5)));
        sender.join();
        QVERIFY(!transcript->waitForSize(6, std::chrono::milliseconds(1)));
    }

    // Several threads at once, with faults drawing from the shared generator and a reader
    // poking at the state: every exchange is recorded once.
    void concurrentRequests() {
        Faults faults;
        faults.replyLoss = 0.3;
        faults.garbage = 0.3;
        faults.duplicate = 0.3;
        controller_->setFaults(faults);
        auto scaled =
            std::make_shared<MotorController>(SimConfig{}, std::make_shared<ScaledClock>(50.0));
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([t, controller = controller_, scaled] {
                for (int i = 0; i < 300; ++i) {
                    controller->handle(SimTest::bytes(t % 2 ? ":j1\r" : ":C19001\r"));
                    controller->handle(
                        SimTest::bytes(QByteArray(":N1") + (i % 2 ? "41" : "00") + "\r"));
                    scaled->handle(SimTest::bytes(i % 50 ? ":j1\r" : ":J1\r"));
                }
            });
        threads.emplace_back([controller = controller_] {
            for (int i = 0; i < 300; ++i) {
                controller->memoryByte(0x190);
                controller->axis(0);
                controller->setFaults(controller->faults());
            }
        });
        for (auto& thread : threads)
            thread.join();
        QCOMPARE(controller_->transcript()->size(), size_t(2400));
        QCOMPARE(scaled->transcript()->size(), size_t(1200));
    }
};

QTEST_GUILESS_MAIN(TestSimFaults)
#include "test_sim_faults.moc"
