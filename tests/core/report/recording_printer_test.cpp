// SPDX-License-Identifier: MIT

#include "core/report/recording_printer.h"

#include <gtest/gtest.h>

namespace pali {
namespace {

std::vector<std::string> CommaLayout(const PrintItems& items)
{
    return LayOutLine(items, NumberFormat::Comma());
}

PrintItems LayerRow(std::int16_t row, double angle, double thickness, double weight, double k)
{
    return {print::Column{7},  print::Number{row},
            print::Column{20}, print::Cell{ValueCell(angle)},
            print::Column{37}, print::Cell{ValueCell(thickness)},
            print::Column{55}, print::Cell{ValueCell(weight)},
            print::Column{80}, print::Cell{ValueCell(k)}};
}

TEST(LineLayout, LayerOneOfTheExampleFallsUnderItsHeadings)
{
    const std::vector<std::string> lines = CommaLayout(LayerRow(1, 30, 5, 1.8, 1));
    ASSERT_EQ(lines.size(), 1U);
    const std::string& line = lines.front();
    ASSERT_EQ(line.size(), 82U);
    std::string digitsOnly(82, ' ');
    for (const auto& [column, text] :
         std::vector<std::pair<std::size_t, std::string>>{{8, "1"}, {21, "30"}, {38, "5"}, {56, "1,8"}, {81, "1"}}) {
        digitsOnly.replace(column - 1, text.size(), text);
    }
    EXPECT_EQ(line, digitsOnly);
}

struct LayoutCase {
    const char* name;
    PrintItems items;
    std::vector<std::string> lines;
};

void PrintTo(const LayoutCase& param, std::ostream* out)
{
    *out << param.name;
}

class ItemRules : public testing::TestWithParam<LayoutCase> {};

TEST_P(ItemRules, LayOutAsWritten)
{
    EXPECT_EQ(CommaLayout(GetParam().items), GetParam().lines);
}

const LayoutCase kItemCases[] = {
    {"NoItemsGiveAnEmptyLine", {}, {""}},
    {"LiteralKeepsEveryBlank", {print::Literal{"  a  b "}}, {"  a  b "}},
    {"ItemsFollowWithoutSeparator", {print::Literal{"NUMERO PALI="}, print::BoxText{"2"}}, {"NUMERO PALI=2"}},
    {"EmptyBoxContributesNothing", {print::Literal{"L="}, print::BoxText{""}}, {"L="}},
    {"BoxTextIsNotConverted", {print::BoxText{"12.50 m"}}, {"12.50 m"}},
    {"PictureKeepsTheSeparator", {print::Picture{"80", "#######.##"}}, {"80,"}},
    {"PictureOfEmptyTextIsEmpty", {print::Literal{"T="}, print::Picture{"", "#######.##"}}, {"T="}},
    {"PictureOfNonNumberIsUnchanged", {print::Picture{"abc", "######.##"}}, {"abc"}},
    {"NumberBetweenSpaces", {print::Number{7}}, {" 7 "}},
    {"ZeroTakesTheLeadingSpace", {print::Number{0}}, {" 0 "}},
    {"NegativeNumberSignReplacesTheSpace", {print::Number{-3}}, {"-3 "}},
    {"EmptyCellContributesNothing", {print::Literal{"a"}, print::Cell{ValueCell()}, print::Literal{"b"}}, {"ab"}},
    {"IntegerCell", {print::Cell{ValueCell::Integer(21)}}, {" 21 "}},
    {"RealCellInTheLocale", {print::Cell{ValueCell(18.5)}}, {" 18,5 "}},
    {"NegativeCellSignStandsInTheColumn",
     {print::Column{20}, print::Cell{ValueCell(-4.25)}},
     {std::string(19, ' ') + "-4,25 "}},
    {"ColumnAtThePositionAddsNothing", {print::Literal{"abc"}, print::Column{4}, print::Literal{"d"}}, {"abcd"}},
    {"ColumnBehindThePositionStartsANewLine",
     {print::Literal{"abcde"}, print::Column{3}, print::Literal{"x"}},
     {"abcde", "  x"}},
    {"AccentedLetterTakesOneColumn", {print::Literal{"è"}, print::Column{3}, print::Literal{"x"}}, {"è x"}},
    // 15 significant digits fill the gap from column 20 exactly: the next
    // value starts in column 37 with no space added.
    {"ValueExactlyFillingTheGap",
     LayerRow(1, 1.3456789012345, 5, 1.8, 1),
     {"       1            1,3456789012345  5" + std::string(17, ' ') + "1,8" + std::string(22, ' ') + "1 "}},
    // A 16-character angle runs past column 37: the row breaks there and the
    // other three values continue on a new line from column 37.
    {"AngleOfSixteenCharactersBreaksTheRow",
     LayerRow(1, 12.3456789012345, 5, 1.8, 1),
     {"       1            12,3456789012345 ",
      std::string(37, ' ') + "5" + std::string(17, ' ') + "1,8" + std::string(22, ' ') + "1 "}},
};

INSTANTIATE_TEST_SUITE_P(Report, ItemRules, testing::ValuesIn(kItemCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pali
