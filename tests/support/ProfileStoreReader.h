#pragma once
// The saved program profiles as a console started afresh on the same data folder would find
// them: a new settings store read from disk and new profile lists over it.

#include "ITaskProfile.h"
#include "QtFileUtil.h"
#include "QtKVStore.h"
#include "TaskProfileList.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace JEX::Test {

class ProfileStoreReader : public QObject {
    Q_OBJECT
public:
    // Names of the saved profiles of a program (TAVOMode value), in order.
    Q_INVOKABLE QStringList savedNames(int mode) const {
        auto store = std::make_shared<QtKVStore>(QStringLiteral("Settings.txt"),
                                                 std::make_shared<QtFileUtil>("KD208"));
        const TaskProfileLists lists = makeTaskProfileLists(store, nullptr);
        std::shared_ptr<TaskProfileList> list;
        switch (TAVOMode_::E(mode)) {
        case TAVOMode_::E::AP:
            list = lists.astrophotography;
            break;
        case TAVOMode_::E::ATL:
            list = lists.astroTimelapse;
            break;
        case TAVOMode_::E::Reg:
            list = lists.regularExposure;
            break;
        case TAVOMode_::E::Long:
            list = lists.longExposure;
            break;
        case TAVOMode_::E::Manual:
            return {};
        }
        QStringList names;
        for (QObject* object : list->list())
            names.append(static_cast<ITaskProfile*>(object)->name());
        return names;
    }
};

} // namespace JEX::Test
