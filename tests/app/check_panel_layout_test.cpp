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

}  // namespace
}  // namespace pali
