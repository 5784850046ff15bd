#include "NumberEntry.h"

#include <cmath>
#include <limits>

namespace JEX {

namespace {

QChar firstOf(const QString& s, QChar fallback) {
    return s.isEmpty() ? fallback : s.front();
}

bool isMinus(QChar c) {
    return c == u'-' || c == QChar(0x2212);
}

QString trimmedZeros(QString s) {
    if (!s.contains(u'.'))
        return s;
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s;
}

} // namespace

NumberReading NumberEntry::read(const QString& text, const QLocale& locale, bool integer,
                                double min, double max) {
    const auto refused = [](const QString& why) { return NumberReading{false, 0, why}; };
    QString t = text.trimmed();
    if (t.isEmpty())
        return refused(tr("Enter a number"));
    const bool negative = isMinus(t.front());
    if (negative) {
        if (min >= 0)
            return refused(tr("Cannot be negative"));
        t.remove(0, 1);
    }
    const QChar decimal = firstOf(locale.decimalPoint(), u'.');
    const QChar group = firstOf(locale.groupSeparator(), u',');
    const QString separators =
        tr("Use \"%1\" for decimals, without thousands separators").arg(decimal);

    int digits = 0;
    qsizetype separatorAt = -1;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            ++digits;
        } else if (c == u'.' || c == decimal) {
            if (separatorAt >= 0)
                return refused(separators);
            separatorAt = i;
        } else if (c == group || c == u',' || c == u'\'' || c.isSpace()) {
            return refused(separators);
        } else {
            return refused(tr("Not a number"));
        }
    }
    if (digits == 0)
        return refused(tr("Not a number"));
    // Where the point groups thousands, "1.000" is one thousand to a reader and one to us.
    if (separatorAt >= 0 && t[separatorAt] == u'.' && group == u'.' && decimal != u'.') {
        const qsizetype whole = separatorAt;
        const qsizetype fraction = t.size() - separatorAt - 1;
        if (fraction == 3 && whole >= 1 && whole <= 3 && t.front() != u'0')
            return refused(tr("Ambiguous: the point may separate thousands; write the "
                              "decimals with \"%1\"")
                               .arg(decimal));
    }
    if (separatorAt >= 0)
        t[separatorAt] = u'.';
    bool ok = false;
    double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return refused(tr("Not a number"));
    if (negative)
        v = -v;
    if (integer && v != std::floor(v))
        return refused(tr("Whole numbers only"));
    if (v < min)
        return refused(tr("At least %1").arg(format(min, locale, integer)));
    if (v > max)
        return refused(tr("At most %1").arg(format(max, locale, integer)));
    return NumberReading{true, v == 0 ? 0.0 : v, {}};
}

QString NumberEntry::format(double value, const QLocale& locale, bool integer) {
    if (!std::isfinite(value))
        return {};
    QString s;
    if (integer && std::abs(value) < 9e15) {
        s = QString::number(qint64(std::llround(value)));
    } else {
        s = trimmedZeros(QString::number(value, 'f', 6));
        // Too small for six decimals: as many as it takes, so it does not read as 0.
        if (value != 0 && (s == u"0" || s == u"-0"))
            s = trimmedZeros(QString::number(value, 'f', 12));
    }
    if (s == u"-0")
        s = QStringLiteral("0");
    s.replace(u'.', firstOf(locale.decimalPoint(), u'.'));
    return s;
}

NumberEntry::NumberEntry(QObject* parent) : QObject(parent) {}

NumberEntry::~NumberEntry() {
    if (group_)
        group_->remove(this);
}

QLocale NumberEntry::locale() const {
    return QLocale(language_);
}

void NumberEntry::setHours(bool on) {
    if (on == hours_)
        return;
    hours_ = on;
    emit rulesChanged();
    emit stateChanged();
}

QString NumberEntry::duration(double hours) {
    if (!std::isfinite(hours) || hours <= 0 || hours > 1e6)
        return {};
    const long long seconds = std::llround(hours * 3600);
    if (seconds >= 3600) {
        const long long minutes = std::llround(hours * 60);
        return tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
    }
    if (seconds >= 60 && seconds % 60 != 0)
        return tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    if (seconds >= 60)
        return tr("%1 min").arg(seconds / 60);
    return seconds > 0 ? tr("%1 s").arg(seconds) : QString();
}

