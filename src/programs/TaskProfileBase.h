#pragma once
// What the three profile kinds share: the name, validity, message and last good program,
// the order in which a recompute announces itself, and the small rules every kind uses.

#include "CParamsSolver.h"
#include "ILocation.h"
#include "ITaskProfile.h"

#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace JEX {

namespace Profile {

// Sidereal rate in degrees per second.
inline constexpr double kSiderealDps = 0.004178074616516597;

// The fastest the mount is asked to move, in degrees per second (750 deg/h).
double speedLimitDps();

// Clockwise in the northern hemisphere, on the equator and where the location is unknown.
bool clockwiseAt(const std::shared_ptr<ILocation>& location);

// Stores a value unless it equals the field or, for numbers, is not finite or below 0.
// True when the field changed.
bool assign(double& field, double value);
bool assign(int& field, int value);
bool assign(bool& field, bool value);

// Truncated toward zero and held within the range of int; NaN gives 0.
int truncated(double value);

// The whole number the mount's memory keeps of a value: the nearest, halves away from zero.
double nearestWhole(double value);

// The two programs put the same values into the mount's memory, as far as that can be told
// without the mount's step and timer sizes: periods to the millisecond (or to the second,
// where one of them is whole and the other rounds to it, as older firmware keeps them),
// exposures to the tenth of a second, counts, flags and swing ranges exactly, speeds and
// angles to 1 % (a step period of a few hundred timer ticks at the fastest speeds), small
// angles to a thousandth of a degree.
bool sameProgram(const TAVOParamSet& a, const TAVOParamSet& b);
bool samePeriod(double aSec, double bSec);
bool sameExposure(double aSec, double bSec);
bool sameRate(double a, double b);
bool sameAngle(double aDeg, double bDeg);

// How far apart two programs are, in halves of the mount's stored units (below 1: the same
// stored values, as far as can be told), with a great deal for every count, flag or range
// that differs.
double programDistance(const TAVOParamSet& a, const TAVOParamSet& b);

// Of the candidate fields, the first whose program is within half a stored unit of the
// running one, or else the nearest; make(f) gives the program of fields f.
template <typename F, typename Make>
F nearestFields(const std::vector<F>& candidates, const TAVOParamSet& running, Make make) {
    F best = candidates.front();
    double bestDistance = -1;
    for (const F& c : candidates) {
        F f = c;
        const double d = programDistance(make(f), running);
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = c;
        }
        if (d < 1)
            break;
    }
    return best;
}

// One time-lapse quantity of the fields F tied to a solver parameter:
// solver value = field × mul / div.
template <typename F> struct SolverBinding {
    const char* name;
    const char* property;
    double F::*field;
    bool F::*input;
    bool F::*calc;
    double mul = 1;
    double div = 1;
};

// The bindings' part of a solver run: the set inputs in binding order.
template <typename F>
void feedInputs(CParamsSolver& solver, const F& f, std::span<const SolverBinding<F>> bindings) {
    for (const auto& b : bindings)
        if (f.*b.input)
            solver.setInput(b.name, f.*b.field * b.mul / b.div);
}

// What the solver worked out, back into the fields: into used, the values the program is
// made of (every quantity the solver determined); into f, the fields the page shows, the same
// but for a ticked quantity the solver refused, which keeps the value the user gave (fed
// again next time, it is refused again, instead of coming back as an input of its own). A
// given quantity keeps its field as typed rather than its value converted there and back.
template <typename F>
void readBack(const CParamsSolver& solver, F& f, F& used,
              std::span<const SolverBinding<F>> bindings) {
    for (const auto& b : bindings) {
        const bool determined = solver.known(b.name) && !solver.isInput(b.name);
        if (determined) {
            used.*b.field = solver.value(b.name) * b.div / b.mul;
            if (!(f.*b.input))
                f.*b.field = used.*b.field;
        }
        f.*b.calc = used.*b.calc = determined && !(f.*b.input);
    }
}

