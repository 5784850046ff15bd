#pragma once
// Records what a connectable helper reports: its status reports, how often its device list
// changed, and the links it opened. Fed from the helper's background threads, and may
// outlive the test that made it.

#include "IConnectableHelper.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <mutex>
#include <vector>

namespace JEX::Test {

class HelperProbe {
public:
    using Status = IConnectableHelper::Status;

    void attach(IConnectableHelper& helper) {
        helper.statusList.append([s = state_](const Status& status) {
            std::lock_guard lock(s->mutex);
            s->statuses.push_back(status);
        });
        helper.devicesListChangedList.append([s = state_] {
            std::lock_guard lock(s->mutex);
            ++s->listChanges;
        });
        helper.setOnConnected([s = state_](const JexConverserEtal& link) {
            std::lock_guard lock(s->mutex);
            s->links.push_back(link);
        });
    }

    QList<int> kinds() const {
        std::lock_guard lock(state_->mutex);
        QList<int> out;
        for (const Status& s : state_->statuses)
            out.push_back(s.kind);
        return out;
    }
    int lastKind() const {
        const QList<int> all = kinds();
        return all.isEmpty() ? -1 : all.back();
    }
    std::string lastDetail() const {
        std::lock_guard lock(state_->mutex);
        return state_->statuses.empty() ? std::string() : state_->statuses.back().detail;
    }
    int listChanges() const {
        std::lock_guard lock(state_->mutex);
        return state_->listChanges;
    }
    std::vector<JexConverserEtal> links() const {
        std::lock_guard lock(state_->mutex);
        return state_->links;
    }
    // The search is over once it has shown its list or opened a link.
    bool searchDone() const {
        return lastKind() == Status::SearchListPopulated || !links().empty();
    }
    void clear() {
        std::lock_guard lock(state_->mutex);
        state_->statuses.clear();
        state_->links.clear();
        state_->listChanges = 0;
    }

private:
    struct State {
        std::mutex mutex;
        std::vector<Status> statuses;
        std::vector<JexConverserEtal> links;
        int listChanges = 0;
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

// The titles (or subtitles) of a devicesList() value; "<invalid>" when no list is made.
inline QStringList listed(const QVariant& list, bool subtitles = false) {
    if (!list.isValid())
        return {QStringLiteral("<invalid>")};
    QStringList out;
    for (const QVariant& v : list.toList()) {
        const auto r = v.value<IConnectableSearchResult>();
        out.push_back(subtitles ? r.subtitle : r.title);
    }
    return out;
}

} // namespace JEX::Test
