#pragma once
// A pad-state source whose four slots the test fills: a slot holds a pad's state or nothing.
// It counts reads per slot; open() fails when told to.

#include "IPadStateSource.h"

#include <array>
#include <mutex>
#include <optional>

namespace JEX::Test {

class ScriptedPadSource : public IPadStateSource {
public:
    explicit ScriptedPadSource(bool openFails = false) : openFails_(openFails) {}

    void setPad(int slot, std::optional<PadState> state) {
        std::lock_guard lock(mutex_);
        pads_[size_t(slot)] = state;
    }
    int reads(int slot) const {
        std::lock_guard lock(mutex_);
        return reads_[size_t(slot)];
    }
    bool isOpen() const {
        std::lock_guard lock(mutex_);
        return open_;
    }

    const char* libraryName() const override { return "scripted"; }
    bool open() override {
        std::lock_guard lock(mutex_);
        open_ = !openFails_;
        return open_;
    }
    bool read(int userIndex, PadState& state) override {
        std::lock_guard lock(mutex_);
        ++reads_[size_t(userIndex)];
        if (!pads_[size_t(userIndex)])
            return false;
        state = *pads_[size_t(userIndex)];
        return true;
    }
    void close() override {
        std::lock_guard lock(mutex_);
        open_ = false;
    }

private:
    mutable std::mutex mutex_;
    const bool openFails_;
    std::array<std::optional<PadState>, 4> pads_{};
    std::array<int, 4> reads_{};
    bool open_ = false;
};

} // namespace JEX::Test
