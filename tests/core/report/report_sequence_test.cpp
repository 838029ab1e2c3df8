// SPDX-License-Identifier: MIT

#include "core/report/report_sequence.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/report/recording_printer.h"
#include "core/state/run_time_error.h"
#include "worked_example.h"

namespace pali {
namespace {

// The worked example's report as it must come out, one line per row: the
// font size, then the text between bars so that every blank shows.
constexpr const char* kWorkedExampleReport = R"(
20||
20||
20|    PORTANZA DEI PALI DI FONDAZIONE|
12|*************************************|
12|        Teoria  BEREZANTZEV  |
12|        Il programma è stato realizzato consultando il testo- TESK - ORBEL; |
12|        - ELEMENTI DI COSTRUZIONI SISMICHE |
12|        Qt=Qp+Ql=Ap*Gp*L*Nq+Al*(1/2(Ki*Gi*Li*TANG(0)i)|
12|  SECONDO LE NORME 2008   D.M. 14/01/2008|
12|*****************************************"|
12|        DIAMETRO DEL PALO (cm)=60|
12|        LUNGHEZZA PALO (mt)=12|
12|        NUMERO PALI=2|
12||
12||
12||
12||
12|                                       DATI STRATIGRAFICI|
12|****************************************************************************************************************|
12|     STRATOANG.ATTRITO(gradi)LUNGHEZZA(mt) PESO SPEC.(tonn/mc)COEF.PRESSIONE LAT.|
12|**************************************************************************************************************************|
12|       1            30               5                 1,8                      1 |
12|       2            34               7                 1,9                      0,8 |
12||
12||
12||
12||
12|        NQ(coefficiente TESK-ORBEL)=30|
12||
12|        CARICO  TOTALE(tonn.)=80,|
12||
12||
12||
12||
20||
20||
20|                       RISULTATI|
20|**********************************************************|
12|       CARICO TOTALE INCREMENTATO(tonn.)=110,|
12|        PORTANZA ALLA PUNTA(tonn.)=193,3|
12|        PORTANZA LATERALE (tonn.)=139,77|
12|        PORTANZA TOTALE(tonn.)=333,07|
12|        PORTANZA TOTALE RIDOTTA(Np>1)(tonn.)=313,09|
12||
12| APPROCCIO 1    COMBINAZIONE1(A1+M1+R1)|
12||
12||
12|                                     IL TECNICO|
)";

std::vector<PrintedLine> ParseExpected(const std::string& table)
{
    std::vector<PrintedLine> lines;
    std::istringstream rows(table);
    std::string row;
    while (std::getline(rows, row)) {
        if (row.empty()) {
            continue;
        }
        const std::size_t bar = row.find('|');
        lines.push_back({std::stof(row.substr(0, bar)), row.substr(bar + 1, row.size() - bar - 2)});
    }
    return lines;
}

struct Recorded {
    std::vector<PrintedLine> lines;
    bool ended;
};

Recorded Compose(const FormContents& form, ProjectState& state)
{
    RecordingPrinter printer(NumberFormat::Comma());
    ComposeReport(form, state, printer, NumberFormat::Comma());
    return {printer.lines(), printer.documentEnded()};
}

FormContents FormWithLayerCount(const std::string& count)
{
    FormContents form;
    form[Box::C] = count;
    return form;
}

TEST(ReportSequence, WorkedExampleAfterTheCalculationReadsAsWrittenByHand)
{
    const std::vector<PrintedLine> expected = ParseExpected(kWorkedExampleReport);
    const std::vector<PrintedLine> actual = WorkedExampleReport();
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t line = 0; line < expected.size(); ++line) {
        EXPECT_EQ(actual[line], expected[line]) << "line " << line + 1;
    }
}

TEST(ReportSequence, BeforeAnyCalculationEveryLabelLineEndsWithItsLabel)
{
    // Character counts of every line with all boxes empty but C = 0, which
    // are the lengths of the fixed texts themselves.
    const std::vector<std::size_t> counts = {0, 0,  35,  37, 29,  76, 43, 54, 41, 42, 31, 28, 20, 0, 0, 0,
                                             0, 57, 112, 81, 122, 0,  0,  0,  0,  36, 0,  30, 0,  0, 0, 0,
                                             0, 0,  32,  58, 41,  35, 34, 31, 45, 0,  39, 0,  0,  47};
    ProjectState state;
    const Recorded report = Compose(FormWithLayerCount("0"), state);
    ASSERT_EQ(report.lines.size(), counts.size());
    for (std::size_t line = 0; line < counts.size(); ++line) {
        const bool large = line < 3 || (line >= 32 && line < 36);
        EXPECT_EQ(CharacterCount(report.lines[line].text), counts[line]) << "line " << line + 1;
        EXPECT_EQ(report.lines[line].fontSize, large ? 20.0F : 12.0F) << "line " << line + 1;
    }
    EXPECT_TRUE(report.ended);
}

class NoLayerRows : public testing::TestWithParam<const char*> {};

TEST_P(NoLayerRows, RuleIsFollowedByTheBlankLinesAndTheCounterEndsAtOne)
{
    WorkedExampleData project = WorkedExampleProject();
    project.form[Box::C] = GetParam();
    const Recorded report = Compose(project.form, project.state);
    ASSERT_GE(report.lines.size(), 22U);
    EXPECT_EQ(report.lines[20].text, std::string(122, '*'));
    EXPECT_EQ(report.lines[21].text, "");
    EXPECT_EQ(project.state.KSTRATO, 1);
    EXPECT_TRUE(report.ended);
}

INSTANTIATE_TEST_SUITE_P(Report, NoLayerRows, testing::Values("0", "-2"));

TEST(ReportSequence, RowNeverConfirmedPrintsItsNumberAlone)
{
    WorkedExampleData project = WorkedExampleProject();
    project.form[Box::C] = "3";
    const Recorded report = Compose(project.form, project.state);
    // The column items still move the position: only blanks follow the number.
    EXPECT_EQ(report.lines[23].text, "       3 " + std::string(70, ' '));
    EXPECT_EQ(report.lines[24].text, "");
    EXPECT_EQ(project.state.KSTRATO, 4);
}

TEST(ReportSequence, ReportChangesNothingButTheLayerCounter)
{
    WorkedExampleData project = WorkedExampleProject();
    Compose(project.form, project.state);
    WorkedExampleData expected = WorkedExampleProject();
    expected.state.KSTRATO = 3;
    EXPECT_EQ(project.state, expected.state);
}

struct FailingCount {
    const char* name;
    const char* count;
    ErrorKind kind;
    std::size_t linesBeforeTheError;
    std::int16_t counterAfter;
};

void PrintTo(const FailingCount& param, std::ostream* out)
{
    *out << "C \"" << param.count << '"';
}

class FailingLayerCount : public testing::TestWithParam<FailingCount> {};

TEST_P(FailingLayerCount, StopsBeforeTheEndOfTheDocumentBlamingC)
{
    const FailingCount& param = GetParam();
    RecordingPrinter printer(NumberFormat::Comma());
    ProjectState state;
    try {
        ComposeReport(FormWithLayerCount(param.count), state, printer, NumberFormat::Comma());
        FAIL() << "no error for C = " << param.count;
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.kind(), param.kind);
        EXPECT_EQ(error.box(), Box::C);
    }
    EXPECT_EQ(printer.lines().size(), param.linesBeforeTheError);
    EXPECT_FALSE(printer.documentEnded());
    EXPECT_EQ(state.KSTRATO, param.counterAfter);
}

