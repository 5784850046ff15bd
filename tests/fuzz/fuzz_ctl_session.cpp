// velmoractl's session lines, fed any text (one command per line, as the session reads
// standard input): each line split and parsed as the session does gives options or an error
// text, never both or neither, the same result when parsed again, and never options that
// choose the connection or (help aside) start another session.

#include "CtlArgs.h"
#include "FuzzSupport.h"

#include <QProcess>

#include <tuple>

using namespace JEX;

namespace {

constexpr int kMaxLines = 64;

auto fields(const Ctl::Options& o) {
    const Ctl::WifiChanges& w = o.wifi;
    const Ctl::TimerChanges& t = o.timers;
    return std::tie(o.command, o.help, o.json, o.ip, o.serial, o.port, o.timeoutMs, o.resends,
                    o.programSource, o.kind, o.profileInputs, o.profileName, w.mode, w.apSec,
                    w.apSsid, w.apPass, w.staSsid, w.staPass, w.staFixedIp, t.wifiOffSec,
                    t.lightOffSec, t.shutdownSec, t.autoRun, o.lightOn, o.rateDegPerSec, o.forSec,
                    o.atMs, o.lonEastDeg, o.latDeg);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz::Reader in(data, size);
    for (int n = 0; n < kMaxLines && !in.empty(); ++n) {
        const QString line = Fuzz::utf8(in.until('\n')).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line == "quit" || line == "exit")
            break;
        const Ctl::Parsed parsed = Ctl::parseArguments(QProcess::splitCommand(line), true);
        FUZZ_CHECK(parsed.options.has_value() == parsed.error.isEmpty(),
                   "line '%s': options %d with error '%s'", qPrintable(line),
                   int(parsed.options.has_value()), qPrintable(parsed.error));
        const Ctl::Parsed again = Ctl::parseArguments(QProcess::splitCommand(line), true);
        FUZZ_CHECK(again.error == parsed.error &&
                       again.options.has_value() == parsed.options.has_value() &&
                       (!parsed.options || fields(*again.options) == fields(*parsed.options)),
                   "line '%s' parses differently the second time", qPrintable(line));
        if (!parsed.options)
            continue;
        const Ctl::Options& o = *parsed.options;
        FUZZ_CHECK(!o.json && o.ip.isEmpty() && o.serial.isEmpty() && !o.port && !o.timeoutMs &&
                       !o.resends &&
                       (o.help || (o.command != "session" && o.command != "discover")),
                   "line '%s' reaches past the session: command '%s'", qPrintable(line),
                   qPrintable(o.command));
    }
    return 0;
}
