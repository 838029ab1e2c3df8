// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

namespace pali {

// Berezantzev's Nq as the window's table gives it, three label lines: the
// friction angles at the tip, then Nq at the slenderness L/D = 25 and at 50.
// The window shows these texts and the check reads its figures out of them,
// so the two can never disagree.
inline constexpr std::string_view kNqAnglesLine = "fi (gradi)                28-30-32-34-36-38-40";
inline constexpr std::string_view kNqAt25Line = "L/D=25------- Nq=12-17-25-40-58-89-137";
inline constexpr std::string_view kNqAt50Line = "L/D=50-------Nq=   9-14-22-37-56-88-136";

inline constexpr std::size_t kNqColumns = 7;
using NqRow = std::array<double, kNqColumns>;

// The numbers "a-b-c-..." that end a line of the table, blanks before them allowed.
consteval NqRow NqRowOf(std::string_view line)
{
    std::size_t start = line.size();
    while (start > 0 && (line[start - 1] == '-' || (line[start - 1] >= '0' && line[start - 1] <= '9'))) {
        --start;
    }
    NqRow row{};
    std::size_t column = 0;
    int number = 0;
    for (std::size_t at = start; at <= line.size(); ++at) {
        if (at == line.size() || line[at] == '-') {
            if (column == kNqColumns) {
                throw "more numbers than columns";
            }
            row[column++] = number;
            number = 0;
        } else {
            number = number * 10 + (line[at] - '0');
        }
    }
    if (column != kNqColumns) {
        throw "fewer numbers than columns";
    }
    return row;
}

inline constexpr NqRow kNqAngles = NqRowOf(kNqAnglesLine);
inline constexpr NqRow kNqAt25 = NqRowOf(kNqAt25Line);
inline constexpr NqRow kNqAt50 = NqRowOf(kNqAt50Line);
inline constexpr double kNqFirstSlenderness = 25.0;
inline constexpr double kNqLastSlenderness = 50.0;

// Nq read off the table for the window's tip angle (ANG of the last layer,
// the row C names) and slenderness (100 B / A, as CALCOLA L/D), as an engineer
// reads it: straight lines between the angles, then between the two rows of
// L/D; an L/D below 25 takes the row of 25, on the safe side, since Nq falls
// as L/D grows. Shown rounded down to one decimal, the safe side again, as
// the hand calculation from the typed decimals gives it.
enum class NqMissing {
    LayerCountNotInTable,  // C does not name the rows 1..20
    BoxUnreadable,         // the box named does not read as a number
    ZeroDiameter,
    AngleOutsideTable,        // the tip's angle
    SlendernessOutsideTable,  // L/D
};

struct NqReading {
    std::optional<double> tipAngle;
    std::optional<double> slenderness;
    std::optional<double> value;       // rounded down to one decimal; none outside the table
    std::optional<NqMissing> missing;  // why there is no value
    std::optional<Box> unreadableBox;
};

NqReading NqFromTable(const FormContents& form, const ProjectState& state, const NumberFormat& format);

// The number of layers C as CALCOLA PORTANZA reads it, read once for the
// check, the table's Nq and the profile.
struct LayerCount {
    std::optional<std::int32_t> typed;  // none when C does not read as a whole number

    // The rows 1..n of the layer table, when C names only such rows.
    std::optional<std::int32_t> TableRows() const;
    // As many rows as a drawing of the profile shows: those C names, the table's at most.
    std::int32_t RowsShown() const;
};

LayerCount ReadLayerCount(const FormContents& form, const NumberFormat& format);

}  // namespace pali
