// Wire-level codecs: framing, hex fields, log escaping, and the result types' contracts.

#include "Cmd.h"
#include "CmdResp.h"
#include "Hex.h"
#include "Wire.h"

#include <QTest>

using namespace JEX;
using JEX::Test::bytes;
using JEX::Test::qbytes;

class TestProtocol : public QObject {
    Q_OBJECT
private slots:
    void framing_data() {
        QTest::addColumn<uint>("axis");
        QTest::addColumn<char>("letter");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("firmware, first axis") << 0u << 'e' << QByteArray() << QByteArray(":e1\r");
        QTest::newRow("q with LE3 of 1")
            << 0u << 'q' << QByteArray("010000") << QByteArray(":q1010000\r");
        QTest::newRow("second axis") << 1u << 'f' << QByteArray() << QByteArray(":f2\r");
        QTest::newRow("any nonzero axis is the second")
            << 7u << 'j' << QByteArray() << QByteArray(":j2\r");
    }
    void framing() {
        QFETCH(uint, axis);
        QFETCH(char, letter);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, expected);
        QCOMPARE(qbytes(frame(Cmd{axis, letter, bytes(data)})), expected);
    }

    void encoders_data() {
        QTest::addColumn<bool>("littleEndian");
        QTest::addColumn<uint>("value");
        QTest::addColumn<int>("byteCount");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("LE3 0x123456") << true << 0x123456u << 3 << QByteArray("563412");
        QTest::newRow("LE3 truncates") << true << 0xAB123456u << 3 << QByteArray("563412");
        QTest::newRow("LE2 address") << true << 0x1B8u << 2 << QByteArray("B801");
        QTest::newRow("BE1 2") << false << 2u << 1 << QByteArray("02");
        QTest::newRow("BE4 0xABCD") << false << 0xABCDu << 4 << QByteArray("0000ABCD");
        QTest::newRow("BE4 negative steps") << false << 0xFFFFFFF6u << 4 << QByteArray("FFFFFFF6");
        QTest::newRow("BE1 truncates") << false << 0x10Bu << 1 << QByteArray("0B");
    }
    void encoders() {
        QFETCH(bool, littleEndian);
        QFETCH(uint, value);
        QFETCH(int, byteCount);
        QFETCH(QByteArray, expected);
        QCOMPARE(qbytes(littleEndian ? hexLE(value, byteCount) : hexBE(value, byteCount)),
                 expected);
    }

    void decoders_data() {
        QTest::addColumn<QByteArray>("digits");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<uint>("le");
        QTest::addColumn<uint>("be");
        QTest::newRow("six digits") << QByteArray("563412") << true << 0x123456u << 0x563412u;
        QTest::newRow("two digits") << QByteArray("0A") << true << 0x0Au << 0x0Au;
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
        QCOMPARE(escapeBytes(bytes(":e1\r")), std::string(":e1\\r"));
        Bytes all{0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x00, 0x1F, 0x7F, 0xFF, ' ', '~'};
        QCOMPARE(escapeBytes(all), std::string("\\a\\b\\t\\n\\v\\f\\r\\x00\\x1F\\x7F\\xFF ~"));
    }

    void contractBreachesThrowTheirTexts() {
        const auto message = [](auto&& f) -> std::string {
            try {
                f();
            } catch (const std::logic_error& e) {
                return e.what();
            }
            return "no exception";
        };
        QCOMPARE(message([] { Nullable<int>().value(); }), std::string("Read null Nullable"));
        QCOMPARE(message([] { CmdResp<uint32_t> r(CmdRetType::Ok); }),
                 std::string("CmdResp: create invalid"));
        QCOMPARE(message([] { CmdResp<uint32_t>(CmdRetType::Ok, Nullable<uint32_t>()).get(); }),
                 std::string("CmdResp: read invalid"));
        QCOMPARE(message([] { CmdResp<uint32_t>(CmdRetType::Nak).get(); }),
                 std::string("Read null Nullable"));
    }
};

QTEST_GUILESS_MAIN(TestProtocol)
#include "test_protocol.moc"
