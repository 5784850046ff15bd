#include "CParamsSolver.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace JEX {
namespace {

// Raised inside a propagation and caught by setInput; it never reaches a caller.
struct SolverError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

using Param = CParamsSolver::Param;
using Relation = CParamsSolver::Relation;

// a / b, but 0 when a is 0 whatever b is; b of 0 otherwise refuses the whole input.
double guardedDiv(double a, double b) {
    if (a == 0)
        return 0;
    if (b == 0)
        throw SolverError("div by zero");
    return a / b;
}

// A count: at least 1, to the nearest whole number, halves away from zero.
double whole(double x) {
    return std::round(std::max(1.0, x));
}

// A period: at least one second.
double atLeast1(double x) {
    return std::max(1.0, x);
}

class CT_Total : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_tTC"))
            return produce(of("T_Cycle") * of("N_Cycles"));
        if (is(r, "g_avTotal"))
            return produce(guardedDiv(of("A_Total"), of("V_Total")));
        return true;
    }
};

class CN_Cycles : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_tTC"))
            return produce(whole(guardedDiv(of("T_Total"), of("T_Cycle"))));
        if (is(r, "g_aTC")) {
            const double total = of("A_Total");
            const double cycle = of("A_Cycle");
            if (total == 0 && cycle == 0)
                return false; // no motion says nothing about the count
            if (total == 0)
                return produce(1);
            return produce(whole(guardedDiv(total, cycle) + 1));
        }
        if (is(r, "g_vidFps"))
            return produce(whole(of("Fps") * of("T_Video")));
        return true;
    }
};

class CT_Video : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_vidFps"))
            return produce(guardedDiv(of("N_Cycles"), of("Fps")));
        return true;
    }
};

class CA_Total : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_aTC"))
            return produce((of("N_Cycles") - 1) * of("A_Cycle"));
        if (is(r, "g_avTotal"))
            return produce(of("V_Total") * of("T_Total"));
        if (is(r, "g_swings"))
            return produce(of("N_Swings") * of("A_Range"));
        return true;
    }
};

class CA_Cycle : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_aTC"))
            return produce(guardedDiv(of("A_Total"), of("N_Cycles") - 1));
        if (is(r, "g_avCycle"))
            return produce(of("T_Move") * of("V_Cycle"));
        if (is(r, "g_avcEff"))
            return produce(of("T_Cycle") * of("V_Total"));
        return true;
    }
};

class CV_Total : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_avTotal"))
            return produce(guardedDiv(of("A_Total"), of("T_Total")));
        if (is(r, "g_avcEff"))
            return produce(guardedDiv(of("A_Cycle"), of("T_Cycle")));
        return true;
    }
};

class CV_Cycle : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_avCycle"))
            return produce(guardedDiv(of("A_Cycle"), of("T_Move")));
        return true;
    }
};

class CA_Range : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_swings"))
            return produce(guardedDiv(of("A_Total"), of("N_Swings")));
        return true;
    }
};

class CN_Swings : public Param {
    bool compute(const Relation* r) override {
        // A part of a sweep counts: the count stays fractional.
        if (is(r, "g_swings"))
            return produce(guardedDiv(of("A_Total"), of("A_Range")));
        return true;
    }
};

class CT_Cycle : public Param {
    bool compute(const Relation* r) override {
        // The period between n photos spans n - 1 gaps.
        if (is(r, "g_tTC"))
            return produce(atLeast1(guardedDiv(of("T_Total"), of("N_Cycles") - 1)));
        if (is(r, "g_t4"))
            return produce(atLeast1(of("T_Settle") + of("T_Exposure") + of("T_Move")));
        if (is(r, "g_avcEff"))
            return produce(atLeast1(guardedDiv(of("A_Cycle"), of("V_Total"))));
        return true;
    }
};

class CT_Exposure : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_t4"))
            return produce(of("T_Cycle") - of("T_Settle") - of("T_Move"));
        return true;
    }
};

class CT_Settle : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_t4"))
            return produce(of("T_Cycle") - of("T_Exposure") - of("T_Move"));
        return true;
    }
};

class CT_Move : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_t4"))
            return produce(of("T_Cycle") - of("T_Exposure") - of("T_Settle"));
        if (is(r, "g_avCycle"))
            return produce(guardedDiv(of("A_Cycle"), of("V_Cycle")));
        return true;
    }
};

class CFps : public Param {
    bool compute(const Relation* r) override {
        if (is(r, "g_vidFps"))
            return produce(guardedDiv(of("N_Cycles"), of("T_Video")));
        return true;
    }
};

} // namespace

double Param::of(std::string_view other) const {
    return solver->value(other);
}

bool Param::is(const Relation* relation, std::string_view relationName) const {
    return relation && relation->name == relationName;
}

