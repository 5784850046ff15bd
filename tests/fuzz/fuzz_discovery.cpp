// The discovery reply parser, fed any datagram: what it accepts is an '=' with six hex
// digits and one final byte, and the firmware it gives encodes back to those digits.

#include "FuzzSupport.h"
#include "UDPConnectableHelper.h"

using namespace JEX;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Bytes datagram(data, data + size);
    const std::optional<Firmware> fw = UDPConnectableHelper::parseVersionReply(datagram);
    if (!fw)
        return 0;
    FUZZ_CHECK(size >= 8, "accepted %zu bytes", size);
    size_t marker = 0;
    while (data[marker] != '=')
        ++marker;
    FUZZ_CHECK(marker + 8 == size, "[%s]: marker at %zu", Fuzz::text(datagram).c_str(), marker);
    FUZZ_CHECK(Fuzz::firmwareDigits(*fw) == Bytes(data + marker + 1, data + marker + 7),
               "[%s] gave %s", Fuzz::text(datagram).c_str(), fw->text().c_str());
    return 0;
}
