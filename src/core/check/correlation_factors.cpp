// SPDX-License-Identifier: MIT

#include "core/check/correlation_factors.h"

#include <cmath>

#include "core/state/conversions.h"
#include "core/state/run_time_error.h"

namespace pali {

namespace {

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

VerticalsReading CorrelationFactorsFor(std::string_view verticals, const NumberFormat& format)
{
    VerticalsReading reading;
    if (IsBlank(verticals)) {
        return reading;
    }
    double count = 0.0;
    try {
        count = LocaleReal(verticals, format);
    } catch (const RunTimeError&) {
        reading.problem = VerticalsProblem::NotANumber;
        return reading;
    }
    if (count < 1.0 || std::floor(count) != count) {
        reading.problem = VerticalsProblem::NotAWholeNumberFromOne;
        return reading;
    }
    reading.verticals = count;
    for (const CorrelationFactors& column : kCorrelationFactors) {
        if (column.verticals <= count) {
            reading.factors = column;
        }
    }
    return reading;
}

}  // namespace pali
