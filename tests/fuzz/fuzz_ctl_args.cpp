// velmoractl's command line, fed any arguments (NUL between them; the first byte's low bit
// asks for a session line): a parse gives options or an error text, never both or neither,
// and what it accepts goes through the checks and the program plan without failing.

#include "CtlArgs.h"
#include "CtlPlan.h"
#include "FuzzSupport.h"
#include "Location.h"
#include "MemoryKVStore.h"

#include <memory>

using namespace JEX;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto location =
        std::make_shared<Location>(std::make_shared<Test::MemoryKVStore>());
    Fuzz::Reader in(data, size);
    const bool inSession = in.byte() & 1;
    QStringList args;
    while (!in.empty())
        args.push_back(Fuzz::utf8(in.until(0)));

    const Ctl::Parsed parsed = Ctl::parseArguments(args, inSession);
    FUZZ_CHECK(parsed.options.has_value() == parsed.error.isEmpty(), "options %d with error '%s'",
               int(parsed.options.has_value()), qPrintable(parsed.error));
    if (!parsed.options)
        return 0;
    const Ctl::Options& o = *parsed.options;
    (void)o.needsMount();
    if (o.wifi.any() && Ctl::checkWifiTextLengths(o.wifi).isEmpty())
        (void)Ctl::checkWifiSettings(Ctl::applyWifiChanges(WifiSettings{}, o.wifi));
    if (Ctl::isProgramKind(o.kind)) {
        std::unique_ptr<ITaskProfile> profile = Ctl::newProfile(o.kind, location);
        FUZZ_CHECK(profile != nullptr, "no profile for kind '%s'", qPrintable(o.kind));
        QStringList given;
        for (const auto& input : o.profileInputs)
            given.push_back(input.first);
        if (Ctl::applyInputs(*profile, o.kind, o.profileInputs).isEmpty()) {
            (void)Ctl::describePlan(*profile, o.kind, given, QStringLiteral("default"));
            (void)Ctl::messageText(*profile);
        }
    }
    if (o.atMs || o.lonEastDeg)
        (void)Ctl::reticleClock(o.lonEastDeg.value_or(0) * 0.01);
    return 0;
}
