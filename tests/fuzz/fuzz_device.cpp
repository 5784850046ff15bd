// The device's decoders of the firmware, axis-status and extended-status replies, and the
// figures it derives from what the controller reported. The input is the controller's
// replies, one per line (LF between them), in the order the device asks: an identification
// (firmware, steps per revolution, axis status, step-timer frequency), the extended status,
// the axis status again and the second axis's firmware.

#include "FuzzSupport.h"
#include "JexConverser.h"
#include "JexDevice.h"

#include <algorithm>
#include <deque>
#include <memory>

using namespace JEX;

namespace {

// The firmware a reply must give when the device accepts it: three bytes, big-endian, right
// after the accepted reply's marker.
void checkFirmware(const Bytes& reply, const Firmware& fw) {
    FUZZ_CHECK(reply.size() == 8 &&
                   Bytes(reply.begin() + 1, reply.begin() + 7) == Fuzz::firmwareDigits(fw),
               "firmware %s from [%s]", fw.text().c_str(), Fuzz::text(reply).c_str());
    FUZZ_CHECK(fw.text().size() >= 6, "firmware text '%s'", fw.text().c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto raw = std::make_shared<Fuzz::ScriptedReplies>();
    Fuzz::Reader in(data, size);
    while (!in.empty())
        raw->replies.push_back(in.until('\n'));
    const std::deque<Bytes> script = raw->replies;
    auto converser = std::make_shared<JexConverser>(raw);
    JexDevice device(converser);

    const CmdRetType init = device.init(true, 1);
    if (init == CmdRetType::Ok) {
        // The first reply was the firmware; the converser kept it from its marker on.
        const Bytes& first = script.front();
        checkFirmware(Bytes(std::find_if(first.begin(), first.end(), Fuzz::isMarker), first.end()),
                      device.firmware(0));
        const AxisStatus status = device.axisStatus(0);
        FUZZ_CHECK(status.motion <= 2, "motion %u", status.motion);

        // Whatever the controller reported, the derived figures never crash and stay numbers
        // or infinities, never undefined behaviour.
        const double sidereal = 6.283185307179586 / 86164.0905;
        const int64_t stride = device.rpsToStride(0, sidereal);
        (void)device.strideToRps(0, uint32_t(stride));
        (void)device.angleToSteps(0, 1.0);
        (void)device.stepsToAngle(0, -12345);
        (void)device.rateResolution();
        (void)device.rateDiagnostics();
        (void)device.toControllerAngle(0, 0.5);
    } else {
        FUZZ_CHECK(!device.isInitialised(), "failed init left the device initialised");
    }

    const CmdResp<ExtendedStatus> extended = device.readExtendedStatus();
    if (extended.ok())
        (void)device.extendedPair();
    const CmdResp<AxisStatus> status = device.readAxisStatus(0);
    if (status.ok())
        FUZZ_CHECK(device.axisStatus(0).forward == status.get().forward, "cached status");
    const CmdResp<Firmware> second = device.readFirmware(1);
    if (second.ok())
        FUZZ_CHECK(device.firmware(1).boardId == second.get().boardId, "cached firmware");
    return 0;
}
