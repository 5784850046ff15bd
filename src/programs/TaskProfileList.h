#pragma once
// The profiles of one program kept in memory and mirrored into the settings store as one
// JSON array: the unnamed profile first, named "<unnamed>", then the saved ones in order.

#include "IKVStore.h"
#include "ILocation.h"
#include "ITaskProfileList.h"
#include "TaskProfileJSON.h"

#include <memory>
#include <vector>

namespace JEX {

class TaskProfileList : public ITaskProfileList {
    Q_OBJECT
public:
    static inline const QString kUnnamed = QStringLiteral("<unnamed>");

    // The store key of a program: "p.aph", "p.reg", "p.long" or "p.atl"; empty for Manual.
    static QString storeKey(TAVOMode_::E mode);

    // Loads at once. Without a store, or for a mode without a key, nothing is read or written.
    TaskProfileList(std::shared_ptr<ITaskProfileJSON> codec, std::shared_ptr<IKVStore> store,
                    TAVOMode_::E mode);

    QList<QObject*> list() const override;
    // Objects that are not saved profiles of this list, and repeats, are left out.
    void setList(const QList<QObject*>& list) override;
    ITaskProfile* load(int index) override;
    // Replaces the first saved profile of the same name, at the end of the list. A profile
    // without a name, named "<unnamed>" or of another kind is not saved: it would not come
    // back from the store as a saved profile.
    void save(ITaskProfile* profile) override;
    // No name, or the unnamed profile's name.
    QString nameRefusal(const QString& name) const override;
    ITaskProfile* unnamedProfile_load() override;
    void unnamedProfile_save(ITaskProfile* profile) override;

    // The saved profiles and the unnamed one, for native callers.
    const std::vector<std::shared_ptr<ITaskProfile>>& profiles() const { return saved_; }
    std::shared_ptr<ITaskProfile> unnamedProfile() const { return unnamed_; }

private:
    void loadFromStore();
    void writeToStore();

    const std::shared_ptr<ITaskProfileJSON> codec_;
    const std::shared_ptr<IKVStore> store_;
    const QString key_;
    std::vector<std::shared_ptr<ITaskProfile>> saved_;
    std::shared_ptr<ITaskProfile> unnamed_;
};

// The four program lists, as the console's object graph makes them.
struct TaskProfileLists {
    std::shared_ptr<TaskProfileList> longExposure;
    std::shared_ptr<TaskProfileList> regularExposure;
    std::shared_ptr<TaskProfileList> astroTimelapse;
    std::shared_ptr<TaskProfileList> astrophotography;
};
TaskProfileLists makeTaskProfileLists(std::shared_ptr<IKVStore> store,
                                      std::shared_ptr<ILocation> location);

} // namespace JEX
