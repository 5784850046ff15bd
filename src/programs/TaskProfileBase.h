#pragma once
// What the three profile kinds share: the name, validity, message and last good program,
// the order in which a recompute announces itself, and the small rules every kind uses.

#include "CParamsSolver.h"
#include "ILocation.h"
#include "ITaskProfile.h"

#include <QtGlobal>

#include <functional>
#include <memory>
#include <span>

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

// One time-lapse quantity of the fields F tied to a solver parameter:
// solver value = field × mul / div.
template <typename F> struct SolverBinding {
    const char* name;
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

// Every known quantity back into its field, and the calc flags. A given quantity keeps its
// field as typed rather than its value converted there and back.
template <typename F>
void readBack(const CParamsSolver& solver, F& f, std::span<const SolverBinding<F>> bindings) {
    for (const auto& b : bindings) {
        const bool calculated = solver.known(b.name) && !solver.isInput(b.name);
        if (calculated)
            f.*b.field = solver.value(b.name) * b.div / b.mul;
        f.*b.calc = calculated;
    }
}

template <typename F> QString selectsOf(const F& f, std::span<const SolverBinding<F>> bindings) {
    QStringList names;
    for (const auto& b : bindings)
        if (f.*b.input)
            names << QString::fromLatin1(b.name);
    return names.join(';');
}

// Clears every input flag and recomputes; then, in binding order, makes each named quantity
// an input unless the earlier inputs already determine it, recomputing after each.
template <typename F>
void applySelects(const QString& selects, F& f, std::span<const SolverBinding<F>> bindings,
                  const std::function<void()>& recompute) {
    const QStringList chosen = selects.split(';');
    for (const auto& b : bindings)
        f.*b.input = false;
    recompute();
    for (const auto& b : bindings) {
        if (!chosen.contains(QString::fromLatin1(b.name)) || f.*b.calc)
            continue;
        f.*b.input = true;
        recompute();
    }
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

protected:
    // Keeps the program when valid, then announces: values, validity, message.
    void publish(bool valid, const QStringList& errors, const TAVOParamSet& paramSet) {
        if (valid)
            paramSet_ = paramSet;
        const bool validChanged = valid != valid_;
        const bool errorsChanged = errors != errors_;
        valid_ = valid;
        errors_ = errors;
        emit this->valueChanged();
        if (validChanged)
            emit this->validChanged();
        if (errorsChanged)
            emit this->errorMessageChanged();
    }

    QString name_;

private:
    bool valid_ = false;
    QStringList errors_;
    TAVOParamSet paramSet_;
};

} // namespace JEX
