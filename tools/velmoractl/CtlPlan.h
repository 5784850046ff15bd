#pragma once
// Programs made the way the console's program pages make them: a task profile of a kind,
// given some of its quantities on the command line or saved by the console, with the rest
// calculated; and the report of what it came to.

#include "IKVStore.h"
#include "ILocation.h"
#include "ITaskProfile.h"
#include "TaskTimeline.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

namespace JEX::Ctl {

using ProfileInputs = QList<QPair<QString, QString>>;

// "ap", "atl", "reg" or "long".
bool isProgramKind(const QString& kind);
TAVOMode_::E modeOfKind(const QString& kind);

// A fresh profile of the kind with the defaults of its page; null for another kind.
std::unique_ptr<ITaskProfile> newProfile(const QString& kind, std::shared_ptr<ILocation> location);

// The quantities a user can give for the profile's kind, in the page's order.
QStringList inputNames(const ITaskProfile& profile);

// Gives each named quantity its value and makes it an input where the page has a tick box
// for it; an error text, and the profile untouched, when a name or value does not fit.
QString applyInputs(ITaskProfile& profile, const QString& kind, const ProfileInputs& inputs);

// The profile the console saved under that name in the kind's list ("<unnamed>": the page's
// working profile); null with an error text when there is none.
std::unique_ptr<ITaskProfile> savedProfile(const QString& kind, const QString& name,
                                           std::shared_ptr<IKVStore> store,
                                           std::shared_ptr<ILocation> location, QString* error);
// The saved profiles of the kind, in the console's order.
QList<std::shared_ptr<ITaskProfile>> savedProfiles(const QString& kind,
                                                   std::shared_ptr<IKVStore> store,
                                                   std::shared_ptr<ILocation> location);

// The profile's message in English with its arguments in place; for an invalid profile
// without one, why no program could be made.
QString messageText(const ITaskProfile& profile);

// How far the timeline of an unlimited program is drawn.
inline constexpr double kPlanHorizonSec = 24 * 3600;

struct PlanReport {
    QJsonObject json;
    QStringList text;
    QStringList timelineCsv; // header and one line per event; empty when not valid
};
// Every quantity with its value and where it came from ("given", "calculated", "not used"
// for a given one the solver refused, which keeps the value given, or otherwise fallback),
// what was given but not used, validity, message, program and its timeline.
PlanReport describePlan(const ITaskProfile& profile, const QString& kind, const QStringList& given,
                        const QString& fallback);

// "AP", "Reg", "Long", "ATL", "Manual".
QString shortModeName(TAVOMode_::E mode);
// A program as JSON with the keys run accepts.
QJsonObject programJson(const TAVOParamSet& p);
QString programText(const TAVOParamSet& p);
// The timeline's events as {t_s, angle_deg, event} and as CSV lines under the header
// t_s,angle_deg,event.
QJsonArray timelineJson(const TaskTimeline& timeline);
QStringList timelineCsv(const TaskTimeline& timeline);

} // namespace JEX::Ctl
