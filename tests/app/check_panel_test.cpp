// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/check_panel.h"
#include "app/design_check_texts.h"
#include "core/calc/worked_example.h"

namespace pali {
namespace {

const NumberFormat kComma = NumberFormat::Comma();

// Every character as wide as half its size, every line as tall as its size.
class FixedMeasure : public draw::TextMeasure {
public:
    double width(std::string_view text, double size, bool) const override { return text.size() * size / 2.0; }
    double lineHeight(double size) const override { return size; }
};

// Where the check reads the project: the boxes, then the verticals (kVerticals).
constexpr std::size_t kVerticals = 99;
const std::array<std::size_t, 9> kRead = {
    static_cast<std::size_t>(Box::A),  static_cast<std::size_t>(Box::B),  static_cast<std::size_t>(Box::C),
    static_cast<std::size_t>(Box::K1), static_cast<std::size_t>(Box::CP), static_cast<std::size_t>(Box::CPNS),
    static_cast<std::size_t>(Box::CV), static_cast<std::size_t>(Box::M5), kVerticals,
};
const std::array<const char*, 8> kAwkward = {"1e999", "-1e999", "1e308", "1e-320", "", "parola", ",", "1,5,5"};

// The check, every text made of it and the profile's picture, on the worked
// example with those texts typed.
void CheckEverything(const std::vector<std::pair<std::size_t, const char*>>& typed)
{
    FormContents form;
    ProjectState state;
    fixtures::EnterWorkedExample(form, state, 0);
    std::string verticals = "3";
    for (const auto& [where, text] : typed) {
        (where == kVerticals ? verticals : form.texts[where]) = text;
    }
    const DesignCheck check = CheckDesign(form, state, verticals, kComma);
    const LengthCurve curve = CurveOfLengths(form, state, verticals, kComma);
    PanelTexts(check, curve, kComma);
    DesignCheckReportLines(check, curve, kComma);
    DesignCheckText("p.pali", check, curve, kComma);
    DesignCheckJson("p.pali", check, curve, kComma);
    CurveCsv(curve, kComma);
    CurveJson(curve);
    const draw::Drawing picture =
        CheckPicture(ProfileOf(form, state, kComma), curve, 400, 300, 12, FixedMeasure(), kComma);
    const auto inside = [](draw::Point point) {
        return point.x >= 0 && point.x <= 400 && point.y >= 0 && point.y <= 300;
    };
    for (const draw::Primitive& primitive : picture.primitives) {
        if (const auto* rect = std::get_if<draw::FilledRect>(&primitive)) {
            EXPECT_TRUE(inside({rect->rect.left, rect->rect.top}) && inside({rect->rect.right, rect->rect.bottom}));
        } else if (const auto* line = std::get_if<draw::Polyline>(&primitive)) {
            EXPECT_TRUE(std::ranges::all_of(line->points, inside));
        }
    }
}

TEST(CheckPanel, NoTextInAnyBoxMakesTheCheckOrThePanelFail)
{
    for (std::size_t first = 0; first < kRead.size(); ++first) {
        for (const char* value : kAwkward) {
            SCOPED_TRACE(testing::Message() << "box " << kRead[first] << " «" << value << "»");
            EXPECT_NO_THROW(CheckEverything({{kRead[first], value}}));
            for (std::size_t second = first + 1; second < kRead.size(); ++second) {
                for (const char* other : kAwkward) {
                    SCOPED_TRACE(testing::Message() << "and box " << kRead[second] << " «" << other << "»");
                    EXPECT_NO_THROW(CheckEverything({{kRead[first], value}, {kRead[second], other}}));
                }
            }
        }
    }
}

// The parts of a profile's picture, 400 x 300 with lines 12 high: the area
// of the drawing runs from 12 to 388 across and from 12 to 288 down.
struct ProfileParts {
    std::vector<draw::FilledRect> bands;  // the soil, without the lines at their bases
    std::optional<draw::FilledRect> pile;
    std::vector<std::string> texts;
};

ProfileParts PartsOf(const FormContents& form, const ProjectState& state)
{
    ProfileParts parts;
    const draw::Drawing picture = ProfilePicture(ProfileOf(form, state, kComma), 400, 300, 12, FixedMeasure());
    for (const draw::Primitive& primitive : picture.primitives) {
        if (const auto* text = std::get_if<draw::Text>(&primitive)) {
            parts.texts.push_back(text->text);
        } else if (const auto* rect = std::get_if<draw::FilledRect>(&primitive)) {
            if (rect->fill == draw::Colour::Pile) {
                parts.pile = *rect;
            } else if (rect->fill != draw::Colour::Ink) {
                parts.bands.push_back(*rect);
            }
        }
    }
    return parts;
}

struct ProfileCase {
    const char* name;
    const char* diameter;
    const char* length;
    int layers;
    double thickness;  // of each layer
    double lastBandBottom;
    double pileWidth;
    double tip;
    std::size_t texts;  // the base under the tip has no depth of its own: the tip's gives it
};

TEST(ProfilePicture, DrawsTheLayersAndThePileToScale)
{
    const ProfileCase cases[] = {
        {"one layer", "60", "12", 1, 12.0, 288.0, 13.8, 288.0, 3},
        {"twenty layers", "60", "12", 20, 0.6, 288.0, 13.8, 288.0, 41},
        {"a thin pile", "10", "12", 2, 6.0, 288.0, 6.0, 288.0, 5},
        {"a tip below the layers", "60", "24", 2, 6.0, 150.0, 6.9, 288.0, 6},
        {"no layers", "60", "12", 0, 0.0, 0.0, 13.8, 288.0, 2},
    };
    for (const ProfileCase& c : cases) {
        SCOPED_TRACE(c.name);
        FormContents form;
        ProjectState state;
        form[Box::A] = c.diameter;
        form[Box::B] = c.length;
        form[Box::C] = std::to_string(c.layers);
        for (int row = 1; row <= c.layers; ++row) {
            fixtures::StoreLayerRow(state, row, {30.0 + row % 5, c.thickness, 1.8, 0.5});
        }
        const ProfileParts parts = PartsOf(form, state);
        ASSERT_EQ(parts.bands.size(), static_cast<std::size_t>(c.layers));
        double top = 12.0;
        for (std::size_t band = 0; band < parts.bands.size(); ++band) {
            EXPECT_DOUBLE_EQ(parts.bands[band].rect.top, top) << band;
            EXPECT_EQ(parts.bands[band].fill, band % 2 == 0 ? draw::Colour::SoilOdd : draw::Colour::SoilEven);
            top = parts.bands[band].rect.bottom;
        }
        if (c.layers > 0) {
            EXPECT_NEAR(parts.bands.back().rect.bottom, c.lastBandBottom, 1e-9);
        }
        ASSERT_TRUE(parts.pile);
        EXPECT_NEAR(parts.pile->rect.right - parts.pile->rect.left, c.pileWidth, 1e-9);
        EXPECT_DOUBLE_EQ(parts.pile->rect.bottom, c.tip);
        EXPECT_EQ(parts.texts.front(), "piano campagna");
        EXPECT_EQ(parts.texts.back(), std::string("punta ") + c.length + ",00 m");
        EXPECT_EQ(parts.texts.size(), c.texts);
    }
}

// The chart beside the profile, 400 x 300 with lines 12 high.
struct ChartParts {
    std::vector<draw::Polyline> lines;
    std::vector<std::string> texts;
    double groundY = 0.0;
    double firstBaseY = 0.0;  // the base of layer 1, on the profile
};

ChartParts ChartOf(const FormContents& form, const ProjectState& state, const char* verticals)
{
    ChartParts parts;
    const draw::Drawing picture =
        CheckPicture(ProfileOf(form, state, kComma), CurveOfLengths(form, state, verticals, kComma), 400, 300, 12,
                     FixedMeasure(), kComma);
    for (const draw::Primitive& primitive : picture.primitives) {
        if (const auto* line = std::get_if<draw::Polyline>(&primitive)) {
            parts.lines.push_back(*line);
        } else if (const auto* text = std::get_if<draw::Text>(&primitive)) {
            parts.texts.push_back(text->text);
        } else if (const auto* band = std::get_if<draw::FilledRect>(&primitive);
                   band && parts.firstBaseY == 0.0 && band->fill == draw::Colour::SoilOdd) {
            parts.groundY = band->rect.top;
            parts.firstBaseY = band->rect.bottom;
        }
    }
    return parts;
}

// The lines of that stroke in the chart, the legend's samples under it left out.
std::vector<draw::Polyline> LinesOf(const ChartParts& parts, draw::Colour colour, double width)
{
    std::vector<draw::Polyline> lines;
    std::ranges::copy_if(parts.lines, std::back_inserter(lines), [&](const draw::Polyline& line) {
        return line.stroke.colour == colour && line.stroke.width == width && line.points.front().y < 288.0;
    });
    return lines;
}

// Rd of each combination from the first length to the last, on the profile's
// depth scale; Ed upright; the shortest lengths marked with their figures.
TEST(CheckPicture, DrawsTheResistanceAtEveryLengthLevelWithTheProfile)
{
    FormContents form;
    ProjectState state;
    fixtures::EnterWorkedExample(form, state, 0);
    const ChartParts chart = ChartOf(form, state, "3");
    const double metre = (chart.firstBaseY - chart.groundY) / 5.0;
    const std::array colours = {draw::Colour::CombinationR1, draw::Colour::CombinationR2, draw::Colour::CombinationR3};
    for (const draw::Colour colour : colours) {
        const auto rd = LinesOf(chart, colour, 2.0);
        ASSERT_EQ(rd.size(), 1U);
        ASSERT_EQ(rd[0].points.size(), 120U);
        EXPECT_NEAR(rd[0].points.front().y, chart.groundY + 0.1 * metre, 1e-9);
        EXPECT_NEAR(rd[0].points.back().y, chart.groundY + 12.0 * metre, 1e-9);
        EXPECT_LT(rd[0].points.front().x, rd[0].points.back().x);  // Rd grows with the length
        const auto ed = LinesOf(chart, colour, 1.0);
        ASSERT_EQ(ed.size(), 1U);
        EXPECT_EQ(ed[0].points.front().x, ed[0].points.back().x);
    }
    EXPECT_NE(std::ranges::find(chart.texts, "NTC 2018: 8,20 m"), chart.texts.end());
    EXPECT_NE(std::ranges::find(chart.texts, "NTC 2008: 8,80 m"), chart.texts.end());
    const auto marks = LinesOf(chart, draw::Colour::Shortest, 1.0);
    ASSERT_EQ(marks.size(), 2U);
    EXPECT_NEAR(marks[0].points.front().y, chart.groundY + 8.2 * metre, 1e-9);
}

}  // namespace
}  // namespace pali
