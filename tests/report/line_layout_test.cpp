#include "report/line_layout.h"

#include <gtest/gtest.h>

namespace pali {
namespace {

std::vector<std::string> CommaLayout(const PrintItems& items)
{
    return LayOutLine(items, NumberFormat::Comma());
}

PrintItems LayerRow(std::int16_t row, double angle, double thickness, double weight, double k)
{
    return {Column{7},  Number{row},         Column{20}, Cell{ValueCell(angle)},
            Column{37}, Cell{ValueCell(thickness)}, Column{55}, Cell{ValueCell(weight)},
            Column{80}, Cell{ValueCell(k)}};
}

TEST(LineLayout, LayerOneOfTheExampleFallsUnderItsHeadings)
{
    const std::vector<std::string> lines = CommaLayout(LayerRow(1, 30, 5, 1.8, 1));
    ASSERT_EQ(lines.size(), 1U);
    const std::string& line = lines.front();
    ASSERT_EQ(line.size(), 82U);
    std::string digitsOnly(82, ' ');
    for (const auto& [column, text] : std::vector<std::pair<std::size_t, std::string>>{
             {8, "1"}, {21, "30"}, {38, "5"}, {56, "1,8"}, {81, "1"}}) {
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
    {"LiteralKeepsEveryBlank", {Literal{"  a  b "}}, {"  a  b "}},
    {"ItemsFollowWithoutSeparator", {Literal{"NUMERO PALI="}, BoxText{"2"}}, {"NUMERO PALI=2"}},
    {"EmptyBoxContributesNothing", {Literal{"L="}, BoxText{""}}, {"L="}},
    {"BoxTextIsNotConverted", {BoxText{"12.50 m"}}, {"12.50 m"}},
    {"PictureKeepsTheSeparator", {Picture{"80", "#######.##"}}, {"80,"}},
    {"PictureOfEmptyTextIsEmpty", {Literal{"T="}, Picture{"", "#######.##"}}, {"T="}},
    {"PictureOfNonNumberIsUnchanged", {Picture{"abc", "######.##"}}, {"abc"}},
    {"NumberBetweenSpaces", {Number{7}}, {" 7 "}},
    {"ZeroTakesTheLeadingSpace", {Number{0}}, {" 0 "}},
    {"NegativeNumberSignReplacesTheSpace", {Number{-3}}, {"-3 "}},
    {"EmptyCellContributesNothing", {Literal{"a"}, Cell{ValueCell()}, Literal{"b"}}, {"ab"}},
    {"IntegerCell", {Cell{ValueCell::Integer(21)}}, {" 21 "}},
    {"RealCellInTheLocale", {Cell{ValueCell(18.5)}}, {" 18,5 "}},
    {"NegativeCellSignStandsInTheColumn",
     {Column{20}, Cell{ValueCell(-4.25)}},
     {std::string(19, ' ') + "-4,25 "}},
    {"ColumnAtThePositionAddsNothing", {Literal{"abc"}, Column{4}, Literal{"d"}}, {"abcd"}},
    {"ColumnBehindThePositionStartsANewLine",
     {Literal{"abcde"}, Column{3}, Literal{"x"}},
     {"abcde", "  x"}},
    {"AccentedLetterTakesOneColumn", {Literal{"è"}, Column{3}, Literal{"x"}}, {"è x"}},
    // 15 significant digits fill the gap from column 20 exactly: the next
    // value starts in column 37 with no space added.
    {"ValueExactlyFillingTheGap",
     LayerRow(1, 1.3456789012345, 5, 1.8, 1),
     {"       1            1,3456789012345  5" + std::string(17, ' ') + "1,8" +
      std::string(22, ' ') + "1 "}},
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
