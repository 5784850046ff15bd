// Reply classification and number decoding over the converser stack on a scripted link.

#include "JexConverser.h"
#include "LogCapture.h"
#include "SLConverser.h"
#include "ScriptedRawConverser.h"

#include <QTest>

using namespace JEX;
using JEX::Test::bytes;
using JEX::Test::qbytes;

class TestJexConverser : public QObject {
    Q_OBJECT

    std::shared_ptr<JEX::Test::ScriptedRawConverser> raw_;
    std::shared_ptr<JexConverser> converser_;

private slots:
    void init() {
        raw_ = std::make_shared<JEX::Test::ScriptedRawConverser>();
        converser_ = std::make_shared<JexConverser>(std::make_shared<SLConverser>(raw_));
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
        QCOMPARE(qbytes(raw_->requests().at(0)), QByteArray(":e1\r"));
    }

    void errorLineShowsBothSidesEscaped() {
        JEX::Test::LogCapture logLines;
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
        raw_->fail(CmdRetType(type));
        raw_->fail(CmdRetType(type));
        raw_->fail(CmdRetType(type));
        const auto bytesResp = converser_->converse(Cmd{0, 'e', {}});
        QCOMPARE(int(bytesResp.type), type);
        QVERIFY(!bytesResp.value.hasValue());
        const auto u32 = converser_->converseU32(Cmd{0, 'j', {}});
        QCOMPARE(int(u32.type), type);
        QVERIFY(!u32.value.hasValue());
        const auto be = converser_->converseU32BE(Cmd{0, 'X', bytes("0003")});
        QCOMPARE(int(be.type), type);
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
        QTest::newRow("five digits") << false << QByteArray("=56341\r") << other << 0u;
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
        QCOMPARE(qbytes(raw_->requests().at(0)), QByteArray(bigEndian ? ":X10002\r" : ":j1\r"));
    }
};

QTEST_GUILESS_MAIN(TestJexConverser)
#include "test_jexconverser.moc"
