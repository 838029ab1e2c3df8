// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/check/correlation_factors.h"
#include "core/check/nq_table.h"
#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"
#include "core/state/run_time_error.h"

namespace pali {

enum class Verdict { Verified, NotVerified };

std::string_view VerdictText(Verdict verdict);

// What the engineer should know before signing: each warning a kind with its
// figures, which the application puts into words.
struct CheckWarning {
    enum class Kind {
        NoVerticals,            // the verticals' box is empty
        VerticalsUnusable,      // see the verticals' problem
        LayerNotStored,         // row: never stored with OK
        LayersDoNotAddUp,       // first: the thicknesses' sum, second: the pile's length
        NqNotFromTable,         // see the reading of Nq
        TypedNqAboveTable,      // first: K1 as read, second: the table's Nq
        TypedNqUnreadable,      // error: why K1 gives no number
        LayerCountBeyondTable,  // row: the number of layers typed
    };
    Kind kind;
    std::int32_t row = 0;
    double first = 0.0;
    double second = 0.0;
    std::optional<ErrorKind> error;

    bool operator==(const CheckWarning&) const = default;
};

// One design combination checked: CALCOLA PORTANZA under it, on copies of the
// window; the design resistance Rd is the capacity shown (M8, the group's)
// divided by the correlation factor, and the action Ed the factored load shown
// (CARMAG).
struct CombinationCheck {
    std::string_view name;
    std::optional<RunTimeError> error;  // the calculation failed: no figures
    std::optional<double> ed;
    std::optional<double> capacity;  // M8 as shown
    std::optional<double> rd;        // none without the correlation factors
    std::optional<double> ratio;     // Rd / Ed, none when Ed is not a compression
    std::optional<Verdict> verdict;
};

// The design check an engineer signs, from the window's texts, its layer
// table and the number of verticals investigated. One soil profile is
// entered, so the mean and the least computed resistance are the same and
// Rc,k = min(R / xi3, R / xi4) = R / xi3.
struct DesignCheck {
    NqReading nq;
    VerticalsReading verticals;
    std::array<CombinationCheck, 3> combinations;
    std::optional<Verdict> approach1Ntc2008;         // A1+M1+R1 and A2+M2+R2 together
    std::optional<Verdict> approach2Ntc2008Ntc2018;  // A1+M1+R3
    std::vector<CheckWarning> warnings;
};

// A combination judged from its factored load CARMAG and its capacity M8 as
// the window shows them.
CombinationCheck JudgedCombination(std::size_t option, const std::string& factoredLoad,
                                   const std::string& groupCapacity, const std::optional<CorrelationFactors>& factors,
                                   const NumberFormat& format);

// CALCOLA PORTANZA under each combination, on copies, with Rd and the verdicts.
std::array<CombinationCheck, 3> CheckCombinations(const FormContents& form, const ProjectState& state,
                                                  const std::optional<CorrelationFactors>& factors,
                                                  const NumberFormat& format);

// Never raises, whatever the boxes hold: what cannot be read is a warning.
DesignCheck CheckDesign(const FormContents& form, const ProjectState& state, std::string_view verticals,
                        const NumberFormat& format);

// A figure with that many decimals, correctly rounded from the double's
// exact value, with the user's decimal separator.
std::string FixedDecimals(double value, int decimals, const NumberFormat& format);
// A figure of the check with two decimals, correctly rounded from the
// double's exact value, with the user's decimal separator.
std::string TwoDecimals(double value, const NumberFormat& format);
// Nq from the table with its one decimal.
std::string OneDecimal(double value, const NumberFormat& format);

}  // namespace pali
