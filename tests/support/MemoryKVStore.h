#pragma once
// A settings store held in memory, with the typed reads of the real store, that records
// every write of a typed setter so tests can check which keys were saved in what order.

#include "IKVStore.h"

#include <QJsonValue>
#include <QString>

#include <string>
#include <vector>

namespace JEX::Test {

class MemoryKVStore : public IKVStore {
public:
    MemoryKVStore() = default;
    explicit MemoryKVStore(QJsonObject initial) : data_(std::move(initial)) {}

    QJsonObject getAll() const override { return data_; }
    void setAll(const QJsonObject& all) override { data_ = all; }

    std::string getString(std::string_view key, const std::string& defaultValue) const override {
        const QJsonValue v = value(key);
        return v.isString() ? v.toString().toStdString() : defaultValue;
    }
    bool getBool(std::string_view key, bool defaultValue) const override {
        const QJsonValue v = value(key);
        return v.isBool() ? v.toBool() : defaultValue;
    }
    // A fraction or a number beyond 32 bits gives the default.
    int32_t getInt(std::string_view key, int32_t defaultValue) const override {
        return value(key).toInt(defaultValue);
    }
    double getDouble(std::string_view key, double defaultValue) const override {
        const QJsonValue v = value(key);
        return v.isDouble() ? v.toDouble() : defaultValue;
    }

    void setString(std::string_view key, const std::string& v) override {
        set(key, QString::fromStdString(v));
    }
    void setBool(std::string_view key, bool v) override { set(key, v); }
    void setInt(std::string_view key, int32_t v) override { set(key, v); }
    void setDouble(std::string_view key, double v) override { set(key, v); }

    bool contains(std::string_view key) const override { return data_.contains(name(key)); }
    void remove(std::string_view key) override { data_.remove(name(key)); }

    // Keys in the order they were written by the typed setters.
    std::vector<std::string> writtenKeys;

private:
    static QString name(std::string_view key) {
        return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    }
    QJsonValue value(std::string_view key) const { return data_.value(name(key)); }
    void set(std::string_view key, const QJsonValue& v) {
        data_.insert(name(key), v);
        writtenKeys.emplace_back(key);
    }

    QJsonObject data_;
};

} // namespace JEX::Test
