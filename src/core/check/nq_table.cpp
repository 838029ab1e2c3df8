// SPDX-License-Identifier: MIT

#include "core/check/nq_table.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/state/conversions.h"
#include "core/state/run_time_error.h"

namespace pali {

namespace {

// The column of the greatest table angle not above the angle; the last but
// one for the last angle, so that there is a column to its right.
std::size_t ColumnAtOrBelow(double angle)
{
    std::size_t column = 0;
    while (column + 2 < kNqColumns && kNqAngles[column + 1] <= angle) {
        ++column;
    }
    return column;
}

// A row of the table at the angle, on the straight line between two columns.
double RowAt(const NqRow& row, std::size_t column, double t)
{
    return row[column] + t * (row[column + 1] - row[column]);
}

// A typed decimal angle is held in binary a hair from its value, and Nq
// from it may fall a hair below the tenth the hand calculation gives (28,2°
// at L/D 25: 12,4999999999999982 for 12,5). Within a billionth of a tenth
// below, it is taken as that tenth: far below what the engineer can type,
// far above the arithmetic's error.
double RoundedDownToOneDecimal(double nq)
{
    constexpr double kMargin = 1e-9;
    return std::floor(10.0 * nq + kMargin) / 10.0;
}

// Nq between the table's points, unrounded; the angle within the table and
// L/D above 0 and up to 50.
double InterpolatedNq(double tipAngle, double slenderness)
{
    const std::size_t column = ColumnAtOrBelow(tipAngle);
    const double t = (tipAngle - kNqAngles[column]) / (kNqAngles[column + 1] - kNqAngles[column]);
    const double at25 = RowAt(kNqAt25, column, t);
    const double at50 = RowAt(kNqAt50, column, t);
    const double s =
        (std::max(slenderness, kNqFirstSlenderness) - kNqFirstSlenderness) / (kNqLastSlenderness - kNqFirstSlenderness);
    return at25 + s * (at50 - at25);
}

}  // namespace

std::optional<std::int32_t> LayerCount::TableRows() const
{
    return typed && *typed >= 1 && *typed <= kLastLayerRow ? typed : std::nullopt;
}

std::int32_t LayerCount::RowsShown() const
{
    return std::clamp(typed.value_or(0), 0, kLastLayerRow);
}

LayerCount ReadLayerCount(const FormContents& form, const NumberFormat& format)
{
    try {
        return {LocaleLongOf(form, Box::C, format)};
    } catch (const RunTimeError&) {
        return {};
    }
}

NqReading NqFromTable(const FormContents& form, const ProjectState& state, const NumberFormat& format)
{
    NqReading reading;
    const LayerCount layers = ReadLayerCount(form, format);
    if (!layers.typed) {
        reading.missing = NqMissing::BoxUnreadable;
        reading.unreadableBox = Box::C;
        return reading;
    }
    const auto tipRow = layers.TableRows();
    if (!tipRow) {
        reading.missing = NqMissing::LayerCountNotInTable;
        return reading;
    }
    reading.tipAngle = CellReal(state.ANG[*tipRow]);
    try {
        const double length = LocaleRealOf(form, Box::B, format);
        const double diameter = LocaleRealOf(form, Box::A, format);
        if (diameter == 0.0) {
            reading.missing = NqMissing::ZeroDiameter;
            return reading;
        }
        reading.slenderness = 100.0 * length / diameter;
    } catch (const RunTimeError& error) {
        reading.missing = NqMissing::BoxUnreadable;
        reading.unreadableBox = error.box();
        return reading;
    }
    if (!(*reading.tipAngle >= kNqAngles.front() && *reading.tipAngle <= kNqAngles.back())) {
        reading.missing = NqMissing::AngleOutsideTable;
    } else if (!(*reading.slenderness > 0.0 && *reading.slenderness <= kNqLastSlenderness)) {
        reading.missing = NqMissing::SlendernessOutsideTable;
    } else {
        reading.value = RoundedDownToOneDecimal(InterpolatedNq(*reading.tipAngle, *reading.slenderness));
    }
    return reading;
}

}  // namespace pali
