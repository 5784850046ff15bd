// Parameter-memory access against the simulated controller: exact requests on the wire and
// the memory contents byte by byte, plus reply shapes that only a scripted link can produce.

#include "EEPROMConverser.h"
#include "JexConverser.h"
#include "MountRig.h"
#include "SLConverser.h"
#include "ScriptedRawConverser.h"

#include <QTest>

using namespace JEX;
using JEX::Test::MountRig;

namespace {

QString hexBytes(const std::array<uint8_t, Sim::MemorySize>& memory, int from, int count) {
    QString out;
    for (int i = 0; i < count; ++i)
        out += QString("%1 ").arg(memory[from + i], 2, 16, QChar('0'));
    return out.trimmed();
}

} // namespace

class TestEEPROM : public QObject {
    Q_OBJECT

    std::unique_ptr<MountRig> m_;

    QList<QByteArray> sent() {
        const auto r = m_->requests();
        m_->clearTranscript();
        return r;
    }
    // Fills a field and the byte after it with a marker that no write here produces.
    void fillMarker(uint16_t address, int count) {
        for (int i = 0; i < count; ++i)
            m_->sim->setMemoryByte(uint16_t(address + i), 0xEE);
    }

private slots:
    void init() {
        m_ = std::make_unique<MountRig>();
        m_->clearTranscript();
    }

