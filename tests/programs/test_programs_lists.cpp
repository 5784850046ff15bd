// The program lists on a real "Settings.txt": what a stored array loads as, what saving,
// reordering and deleting write, bad entries that must not spoil a load, and profiles that
// come back equal in a new store on the same file.

#include "ProfileProbe.h"
#include "SettingsFile.h"
#include "TaskProfileList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

using namespace JEX;
using JEX::Test::differences;
using JEX::Test::makeProfile;

namespace {

QStringList namesOf(const QList<QObject*>& list) {
    QStringList out;
    for (QObject* o : list)
        out << qobject_cast<ITaskProfile*>(o)->name();
    return out;
}

QStringList storedNames(const QJsonArray& array) {
    QStringList out;
    for (const QJsonValue& v : array)
        out << v.toObject().value("name").toString();
    return out;
}

std::shared_ptr<TaskProfileList> listOf(const QString& kind, std::shared_ptr<IKVStore> store) {
    const TaskProfileLists all = makeTaskProfileLists(std::move(store), nullptr);
    return kind == "ap"    ? all.astrophotography
           : kind == "atl" ? all.astroTimelapse
           : kind == "reg" ? all.regularExposure
                           : all.longExposure;
}

} // namespace

class TestProfileLists : public QObject {
    Q_OBJECT

    std::unique_ptr<Test::SettingsFile> file_;

    std::shared_ptr<TaskProfileList> open(const QString& kind = "ap") {
        return listOf(kind, file_->openStore());
    }
    std::unique_ptr<ITaskProfile> named(const QString& name, const QString& kind = "ap") {
        auto p = makeProfile(kind);
        p->setName(name);
        return p;
    }
    QJsonArray stored(const char* key = "p.aph") {
        return file_->readObject().value(key).toArray();
    }

private slots:
    void init() {
        file_ = std::make_unique<Test::SettingsFile>();
        QVERIFY(file_->isValid());
    }

    // Element 0 is the unnamed profile only by its name.
    void unnamedIsFoundByName() {
        QVERIFY(file_->write(R"({"p.aph":[{"name":"x","pics":7},{"name":"<unnamed>","exp":30}]})"));
        const auto list = open();
        QCOMPARE(namesOf(list->list()), QStringList{"x"});
        QCOMPARE(list->unnamedProfile()->property("exposureSec").toDouble(), 30.0);
        QCOMPARE(list->profiles()[0]->property("photos").toInt(), 7);
    }

    void badEntriesSpoilNothingElse() {
        QVERIFY(
            file_->write(R"({"loc.lat":0.7,"p.atl":"garbage","p.aph":[42,"x",{"exp":5},)"
                         R"({"name":""},{"name":7},{"name":"ok","pics":"12","exp":true,)"
                         R"("ixi":3,"track":0.01,"input_pics":1},{"name":"big","pics":1e30}]})"));
        const auto list = open();
        QCOMPARE(namesOf(list->list()), (QStringList{"ok", "big"}));
        const ITaskProfile& ok = *list->profiles()[0];
        QCOMPARE(ok.property("photos").toInt(), 5);
        QCOMPARE(ok.property("exposureSec").toDouble(), 120.0);
        QCOMPARE(ok.property("photoIntervalSec").toDouble(), 3.0);
        QCOMPARE(ok.property("trackingRateDegPerSec").toDouble(), 0.01);
        QCOMPARE(ok.property("input_photos").toBool(), false);
        QCOMPARE(list->profiles()[1]->property("photos").toInt(), 5);
        QVERIFY(open("atl")->list().isEmpty());

        list->save(named("new").get());
        QCOMPARE(file_->readObject().value("loc.lat").toDouble(), 0.7);
        QCOMPARE(file_->readObject().value("p.atl").toString(), QString("garbage"));
        QCOMPARE(storedNames(stored()), (QStringList{"<unnamed>", "ok", "big", "new"}));
    }

    void savingAnExistingNameMovesItToTheEnd() {
        const auto list = open();
        QSignalSpy changed(list.get(), &ITaskProfileList::listChanged);
        auto a = named("A");
        list->save(a.get());
        list->save(named("B").get());
        a->setProperty("photos", 42);
        list->save(a.get());
        QCOMPARE(namesOf(list->list()), (QStringList{"B", "A"}));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(storedNames(stored()), (QStringList{"<unnamed>", "B", "A"}));
        QCOMPARE(stored()[2].toObject().value("pics").toInt(), 42);
        // The list keeps a copy: later edits of the page's profile stay on the page.
        a->setProperty("photos", 43);
        QCOMPARE(list->profiles()[1]->property("photos").toInt(), 42);
    }

    void namesThatWouldNotComeBackAreNotSaved() {
        const auto list = open();
        list->save(named("").get());
        list->save(named("<unnamed>").get());
        list->save(named("other kind", "atl").get());
        list->save(nullptr);
        QVERIFY(list->list().isEmpty());
        QVERIFY(!QFile::exists(file_->path()));
    }

