// The stored profile lists of the four programs, decoded from any JSON: a list loaded and
// written back, then loaded and written again, is the same the second time (a profile never
// drifts from one save to the next), and every loaded profile survives the trip.
// The input is the settings object, or one array given to all four lists.

#include "FuzzSupport.h"
#include "Location.h"
#include "MemoryKVStore.h"
#include "TaskProfileList.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <memory>

using namespace JEX;

namespace {

const QString kKeys[] = {"p.long", "p.reg", "p.atl", "p.aph"};

std::vector<std::shared_ptr<TaskProfileList>> listsOf(const TaskProfileLists& l) {
    return {l.longExposure, l.regularExposure, l.astroTimelapse, l.astrophotography};
}

// Loads the lists from the store and writes each back; the profile counts as loaded.
std::vector<size_t> loadAndWrite(const std::shared_ptr<IKVStore>& store,
                                 const std::shared_ptr<ILocation>& location) {
    std::vector<size_t> counts;
    for (const auto& list : listsOf(makeTaskProfileLists(store, location))) {
        counts.push_back(list->profiles().size());
        list->setList(list->list());
    }
    return counts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto location =
        std::make_shared<Location>(std::make_shared<Test::MemoryKVStore>());
    const QJsonDocument doc = QJsonDocument::fromJson(Fuzz::qbytes(data, size));
    QJsonObject initial;
    if (doc.isObject()) {
        initial = doc.object();
    } else if (doc.isArray()) {
        for (const QString& key : kKeys)
            initial.insert(key, doc.array());
    } else {
        return 0;
    }

    auto first = std::make_shared<Test::MemoryKVStore>(initial);
    const std::vector<size_t> loaded = loadAndWrite(first, location);
    const QJsonObject once = first->getAll();

    auto second = std::make_shared<Test::MemoryKVStore>(once);
    const std::vector<size_t> reloaded = loadAndWrite(second, location);
    const QJsonObject twice = second->getAll();

    FUZZ_CHECK(loaded == reloaded, "saved profiles lost on the way back");
    for (const QString& key : kKeys)
        FUZZ_CHECK(once.value(key) == twice.value(key), "%s drifts:\n%s\n%s", qPrintable(key),
                   QJsonDocument(once.value(key).toArray()).toJson().constData(),
                   QJsonDocument(twice.value(key).toArray()).toJson().constData());
    return 0;
}