    void byteAccessOnTheWire() {
        m_->sim->setMemoryByte(0x1A0, 0x5C);
        const CmdResp<uint8_t> read = m_->eeprom->readByte(0x1A0);
        QCOMPARE(read.type, CmdRetType::Ok);
        QCOMPARE(read.get(), uint8_t(0x5C));
        QCOMPARE(m_->eeprom->writeByte(0x1A0, 0xF1), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":C1A001\r", ":n1\r", ":C1A001\r", ":N1F1\r"}));
        QCOMPARE(m_->sim->memoryByte(0x1A0), uint8_t(0xF1));
    }

    void u32IsStoredLeastSignificantByteFirst() {
        QCOMPARE(m_->eeprom->writeU32(0x184, 0x12345678), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":C18401\r", ":N178\r", ":C18501\r", ":N156\r",
                                            ":C18601\r", ":N134\r", ":C18701\r", ":N112\r"}));
        const auto memory = m_->sim->memory();
        QVERIFY2(memory[0x184] == 0x78 && memory[0x185] == 0x56 && memory[0x186] == 0x34 &&
                     memory[0x187] == 0x12,
                 qPrintable(hexBytes(memory, 0x184, 4)));
        const CmdResp<uint32_t> back = m_->eeprom->readU32(0x184);
        QCOMPARE(back.type, CmdRetType::Ok);
        QCOMPARE(back.get(), 0x12345678u);
    }

    void u16AssemblesLittleEndian() {
        m_->sim->setMemoryByte(0x04, 0x34);
        m_->sim->setMemoryByte(0x05, 0xFE);
        const CmdResp<uint16_t> value = m_->eeprom->readU16(0x04);
        QCOMPARE(value.get(), uint16_t(0xFE34));
        QCOMPARE(sent(), (QList<QByteArray>{":C10400\r", ":n1\r", ":C10500\r", ":n1\r"}));
    }

    void textOfExactlyTheFieldLengthHasNoNul() {
        fillMarker(0xF0, 9);
        QCOMPARE(m_->eeprom->writeString(0xF0, 8, "ABCDEFGH"), CmdRetType::Ok);
        const auto memory = m_->sim->memory();
        QCOMPARE(hexBytes(memory, 0xF0, 9), QString("41 42 43 44 45 46 47 48 ee"));
        QCOMPARE(sent().size(), 16); // eight selects, eight writes
        const CmdResp<std::string> back = m_->eeprom->readString(0xF0, 8);
        QCOMPARE(back.get(), std::string("ABCDEFGH"));
        QCOMPARE(sent().size(), 16); // the whole field, and not one byte beyond
    }

    void textOneShorterEndsWithNul() {
        fillMarker(0xF0, 9);
        QCOMPARE(m_->eeprom->writeString(0xF0, 8, "ABCDEFG"), CmdRetType::Ok);
        QCOMPARE(hexBytes(m_->sim->memory(), 0xF0, 9), QString("41 42 43 44 45 46 47 00 ee"));
        QCOMPARE(sent().size(), 16);
    }

    void shortTextWritesItsBytesAndOneNul() {
        fillMarker(0xF0, 9);
        QCOMPARE(m_->eeprom->writeString(0xF0, 8, "ab"), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":C1F000\r", ":N161\r", ":C1F100\r", ":N162\r",
                                            ":C1F200\r", ":N100\r"}));
        QCOMPARE(hexBytes(m_->sim->memory(), 0xF0, 9), QString("61 62 00 ee ee ee ee ee ee"));
        QCOMPARE(m_->eeprom->readString(0xF0, 8).get(), std::string("ab"));
    }

    void overlongTextIsAContractBreachBeforeAnyWrite() {
        QVERIFY_THROWS_EXCEPTION(std::logic_error, m_->eeprom->writeString(0xF0, 8, "ABCDEFGHI"));
        try {
            m_->eeprom->writeString(0xF0, 8, "ABCDEFGHI");
        } catch (const std::logic_error& e) {
            QCOMPARE(QString(e.what()), QString("Write string: input too long"));
        }
        QVERIFY(sent().isEmpty());
    }

    void textStartingWithNulIsEmptyAfterOneRead() {
        m_->sim->setMemoryByte(0x150, 0);
        m_->sim->setMemoryByte(0x151, 'X');
        const CmdResp<std::string> text = m_->eeprom->readString(0x150, 15);
        QCOMPARE(text.type, CmdRetType::Ok);
        QCOMPARE(text.get(), std::string());
        QCOMPARE(sent(), (QList<QByteArray>{":C15001\r", ":n1\r"}));
    }

    void rejectedSelectSendsNoRead() {
        Sim::Faults reject;
        reject.reject = 1.0;
        reject.letters = "C";
        m_->sim->setFaults(reject);
        QCOMPARE(m_->eeprom->readByte(0x10).type, CmdRetType::Nak);
        QCOMPARE(m_->eeprom->writeByte(0x10, 1), CmdRetType::Nak);
        QCOMPARE(sent(), (QList<QByteArray>{":C11000\r", ":C11000\r"}));
    }

    void failedByteEndsAMultiByteWriteLeavingEarlierBytes() {
        fillMarker(0x84, 4);
        m_->raw->faultFrom(4, [] {
            Sim::Faults f;
            f.silent = true;
            return f;
        }());
        QCOMPARE(m_->eeprom->writeU32(0x84, 0x0A0B0C0D), CmdRetType::Timeout);
        QCOMPARE(hexBytes(m_->sim->memory(), 0x84, 4), QString("0d 0c ee ee"));
    }

    void failedByteEndsAMultiByteReadWithNoValue() {
        m_->raw->faultFrom(5, [] {
            Sim::Faults f;
            f.reject = 1.0;
            return f;
        }());
        const CmdResp<uint32_t> value = m_->eeprom->readU32(0x10);
        QCOMPARE(value.type, CmdRetType::Nak);
        QVERIFY(!value.value.hasValue());
        const CmdResp<std::string> text = m_->eeprom->readString(0x90, 32);
        QCOMPARE(text.type, CmdRetType::Nak);
        QVERIFY(!text.value.hasValue());
    }

    void readReplyShapes_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("value");
        QTest::newRow("two digits") << QByteArray("=7F\r") << int(CmdRetType::Ok) << 0x7F;
        QTest::newRow("zero") << QByteArray("=00\r") << int(CmdRetType::Ok) << 0;
        QTest::newRow("noise before the marker")
            << QByteArray("xy=A5\r") << int(CmdRetType::Ok) << 0xA5;
        QTest::newRow("one digit, 3 bytes") << QByteArray("=7\r") << int(CmdRetType::Other) << -1;
        QTest::newRow("three digits, 5 bytes")
            << QByteArray("=7F0\r") << int(CmdRetType::Other) << -1;
        QTest::newRow("no digits") << QByteArray("=\r") << int(CmdRetType::Other) << -1;
        QTest::newRow("lower case") << QByteArray("=7f\r") << int(CmdRetType::Other) << -1;
        QTest::newRow("not hex") << QByteArray("=G0\r") << int(CmdRetType::Other) << -1;
        QTest::newRow("rejected") << QByteArray("!0\r") << int(CmdRetType::Nak) << -1;
        QTest::newRow("no CR") << QByteArray("=7F") << int(CmdRetType::Other) << -1;
    }
    void readReplyShapes() {
        QFETCH(QByteArray, reply);
        QFETCH(int, type);
        QFETCH(int, value);
        auto raw = std::make_shared<Test::ScriptedRawConverser>();
        raw->replyOk("=\r");
        raw->replyOk(reply.toStdString());
        EEPROMConverser eeprom(std::make_shared<JexConverser>(std::make_shared<SLConverser>(raw)));
        const CmdResp<uint8_t> read = eeprom.readByte(0x0002);
        QVERIFY2(int(read.type) == type,
                 qPrintable(QString("reply %1 gave type %2").arg(reply).arg(int(read.type))));
        if (value >= 0)
            QCOMPARE(int(read.get()), value);
        else
            QVERIFY(!read.value.hasValue());
        const auto requests = raw->requests();
        QCOMPARE(requests.size(), size_t(2));
        QCOMPARE(requests[0], Test::bytes(":C10200\r"));
        QCOMPARE(requests[1], Test::bytes(":n1\r"));
    }
};

QTEST_GUILESS_MAIN(TestEEPROM)
#include "test_eeprom.moc"
