#pragma once
// An optional value whose empty read is a contract breach, used for every cached
// controller value.

#include <stdexcept>
#include <utility>

namespace JEX {

template <typename T> class Nullable {
public:
    Nullable() = default;
    Nullable(T value) : hasValue_(true), value_(std::move(value)) {}

    bool hasValue() const { return hasValue_; }
    explicit operator bool() const { return hasValue_; }

    const T& value() const {
        if (!hasValue_)
            throw std::logic_error("Read null Nullable");
        return value_;
    }

    void set(T value) {
        value_ = std::move(value);
        hasValue_ = true;
    }
    void clear() {
        value_ = T{};
        hasValue_ = false;
    }

    bool operator==(const Nullable& other) const {
        return hasValue_ == other.hasValue_ && (!hasValue_ || value_ == other.value_);
    }

private:
    bool hasValue_ = false;
    T value_{};
};

} // namespace JEX
