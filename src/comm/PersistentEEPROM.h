#pragma once
// Parameter-memory access for one operation of many exchanges over a poor link: a byte
// access lost after the link's resends is taken up again, from that byte, while the
// operation's deadline allows; a byte the mount acts on each time it is written goes out
// again only once the memory shows that the last one did not arrive.

#include "Cancellation.h"
#include "EEPROMConverser.h"

#include <chrono>
#include <functional>
#include <memory>

namespace JEX {

// The monotonic time an operation is timed with.
using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;

// How long an operation may go on taking up lost exchanges, from its start: half a second for
// each exchange the mount has answered, and at least 20 seconds. Exchanges that went
// unanswered add nothing, so that a silent mount ends the operation.
class OperationDeadline {
public:
    static constexpr std::chrono::milliseconds kPerExchange{500};
    static constexpr std::chrono::seconds kAtLeast{20};

    explicit OperationDeadline(SteadyNow now);
    void answered(int exchanges) { answered_ += exchanges; }
    bool allowsMore() const;

private:
    SteadyNow now_;
    std::chrono::steady_clock::time_point start_;
    int answered_ = 0;
};

// Only Timeout is taken up again; Nak, Other and Cancel end the access at once. Not shared
// between threads: one operation makes and uses it.
class PersistentEEPROM : public ByteWiseEEPROM {
public:
    // What the memory says of a write the mount acts on, read back after its reply was lost.
    enum class Effect { Taken, Absent };
    struct ActingWrite {
        CmdRetType type = CmdRetType::Ok;
        // A write went out and nothing read since tells whether the mount acted on it.
        bool unsettled = false;
    };

    // A byte access is two exchanges: its select and its read or write.
    static constexpr int kExchangesPerByte = 2;
    // A link that fails sooner than this (no route, port gone) is asked again only after a
    // pause, not in a busy loop.
    static constexpr std::chrono::milliseconds kQuickFailure{50};
    static constexpr uint32_t kPauseMs = 100;

    // Once `stop` is cancelled (the mount let go, the console quitting), the next lost
    // exchange ends the operation with Cancel.
    PersistentEEPROM(std::shared_ptr<IEEPROMConverser> inner, std::shared_ptr<ICancellable> stop,
                     SteadyNow now);

    CmdResp<uint8_t> readByte(uint16_t address) override;
    CmdRetType writeByte(uint16_t address, uint8_t value) override;
    // As the inner converser's: one attempt, nothing taken up again.
    OnceWrite writeByteOnce(uint16_t address, uint8_t value) override;

    // Writes a byte the mount acts on each time it arrives: sent once; after a lost reply
    // `readBack` tells from the memory whether it arrived, and only an Absent write is sent
    // again.
    ActingWrite writeActing(uint16_t address, uint8_t value,
                            const std::function<CmdResp<Effect>()>& readBack);

private:
    // Ok when a lost exchange that began at `began` may be taken up again, else how the
    // operation ends.
    CmdRetType mayContinue(std::chrono::steady_clock::time_point began);

    std::shared_ptr<IEEPROMConverser> inner_;
    std::shared_ptr<ICancellable> stop_;
    SteadyNow now_;
    OperationDeadline deadline_;
};

} // namespace JEX
