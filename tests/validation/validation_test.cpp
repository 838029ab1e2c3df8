// SPDX-License-Identifier: MIT

// Every case of the validation document replayed on the window's own logic,
// as the window runs it, under the Italian number conventions: what the
// program displays, the messages of failed clicks and the printed report
// must be the figures that the document's hand solution shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "../app/text_window.h"
#include "app/form1_logic.h"
#include "app/project_file.h"
#include "core/state/conversions.h"
#include "validation_case.h"

namespace pali::validation {
namespace {

const std::filesystem::path kCasesFolder = PALI_VALIDATION_CASES;
const std::filesystem::path kFiguresTable = PALI_VALIDATION_FIGURES;
const std::filesystem::path kProjectsFolder = PALI_VALIDATION_PROJECTS;
const std::filesystem::path kCorrelationTable = PALI_VALIDATION_CORRELATION_FACTORS;

// D.M. 14/01/2008, section 6.4.3.1.1, Table 6.4.IV: by the number of verticals
// investigated (the last row for ten or more), the factor on the mean and the
// factor on the minimum of the resistances computed from soil parameters.
const std::array<CorrelationRow, 7> kTable6_4_IV = {{
    {"1", "1,70", "1,70"},
    {"2", "1,65", "1,55"},
    {"3", "1,60", "1,48"},
    {"4", "1,55", "1,42"},
    {"5", "1,50", "1,34"},
    {"7", "1,45", "1,28"},
    {"10", "1,40", "1,21"},
}};

// The window as far as the logic sees it: texts, the option, the messages
// and the reports, typed into and clicked as the input file says.
class ReplayedWindow : public fixtures::TextWindow, public CaseDriver {
public:
    void type(Box box, const std::string& text) override { form[box] = text; }
    void selectCombination(int index) override { TextWindow::selectCombination(index); }
    void press(Button button) override { logic.press(button); }

