// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/state/number_format.h"

namespace pali {

// The correlation factors of a resistance computed from the soil's
// parameters, by the number of verticals investigated: D.M. 14/01/2008 and
// D.M. 17/01/2018, section 6.4.3.1.1, Table 6.4.IV.
struct CorrelationFactors {
    int verticals;  // the table's column
    double xi3;     // on the mean of the computed resistances
    double xi4;     // on the least of them

    // xi3 as the table writes it, in hundredths: the decimal the engineer divides by.
    constexpr int Xi3Hundredths() const { return static_cast<int>(xi3 * 100.0 + 0.5); }
};

inline constexpr std::array<CorrelationFactors, 7> kCorrelationFactors = {{
    {1, 1.70, 1.70},
    {2, 1.65, 1.55},
    {3, 1.60, 1.48},
    {4, 1.55, 1.42},
    {5, 1.50, 1.34},
    {7, 1.45, 1.28},
    {10, 1.40, 1.21},
}};

// The number of verticals as typed, and the table's column for it: the
// column of that number, or of the next number below that the table has
// (6 takes 5's, 8 and 9 take 7's, 10 and more take 10's).
enum class VerticalsProblem {
    NotANumber,
    NotAWholeNumberFromOne,
};

struct VerticalsReading {
    std::optional<double> verticals;
    std::optional<CorrelationFactors> factors;
    std::optional<VerticalsProblem> problem;  // why there are none
};

// The text must be a whole number from 1, blanks around it allowed, in the
// user's locale; an empty text gives neither factors nor a problem.
VerticalsReading CorrelationFactorsFor(std::string_view verticals, const NumberFormat& format);

}  // namespace pali
