// A profile's program in the mount. Written by the synchronisation layer into the simulated
// controller, it leaves the bytes a hand-worked program gives in the parameter memory. Read
// back out of the mount's memory, it fills a page's profile that makes that program again,
// byte for byte, whatever was ticked; and the page's own profile keeps what the user typed.
// Random profiles of every kind, seeded (VELMORA_FOLLOW_SEED picks another seed; a failure
// prints the seed and the profile).

#include "MountRig.h"
#include "ProfileProbe.h"
#include "TAVOParamMemory.h"
#include "TaskProfileJSON.h"

#include <QMetaProperty>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <cmath>
#include <random>

using namespace JEX;

namespace {

// Running mode, direction, stride, exposure (tenths), period (ms), photos, swing on,
// swing range, steps per cycle; each field's bytes least significant first.
QString programBytes(Test::MountRig& m) {
    const auto memory = m.sim->memory();
    const QList<QPair<int, int>> fields{{0x00, 1}, {0x28, 1}, {0x24, 4}, {0x2C, 4}, {0x30, 4},
                                        {0x34, 4}, {0x38, 1}, {0x3C, 4}, {0x44, 4}};
    QStringList out;
    for (const auto& [address, width] : fields) {
        QString field;
        for (int i = 0; i < width; ++i)
            field += QString("%1").arg(memory[address + i], 2, 16, QChar('0'));
        out << field;
    }
    return out.join(' ');
}

// On each of the two firmware kinds (periods in seconds or in milliseconds).
constexpr int kProfilesPerKind = 500;

// The mount's parameter memory without a mount: what writeProgram leaves and readProgram
// finds.
class MemoryEEPROM : public IEEPROMConverser {
public:
    CmdResp<uint8_t> readByte(uint16_t a) override { return bytes_.at(a); }
    CmdResp<uint16_t> readU16(uint16_t a) override {
        return uint16_t(bytes_.at(a) | bytes_.at(a + 1) << 8);
    }
    CmdResp<uint32_t> readU32(uint16_t a) override { return word(a); }
    CmdRetType writeByte(uint16_t a, uint8_t v) override {
        bytes_.at(a) = v;
        return CmdRetType::Ok;
    }
    CmdRetType writeU32(uint16_t a, uint32_t v) override {
        for (int i = 0; i < 4; ++i)
            bytes_.at(a + i) = uint8_t(v >> (8 * i));
        return CmdRetType::Ok;
    }
    CmdResp<std::string> readString(uint16_t, uint16_t) override { return std::string(); }
    CmdRetType writeString(uint16_t, uint16_t, const std::string&) override {
        return CmdRetType::Ok;
    }
    uint32_t word(uint16_t a) const {
        return uint32_t(bytes_.at(a)) | uint32_t(bytes_.at(a + 1)) << 8 |
               uint32_t(bytes_.at(a + 2)) << 16 | uint32_t(bytes_.at(a + 3)) << 24;
    }
    void clear() { bytes_.fill(0); }

private:
    std::array<uint8_t, 512> bytes_{};
};

// A program as the mount keeps it: the words at 0x24, 0x28, 0x2C, 0x30, 0x34, 0x38, 0x3C,
// 0x44, 0x1A0 and 0x1B8 (single bytes at 0x28, 0x38 and 0x1A0).
using Stored = std::array<uint32_t, 10>;
const char* const kWordNames[] = {"stride", "ccw",   "exposure", "cycle",  "photos",
                                  "swing",  "range", "steps",    "dither", "ditherSteps"};

QString text(const Stored& s) {
    QStringList out;
    for (size_t i = 0; i < s.size(); ++i)
        out << QString("%1 %2").arg(kWordNames[i]).arg(s[i]);
    return out.join(' ');
}

// Speeds and angles come back from the mount's step period and steps: a profile made from
// the fields alone meets the mount's stride and step words within half a percent and a step
// (a step period of a few hundred ticks at the fastest speeds); everything else exactly.
bool sameUpToSteps(const Stored& a, const Stored& b) {
    for (size_t i = 0; i < a.size(); ++i) {
        const bool steps = i == 0 || i == 7 || i == 9;
        const double x = a[i], y = b[i];
        if (steps ? std::abs(x - y) > 5e-3 * std::max(x, y) + 1 : x != y)
            return false;
    }
    return true;
}

class Rig {
public:
    explicit Rig(std::string_view preset) : mount_(preset) {}
    bool init() { return mount_.initDevice(); }

