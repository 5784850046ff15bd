#pragma once
// The stored JSON form of each profile kind, and fresh profiles of that kind.

#include "ITaskProfile.h"

#include <QJsonObject>

#include <memory>

namespace JEX {

class ITaskProfileJSON {
public:
    virtual ~ITaskProfileJSON() = default;
    // A fresh profile with every key that is present with its JSON type applied; a missing
    // key or one of another type leaves the default.
    virtual std::shared_ptr<ITaskProfile> fromJson(const QJsonObject& json) const = 0;
    // Empty for a profile of another kind.
    virtual QJsonObject toJson(const ITaskProfile& profile) const = 0;
};

class TaskProfileJSON_AP : public ITaskProfileJSON {
public:
    explicit TaskProfileJSON_AP(std::shared_ptr<ITaskProfile_AP_Factory> factory)
        : factory_(std::move(factory)) {}
    std::shared_ptr<ITaskProfile> fromJson(const QJsonObject& json) const override;
    QJsonObject toJson(const ITaskProfile& profile) const override;

private:
    std::shared_ptr<ITaskProfile_AP_Factory> factory_;
};

class TaskProfileJSON_ATL : public ITaskProfileJSON {
public:
    explicit TaskProfileJSON_ATL(std::shared_ptr<ITaskProfile_ATL_Factory> factory)
        : factory_(std::move(factory)) {}
    std::shared_ptr<ITaskProfile> fromJson(const QJsonObject& json) const override;
    QJsonObject toJson(const ITaskProfile& profile) const override;

private:
    std::shared_ptr<ITaskProfile_ATL_Factory> factory_;
};

// "T_Exposure" is written for the long-exposure variant only; the regular one fixes it.
class TaskProfileJSON_RegLong : public ITaskProfileJSON {
public:
    explicit TaskProfileJSON_RegLong(std::shared_ptr<ITaskProfile_RegLong_Factory> factory)
        : factory_(std::move(factory)) {}
    std::shared_ptr<ITaskProfile> fromJson(const QJsonObject& json) const override;
    QJsonObject toJson(const ITaskProfile& profile) const override;

private:
    std::shared_ptr<ITaskProfile_RegLong_Factory> factory_;
};

} // namespace JEX