CParamsSolver::CParamsSolver() {
    const auto add = [this](size_t i, std::unique_ptr<Param> p, const char* name) {
        p->solver = this;
        p->name = name;
        params_[i] = std::move(p);
    };
    add(0, std::make_unique<CT_Total>(), "T_Total");
    add(1, std::make_unique<CN_Cycles>(), "N_Cycles");
    add(2, std::make_unique<CT_Video>(), "T_Video");
    add(3, std::make_unique<CA_Total>(), "A_Total");
    add(4, std::make_unique<CA_Cycle>(), "A_Cycle");
    add(5, std::make_unique<CV_Total>(), "V_Total");
    add(6, std::make_unique<CV_Cycle>(), "V_Cycle");
    add(7, std::make_unique<CA_Range>(), "A_Range");
    add(8, std::make_unique<CN_Swings>(), "N_Swings");
    add(9, std::make_unique<CT_Cycle>(), "T_Cycle");
    add(10, std::make_unique<CT_Exposure>(), "T_Exposure");
    add(11, std::make_unique<CT_Settle>(), "T_Settle");
    add(12, std::make_unique<CT_Move>(), "T_Move");
    add(13, std::make_unique<CFps>(), "Fps");

    // Members by their index above (a solver is made on every change of a profile, and many
    // times when a profile follows a running program: no look-ups by name here).
    struct Def {
        const char* name;
        std::array<size_t, 4> members;
        size_t count;
    };
    static constexpr Def defs[8] = {
        {"g_tTC", {0, 1, 9}, 3},      // T_Total, N_Cycles, T_Cycle
        {"g_t4", {9, 10, 11, 12}, 4}, // T_Cycle, T_Exposure, T_Settle, T_Move
        {"g_aTC", {3, 1, 4}, 3},      // A_Total, N_Cycles, A_Cycle
        {"g_avCycle", {4, 12, 6}, 3}, // A_Cycle, T_Move, V_Cycle
        {"g_vidFps", {1, 2, 13}, 3},  // N_Cycles, T_Video, Fps
        {"g_avTotal", {3, 0, 5}, 3},  // A_Total, T_Total, V_Total
        {"g_avcEff", {4, 9, 5}, 3},   // A_Cycle, T_Cycle, V_Total
        {"g_swings", {3, 7, 8}, 3},   // A_Total, A_Range, N_Swings
    };
    for (size_t i = 0; i < relations_.size(); ++i) {
        relations_[i] = std::make_unique<Relation>();
        relations_[i]->name = defs[i].name;
        relations_[i]->members.reserve(defs[i].count);
        for (size_t m = 0; m < defs[i].count; ++m) {
            Param* p = params_[defs[i].members[m]].get();
            relations_[i]->members.push_back(p);
            p->relations.push_back(relations_[i].get());
        }
    }
}

CParamsSolver::Param* CParamsSolver::param(std::string_view name) const {
    for (const auto& p : params_)
        if (p && p->name == name)
            return p.get();
    return nullptr;
}

bool CParamsSolver::known(std::string_view name) const {
    const Param* p = param(name);
    return p && p->known;
}

bool CParamsSolver::isInput(std::string_view name) const {
    const Param* p = param(name);
    return p && p->input;
}

double CParamsSolver::value(std::string_view name) const {
    const Param* p = param(name);
    return p ? p->value : 0.0;
}

void CParamsSolver::copyStateFrom(const CParamsSolver& other) {
    for (size_t i = 0; i < params_.size(); ++i) {
        params_[i]->value = other.params_[i]->value;
        params_[i]->known = other.params_[i]->known;
        params_[i]->input = other.params_[i]->input;
    }
}

bool CParamsSolver::setInput(const Param* target, double v) {
    if (!target || target->solver != this || !std::isfinite(v))
        return false;
    Param* p = param(target->name);
    if (p->known)
        return false; // already set
    // The state before, put back when the propagation is refused: a refused input leaves
    // every value and flag as it was. (Cheaper than a scratch solver; the profiles solve
    // afresh on every change and the follow of a running program tries many fields.)
    struct State {
        double value;
        bool known;
        bool input;
    };
    std::array<State, 14> before;
    for (size_t i = 0; i < params_.size(); ++i)
        before[i] = {params_[i]->value, params_[i]->known, params_[i]->input};
    p->value = v;
    p->input = true;
    try {
        propagate(p);
    } catch (const SolverError&) {
        for (size_t i = 0; i < params_.size(); ++i) {
            params_[i]->value = before[i].value;
            params_[i]->known = before[i].known;
            params_[i]->input = before[i].input;
        }
        return false;
    }
    return true;
}

bool CParamsSolver::setInput(std::string_view name, double v) {
    return setInput(param(name), v);
}

void CParamsSolver::propagate(Param* from) {
    from->known = true;
    for (const Relation* r : from->relations) {
        Param* unknown = nullptr;
        int unknowns = 0;
        for (Param* m : r->members)
            if (!m->known) {
                unknown = m;
                ++unknowns;
            }
        if (unknowns != 1)
            continue;
        if (!unknown->compute(r))
            continue;
        if (!std::isfinite(unknown->value))
            throw SolverError("not finite");
        propagate(unknown);
    }
}

} // namespace JEX
