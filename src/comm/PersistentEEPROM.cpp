#include "PersistentEEPROM.h"

#include "Log.h"

#include <algorithm>

namespace JEX {

OperationDeadline::OperationDeadline(SteadyNow now) : now_(std::move(now)), start_(now_()) {}

bool OperationDeadline::allowsMore() const {
    const auto allowed =
        std::max<std::chrono::steady_clock::duration>(kAtLeast, kPerExchange * answered_);
    return now_() - start_ < allowed;
}

PersistentEEPROM::PersistentEEPROM(std::shared_ptr<IEEPROMConverser> inner,
                                   std::shared_ptr<ICancellable> stop, SteadyNow now)
    : inner_(std::move(inner)), stop_(std::move(stop)), now_(std::move(now)), deadline_(now_) {}

CmdRetType PersistentEEPROM::mayContinue(std::chrono::steady_clock::time_point began) {
    if (stop_->isCancelled())
        return CmdRetType::Cancel;
    if (!deadline_.allowsMore()) {
        log("Parameter memory: exchange lost, the operation's deadline has passed");
        return CmdRetType::Timeout;
    }
    if (now_() - began < kQuickFailure && stop_->wait(kPauseMs))
        return CmdRetType::Cancel;
    return CmdRetType::Ok;
}

CmdResp<uint8_t> PersistentEEPROM::readByte(uint16_t address) {
    for (;;) {
        const auto began = now_();
        const CmdResp<uint8_t> read = inner_->readByte(address);
        if (read.ok())
            deadline_.answered(kExchangesPerByte);
        if (read.type != CmdRetType::Timeout)
            return read;
        if (const CmdRetType go = mayContinue(began); go != CmdRetType::Ok)
            return go;
    }
}

CmdRetType PersistentEEPROM::writeByte(uint16_t address, uint8_t value) {
    for (;;) {
        const auto began = now_();
        const CmdRetType written = inner_->writeByte(address, value);
        if (written == CmdRetType::Ok)
            deadline_.answered(kExchangesPerByte);
        if (written != CmdRetType::Timeout)
            return written;
        if (const CmdRetType go = mayContinue(began); go != CmdRetType::Ok)
            return go;
    }
}

IEEPROMConverser::OnceWrite PersistentEEPROM::writeByteOnce(uint16_t address, uint8_t value) {
    const OnceWrite written = inner_->writeByteOnce(address, value);
    if (written.type == CmdRetType::Ok)
        deadline_.answered(kExchangesPerByte);
    return written;
}

PersistentEEPROM::ActingWrite
PersistentEEPROM::writeActing(uint16_t address, uint8_t value,
                              const std::function<CmdResp<Effect>()>& readBack) {
    for (;;) {
        const auto began = now_();
        const OnceWrite write = writeByteOnce(address, value);
        // Cancel may also come while the write waits for its reply.
        const bool unsettled =
            write.sent && (write.type == CmdRetType::Timeout || write.type == CmdRetType::Cancel);
        if (write.type != CmdRetType::Timeout)
            return {write.type, unsettled};
        if (const CmdRetType go = mayContinue(began); go != CmdRetType::Ok)
            return {go, unsettled};
        if (!write.sent)
            continue;
        const CmdResp<Effect> effect = readBack();
        if (!effect.ok())
            return {effect.type, true};
        if (effect.get() == Effect::Taken)
            return {CmdRetType::Ok, false};
        if (stop_->isCancelled())
            return {CmdRetType::Cancel, false};
        if (!deadline_.allowsMore())
            return {CmdRetType::Timeout, false};
    }
}

} // namespace JEX
