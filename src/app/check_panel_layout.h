// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/check_panel.h"
#include "core/calc/design_combinations.h"

namespace pali {

// The widest texts a control of the panel must show whole.
inline constexpr std::string_view kWidestFigure = "9999,99";
inline constexpr std::string_view kWidestVerdict = "NON VERIFICATO";
inline constexpr std::string_view kWidestVerticals = "0000";

// The longest lines the shortest lengths' read-outs may show, NTC 2018's
// and NTC 2008's: no length verified within the longest profile, the best
// Rd/Ed at its widest.
std::array<std::string, 2> WidestShortestLines();

inline constexpr std::size_t kCombinationRows = kDesignCombinations.size();

// How wide the panel's texts are in the fonts that draw them, in pixels.
struct CheckPanelTextWidths {
    int title = 0;
    int verticalsCaption = 0;
    int nqCaption = 0;
    int useCaption = 0;
    std::array<int, kCombinationHeadings.size()> headings{};
    std::array<int, kCombinationRows> combinationNames{};
    int widestFigure = 0;
    int widestVerdict = 0;
    int widestVerticals = 0;
    // The words of the widest shortest lengths' lines, NTC 2018's and NTC
    // 2008's, and the space between two words: their read-outs wrap them.
    std::array<std::vector<int>, 2> shortestWords;
    int space = 0;
    // The room a read-out keeps beside its text, left and right together.
    int readOutMargins = 0;
};

// The width of a text in the panel's title font (bold) or its plain one.
using PanelTextWidth = std::function<int(std::string_view text, bool bold)>;
CheckPanelTextWidths MeasurePanelTexts(const PanelTextWidth& widthOf, int readOutMargins);

// A control's place in the panel's client area, in pixels; never of a
// negative size.
struct PanelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool operator==(const PanelRect&) const = default;
};

struct CheckPanelLayout {
    PanelRect title, verticalsCaption, verticals, factors;
    PanelRect nqCaption, nq, use;
    PanelRect profile;
    PanelRect shortestNtc2018, shortestNtc2008;
    std::array<PanelRect, kCombinationHeadings.size()> headings;
    std::array<PanelRect, kCombinationRows> combinationNames;
    std::array<std::array<PanelRect, kCombinationFigures.size()>, kCombinationRows> figures;
    PanelRect approach1, approach2, warnings;
};

// The panel of that client size at that DPI: rows from the top, the
// combinations, the verdicts and the warnings from the bottom, and the
// profile in the height between, though never less than its least height,
// with the shortest lengths right under it, each as tall as the lines its
// widest text wraps into; every caption as wide as its text, so that each
// shows whole.
CheckPanelLayout LayOutCheckPanel(int width, int height, int dpi, const CheckPanelTextWidths& widths);

}  // namespace pali