QString NumberEntry::durationText() const {
    if (!hours_)
        return {};
    return duration(reading_.ok ? reading_.value : value_);
}

QString NumberEntry::format(double value) const {
    return format(value, locale(), integer_);
}

void NumberEntry::setLanguage(const QString& code) {
    if (code == language_)
        return;
    // A text that said the value says it again with the new separator.
    const bool said = !editing_ && inStep();
    language_ = code;
    emit languageChanged();
    if (said)
        setText(format(value_));
    reread();
}

void NumberEntry::setInteger(bool on) {
    if (on == integer_)
        return;
    const bool said = !editing_ && inStep();
    integer_ = on;
    if (said)
        setText(format(value_));
    emit rulesChanged();
    reread();
}

void NumberEntry::setMinValue(double v) {
    if (v == min_)
        return;
    min_ = v;
    emit rulesChanged();
    reread();
}

void NumberEntry::setMaxValue(double v) {
    if (v == max_)
        return;
    max_ = v;
    emit rulesChanged();
    reread();
}

void NumberEntry::setValue(double v) {
    if (v == value_ || (std::isnan(v) && std::isnan(value_)))
        return;
    value_ = v;
    emit valueChanged();
    if (!editing_)
        setText(format(v));
    reread();
}

void NumberEntry::setEditing(bool on) {
    if (on == editing_)
        return;
    editing_ = on;
    emit editingChanged();
}

void NumberEntry::setUnused(bool on) {
    if (on == unused_)
        return;
    unused_ = on;
    emit rulesChanged();
    reread();
}

void NumberEntry::setActive(bool on) {
    if (on == active_)
        return;
    active_ = on;
    emit rulesChanged();
    reread();
}

void NumberEntry::setLabel(const QString& label) {
    if (label == label_)
        return;
    label_ = label;
    emit rulesChanged();
    reread();
}

void NumberEntry::setGroup(NumberEntryGroup* group) {
    if (group == group_)
        return;
    if (group_)
        group_->remove(this);
    group_ = group;
    if (group_)
        group_->add(this);
    emit rulesChanged();
}

double NumberEntry::typedValue() const {
    return reading_.ok ? reading_.value : std::numeric_limits<double>::quiet_NaN();
}

bool NumberEntry::inStep() const {
    return reading_.ok && !unused_ && (reading_.value == value_ || text_ == format(value_));
}

QString NumberEntry::problem() const {
    if (!reading_.ok)
        return reading_.problem;
    if (unused_)
        return tr("Not used: the other ticked values determine it");
    if (!inStep())
        return tr("Not used: the program uses %1").arg(format(value_));
    return {};
}

void NumberEntry::edit(const QString& text) {
    setText(text);
    reread();
    if (reading_.ok && reading_.value != value_)
        emit edited(reading_.value);
}

void NumberEntry::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    emit textChanged();
}

void NumberEntry::reread() {
    reading_ = read(text_, locale(), integer_, min_, max_);
    emit stateChanged();
    if (group_)
        group_->update();
}

void NumberEntryGroup::add(NumberEntry* entry) {
    if (!entry || entries_.contains(entry))
        return;
    entries_.append(entry);
    update();
}

void NumberEntryGroup::remove(NumberEntry* entry) {
    entries_.removeAll(entry);
    update();
}

void NumberEntryGroup::update() {
    bool inStep = true;
    QString problem;
    for (const QPointer<NumberEntry>& e : entries_) {
        if (!e || !e->active())
            continue;
        inStep = inStep && e->inStep();
        if (problem.isEmpty() && !e->problem().isEmpty())
            problem = e->label().isEmpty() ? e->problem()
                                           : QStringLiteral("%1: %2").arg(e->label(), e->problem());
    }
    if (inStep == allInStep_ && problem == problem_)
        return;
    allInStep_ = inStep;
    problem_ = problem;
    emit changed();
}

} // namespace JEX
