#include "CtlPlan.h"

#include "CtlArgs.h"
#include "TaskProfileList.h"
#include "TaskProfile_AP.h"
#include "TaskProfile_ATL.h"
#include "TaskProfile_RegLong.h"

#include <QJsonArray>
#include <QMetaProperty>
#include <QSet>

#include <cmath>
#include <limits>

namespace JEX::Ctl {
namespace {

const QStringList kKinds{"ap", "atl", "reg", "long"};

// The properties the kind's interface declares, past those every profile has.
QList<QMetaProperty> kindProperties(const ITaskProfile& profile) {
    QList<QMetaProperty> out;
    const QMetaObject* meta = profile.metaObject();
    for (int i = ITaskProfile::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        out << meta->property(i);
    return out;
}

bool isFlag(const QString& name) {
    for (const char* prefix : {"input_", "calc_", "block_", "enable_", "invalid"})
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    return false;
}

bool flag(const ITaskProfile& profile, const QString& name) {
    return profile.property(qPrintable(name)).toBool();
}

std::optional<QVariant> parseValue(const QMetaProperty& p, const QString& text, QString* error) {
    const QString name = QString::fromLatin1(p.name());
    switch (p.metaType().id()) {
    case QMetaType::Double: {
        bool ok = false;
        const double v = text.trimmed().toDouble(&ok);
        // The mount keeps a swing range in whole degrees.
        if (name == "swingRangeDeg" && ok && std::isfinite(v) && v >= 0 && v != std::round(v)) {
            *error = QString("--%1 needs a whole number of degrees, as the mount keeps it, "
                             "not '%2'")
                         .arg(name, text);
            return std::nullopt;
        }
        if (ok && std::isfinite(v) && v >= 0)
            return QVariant(v);
        *error = QString("--%1 needs a number of at least 0, not '%2'").arg(name, text);
        return std::nullopt;
    }
    case QMetaType::Int: {
        bool ok = false;
        const qlonglong v = text.trimmed().toLongLong(&ok);
        const int least = name == "frameRateFps" ? 1 : 0;
        if (ok && v >= least && v <= std::numeric_limits<int>::max())
            return QVariant(int(v));
        *error = least == 1
                     ? QString("--%1 needs a frame rate of at least 1, not '%2'").arg(name, text)
                     : QString("--%1 needs a whole number of at least 0, not '%2'").arg(name, text);
        return std::nullopt;
    }
    case QMetaType::Bool: {
        const QString t = text.trimmed().toLower();
        if (t == "true" || t == "yes" || t == "on" || t == "1")
            return QVariant(true);
        if (t == "false" || t == "no" || t == "off" || t == "0")
            return QVariant(false);
        *error = QString("--%1 is true or false, not '%2'").arg(name, text);
        return std::nullopt;
    }
    default:
        *error = QString("--%1 cannot be given").arg(name);
        return std::nullopt;
    }
}

QString valueText(const QVariant& v) {
    return v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 10) : v.toString();
}

std::shared_ptr<TaskProfileList> listOf(const QString& kind, std::shared_ptr<IKVStore> store,
                                        std::shared_ptr<ILocation> location) {
    const TaskProfileLists lists = makeTaskProfileLists(std::move(store), std::move(location));
    if (kind == "ap")
        return lists.astrophotography;
    if (kind == "atl")
        return lists.astroTimelapse;
    return kind == "reg" ? lists.regularExposure : lists.longExposure;
}

} // namespace

QString shortModeName(TAVOMode_::E mode) {
    static const char* names[] = {"Manual", "AP", "Reg", "Long", "ATL"};
    const int i = int(mode);
    return i >= 0 && i < 5 ? QString(names[i]) : QString::number(i);
}

bool isProgramKind(const QString& kind) {
    return kKinds.contains(kind);
}

TAVOMode_::E modeOfKind(const QString& kind) {
    if (kind == "ap")
        return TAVOMode_::E::AP;
    if (kind == "atl")
        return TAVOMode_::E::ATL;
    if (kind == "reg")
        return TAVOMode_::E::Reg;
    return kind == "long" ? TAVOMode_::E::Long : TAVOMode_::E::Manual;
}

std::unique_ptr<ITaskProfile> newProfile(const QString& kind, std::shared_ptr<ILocation> location) {
    if (kind == "ap")
        return std::make_unique<TaskProfile_AP>(std::move(location));
    if (kind == "atl")
        return std::make_unique<TaskProfile_ATL>(std::move(location));
    if (kind == "reg" || kind == "long")
        return std::make_unique<TaskProfile_RegLong>(kind == "reg");
    return nullptr;
}

QStringList inputNames(const ITaskProfile& profile) {
    QStringList out;
    for (const QMetaProperty& p : kindProperties(profile))
        if (p.isWritable() && !isFlag(QString::fromLatin1(p.name())))
            out << QString::fromLatin1(p.name());
    return out;
}

QString applyInputs(ITaskProfile& profile, const QString& kind, const ProfileInputs& inputs) {
    const QStringList names = inputNames(profile);
    QList<QPair<QMetaProperty, QVariant>> values;
    QSet<QString> seen;
    for (const auto& [name, text] : inputs) {
        if (!names.contains(name))
            return QString("%1 has no quantity '%2'; it takes --%3")
                .arg(kind, name, names.join("=VALUE, --"))
                .append("=VALUE");
        if (seen.contains(name))
            return QString("--%1 is given twice").arg(name);
        seen.insert(name);
        const QMetaProperty p =
            profile.metaObject()->property(profile.metaObject()->indexOfProperty(qPrintable(name)));
        QString error;
        const std::optional<QVariant> v = parseValue(p, text, &error);
        if (!v)
            return error;
        values.push_back({p, *v});
    }
    // Every value and tick first, then one recompute: the solver takes the inputs in the
    // page's order, and none replaces a value given after it.
    const ProfileBatch batch(profile);
    for (const auto& [p, v] : values)
        p.write(&profile, v);
    for (const QMetaProperty& p : kindProperties(profile)) {
        const QString name = QString::fromLatin1(p.name());
        if (name.startsWith("input_") && seen.contains(name.mid(6)))
            p.write(&profile, true);
    }
    return {};
}

QList<std::shared_ptr<ITaskProfile>> savedProfiles(const QString& kind,
                                                   std::shared_ptr<IKVStore> store,
                                                   std::shared_ptr<ILocation> location) {
    const auto list = listOf(kind, std::move(store), std::move(location));
    return QList<std::shared_ptr<ITaskProfile>>(list->profiles().begin(), list->profiles().end());
}

std::unique_ptr<ITaskProfile> savedProfile(const QString& kind, const QString& name,
                                           std::shared_ptr<IKVStore> store,
                                           std::shared_ptr<ILocation> location, QString* error) {
    const auto list = listOf(kind, std::move(store), std::move(location));
    if (name == TaskProfileList::kUnnamed)
        return list->unnamedProfile()->clone();
    QStringList names;
    for (const auto& p : list->profiles()) {
        if (p->name() == name)
            return p->clone();
        names << "'" + p->name() + "'";
    }
    *error = names.isEmpty()
                 ? QString("the console has no saved %1 profile '%2' (it has none)").arg(kind, name)
                 : QString("the console has no saved %1 profile '%2'; it has %3")
                       .arg(kind, name, names.join(", "));
    return nullptr;
}

QString messageText(const ITaskProfile& profile) {
    const QStringList m = profile.errorMessage();
    if (m.isEmpty())
        return profile.valid() ? QString()
                               : QString("not enough inputs to make a program: the frame period "
                                         "and the speed must follow from those given");
    QString text = m.first();
    for (qsizetype i = 1; i < m.size(); ++i)
        text = text.arg(m[i]);
    return text;
}

PlanReport describePlan(const ITaskProfile& profile, const QString& kind, const QStringList& given,
                        const QString& fallback) {
    PlanReport r;
    QJsonArray quantities;
    QJsonArray ignored;
    r.text << modeName(modeOfKind(kind));
    for (const QMetaProperty& p : kindProperties(profile)) {
        const QString name = QString::fromLatin1(p.name());
        if (isFlag(name))
            continue;
        const bool calculated = !p.isWritable() || flag(profile, "calc_" + name);
        const bool refused = profile.refusedInputs().contains(name);
        const bool input = given.contains(name) || flag(profile, "input_" + name);
        const QString source = calculated ? "calculated"
                               : refused  ? "not used"
                               : input    ? "given"
                                          : fallback;
        if ((calculated || refused) && given.contains(name))
            ignored.append(name);
        const QVariant value = p.read(&profile);
        quantities.append(QJsonObject{
            {"name", name}, {"value", QJsonValue::fromVariant(value)}, {"source", source}});
        r.text << QString("  %1 %2 %3").arg(name, -24).arg(valueText(value), -14).arg(source);
    }
    const QString message = messageText(profile);
    const bool valid = profile.valid();
    const TaskTimeline timeline =
        valid ? taskTimeline(profile.paramSetValue(), kPlanHorizonSec) : TaskTimeline();
    r.json = QJsonObject{
        {"kind", kind},
        {"name", profile.name()},
        {"quantities", quantities},
        {"ignored", ignored},
        {"valid", profile.valid()},
        {"errorMessage", QJsonArray::fromStringList(profile.errorMessage())},
        {"message", message},
        {"paramSet", valid ? QJsonValue(programJson(profile.paramSetValue())) : QJsonValue()},
        {"timeline", valid ? QJsonValue(timelineJson(timeline)) : QJsonValue()}};
    if (valid)
        r.timelineCsv = timelineCsv(timeline);
    for (const QJsonValue& name : ignored)
        r.text << QString("Not used: --%1 (the other inputs determine it or contradict it)")
                      .arg(name.toString());
    r.text << QString("Valid: %1").arg(profile.valid() ? "yes" : "no");
    if (!message.isEmpty())
        r.text << "Error: " + message;
    if (profile.valid())
        r.text << "Program: " + programText(profile.paramSetValue());
    return r;
}

QJsonObject programJson(const TAVOParamSet& p) {
    return QJsonObject{{"mode", shortModeName(p.mode)},
                       {"clockwise", p.clockwise},
                       {"cycleSec", p.cycleSec},
                       {"N_Cycles", p.N_Cycles},
                       {"cycleAngleDeg", p.cycleAngleDeg},
                       {"exposureSec", p.exposureSec},
                       {"auxTimeSec", p.auxTimeSec},
                       {"speedDps", p.speedDps},
                       {"swingEnabled", p.swingEnabled},
                       {"swingRangeDeg", p.swingRangeDeg},
                       {"ditheringEnabled", p.ditheringEnabled},
                       {"ditheringRangeDeg", p.ditheringRangeDeg}};
}

QJsonArray timelineJson(const TaskTimeline& timeline) {
    QJsonArray out;
    for (const TimelineEvent& e : timeline.events)
        out.append(QJsonObject{{"t_s", e.tSec}, {"angle_deg", e.angleDeg}, {"event", e.kind}});
    return out;
}

QStringList timelineCsv(const TaskTimeline& timeline) {
    QStringList out{"t_s,angle_deg,event"};
    for (const TimelineEvent& e : timeline.events)
        out << QString("%1,%2,%3")
                   .arg(QString::number(e.tSec, 'g', 10), QString::number(e.angleDeg, 'g', 10),
                        e.kind);
    return out;
}

QString programText(const TAVOParamSet& p) {
    const QString count =
        p.N_Cycles == 0 ? QString("unlimited photos") : QString("%1 photos").arg(p.N_Cycles);
    QString text = QString("%1, %2, every %3 s, exposure %4 s")
                       .arg(modeName(p.mode), count)
                       .arg(p.cycleSec)
                       .arg(p.exposureSec);
    text += QString(", %1 deg/s %2")
                .arg(p.speedDps)
                .arg(p.clockwise ? "clockwise" : "counter-clockwise");
    if (p.swingEnabled)
        text += QString(", swinging over %1 deg").arg(p.swingRangeDeg);
    if (p.ditheringEnabled)
        text += QString(", dithering over %1 deg").arg(p.ditheringRangeDeg);
    return text;
}

} // namespace JEX::Ctl