    // The stored values and ticks reach the solver together: none is replaced by one worked
    // out from a tick before it. A given quantity the others determine (0 s of video in
    // 0.25 h) loads calculated; a fractional range loads as the mount keeps it.
    void storedInputsReachTheSolverTogether() {
        QVERIFY(file_->write(
            R"({"p.reg":[{"name":"<unnamed>"},{"name":"fast","T_Total_H":0.25,"T_Video":0,)"
            R"("T_Cycle":0.5,"A_Range":90,"N_Swings":5,"Fps":50,)"
            R"("selects":"T_Total;T_Video;T_Cycle;A_Range"},{"name":"wide","A_Range":22.5,)"
            R"("N_Swings":2,"T_Cycle":30,"N_Cycles":100,"selects":"N_Cycles;T_Cycle;A_Range"}]})"));
        const auto list = open("reg");
        const ITaskProfile& fast = *list->profiles()[0];
        QCOMPARE(fast.property("framePeriodSec").toDouble(), 0.5);
        QCOMPARE(fast.property("photos").toInt(), 1800);
        QCOMPARE(fast.property("videoLengthSec").toDouble(), 36.0);
        QCOMPARE(fast.selects(), QString("T_Total;T_Cycle;A_Range"));
        const ITaskProfile& wide = *list->profiles()[1];
        QCOMPARE(wide.property("swingRangeDeg").toDouble(), 23.0);
        QCOMPARE(wide.paramSetValue().swingRangeDeg, 23.0);
    }

    void exposureIsStoredForLongExposureOnly() {
        open("reg")->save(named("r", "reg").get());
        open("long")->save(named("l", "long").get());
        QVERIFY(!stored("p.reg")[1].toObject().contains("T_Exposure"));
        QCOMPARE(stored("p.long")[1].toObject().value("T_Exposure").toDouble(), 10.0);
    }

    void loadGivesCopiesWithinRange() {
        const auto list = open();
        for (const char* n : {"a", "b", "c"})
            list->save(named(n).get());
        QCOMPARE(list->load(3), nullptr);
        QCOMPARE(list->load(-1), nullptr);
        const std::unique_ptr<ITaskProfile> b(list->load(1));
        QVERIFY(b && b.get() != list->profiles()[1].get());
        QCOMPARE(b->name(), QString("b"));
    }

    void listSetterKeepsOnlyItsOwnProfiles() {
        const auto list = open();
        for (const char* n : {"a", "b", "c"})
            list->save(named(n).get());
        const QList<QObject*> current = list->list();
        auto stranger = named("a");
        QSignalSpy changed(list.get(), &ITaskProfileList::listChanged);
        list->setList({current[2], stranger.get(), current[0], current[2]});
        QCOMPARE(namesOf(list->list()), (QStringList{"c", "a"}));
        QCOMPARE(list->list()[0], current[2]);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(storedNames(stored()), (QStringList{"<unnamed>", "c", "a"}));
    }

    void unnamedProfileIsSavedFirstWithoutSignal() {
        const auto list = open();
        QSignalSpy changed(list.get(), &ITaskProfileList::listChanged);
        auto page = named("whatever");
        page->setProperty("photos", 11);
        list->unnamedProfile_save(page.get());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(storedNames(stored()), QStringList{"<unnamed>"});
        QCOMPARE(stored()[0].toObject().value("pics").toInt(), 11);
        const std::unique_ptr<ITaskProfile> back(list->unnamedProfile_load());
        QCOMPARE(back->property("photos").toInt(), 11);
        QCOMPARE(page->name(), QString("whatever"));
    }

    void profilesComeBackEqual_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("settings"); // the unnamed profile takes the first two
        QTest::newRow("ap") << QString("ap")
                            << QString("exposureSec=25.5 photoIntervalSec=4 photos=33 "
                                       "input_photos=true trackingRateDegPerSec=0.0041 "
                                       "ditheringRangeArcMin=3 input_ditheringRangeArcMin=true");
        QTest::newRow("atl") << QString("atl")
                             << QString("exposureSec=20 frameRateFps=25 videoLengthSec=12 "
                                        "input_videoLengthSec=true");
        QTest::newRow("reg") << QString("reg")
                             << QString("videoTimeSpanHour=2 input_videoTimeSpanHour=true "
                                        "framePeriodSec=10 input_framePeriodSec=true speedDph=45 "
                                        "input_speedDph=true clockwise=false");
        QTest::newRow("long") << QString("long")
                              << QString("exposureSec=20 framePeriodSec=30 "
                                         "input_framePeriodSec=true photos=200 input_photos=true "
                                         "swingRangeDeg=40 swingCount=3 input_swingRangeDeg=true");
    }
    void profilesComeBackEqual() {
        QFETCH(QString, kind);
        QFETCH(QString, settings);
        auto saved = named("kept", kind);
        QCOMPARE(Test::setAll(*saved, settings), QString());
        QVERIFY(saved->valid());
        auto unnamed = makeProfile(kind);
        QCOMPARE(Test::setAll(*unnamed, settings.section(' ', 0, 1)), QString());
        {
            const auto list = open(kind);
            // An empty store: a fresh unnamed profile, and nothing written yet.
            QVERIFY(list->list().isEmpty());
            QCOMPARE(differences(*list->unnamedProfile(), *makeProfile(kind)), QString());
            QVERIFY(!QFile::exists(file_->path()));
            list->save(saved.get());
            list->unnamedProfile_save(unnamed.get());
        }
        const auto again = open(kind);
        QCOMPARE(again->profiles().size(), size_t(1));
        QCOMPARE(differences(*again->profiles()[0], *saved), QString());
        unnamed->setName("<unnamed>");
        QCOMPARE(differences(*again->unnamedProfile(), *unnamed), QString());
    }
};

QTEST_GUILESS_MAIN(TestProfileLists)
#include "test_programs_lists.moc"