    Stored write(const TAVOParamSet& p) {
        memory_.clear();
        const auto r = writeProgram(memory_, *mount_.device, *mount_.clock, p, false);
        if (r.type != CmdRetType::Ok)
            qFatal("writeProgram failed");
        return Stored{memory_.word(0x24), memory_.word(0x28) & 0xff, memory_.word(0x2C),
                      memory_.word(0x30), memory_.word(0x34),        memory_.word(0x38) & 0xff,
                      memory_.word(0x3C), memory_.word(0x44),        memory_.word(0x1A0) & 0xff,
                      memory_.word(0x1B8)};
    }
    // What the synchronisation reads back of the program last written (running: the mode
    // byte holds it).
    TAVOParamSet readBack(TAVOMode_::E mode) {
        memory_.writeByte(0x00, uint8_t(mode));
        const auto r = readProgram(memory_, *mount_.device);
        if (r.type != CmdRetType::Ok)
            qFatal("readProgram failed");
        return r.get().paramSet;
    }

private:
    Test::MountRig mount_;
    MemoryEEPROM memory_;
};

class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    int whole(int from, int to) { return std::uniform_int_distribution<int>(from, to)(engine_); }
    bool coin() { return whole(0, 1) == 1; }
    // A number as a person types it: tenths, or whole numbers.
    double tenths(double from, double to) { return whole(int(from * 10), int(to * 10)) / 10.0; }
    template <typename T> T pick(std::initializer_list<T> options) {
        return *(options.begin() + whole(0, int(options.size()) - 1));
    }

private:
    std::mt19937 engine_;
};

// Rates of the tracking-rate list (deg/s): sidereal, solar, lunar, half and twice sidereal;
// or a custom rate.
double trackingRate(Random& r) {
    if (r.coin())
        return r.pick(
            {0.004178074616516597, 0.004166666666666667, 0.004024063, 0.0020890373, 0.0083561492});
    return r.whole(1, 200000) / 1e6;
}

void fill(Random& r, const QString& kind, ITaskProfile& p) {
    const ProfileBatch batch(p);
    const auto set = [&p](const char* name, QVariant v) { p.setProperty(name, v); };
    if (kind == "ap") {
        set("exposureSec", r.tenths(0.1, 600));
        set("photoIntervalSec", r.tenths(0, 60));
        set("photos", r.whole(1, 999));
        set("input_photos", r.coin());
        set("trackingRateDegPerSec", trackingRate(r));
        set("ditheringRangeArcMin", r.tenths(0.1, 60));
        set("input_ditheringRangeArcMin", r.coin());
        return;
    }
    set("frameRateFps", r.pick({25, 30}));
    set("videoTimeSpanHour", r.whole(1, 800) / 100.0);
    set("videoLengthSec", r.tenths(1, 60));
    set("photos", r.whole(10, 2000));
    set("input_videoTimeSpanHour", r.coin());
    set("input_videoLengthSec", r.coin());
    set("input_photos", r.coin());
    if (kind == "atl") {
        set("exposureSec", r.tenths(1, 300));
        set("trackingRateDegPerSec", trackingRate(r));
        return;
    }
    const double period = r.tenths(1, 120);
    set("framePeriodSec", period);
    set("exposureSec", r.tenths(0.1, std::max(0.1, period - 0.5)));
    set("swingRangeDeg", r.whole(0, 180));
    set("swingCount", r.whole(1, 5));
    set("speedDph", r.tenths(0.1, 750));
    set("clockwise", r.coin());
    set("input_framePeriodSec", r.coin());
    set("input_swingRangeDeg", r.coin());
    set("input_speedDph", r.coin());
}

// Every value the user can give, with its tick: "name=value".
QStringList userValues(const QObject& p) {
    QStringList out;
    const QMetaObject* meta = p.metaObject();
    for (int i = ITaskProfile::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty mp = meta->property(i);
        const QString name = mp.name();
        if (mp.isWritable() && !p.property(qPrintable("calc_" + name)).toBool())
            out << name + "=" + mp.read(&p).toString();
    }
    return out;
}

// The ticks of a profile as settings: "input_…=true".
QString ticks(const QObject& p) {
    return userValues(p).filter(QRegularExpression("^input_.*=true$")).join(' ');
}

// As the pages store them (north of the equator, as without a location).
std::shared_ptr<ITaskProfileJSON> codecOf(const QString& kind) {
    if (kind == "ap")
        return std::make_shared<TaskProfileJSON_AP>(
            std::make_shared<TaskProfile_AP_Factory>(nullptr));
    if (kind == "atl")
        return std::make_shared<TaskProfileJSON_ATL>(
            std::make_shared<TaskProfile_ATL_Factory>(nullptr));
    return std::make_shared<TaskProfileJSON_RegLong>(
        std::make_shared<TaskProfile_RegLong_Factory>(kind == "reg"));
}

} // namespace

