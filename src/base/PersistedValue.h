#pragma once
// One setting kept in the settings store under its key: read lazily, then cached. Background
// threads may read it while the GUI thread writes it.

#include "IKVStore.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>

namespace JEX {

// T is bool, int32_t, double, std::string, or an enumeration stored as its integer.
template <typename T> class PersistedValue {
public:
    PersistedValue(std::shared_ptr<IKVStore> store, std::string key, T defaultValue)
        : store_(std::move(store)), key_(std::move(key)), default_(std::move(defaultValue)) {}
    PersistedValue(const PersistedValue&) = delete;
    PersistedValue& operator=(const PersistedValue&) = delete;

    T get() const {
        std::lock_guard lock(mutex_);
        return getLocked();
    }

    // Writes the value to the store and the cache unless it equals the current one; returns
    // whether it did, so that the owner can announce the change after the lock is released.
    bool set(const T& value) {
        std::lock_guard lock(mutex_);
        if (getLocked() == value)
            return false;
        if (store_)
            write(value);
        cache_ = value;
        return true;
    }

    const std::string& key() const { return key_; }

private:
    T getLocked() const {
        if (cache_)
            return *cache_;
        if (!store_)
            return default_;
        cache_ = read();
        return *cache_;
    }

    T read() const {
        if constexpr (std::is_same_v<T, bool>)
            return store_->getBool(key_, default_);
        else if constexpr (std::is_same_v<T, std::string>)
            return store_->getString(key_, default_);
        else if constexpr (std::is_same_v<T, double>)
            return store_->getDouble(key_, default_);
        else
            return static_cast<T>(store_->getInt(key_, static_cast<int32_t>(default_)));
    }

    void write(const T& value) {
        if constexpr (std::is_same_v<T, bool>)
            store_->setBool(key_, value);
        else if constexpr (std::is_same_v<T, std::string>)
            store_->setString(key_, value);
        else if constexpr (std::is_same_v<T, double>)
            store_->setDouble(key_, value);
        else
            store_->setInt(key_, static_cast<int32_t>(value));
    }

    static_assert(std::is_same_v<T, bool> || std::is_same_v<T, std::string> ||
                      std::is_same_v<T, double> || std::is_same_v<T, int32_t> || std::is_enum_v<T>,
                  "PersistedValue holds bool, int32_t, double, std::string or an enumeration");

    const std::shared_ptr<IKVStore> store_;
    const std::string key_;
    const T default_;
    mutable std::mutex mutex_;
    mutable std::optional<T> cache_;
};

} // namespace JEX
