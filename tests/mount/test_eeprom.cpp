// Parameter-memory access: requests on the wire and memory contents byte by byte.

#include "MountRig.h"
#include "ScriptedRawConverser.h"

#include <QTest>

using namespace JEX;
using JEX::Test::MountRig;

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

    void numbersAreLittleEndian() {
        QCOMPARE(m_->eeprom->writeU32(0x184, 0x12345678), CmdRetType::Ok);
        QCOMPARE(sent(), (QList<QByteArray>{":C18401\r", ":N178\r", ":C18501\r", ":N156\r",
                                            ":C18601\r", ":N134\r", ":C18701\r", ":N112\r"}));
        QCOMPARE(m_->memoryHex(0x184, 4), QString("78 56 34 12"));
        QCOMPARE(m_->eeprom->readU32(0x184).get(), 0x12345678u);
        m_->sim->setMemoryU16(0x04, 0xFE34);
        m_->clearTranscript();
        QCOMPARE(m_->eeprom->readU16(0x04).get(), uint16_t(0xFE34));
        QCOMPARE(sent(), (QList<QByteArray>{":C10400\r", ":n1\r", ":C10500\r", ":n1\r"}));
    }

    // An 8-byte field: a shorter text ends with one NUL, a full one has none, and the read
    // stops at the NUL or the field's end.
    void textInAField_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("memory");
        QTest::addColumn<int>("requests"); // to write it, and again to read it back
        const auto row = [](const char* text, const char* memory, int requests) {
            QTest::newRow(*text ? text : "empty") << QString(text) << QString(memory) << requests;
        };
        row("ABCDEFGH", "41 42 43 44 45 46 47 48 ee", 16); // full: no NUL
        row("ABCDEFG", "41 42 43 44 45 46 47 00 ee", 16);
        row("ab", "61 62 00 ee ee ee ee ee ee", 6);
        row("", "00 ee ee ee ee ee ee ee ee", 2);
    }
    void textInAField() {
        QFETCH(QString, text);
        QFETCH(QString, memory);
        QFETCH(int, requests);
        fillMarker(0xF0, 9);
        QCOMPARE(m_->eeprom->writeString(0xF0, 8, text.toStdString()), CmdRetType::Ok);
        QCOMPARE(m_->memoryHex(0xF0, 9), memory);
        QCOMPARE(sent().size(), requests);
        QCOMPARE(m_->eeprom->readString(0xF0, 8).get(), text.toStdString());
        QCOMPARE(sent().size(), requests);
    }

    void rejectedSelectSendsNoRead() {
        Sim::Faults reject = Test::faultOf("reject");
        reject.letters = "C";
        m_->sim->setFaults(reject);
        QCOMPARE(m_->eeprom->readByte(0x10).type, CmdRetType::Nak);
        QCOMPARE(m_->eeprom->writeByte(0x10, 1), CmdRetType::Nak);
        QCOMPARE(sent(), (QList<QByteArray>{":C11000\r", ":C11000\r"}));
    }

    void failedByteEndsAMultiByteWriteLeavingEarlierBytes() {
        fillMarker(0x84, 4);
        m_->raw->faultFrom(4, Test::faultOf("silent"));
        QCOMPARE(m_->eeprom->writeU32(0x84, 0x0A0B0C0D), CmdRetType::Timeout);
        QCOMPARE(m_->memoryHex(0x84, 4), QString("0d 0c ee ee"));
    }

    void failedByteEndsAMultiByteReadWithNoValue() {
        m_->raw->faultFrom(5, Test::faultOf("reject"));
        const CmdResp<uint32_t> value = m_->eeprom->readU32(0x10);
        QCOMPARE(value.type, CmdRetType::Nak);
        QVERIFY(!value.value.hasValue());
        const CmdResp<std::string> text = m_->eeprom->readString(0x90, 32);
        QCOMPARE(text.type, CmdRetType::Nak);
        QVERIFY(!text.value.hasValue());
    }

    // A byte is exactly two digits; marker, CR and digit rules are the converser's.
    void readReplyShapes_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("value");
        const int ok = int(CmdRetType::Ok), other = int(CmdRetType::Other);
        QTest::newRow("two digits") << QByteArray("=7F\r") << ok << 0x7F;
        QTest::newRow("zero") << QByteArray("=00\r") << ok << 0;
        QTest::newRow("one digit, 3 bytes") << QByteArray("=7\r") << other << -1;
        QTest::newRow("three digits, 5 bytes") << QByteArray("=7F0\r") << other << -1;
        QTest::newRow("no digits") << QByteArray("=\r") << other << -1;
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
        QCOMPARE(int(read.type), type);
        QCOMPARE(read.value.hasValue(), value >= 0);
        if (value >= 0)
            QCOMPARE(int(read.get()), value);
    }
};

QTEST_GUILESS_MAIN(TestEEPROM)
#include "test_eeprom.moc"
