#pragma once
// The engine behind the time-lapse pages: fourteen program quantities tied by eight
// relations. Whenever all but one member of a relation are known the last one is computed,
// and what becomes known propagates further. Inputs are applied one at a time, each all or
// nothing.

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace JEX {

class CParamsSolver {
public:
    struct Relation;

    // One quantity. compute() sets value from the other members of the given relation and
    // tells whether a value was produced; a relation the quantity does not belong to leaves
    // it as it is and counts as produced.
    class Param {
    public:
        virtual ~Param() = default;
        virtual bool compute(const Relation* relation) = 0;

        double value = 0;
        std::vector<const Relation*> relations; // in the order the relations were created
        CParamsSolver* solver = nullptr;
        std::string name;
        bool known = false; // given or computed
        bool input = false; // given

    protected:
        double of(std::string_view other) const;
        bool is(const Relation* relation, std::string_view relationName) const;
        bool produce(double v) {
            value = v;
            return true;
        }
    };

    struct Relation {
        std::string name;
        std::vector<Param*> members;
    };

    CParamsSolver();
    CParamsSolver(const CParamsSolver&) = delete;
    CParamsSolver& operator=(const CParamsSolver&) = delete;

    // Exact, case-sensitive; null for any other name.
    Param* param(std::string_view name) const;
    bool known(std::string_view name) const;
    bool isInput(std::string_view name) const;
    double value(std::string_view name) const; // 0 for an unknown name

    // Every quantity's value and flags.
    void copyStateFrom(const CParamsSolver& other);

    // Gives a quantity its value and propagates. Refused (false, nothing changed) when the
    // quantity is already known, when the propagation would divide by zero or leave a value
    // that is not a finite number, and for a value that is not finite or a foreign parameter.
    bool setInput(const Param* param, double value);
    bool setInput(std::string_view name, double value);

private:
    void propagate(Param* from);

    std::array<std::unique_ptr<Relation>, 8> relations_;
    std::array<std::unique_ptr<Param>, 14> params_;
};

} // namespace JEX
