#pragma once
// The flat key-value store that holds every persistent setting of the console. Getters
// take a default that is returned when the key is missing or holds another JSON type;
// every change is saved before the call returns.

#include <QJsonObject>

#include <cstdint>
#include <string>
#include <string_view>

namespace JEX {

class IKVStore {
public:
    virtual ~IKVStore() = default;

    virtual QJsonObject getAll() const = 0;
    // Replaces the whole object (members of any JSON type), then saves once.
    virtual void setAll(const QJsonObject& all) = 0;

    virtual std::string getString(std::string_view key, const std::string& defaultValue) const = 0;
    virtual bool getBool(std::string_view key, bool defaultValue) const = 0;
    virtual int32_t getInt(std::string_view key, int32_t defaultValue) const = 0;
    virtual double getDouble(std::string_view key, double defaultValue) const = 0;

    virtual void setString(std::string_view key, const std::string& value) = 0;
    virtual void setBool(std::string_view key, bool value) = 0;
    virtual void setInt(std::string_view key, int32_t value) = 0;
    virtual void setDouble(std::string_view key, double value) = 0;

    virtual bool contains(std::string_view key) const = 0;
    virtual void remove(std::string_view key) = 0;
};

} // namespace JEX