class TestProgramInMount : public QObject {
    Q_OBJECT

private slots:
    // The 3.10 board: 2073600 steps a turn (5760 a degree) and a 1.5 MHz step timer, so a
    // stride is 1500000 × 360 / (2073600 × deg/s) = 260.41667 / (deg/s).
    void profileProgramInTheMount_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("bytes");
        const auto row = [](const char* kind, const char* settings, const char* bytes) {
            QTest::newRow(kind) << QString(kind) << QString(settings) << QString(bytes);
        };
        // 25 + 5 s, 20 photos, 15"/s: stride 62500, 0.125 deg a cycle = 720 steps.
        row("ap",
            "exposureSec=25 photoIntervalSec=5 photos=20 input_photos=true "
            "trackingRateDegPerSec=0.004166666666666667",
            "01 00 24f40000 fa000000 30750000 14000000 00 00000000 d0020000");
        // Sidereal is 1/51 of the reference rate: a 30 s exposure takes 30 + 30/51 + 3.99325
        // = 34.5815 s; stride 260.41667 / 0.00417807 = 62329; 0.144484 deg = 832 steps.
        row("atl", "exposureSec=30 photos=100 input_photos=true",
            "04 00 79f30000 2c010000 15870000 64000000 00 00000000 40030000");
        // 2 h at 10 s: 720 photos; 30 deg/h: stride 31250, 1/12 deg = 480 steps; 0.5 s.
        row("reg",
            "videoTimeSpanHour=2 input_videoTimeSpanHour=true framePeriodSec=10 "
            "input_framePeriodSec=true speedDph=30 input_speedDph=true",
            "02 00 127a0000 05000000 10270000 d0020000 00 00000000 e0010000");
        // 1 h at 30 s: 120 photos; two sweeps of 40 deg: 80 deg over 119 cycles, 0.672269
        // deg = 3872 steps at 80.672 deg/h, stride 11621; counter-clockwise.
        row("long",
            "exposureSec=20 videoTimeSpanHour=1 input_videoTimeSpanHour=true framePeriodSec=30 "
            "input_framePeriodSec=true swingRangeDeg=40 swingCount=2 input_swingRangeDeg=true "
            "clockwise=false",
            "03 01 652d0000 c8000000 30750000 78000000 01 28000000 200f0000");
    }
    void profileProgramInTheMount() {
        QFETCH(QString, kind);
        QFETCH(QString, settings);
        QFETCH(QString, bytes);
        const auto profile = Test::makeProfile(kind);
        QCOMPARE(Test::setAll(*profile, settings), QString());
        QVERIFY2(profile->valid(), qPrintable(profile->errorMessage().join(", ")));

        Sim::Behaviour quick;
        quick.programBusySec = 0;
        Test::MountRig m("3.10-08", quick);
        QVERIFY(m.initDevice());
        QCOMPARE(m.sync->programAutoMode(profile->paramSetValue()).type, CmdRetType::Ok);
        QCOMPARE(programBytes(m), bytes);
    }

    void followedProgramIsMadeAgain_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("preset");
        for (const char* preset : {"3.10-08", "3.09-08"})
            for (const char* kind : {"ap", "atl", "reg", "long"})
                QTest::newRow(qPrintable(QString("%1 on %2").arg(kind, preset)))
                    << QString(kind) << QString(preset);
    }
    void followedProgramIsMadeAgain() {
        QFETCH(QString, kind);
        QFETCH(QString, preset);
        const uint32_t seed = qEnvironmentVariableIsSet("VELMORA_FOLLOW_SEED")
                                  ? qEnvironmentVariableIntValue("VELMORA_FOLLOW_SEED")
                                  : 20261207;
        const auto codec = codecOf(kind);
        Rig rig(preset.toStdString());
        QVERIFY(rig.init());
        Random r(seed + uint32_t(qHash(kind + preset)));
        const bool milliseconds = preset == "3.10-08";

        int made = 0;
        for (int attempt = 0; made < kProfilesPerKind && attempt < 50 * kProfilesPerKind;
             ++attempt) {
            const auto original = Test::makeProfile(kind);
            fill(r, kind, *original);
            // A period worked out below a second is held at one, and the program then no
            // longer keeps the span, photos and speed the page shows: nothing to follow back.
            if (!original->valid() || (original->property("calc_framePeriodSec").toBool() &&
                                       original->property("framePeriodSec").toDouble() == 1.0))
                continue;
            ++made;
            const QString context = QString("seed %1, profile %2: %3")
                                        .arg(seed)
                                        .arg(made)
                                        .arg(userValues(*original).join(' '));
            const TAVOParamSet program = original->paramSetValue();
            const Stored written = rig.write(program);
            const TAVOParamSet running = rig.readBack(program.mode);

            // Another page (or a console started later) follows it with the user's ticks.
            const auto fresh = Test::makeProfile(kind);
            if (kind != "atl") {
                const ProfileBatch batch(*fresh);
                Test::setAll(*fresh, ticks(*original));
            }
            fresh->updateWithParamSet(running);
            // Firmware that keeps whole seconds may run a period that leaves a fast pan too
            // little time to move between exposures: the page says so.
            if (!milliseconds && !fresh->valid() && !fresh->errorMessage().isEmpty())
                continue;
            QVERIFY2(fresh->valid(), qPrintable(context));
            const Stored again = rig.write(fresh->paramSetValue());
            QVERIFY2(again == written, qPrintable(context + "\n  ran   " + text(written) +
                                                  "\n  again " + text(again)));

            // Its fields alone, as the page stores them on leaving, make the same program to
            // within the mount's steps. (Firmware that keeps whole seconds ran steps worked
            // out from the fraction of a second it dropped: no fields make both again.)
            const auto stored = codec->fromJson(codec->toJson(*fresh));
            const Stored fromFields = rig.write(stored->paramSetValue());
            QVERIFY2(stored->valid() && (!milliseconds || sameUpToSteps(fromFields, written)),
                     qPrintable(context + "\n  ran    " + text(written) + "\n  fields " +
                                text(fromFields) + "\n  followed " + userValues(*fresh).join(' ')));

            // The page's own profile keeps what the user typed and ticked (but dithering,
            // which firmware before 3.10 does not do).
            const QStringList typed = userValues(*original);
            original->updateWithParamSet(running);
            const auto withoutDithering = [&](QStringList values) {
                if (!milliseconds)
                    values.removeIf([](const QString& v) { return v.contains("dithering"); });
                return values;
            };
            QVERIFY2(withoutDithering(userValues(*original)) == withoutDithering(typed),
                     qPrintable(context + "\n  now " + userValues(*original).join(' ')));
            QVERIFY2(rig.write(original->paramSetValue()) == written, qPrintable(context));
        }
        QCOMPARE(made, kProfilesPerKind);
    }

    // The cases that were rewritten: a swing count that is whole only in exact arithmetic,
    // a time span given with the photo count, and a video length in fractions of a second.
    void followedInputsStay_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("after");
        // 56 cycles over two 20 deg sweeps: 0.714 deg a cycle, 4114 steps.
        QTest::newRow("two sweeps")
            << QString("long")
            << QString("photos=57 input_photos=true framePeriodSec=20 input_framePeriodSec=true "
                       "swingRangeDeg=20 swingCount=2 input_swingRangeDeg=true exposureSec=15")
            << QStringList{"swingCount=2", "swingRangeDeg=20", "photos=57"};
        // 1 h over 99 gaps: 36.36 s a photo; the span is (photos − 1) periods, not photos.
        QTest::newRow("span and photos")
            << QString("reg")
            << QString("videoTimeSpanHour=1 input_videoTimeSpanHour=true photos=100 "
                       "input_photos=true speedDph=30 input_speedDph=true")
            << QStringList{"videoTimeSpanHour=1", "photos=100"};
        // 12.5 s at 30 fps is 375 photos at 10 s each.
        QTest::newRow("video length")
            << QString("reg")
            << QString("videoLengthSec=12.5 input_videoLengthSec=true framePeriodSec=10 "
                       "input_framePeriodSec=true speedDph=30 input_speedDph=true")
            << QStringList{"videoLengthSec=12.5", "photos=375"};
    }
    void followedInputsStay() {
        QFETCH(QString, kind);
        QFETCH(QString, settings);
        QFETCH(QStringList, after);
        Rig rig("3.10-08");
        QVERIFY(rig.init());
        const auto fresh = Test::makeProfile(kind);
        const auto page = Test::makeProfile(kind);
        QCOMPARE(Test::setAll(*page, settings), QString());
        QVERIFY(page->valid());
        QCOMPARE(Test::setAll(*fresh, ticks(*page)), QString());
        const TAVOParamSet program = page->paramSetValue();
        rig.write(program);
        const TAVOParamSet running = rig.readBack(program.mode);
        // Run and leave three times: nothing grows.
        for (int i = 0; i < 3; ++i) {
            fresh->updateWithParamSet(running);
            page->updateWithParamSet(running);
        }
        for (const QString& a : after) {
            const QString name = a.section('=', 0, 0);
            for (const auto* p : {fresh.get(), page.get()}) {
                const double got = p->property(qPrintable(name)).toDouble();
                const double want = a.section('=', 1).toDouble();
                // The fresh profile's span comes back from the mount's milliseconds.
                QVERIFY2(std::abs(got - want) <= 1e-4 * want,
                         qPrintable(QString("%1 is %2").arg(name).arg(got, 0, 'g', 17)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestProgramInMount)
#include "test_programs_in_mount.moc"
