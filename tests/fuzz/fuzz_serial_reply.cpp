// The serial converser's reply framing, fed any bytes as what the line delivers after the
// request (the first byte picks 0 to 2 resends): the outcome is a time-out or one reply that
// runs from its marker to its only CR, no longer than the converser's limit, taken as it came
// off the line, after at most one write per attempt.

#include "Cancellation.h"
#include "ConnectionSettings.h"
#include "FuzzSupport.h"
#include "ISerialPort.h"
#include "JexSerialPortConverser.h"
#include "MemoryKVStore.h"

#include <algorithm>
#include <memory>

using namespace JEX;

namespace {

// Mirrors the converser's own limit: a line that keeps talking without a CR is not a mount.
constexpr size_t kReplyMax = 1500;

// Hands out the input byte by byte as if it were already waiting on the line; when it runs
// out, every read times out at once.
class ScriptedPort : public ISerialPort {
public:
    Bytes line;
    size_t pos = 0;
    int writes = 0;
    Bytes written;

    void open() override {}
    bool isOpen() const override { return true; }
    bool write(const Bytes& bytes) override {
        ++writes;
        written = bytes;
        return true;
    }
    bool readByte(uint32_t, uint8_t& byte) override {
        if (pos >= line.size())
            return false;
        byte = line[pos++];
        return true;
    }
    bool purgeInput() override { return true; }
    bool setBaudRate(uint32_t) override { return true; }
    bool setRTS(bool) override { return true; }
    bool readCTS() override { return false; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzz::Reader in(data, size);
    const int resends = in.byte() % 3;
    auto port = std::make_shared<ScriptedPort>();
    port->line = in.rest();
    auto settings = std::make_shared<ConnectionSettings>(std::make_shared<Test::MemoryKVStore>());
    settings->setReadTimeoutMs_other(50);
    settings->setMaxRetryCount(resends);
    JexSerialPortConverser converser(settings, port, std::make_shared<NullCancellable>());
    const Bytes request{':', 'e', '1', '\r'};
    const CmdResp<Bytes> r = converser.converse(request);

    FUZZ_CHECK(port->writes >= 1 && port->writes <= resends + 1 && port->written == request,
               "%d writes with %d resends, last [%s]", port->writes, resends,
               Fuzz::text(port->written).c_str());
    if (r.type == CmdRetType::Timeout)
        return 0;
    FUZZ_CHECK(r.value.hasValue(), "outcome %d without the reply", int(r.type));
    const Bytes& reply = r.value.value();
    const std::string shown = Fuzz::text(reply);
    FUZZ_CHECK(reply.size() >= 2 && (reply.front() == '=' || reply.front() == '!'),
               "reply [%s] from [%s]", shown.c_str(), Fuzz::text(port->line).c_str());
    FUZZ_CHECK(reply.back() == '\r' && std::count(reply.begin(), reply.end(), '\r') == 1,
               "reply [%s] not ended by its only CR", shown.c_str());
    FUZZ_CHECK(reply.size() <= kReplyMax, "reply of %zu bytes", reply.size());
    FUZZ_CHECK(port->pos >= reply.size() &&
                   std::equal(reply.begin(), reply.end(),
                              port->line.begin() + long(port->pos) - long(reply.size())),
               "reply [%s] is not the last bytes read", shown.c_str());
    return 0;
}
