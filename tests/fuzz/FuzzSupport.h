#pragma once
// What the fuzz targets share: a check that stops the run with a message, a reader that cuts
// the fuzzer's bytes into the pieces a target needs, and controllers that answer the console:
// one from a script of replies, one from a parameter-memory image.

#include "Cmd.h"
#include "Hex.h"
#include "IConverser.h"
#include "IJexDevice.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

// Standard error may be closed by the fuzzer (-close_fd_mask=2) so that the program log does
// not slow the run; the message goes to standard output before the abort.
#define FUZZ_CHECK(cond, ...)                                                                      \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::printf("check failed at %s:%d: %s\n", __FILE__, __LINE__, #cond);                 \
            std::printf(__VA_ARGS__);                                                              \
            std::printf("\n");                                                                     \
            std::fflush(stdout);                                                                   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace JEX::Fuzz {

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    bool empty() const { return pos_ >= size_; }
    // Bytes up to the next separator (or the end), without the separator.
    Bytes until(uint8_t separator) {
        Bytes out;
        while (pos_ < size_) {
            const uint8_t c = data_[pos_++];
            if (c == separator)
                break;
            out.push_back(c);
        }
        return out;
    }
    Bytes rest() {
        Bytes out(data_ + pos_, data_ + size_);
        pos_ = size_;
        return out;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

inline std::string text(const Bytes& bytes) {
    return escapeBytes(bytes);
}

inline QByteArray qbytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

inline QString utf8(const Bytes& bytes) {
    return QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// A reply's marker: '=' accepts, '!' refuses.
inline bool isMarker(uint8_t c) {
    return c == '=' || c == '!';
}

// The six hex digits of a firmware reply: major, minor and board, big-endian.
inline Bytes firmwareDigits(const Firmware& fw) {
    return hexBE(uint32_t(fw.major) << 16 | uint32_t(fw.minor) << 8 | fw.boardId, 3);
}

// Answers each request with its next reply, and times out once they have run out.
class ScriptedReplies : public IConverser {
public:
    std::deque<Bytes> replies;

    CmdResp<Bytes> converse(const Bytes&) override {
        if (replies.empty())
            return CmdRetType::Timeout;
        Bytes reply = std::move(replies.front());
        replies.pop_front();
        return reply;
    }
    CmdResp<Bytes> converseOnce(const Bytes& request) override { return converse(request); }
    bool isTimedOut() const override { return false; }
    uint32_t averageResponseMs() const override { return 0; }
};

// A well-behaved controller with a 512-byte parameter memory: 'C' selects an address, 'n'
// reads and 'N' writes the byte there; 'e', 'a', 'X', 'b', 'f' and 'q' answer with a fixed
// identity. Requests it does not know are refused.
class MemoryController : public IConverser {
public:
    static constexpr size_t kSize = 512;

    Firmware firmware{3, 10, 0x08};
    uint32_t stepsPerRev = 2073600;
    uint32_t timerHz = 1500000;
    std::array<uint8_t, kSize> memory{};

    CmdResp<Bytes> converseOnce(const Bytes& request) override { return converse(request); }
    CmdResp<Bytes> converse(const Bytes& request) override {
        if (request.size() < 4 || request[0] != ':' || request.back() != '\r')
            return reject();
        const uint8_t letter = request[1];
        const uint8_t* data = request.data() + 3;
        const size_t count = request.size() - 4;
        switch (letter) {
        case 'e':
            return accept(firmwareDigits(firmware));
        case 'a':
            return accept(hexLE(stepsPerRev, 3));
        case 'X': // from 3.39 on: sub-command 0 with 2, the steps per revolution
            return accept(hexBE(stepsPerRev, 4));
        case 'b':
            return accept(hexLE(timerHz, 3));
        case 'f':
            return accept({'1', '0', '1'});
        case 'q':
            return accept({'0', '0', '0', '0', '0', '0'});
        case 'C': {
            const auto address = decodeHexLE(data, count);
            if (count != 4 || !address || *address >= kSize)
                return reject();
            selected_ = *address;
            return accept({});
        }
        case 'n':
            return accept(hexBE(memory[selected_], 1));
        case 'N': {
            const auto value = decodeHexLE(data, count);
            if (count != 2 || !value)
                return reject();
            memory[selected_] = uint8_t(*value);
            return accept({});
        }
        default:
            return reject();
        }
    }
    bool isTimedOut() const override { return false; }
    uint32_t averageResponseMs() const override { return 0; }

private:
    static CmdResp<Bytes> accept(Bytes digits) {
        Bytes reply{'='};
        reply.insert(reply.end(), digits.begin(), digits.end());
        reply.push_back('\r');
        return reply;
    }
    static CmdResp<Bytes> reject() { return Bytes{'!', '0', '\r'}; }

    size_t selected_ = 0;
};

} // namespace JEX::Fuzz