    Form1Logic logic{*this};
};

std::vector<std::string> Texts(const std::vector<PrintedLine>& lines)
{
    std::vector<std::string> texts;
    for (const PrintedLine& line : lines) {
        texts.push_back(line.text);
    }
    return texts;
}

double Number(const std::string& text)
{
    return LocaleReal(text, NumberFormat::Comma());
}

long long Hundredths(double value)
{
    return std::llround(value * 100.0);
}

// A capacity the window shows, as the design resistance of a pile whose
// verticals all give it: it is their mean and their minimum, so the smaller of
// mean / xi3 and minimum / xi4, in hundredths.
long long DesignHundredths(const std::string& shown, const std::string& verticals)
{
    const auto row = std::find_if(kTable6_4_IV.begin(), kTable6_4_IV.end(),
                                  [&](const CorrelationRow& each) { return each[0] == verticals; });
    if (row == kTable6_4_IV.end()) {
        throw std::runtime_error("Table 6.4.IV has no row of " + verticals + " verticals");
    }
    const double capacity = Number(shown);
    return Hundredths(std::min(capacity / Number((*row)[1]), capacity / Number((*row)[2])));
}

std::string CaseName(const testing::TestParamInfo<std::filesystem::path>& info)
{
    return info.param.stem().string();
}

std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class DocumentCase : public testing::TestWithParam<std::filesystem::path> {
protected:
    static void SetUpTestSuite() { figures = ReadDocumentFigures(kFiguresTable); }
    static inline std::map<std::string, DocumentFigures> figures;

    static void ExpectTheDocumentsFigures(const std::string& name, const ReplayedWindow& window)
    {
        ASSERT_TRUE(figures.contains(name)) << "no figures for " << name;
        const DocumentFigures& document = figures.at(name);
        ASSERT_EQ(document.readOuts.size(), 9U) << "the document shows every read-out";
        for (const auto& [box, text] : document.readOuts) {
            EXPECT_EQ(window.form[box], text) << "read-out " << BoxName(box);
        }
        EXPECT_EQ(window.messages, document.messages);
        for (const DividedByXi& figure : document.dividedByXi) {
            EXPECT_EQ(Hundredths(Number(figure.text)), DesignHundredths(window.form[figure.box], figure.verticals))
                << BoxName(figure.box) << " divided by xi for " << figure.verticals << " verticals";
        }
        if (document.reportLines.empty()) {
            EXPECT_TRUE(window.reports.empty());
            return;
        }
        ASSERT_EQ(window.reports.size(), 1U);
        EXPECT_EQ(MissingReportLines(Texts(window.reports[0]), document.reportLines), std::vector<std::string>{});
    }
};

TEST_P(DocumentCase, TheProgramShowsTheFiguresOfTheHandSolution)
{
    const ValidationCase validationCase = ReadCase(GetParam());
    ReplayedWindow window;
    Replay(validationCase, window);
    ExpectTheDocumentsFigures(validationCase.name, window);
}

// The case's project file opens with its data entered and its read-outs
// empty; CALCOLA L/D, then the rest of the case from its first CALCOLA
// PORTANZA on, give the document's figures.
TEST_P(DocumentCase, ItsProjectFileOpensReadyForTheClicks)
{
    const ValidationCase validationCase = ReadCase(GetParam());
    const Project project = ReadProjectFile(FileBytes(kProjectsFolder / (validationCase.name + ".pali")));
    for (Box readOut : {Box::H, Box::Z9, Box::CARTOT, Box::CARMAG, Box::M3, Box::M4, Box::K3, Box::M8}) {
        EXPECT_EQ(project.form[readOut], "") << BoxName(readOut);
    }
    ReplayedWindow window;
    window.logic.restore(project.form, project.state);
    window.press(Button::Command2);
    Replay(StepsFromFirstCapacity(validationCase), window);
    ExpectTheDocumentsFigures(validationCase.name, window);
}

INSTANTIATE_TEST_SUITE_P(Validation, DocumentCase, testing::ValuesIn(CaseFiles(kCasesFolder)), CaseName);

TEST(DocumentCases, EveryCaseOfTheDocumentHasItsInputFile)
{
    std::set<std::string> files;
    for (const std::filesystem::path& file : CaseFiles(kCasesFolder)) {
        files.insert(file.stem().string());
    }
    std::set<std::string> solved;
    for (const auto& [name, figures] : ReadDocumentFigures(kFiguresTable)) {
        solved.insert(name);
    }
    EXPECT_EQ(solved, files);
    EXPECT_GE(files.size(), 6U);
}

TEST(DocumentCases, TheCorrelationFactorsAreThoseOfTheDecree)
{
    const std::vector<CorrelationRow> decree(kTable6_4_IV.begin(), kTable6_4_IV.end());
    EXPECT_EQ(ReadCorrelationFactors(kCorrelationTable), decree);
}

// The worked example shows its capacities divided by xi for one vertical and for three.
TEST(DocumentCases, TheWorkedExampleShowsItsCapacitiesDividedByXi)
{
    std::set<std::string> verticals;
    for (const auto& [name, figures] : ReadDocumentFigures(kFiguresTable)) {
        for (const DividedByXi& figure : figures.dividedByXi) {
            if (figure.box == Box::K3) {
                verticals.insert(figure.verticals);
            }
        }
    }
    EXPECT_EQ(verticals, (std::set<std::string>{"1", "3"}));
}

// The comparison of report lines must not pass a layer row whose values differ.
TEST(DocumentCases, ALayerRowIsMatchedByItsValuesWhateverItsSpacing)
{
    const std::vector<std::string> printed = {"      1            30               5"};
    EXPECT_TRUE(MissingReportLines(printed, {"STRATO 1 30 5"}).empty());
    EXPECT_EQ(MissingReportLines(printed, {"STRATO 1 30 6"}), std::vector<std::string>{"STRATO 1 30 6"});
    EXPECT_EQ(MissingReportLines(printed, {"        NUMERO PALI=2"}),
              std::vector<std::string>{"        NUMERO PALI=2"});
}

}  // namespace
}  // namespace pali::validation