// The ticked quantities the solver did not take as inputs, by property name.
template <typename F>
QStringList refusedOf(const CParamsSolver& solver, const F& f,
                      std::span<const SolverBinding<F>> bindings) {
    QStringList out;
    for (const auto& b : bindings)
        if (f.*b.input && !solver.isInput(b.name))
            out << QString::fromLatin1(b.property);
    return out;
}

template <typename F> QString selectsOf(const F& f, std::span<const SolverBinding<F>> bindings) {
    QStringList names;
    for (const auto& b : bindings)
        if (f.*b.input)
            names << QString::fromLatin1(b.name);
    return names.join(';');
}

// Makes exactly the named quantities inputs and recomputes once with all of them, so that a
// given value is never replaced by one calculated from an input set before it; then a named
// quantity that the solver refused (the others determine it) is calculated, as if it had not
// been named.
template <typename F>
void applySelects(const QString& selects, F& f, std::span<const SolverBinding<F>> bindings,
                  const std::function<QStringList()>& recompute) {
    const QStringList chosen = selects.split(';');
    for (const auto& b : bindings)
        f.*b.input = chosen.contains(QString::fromLatin1(b.name));
    const QStringList refused = recompute();
    if (refused.isEmpty())
        return;
    for (const auto& b : bindings)
        if (refused.contains(QString::fromLatin1(b.property)))
            f.*b.input = false;
    recompute();
}

} // namespace Profile

template <typename I> class TaskProfileBase : public I {
public:
    bool valid() const override { return valid_; }
    QStringList errorMessage() const override { return errors_; }
    TAVOParamSet paramSetValue() const override { return paramSet_; }
    QVariant paramSet() const override {
        return valid_ ? QVariant::fromValue(paramSet_) : QVariant();
    }
    QString name() const override { return name_; }
    void setName(const QString& name) override {
        if (name == name_)
            return;
        name_ = name;
        emit this->nameChanged();
    }
    QStringList refusedInputs() const override { return refused_; }
    void holdRecompute() override { ++held_; }
    void releaseRecompute() override {
        if (held_ > 0 && --held_ == 0 && pending_) {
            pending_ = false;
            recompute();
        }
    }

protected:
    // Every field and flag as it is, with the program it makes.
    virtual void recompute() = 0;

    // A field changed: what the profile followed is no longer the program; recompute now, or
    // when the last holder lets go.
    void changed() {
        followed_.reset();
        if (held_ > 0)
            pending_ = true;
        else
            recompute();
    }

    // The program the mount runs, kept as this profile's program until a field changes: the
    // fields come as close to it as they can, but the mount's step period and step count of
    // a speed cannot both be made again from one speed.
    void follow(const TAVOParamSet& running) { followed_ = running; }
    // The program to offer for the one the fields make.
    TAVOParamSet programFor(const TAVOParamSet& computed) const {
        return followed_ ? *followed_ : computed;
    }
    void unfollow() { followed_.reset(); }

    // Keeps the program when valid, then announces: values, validity, message, refusals.
    void publish(bool valid, const QStringList& errors, const TAVOParamSet& paramSet,
                 const QStringList& refused = {}) {
        const TAVOParamSet before = paramSet_;
        if (valid)
            paramSet_ = programFor(paramSet);
        const bool validChanged = valid != valid_;
        const bool programChanged = validChanged || (valid && !(paramSet_ == before));
        const bool errorsChanged = errors != errors_;
        const bool refusedChanged = refused != refused_;
        valid_ = valid;
        errors_ = errors;
        refused_ = refused;
        emit this->valueChanged();
        if (validChanged)
            emit this->validChanged();
        if (programChanged)
            emit this->paramSetChanged();
        if (errorsChanged)
            emit this->errorMessageChanged();
        if (refusedChanged)
            emit this->refusedInputsChanged();
    }

    // For clone: the name and what is followed.
    void copyStateTo(TaskProfileBase& other) const {
        other.name_ = name_;
        other.followed_ = followed_;
    }

    QString name_;

private:
    bool valid_ = false;
    QStringList errors_;
    QStringList refused_;
    TAVOParamSet paramSet_;
    std::optional<TAVOParamSet> followed_;
    int held_ = 0;
    bool pending_ = false;
};

} // namespace JEX
