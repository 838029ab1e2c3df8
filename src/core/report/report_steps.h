// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/state/box.h"

namespace pali {

struct FontSizeStep {
    float points;
};

// A fixed text, then optionally the text of a box: as it stands when there is
// no pattern, otherwise written through the pattern.
struct TextStep {
    std::string literal;
    std::optional<Box> box = std::nullopt;
    std::string pattern = {};
};

struct BlankLinesStep {
    int count;
};

struct LayerRowsStep {};
struct CombinationStep {};
struct EndStep {};

using ReportStep = std::variant<FontSizeStep, TextStep, BlankLinesStep, LayerRowsStep, CombinationStep, EndStep>;

// The size of the report's body text, in points, and the layer table's widest
// rule printed in it: the widest line every report has.
inline constexpr float kBodyFontSize = 12;
inline constexpr std::size_t kLayerTableRuleWidth = 122;

// The report from its title to the signature, in printing order.
const std::vector<ReportStep>& ReportSteps();

// The line naming the selected design combination, by option index.
inline constexpr std::array<std::string_view, 3> kCombinationLines = {
    " APPROCCIO 1    COMBINAZIONE1(A1+M1+R1)",
    " APPROCCIO 1    COMBINAZIONE2(A2+M2+R2)",
    " APPROCCIO 2    COMBINAZIONE1(A1+M1+R3)",
};

}  // namespace pali
