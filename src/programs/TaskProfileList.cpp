#include "TaskProfileList.h"

#include "Log.h"
#include "TaskProfile_AP.h"
#include "TaskProfile_ATL.h"
#include "TaskProfile_RegLong.h"

#include <QJsonArray>

#include <algorithm>

namespace JEX {

QString TaskProfileList::storeKey(TAVOMode_::E mode) {
    switch (mode) {
    case TAVOMode_::E::AP:
        return QStringLiteral("p.aph");
    case TAVOMode_::E::Reg:
        return QStringLiteral("p.reg");
    case TAVOMode_::E::Long:
        return QStringLiteral("p.long");
    case TAVOMode_::E::ATL:
        return QStringLiteral("p.atl");
    case TAVOMode_::E::Manual:
        break;
    }
    return {};
}

TaskProfileList::TaskProfileList(std::shared_ptr<ITaskProfileJSON> codec,
                                 std::shared_ptr<IKVStore> store, TAVOMode_::E mode)
    : codec_(std::move(codec)), store_(std::move(store)), key_(storeKey(mode)) {
    loadFromStore();
}

void TaskProfileList::loadFromStore() {
    saved_.clear();
    unnamed_.reset();
    QJsonArray stored;
    if (store_ && !key_.isEmpty()) {
        const QJsonValue value = store_->getAll().value(key_);
        if (value.isArray())
            stored = value.toArray();
        else if (!value.isUndefined())
            log("Profiles under %s are not a list; starting from none", qUtf8Printable(key_));
    }
    for (const QJsonValue& element : stored) {
        const QJsonObject json = element.toObject();
        const QJsonValue name = json.value(QLatin1String("name"));
        if (!name.isString() || name.toString().isEmpty())
            continue;
        std::shared_ptr<ITaskProfile> profile = codec_->fromJson(json);
        if (profile->name() == kUnnamed)
            unnamed_ = profile;
        else
            saved_.push_back(profile);
    }
    if (!unnamed_)
        unnamed_ = codec_->fromJson(QJsonObject());
}

void TaskProfileList::writeToStore() {
    if (!store_ || key_.isEmpty())
        return;
    unnamed_->setName(kUnnamed);
    QJsonArray array;
    array.append(codec_->toJson(*unnamed_));
    for (const auto& p : saved_)
        array.append(codec_->toJson(*p));
    QJsonObject all = store_->getAll();
    all.insert(key_, array);
    store_->setAll(all);
}

QList<QObject*> TaskProfileList::list() const {
    QList<QObject*> out;
    for (const auto& p : saved_)
        out.push_back(p.get());
    return out;
}

void TaskProfileList::setList(const QList<QObject*>& list) {
    std::vector<std::shared_ptr<ITaskProfile>> kept;
    for (QObject* object : list) {
        const auto it = std::find_if(saved_.begin(), saved_.end(),
                                     [object](const auto& p) { return p.get() == object; });
        if (it == saved_.end()) {
            log("Profile list %s: an entry that is not one of its profiles is left out",
                qUtf8Printable(key_));
            continue;
        }
        if (std::find(kept.begin(), kept.end(), *it) == kept.end())
            kept.push_back(*it);
    }
    saved_ = std::move(kept);
    writeToStore();
    emit listChanged();
}

ITaskProfile* TaskProfileList::load(int index) {
    if (index < 0 || size_t(index) >= saved_.size())
        return nullptr;
    return saved_[size_t(index)]->clone().release();
}

void TaskProfileList::save(ITaskProfile* profile) {
    if (!profile)
        return;
    const QString name = profile->name();
    if (name.isEmpty() || name == kUnnamed || codec_->toJson(*profile).isEmpty()) {
        log("Profile list %s: a profile named '%s' is not saved", qUtf8Printable(key_),
            qUtf8Printable(name));
        return;
    }
    const auto same = std::find_if(saved_.begin(), saved_.end(),
                                   [&name](const auto& p) { return p->name() == name; });
    if (same != saved_.end())
        saved_.erase(same);
    saved_.push_back(std::shared_ptr<ITaskProfile>(profile->clone()));
    writeToStore();
    emit listChanged();
}

QString TaskProfileList::nameRefusal(const QString& name) const {
    if (name.trimmed().isEmpty())
        return tr("Enter a name");
    if (name.trimmed() == kUnnamed)
        return tr("\"%1\" is the page's own working profile: choose another name").arg(kUnnamed);
    return {};
}

ITaskProfile* TaskProfileList::unnamedProfile_load() {
    return unnamed_->clone().release();
}

void TaskProfileList::unnamedProfile_save(ITaskProfile* profile) {
    if (!profile || codec_->toJson(*profile).isEmpty())
        return;
    unnamed_ = std::shared_ptr<ITaskProfile>(profile->clone());
    writeToStore();
}

TaskProfileLists makeTaskProfileLists(std::shared_ptr<IKVStore> store,
                                      std::shared_ptr<ILocation> location) {
    const auto list = [&store](auto codec, TAVOMode_::E mode) {
        return std::make_shared<TaskProfileList>(std::move(codec), store, mode);
    };
    TaskProfileLists lists;
    lists.longExposure = list(std::make_shared<TaskProfileJSON_RegLong>(
                                  std::make_shared<TaskProfile_RegLong_Factory>(false)),
                              TAVOMode_::E::Long);
    lists.regularExposure = list(std::make_shared<TaskProfileJSON_RegLong>(
                                     std::make_shared<TaskProfile_RegLong_Factory>(true)),
                                 TAVOMode_::E::Reg);
    lists.astroTimelapse = list(
        std::make_shared<TaskProfileJSON_ATL>(std::make_shared<TaskProfile_ATL_Factory>(location)),
        TAVOMode_::E::ATL);
    lists.astrophotography = list(
        std::make_shared<TaskProfileJSON_AP>(std::make_shared<TaskProfile_AP_Factory>(location)),
        TAVOMode_::E::AP);
    return lists;
}

} // namespace JEX
