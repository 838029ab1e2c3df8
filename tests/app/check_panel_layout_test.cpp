// SPDX-License-Identifier: MIT

// The panel VERIFICA laid out from its texts' widths, as every front end
// measures them: each control whole, none on another, the profile in the
// height between the top rows and the combinations, the shortest lengths
// right under it, as tall as their texts wrap into.
#include "app/check_panel_layout.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "app/form1_controls.h"

namespace pali {
namespace {

struct Panel {
    int width;
    int height;
    int dpi;
};

std::string Describe(const Panel& panel)
{
    return std::to_string(panel.width) + "x" + std::to_string(panel.height) + " at " + std::to_string(panel.dpi);
}

// A face about as wide as Arial's capitals, bold a little wider, at that DPI.
CheckPanelTextWidths WidthsAt(int dpi)
{
    return MeasurePanelTexts(
        [dpi](std::string_view text, bool bold) { return static_cast<int>(text.size()) * (bold ? 8 : 7) * dpi / 96; },
        4 * dpi / 96);
}

using Named = std::vector<std::pair<std::string, PanelRect>>;

Named EveryControl(const CheckPanelLayout& layout)
{
    Named controls = {{"title", layout.title},
                      {"verticals caption", layout.verticalsCaption},
                      {"verticals", layout.verticals},
                      {"factors", layout.factors},
                      {"Nq caption", layout.nqCaption},
                      {"Nq", layout.nq},
                      {"USA", layout.use},
                      {"profile", layout.profile},
                      {"shortest NTC 2018", layout.shortestNtc2018},
                      {"shortest NTC 2008", layout.shortestNtc2008},
                      {"approach 1", layout.approach1},
                      {"approach 2", layout.approach2},
                      {"warnings", layout.warnings}};
    for (std::size_t column = 0; column < layout.headings.size(); ++column) {
        controls.emplace_back(std::string(kCombinationHeadings[column]), layout.headings[column]);
    }
    for (std::size_t row = 0; row < kCombinationRows; ++row) {
        const std::string name(kDesignCombinations[row].name);
        controls.emplace_back(name, layout.combinationNames[row]);
        for (std::size_t figure = 0; figure < kCombinationFigures.size(); ++figure) {
            controls.emplace_back(std::string(kCombinationFigures[figure]) + " " + name, layout.figures[row][figure]);
        }
    }
    return controls;
}

bool Overlap(const PanelRect& one, const PanelRect& other)
{
    return one.left < other.right() && other.left < one.right() && one.top < other.bottom() && other.top < one.bottom();
}

class CheckPanelLayoutOn : public testing::TestWithParam<Panel> {
protected:
    const Panel panel = GetParam();
    const CheckPanelTextWidths widths = WidthsAt(panel.dpi);
    const CheckPanelLayout layout = LayOutCheckPanel(panel.width, panel.height, panel.dpi, widths);
};

TEST_P(CheckPanelLayoutOn, EveryControlLiesInThePanelAndNoneOnAnother)
{
    const Named controls = EveryControl(layout);
    for (std::size_t first = 0; first < controls.size(); ++first) {
        const auto& [name, rect] = controls[first];
        EXPECT_GT(rect.width, 0) << name;
        EXPECT_GT(rect.height, 0) << name;
        EXPECT_GE(rect.left, 0) << name;
        EXPECT_GE(rect.top, 0) << name;
        EXPECT_LE(rect.right(), panel.width) << name;
        EXPECT_LE(rect.bottom(), panel.height) << name;
        for (std::size_t second = first + 1; second < controls.size(); ++second) {
            EXPECT_FALSE(Overlap(rect, controls[second].second)) << name << " on " << controls[second].first;
        }
    }
}

TEST_P(CheckPanelLayoutOn, EveryCaptionAndColumnIsAsWideAsItsText)
{
    const std::vector<std::pair<PanelRect, int>> captions = {
        {layout.title, widths.title},
        {layout.verticalsCaption, widths.verticalsCaption},
        {layout.nqCaption, widths.nqCaption},
        {layout.use, widths.useCaption},
        {layout.verticals, widths.widestVerticals},
    };
    for (const auto& [rect, text] : captions) {
        EXPECT_GT(rect.width, text);
    }
    for (std::size_t column = 0; column < layout.headings.size(); ++column) {
        EXPECT_GT(layout.headings[column].width, widths.headings[column]) << kCombinationHeadings[column];
    }
    for (std::size_t row = 0; row < kCombinationRows; ++row) {
        EXPECT_GT(layout.combinationNames[row].width, widths.combinationNames[row]);
        for (std::size_t figure = 0; figure + 1 < kCombinationFigures.size(); ++figure) {
            EXPECT_GT(layout.figures[row][figure].width, widths.widestFigure + widths.readOutMargins);
        }
        EXPECT_GT(layout.figures[row].back().width, widths.widestVerdict + widths.readOutMargins);
    }
}

TEST_P(CheckPanelLayoutOn, TheProfileTakesTheHeightBetweenTheTopRowsAndTheShortestLengths)
{
    const int gap = layout.profile.top - layout.use.bottom();
    EXPECT_GT(gap, 0);
    EXPECT_EQ(layout.shortestNtc2018.top - layout.profile.bottom(), gap);
    EXPECT_EQ(layout.shortestNtc2008.top, layout.shortestNtc2018.bottom());
    EXPECT_EQ(layout.headings.front().top - layout.shortestNtc2008.bottom(), gap);
    EXPECT_EQ(layout.profile.left, layout.title.left);
    EXPECT_EQ(layout.profile.right(), layout.use.right());
    for (const PanelRect& shortest : {layout.shortestNtc2018, layout.shortestNtc2008}) {
        EXPECT_EQ(shortest.left, layout.profile.left);
        EXPECT_EQ(shortest.right(), layout.profile.right());
    }
    // The verdicts' column reaches the panel's right margin, as the profile does.
    EXPECT_EQ(layout.headings.back().right(), layout.profile.right());
    EXPECT_EQ(layout.warnings.bottom(), panel.height - layout.title.top);
}

INSTANTIATE_TEST_SUITE_P(Screens, CheckPanelLayoutOn,
                         testing::Values(Panel{450, 600, 96}, Panel{600, 700, 96}, Panel{700, 1000, 120},
                                         Panel{1100, 2000, 192}),
                         [](const testing::TestParamInfo<Panel>& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height) + "at" +
                                    std::to_string(info.param.dpi) + "Dpi";
                         });

TEST(CheckPanelLayout, AShortPanelStillGivesTheProfileItsLeastHeightWithTheShortestLengthsUnderIt)
{
    for (const Panel panel : {Panel{450, 200, 96}, Panel{450, 0, 96}, Panel{900, 400, 192}}) {
        const CheckPanelLayout layout = LayOutCheckPanel(panel.width, panel.height, panel.dpi, WidthsAt(panel.dpi));
        EXPECT_EQ(layout.profile.height, 120 * panel.dpi / kStandardDpi) << Describe(panel);
        EXPECT_GT(layout.shortestNtc2018.top, layout.profile.bottom()) << Describe(panel);
        EXPECT_EQ(layout.shortestNtc2008.top, layout.shortestNtc2018.bottom()) << Describe(panel);
    }
}

TEST(CheckPanelLayout, TheWidestShortestLengthsAreNoneWithinTheLongestProfile)
{
    EXPECT_EQ(
        WidestShortestLines(),
        (std::array<std::string, 2>{
            "LUNGHEZZA MINIMA NTC 2018: nessuna entro 200,00 m (Rd/Ed massimo 9999,99 a 200,00 m)",
            "LUNGHEZZA MINIMA NTC 2008 (APPROCCIO 1): nessuna entro 200,00 m (Rd/Ed massimo 9999,99 a 200,00 m)"}));
}

// Seven pixels a letter at 96 DPI: NTC 2018's widest line is 588 pixels
// wide, NTC 2008's 686; each read-out is 14 pixels a line and 4 more.
struct Wrapping {
    Panel panel;
    int ntc2018Lines;
    int ntc2008Lines;
};

TEST(CheckPanelLayout, EachShortestLengthIsAsTallAsItsWidestTextWrapsInto)
{
    const std::vector<Wrapping> cases = {
        {{450, 600, 96}, 2, 2},
        {{700, 600, 96}, 1, 2},
        {{900, 600, 96}, 1, 1},
        {{1100, 2000, 192}, 2, 2},
    };
    for (const auto& [panel, ntc2018Lines, ntc2008Lines] : cases) {
        const CheckPanelLayout layout = LayOutCheckPanel(panel.width, panel.height, panel.dpi, WidthsAt(panel.dpi));
        const int scale = panel.dpi / kStandardDpi;
        EXPECT_EQ(layout.shortestNtc2018.height, (ntc2018Lines * 14 + 4) * scale) << Describe(panel);
        EXPECT_EQ(layout.shortestNtc2008.height, (ntc2008Lines * 14 + 4) * scale) << Describe(panel);
    }
}

TEST(CheckPanelLayout, ANarrowPanelGivesNoControlANegativeSize)
{
    const CheckPanelLayout layout = LayOutCheckPanel(0, 0, kStandardDpi, WidthsAt(kStandardDpi));
    for (const auto& [name, rect] : EveryControl(layout)) {
        EXPECT_GE(rect.width, 0) << name;
        EXPECT_GE(rect.height, 0) << name;
    }
}

}  // namespace
}  // namespace pali