const FailingCount kFailingCounts[] = {
    {"Empty", "", ErrorKind::TypeMismatch, 21, 0},
    {"NotANumber", "due", ErrorKind::TypeMismatch, 21, 0},
    {"BeyondTheIntegerRange", "40000", ErrorKind::Overflow, 21, 0},
    // Rows 1 to 20 are printed before row 21 is found missing from the table.
    {"BeyondTheTable", "21", ErrorKind::SubscriptOutOfRange, 41, 21},
};

INSTANTIATE_TEST_SUITE_P(Report, FailingLayerCount, testing::ValuesIn(kFailingCounts),
                         [](const auto& info) { return std::string(info.param.name); });

struct CombinationCase {
    int option;
    const char* line;
};

void PrintTo(const CombinationCase& param, std::ostream* out)
{
    *out << "option " << param.option;
}

class CombinationLine : public testing::TestWithParam<CombinationCase> {};

TEST_P(CombinationLine, OnlyTheSelectedOptionIsPrinted)
{
    FormContents form = FormWithLayerCount("0");
    form.selectedCombination = GetParam().option;
    ProjectState state;
    const Recorded report = Compose(form, state);
    std::vector<std::string> combinationLines;
    for (const PrintedLine& line : report.lines) {
        if (line.text.find("APPROCCIO") != std::string::npos) {
            combinationLines.push_back(line.text);
        }
    }
    EXPECT_EQ(combinationLines, std::vector<std::string>{GetParam().line});
    EXPECT_EQ(report.lines[42].text, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Report, CombinationLine,
                         testing::Values(CombinationCase{0, " APPROCCIO 1    COMBINAZIONE1(A1+M1+R1)"},
                                         CombinationCase{1, " APPROCCIO 1    COMBINAZIONE2(A2+M2+R2)"},
                                         CombinationCase{2, " APPROCCIO 2    COMBINAZIONE1(A1+M1+R3)"}));

}  // namespace
}  // namespace pali
