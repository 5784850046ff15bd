#pragma once
// Value types shared by the simulated motor controller and its transports.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace JEX::Sim {

using Bytes = std::vector<uint8_t>;

// The link a request came over. A Wi-Fi request goes unanswered while the controller's
// Wi-Fi is off; NUL noise is only ever added on a serial line.
enum class Channel { Wifi, Serial };

const char* channelName(Channel channel);

// Where a request came from, as the transport saw it.
struct RequestContext {
    Channel channel = Channel::Wifi;
    // Free text for the transcript: "127.0.0.1:40312", a terminal path, "in-process".
    std::string peer;
    // The serial line's speed when the request arrived (pseudo-terminal only). The
    // controller ignores a request whose line speed is not its own baud rate.
    std::optional<uint32_t> lineBaud;
};

// What the controller sends back for one request: the bytes (none when nothing is sent),
// the time to wait before sending them, and how many times they go out.
struct Response {
    std::optional<Bytes> reply;
    std::chrono::milliseconds delay{0};
    int copies = 1;
};

inline Bytes toBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

inline std::string toText(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

} // namespace JEX::Sim
