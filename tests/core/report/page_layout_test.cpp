// SPDX-License-Identifier: MIT

#include "core/report/page_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace pali {
namespace {

// Measures that binary fractions hold exactly: a 12 pt cell is 6 pt wide, a
// 12 pt line is 12 pt of ink and 13.5 pt from the next.
constexpr MonospacedFace kFace{0.5, 0.75, 0.25, 0.125};
const std::string kLayerRule(122, '*');

std::vector<std::string> Texts(const PageLayout& layout)
{
    std::vector<std::string> texts;
    for (const PlacedLine& line : layout.lines) {
        texts.push_back(line.text);
    }
    return texts;
}

struct CondenseCase {
    const char* name;
    double pageWidth;
    std::vector<PrintedLine> lines;
    double condense;
    std::vector<std::string> placedTexts;
};

void PrintTo(const CondenseCase& param, std::ostream* out)
{
    *out << param.name;
}

class Condensing : public testing::TestWithParam<CondenseCase> {};

TEST_P(Condensing, FitsTheWidestLineButStaysLegible)
{
    const PageLayout layout = LayOutPages(GetParam().lines, {GetParam().pageWidth, 1000}, kFace);
    EXPECT_DOUBLE_EQ(layout.condense, GetParam().condense);
    EXPECT_EQ(Texts(layout), GetParam().placedTexts);
}

const std::string kLong(300, '7');

// clang-format off
const CondenseCase kCondenseCases[] = {
    {"PageWideEnoughKeepsTheNormalWidth", 1000, {{20, "    TITOLO"}, {12, kLayerRule}}, 1.0,
     {"    TITOLO", kLayerRule}},
    {"WidestLineSetsTheWidth", 549, {{12, kLayerRule}, {20, std::string(58, '*')}}, 0.75,
     {kLayerRule, std::string(58, '*')}},
    {"ShortLinesCondenseOnlyAsMuchAsTheyNeed", 300, {{12, std::string(100, 'x')}}, 0.5,
     {std::string(100, 'x')}},
    {"LongLineStopsAtTheLegibleWidthAndContinues", 549, {{12, "A=" + kLong}, {12, kLayerRule}}, 0.75,
     {"A=" + kLong.substr(0, 120), kLong.substr(120, 122), kLong.substr(242), kLayerRule}},
    {"LongLineOnAWidePageKeepsTheNormalWidth", 1000, {{12, kLong}}, 1.0,
     {kLong.substr(0, 166), kLong.substr(166)}},
    {"LongTwentyPointLineContinuesInWiderCells", 549, {{20, std::string(100, 'x')}}, 0.75,
     {std::string(73, 'x'), std::string(27, 'x')}},
    {"EmptyLinesStayOneLineEach", 549, {{20, ""}, {12, ""}}, 1.0, {"", ""}},
    // clang-format on
};

INSTANTIATE_TEST_SUITE_P(PageLayout, Condensing, testing::ValuesIn(kCondenseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PageLayout, ContinuationSplitsBetweenCharactersNotBytes)
{
    std::string accented;
    for (int i = 0; i < 300; ++i) {
        accented += "è";
    }
    const PageLayout layout = LayOutPages({{12, accented}}, {549, 1000}, kFace);
    std::string joined;
    std::vector<std::size_t> characters;
    for (const PlacedLine& line : layout.lines) {
        joined += line.text;
        characters.push_back(CharacterCount(line.text));
        EXPECT_EQ(line.text.size(), 2 * CharacterCount(line.text)) << "a letter cut in two";
    }
    EXPECT_EQ(joined, accented);
    EXPECT_EQ(characters, (std::vector<std::size_t>{122, 122, 56}));
}

struct Position {
    std::size_t page;
    double baseline;

    bool operator==(const Position&) const = default;
};

void PrintTo(const Position& position, std::ostream* out)
{
    *out << "page " << position.page << " at " << position.baseline;
}

struct PageBreakCase {
    const char* name;
    double pageHeight;
    std::vector<PrintedLine> lines;
    std::vector<Position> positions;
    std::size_t pageCount;
};

void PrintTo(const PageBreakCase& param, std::ostream* out)
{
    *out << param.name;
}

class PageBreaks : public testing::TestWithParam<PageBreakCase> {};

TEST_P(PageBreaks, ALineGoesOnTheNextPageWhenItsInkWouldPassTheBottom)
{
    const PageLayout layout = LayOutPages(GetParam().lines, {1000, GetParam().pageHeight}, kFace);
    std::vector<Position> positions;
    for (const PlacedLine& line : layout.lines) {
        positions.push_back({line.page, line.baseline});
    }
    EXPECT_EQ(positions, GetParam().positions);
    EXPECT_EQ(layout.pageCount, GetParam().pageCount);
}

// clang-format off
const PageBreakCase kPageBreakCases[] = {
    {"NothingIsOnePage", 100, {}, {}, 1},
    {"SevenTwelvePointLinesToAPage", 100,
     std::vector<PrintedLine>(8, {12, "x"}),
     {{0, 9}, {0, 22.5}, {0, 36}, {0, 49.5}, {0, 63}, {0, 76.5}, {0, 90}, {1, 9}},
     2},
    {"FourTwentyPointLinesToAPage", 100,
     std::vector<PrintedLine>(5, {20, "x"}),
     {{0, 15}, {0, 37.5}, {0, 60}, {0, 82.5}, {1, 15}},
     2},
    {"EachSizeKeepsItsOwnSpacing", 100, {{20, ""}, {12, ""}, {20, ""}}, {{0, 15}, {0, 31.5}, {0, 51}}, 1},
    {"InkThatJustFitsStaysOnThePage", 25.5, {{12, ""}, {12, ""}, {12, ""}}, {{0, 9}, {0, 22.5}, {1, 9}}, 2},
    {"PageLowerThanALineStillTakesOneLine", 5, {{12, ""}, {12, ""}}, {{0, 9}, {1, 9}}, 2},
    {"ContinuationLinesBreakLikeAnyOther", 100,
     {{12, std::string(8 * 166 + 1, 'x')}},
     {{0, 9}, {0, 22.5}, {0, 36}, {0, 49.5}, {0, 63}, {0, 76.5}, {0, 90}, {1, 9}, {1, 22.5}},
     2},
    // clang-format on
};

INSTANTIATE_TEST_SUITE_P(PageLayout, PageBreaks, testing::ValuesIn(kPageBreakCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pali
