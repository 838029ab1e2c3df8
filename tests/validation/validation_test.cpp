// SPDX-License-Identifier: MIT

// Every case of the validation document replayed on the window's own logic,
// as the window runs it, under the Italian number conventions: what the
// program displays, the messages of failed clicks, the printed report and
// the design check must be the figures that the document's hand solution
// shows; so must portanza-pali --verifica --json on the case's project file.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "../app/text_window.h"
#include "app/calculation_report/report_export.h"
#include "app/check_presenter.h"
#include "app/command_line.h"
#include "app/design_check_texts.h"
#include "app/error_message.h"
#include "app/form1_logic.h"
#include "app/project_file.h"
#include "core/check/design_check.h"
#include "core/check/length_curve.h"
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
class ReplayedWindow : public fixtures::TextWindow, public CaseDriver, public CheckPanelView {
public:
    void type(Box box, const std::string& text) override { form[box] = text; }
    void selectCombination(int index) override { TextWindow::selectCombination(index); }
    void press(Button button) override { logic.press(button); }
    void typeVerticals(const std::string& text) override { check.setVerticals(text); }
    // The figures are the report's and the check's own: no panel is shown.
    bool panelShown() const override { return false; }
    void showCheck(const CheckPanelContent&) override {}

    Form1Logic logic{*this};
    CheckPresenter check{logic, *this};
};

const NumberFormat kComma = NumberFormat::Comma();

// The design check's figures under the names the document gives them, as the
// panel and the report show them.
std::map<std::string, std::string> CheckFigures(const DesignCheck& check)
{
    std::map<std::string, std::string> figures;
    figures["Nq dalla tabella"] = NqText(check.nq, kComma);
    if (check.verticals.factors) {
        figures["xi3"] = TwoDecimals(check.verticals.factors->xi3, kComma);
        figures["xi4"] = TwoDecimals(check.verticals.factors->xi4, kComma);
    }
    for (const CombinationCheck& combination : check.combinations) {
        const std::string name(combination.name);
        if (combination.error) {
            figures[name + " errore"] = ErrorLine(*combination.error);
            continue;
        }
        figures[name + " Ed"] = FigureOrDash(combination.ed, kComma);
        figures[name + " Rd"] = FigureOrDash(combination.rd, kComma);
        figures[name + " Rd/Ed"] = FigureOrDash(combination.ratio, kComma);
        figures[name + " esito"] = CombinationOutcome(combination);
    }
    figures[std::string(kApproach1Name)] = VerdictOrDash(check.approach1Ntc2008);
    figures[std::string(kApproach2Name)] = VerdictOrDash(check.approach2Ntc2008Ntc2018);
    return figures;
}

// The curve's figures under the names the document gives them: at each
// length the tip layer, Nq, and each combination's capacity, Ed and outcome;
// then the two shortest lengths.
std::map<std::string, std::string> CurveFigures(const LengthCurve& curve)
{
    std::map<std::string, std::string> figures;
    for (const CurvePoint& point : curve.points) {
        const std::string length = RealText(point.length, kComma) + " ";
        figures[length + "punta"] = std::to_string(point.tipLayer);
        figures[length + "Nq"] = NqText(point.nq, kComma);
        for (const CombinationCheck& combination : point.combinations) {
            const std::string name = length + std::string(combination.name);
            figures[name + " M8"] = FigureOrDash(combination.capacity, kComma);
            figures[name + " Ed"] = FigureOrDash(combination.ed, kComma);
            figures[name + " esito"] = CombinationOutcome(combination);
        }
    }
    figures["lunghezza minima NTC 2018"] = FigureOrDash(curve.shortestNtc2018.length, kComma);
    figures["lunghezza minima NTC 2008"] = FigureOrDash(curve.shortestNtc2008.length, kComma);
    return figures;
}

// The same figures from the command's JSON, where a figure is a number with
// a point and a missing one null; the outcome only where there is a verdict.
std::map<std::string, std::string> JsonCheckFigures(const nlohmann::json& json)
{
    const auto figure = [](const nlohmann::json& value) {
        return value.is_null() ? "-" : TwoDecimals(value.get<double>(), kComma);
    };
    std::map<std::string, std::string> figures;
    figures["Nq dalla tabella"] = json["nq_tabella"].is_null()
                                      ? "nessuno (" + json["nq_motivo"].get<std::string>() + ")"
                                      : OneDecimal(json["nq_tabella"].get<double>(), kComma);
    if (!json["xi3"].is_null()) {
        figures["xi3"] = figure(json["xi3"]);
        figures["xi4"] = figure(json["xi4"]);
    }
    for (const nlohmann::json& combination : json["combinazioni"]) {
        const std::string name = combination["nome"].get<std::string>();
        if (!combination["errore"].is_null()) {
            figures[name + " errore"] = combination["errore"].get<std::string>();
            continue;
        }
        figures[name + " Ed"] = figure(combination["Ed"]);
        figures[name + " Rd"] = figure(combination["Rd"]);
        figures[name + " Rd/Ed"] = figure(combination["rapporto"]);
        if (!combination["esito"].is_null()) {
            figures[name + " esito"] = combination["esito"].get<std::string>();
        }
    }
    const auto verdict = [](const nlohmann::json& value) { return value.is_null() ? "-" : value.get<std::string>(); };
    figures[std::string(kApproach1Name)] = verdict(json["approccio1_ntc2008"]);
    figures[std::string(kApproach2Name)] = verdict(json["approccio2_ntc2008_ntc2018"]);
    return figures;
}

// The document's figures of the check without the outcomes that are no
// verdict, which the JSON leaves null.
std::map<std::string, std::string> WithVerdictsOnly(std::map<std::string, std::string> figures)
{
    std::erase_if(figures, [](const auto& figure) {
        return figure.first.ends_with(" esito") && figure.second != VerdictText(Verdict::Verified) &&
               figure.second != VerdictText(Verdict::NotVerified);
    });
    return figures;
}

// The exit status the manual page gives: 2 when the file cannot be checked,
// 1 when it is not verified under NTC 2018, else 0.
int ExpectedStatus(const DocumentFigures& document)
{
    const bool complete = document.check.contains("xi3") &&
                          std::none_of(document.check.begin(), document.check.end(),
                                       [](const auto& figure) { return figure.first.ends_with(" errore"); });
    if (!complete) {
        return kCannotBeChecked;
    }
    return document.check.at(std::string(kApproach2Name)) == VerdictText(Verdict::NotVerified) ? kNotVerified : 0;
}

FileReading ReadWholeFile(const std::string& path, std::size_t)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {FileReading::Outcome::Missing, {}, {}};
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return {FileReading::Outcome::Read, bytes.str(), {}};
}

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

// Where a figure stands in its section of the calculation report: in the
// paragraph that opens so, the group of the pattern. A layer's figure,
// "strato N column", is instead the cell of the section's table.
struct ReportPlace {
    std::string_view name;
    std::string_view opening;
    const char* pattern;
};

const auto kReportPlaces = std::to_array<ReportPlace>({
    {"Nq", "Portanza alla punta, con", R"(\(Nq = (\S+) dalla)"},
    {"Qp numeri", "Qp = ", R"(\) = (.+) = )"},
    {"Qp", "Qp = ", R"(= (\S+) t$)"},
    {"M3", "Portanza alla punta mostrata", R"(\((\S+) t\)\.$)"},
    {"M3 kN", "Portanza alla punta mostrata", R"(: (\S+) kN)"},
    {"Σ", "Σ = ", R"(^Σ = (\S+)$)"},
    {"Ql numeri", "Ql = ", R"(\) = \S+ · (.+) = )"},
    {"Ql", "Ql = ", R"(= (\S+) t$)"},
    {"M4", "Portanza laterale mostrata", R"(\((\S+) t\)\.$)"},
    {"M4 kN", "Portanza laterale mostrata", R"(: (\S+) kN)"},
    {"Qt", "Qt = ", R"(= (\S+) t,)"},
    {"K3", "Qt = ", R"(\(K3\) (\S+) t$)"},
    {"K3 kN", "Portanza totale di un palo mostrata", R"(\(K3\): (\S+) kN)"},
    {"η", "Rgruppo = ", R"(· (\S+) = \S+ t \(M8\))"},
    {"M8", "Rgruppo = ", R"(= (\S+) t \(M8\))"},
    {"M8 kN", "Portanza totale di un palo mostrata", R"(\(M8\): (\S+) kN)"},
    {"Rd", "Rd = Rgruppo", R"(= (\S+) t$)"},
    {"Rd kN", "Resistenza di progetto", R"(Rd = (\S+) kN)"},
    {"Ed numeri", "Ed = ", R"(γQ · Q = (.+) = )"},
    {"Ed", "Ed = ", R"(= (\S+) t$)"},
    {"Ed kN", "Azione di progetto", R"(Ed = (\S+) kN)"},
    {"Rd/Ed", "Rd / Ed = ", R"(^Rd / Ed = (\S+):)"},
    {"esito", "Rd / Ed = ", R"(: (.+)\.$)"},
    {"σ'v,punta numeri", "σ'v,punta = ", R"(Li = (.+) = )"},
    {"σ'v,punta", "σ'v,punta = ", R"(= (\S+) t/m²$)"},
    {"Qp,s numeri", "Qp,s = ", R"(\) = \S+ · (.+) = )"},
    {"Qp,s", "Qp,s = ", R"(= (\S+) t$)"},
    {"Ql,s", "Ql,s = ", R"(= (\S+) t$)"},
    {"Qp nel rapporto", "Qp / Qp,s", R"(^Qp / Qp,s = (\S+) /)"},
    {"Qp/Qp,s", "Qp / Qp,s", R"(Qp / Qp,s = \S+ / \S+ = (\S+);)"},
    {"Ql nel rapporto", "Qp / Qp,s", R"(Ql / Ql,s = (\S+) /)"},
    {"Ql/Ql,s", "Qp / Qp,s", R"(Ql / Ql,s = \S+ / \S+ = (\S+)$)"},
    {"giudizio punta", "La portanza alla punta del programma", R"(programma (.+) del 20 %)"},
    {"giudizio laterale", "La portanza laterale del programma", R"(programma (.+) del 20 %)"},
});

const std::string kNotFound = "(not in the report)";

// The blocks of the report's section of that number, up to the next heading.
std::vector<doc::Block> SectionBlocks(const doc::Document& report, const std::string& number)
{
    const auto heading = std::ranges::find_if(report.blocks, [&](const doc::Block& block) {
        const auto* each = std::get_if<doc::Heading>(&block);
        return each && each->text.starts_with(number + " ");
    });
    if (heading == report.blocks.end()) {
        return {};
    }
    const auto end = std::find_if(std::next(heading), report.blocks.end(),
                                  [](const doc::Block& block) { return std::holds_alternative<doc::Heading>(block); });
    return {std::next(heading), end};
}

std::string LayerCell(const std::vector<doc::Block>& section, const std::string& name)
{
    const std::size_t space = name.find(' ', 7);
    const std::string row = name.substr(7, space - 7);
    const std::string column = name.substr(space + 1);
    for (const doc::Block& block : section) {
        const auto* table = std::get_if<doc::Table>(&block);
        if (!table) {
            continue;
        }
        const auto at = std::ranges::find(table->columns, column, &doc::Column::heading);
        const auto cells = std::ranges::find_if(table->rows, [&](const auto& each) { return each.front() == row; });
        if (at != table->columns.end() && cells != table->rows.end()) {
            return (*cells)[static_cast<std::size_t>(at - table->columns.begin())];
        }
    }
    return kNotFound;
}

std::string PlacedFigure(const std::vector<doc::Block>& section, const std::string& name)
{
    const auto* place = std::ranges::find(kReportPlaces, name, &ReportPlace::name);
    if (place == kReportPlaces.end()) {
        return "(no place named " + name + ")";
    }
    for (const doc::Block& block : section) {
        const auto* paragraph = std::get_if<doc::Paragraph>(&block);
        if (!paragraph || !paragraph->runs.front().text.starts_with(place->opening)) {
            continue;
        }
        std::smatch match;
        const std::string& text = paragraph->runs.front().text;
        return std::regex_search(text, match, std::regex(place->pattern)) ? match[1].str() : kNotFound;
    }
    return kNotFound;
}

// A figure by its key, its section's number then its name, as the report writes it.
std::string ReportFigure(const doc::Document& report, const std::string& key)
{
    const std::size_t space = key.find(' ');
    const std::vector<doc::Block> section = SectionBlocks(report, key.substr(0, space));
    const std::string name = key.substr(space + 1);
    return name.starts_with("strato ") ? LayerCell(section, name) : PlacedFigure(section, name);
}

// The report writes a computed real with the program's 15 significant digits;
// the document vouches for the digits it writes before "…", and the report's
// figure is rounded to as many decimals.
constexpr std::string_view kDigitsGoOn = "…";

std::string AsDocumented(const std::string& figure, const std::string& documented)
{
    if (!documented.ends_with(kDigitsGoOn) || figure == kNotFound) {
        return figure;
    }
    const std::string digits = documented.substr(0, documented.size() - kDigitsGoOn.size());
    const std::size_t comma = digits.find(',');
    const int decimals = comma == std::string::npos ? 0 : static_cast<int>(digits.size() - comma - 1);
    return FixedDecimals(Number(figure), decimals, kComma) + std::string(kDigitsGoOn);
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
        ExpectTheDocumentsCheck(document, window);
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

    // A case that types the verticals has its check solved in the document;
    // one that does not has none.
    static void ExpectTheDocumentsCheck(const DocumentFigures& document, const ReplayedWindow& window)
    {
        if (window.check.verticals().empty()) {
            EXPECT_TRUE(document.check.empty());
            return;
        }
        const DesignCheck check = CheckDesign(window.form, window.logic.state(), window.check.verticals(), kComma);
        EXPECT_EQ(CheckFigures(check), document.check);
        EXPECT_EQ(WarningTexts(check, kComma), document.warnings);
        const LengthCurve curve = CurveOfLengths(window.form, window.logic.state(), window.check.verticals(), kComma);
        const std::map<std::string, std::string> figures = CurveFigures(curve);
        for (const auto& [name, figure] : document.curve) {
            EXPECT_EQ(figures.contains(name) ? figures.at(name) : "(none)", figure) << name;
        }
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
    window.check.setVerticals(project.verticals);
    window.press(Button::Command2);
    Replay(StepsFromFirstCapacity(validationCase), window);
    ExpectTheDocumentsFigures(validationCase.name, window);
}

// The command without a window checks the case's project file: the file holds
// the data of the case's first CALCOLA PORTANZA, which the cases that type
// the verticals do not change afterwards.
TEST_P(DocumentCase, TheCheckCommandGivesTheDocumentsFiguresAndExitStatus)
{
    const ValidationCase validationCase = ReadCase(GetParam());
    const DocumentFigures& document = figures.at(validationCase.name);
    const std::string project = (kProjectsFolder / (validationCase.name + ".pali")).string();
    const CommandOutput output = RunCheckCommand(CheckCommand{{project}, true}, ReadWholeFile, kComma);
    EXPECT_EQ(output.status, ExpectedStatus(document)) << output.err;
    ASSERT_TRUE(output.err.empty()) << output.err;
    const nlohmann::json json = nlohmann::json::parse(output.out);
    if (document.check.empty()) {
        EXPECT_TRUE(json["verticali"].is_null());
        return;
    }
    for (const CaseStep& step : StepsFromFirstCapacity(validationCase).steps) {
        ASSERT_TRUE(step.kind == CaseStep::Kind::Press || step.kind == CaseStep::Kind::Combination)
            << "the case changes its data after its first CALCOLA PORTANZA";
    }
    EXPECT_EQ(JsonCheckFigures(json), WithVerdictsOnly(document.check));
    EXPECT_EQ(json["avvisi"].get<std::vector<std::string>>(), document.warnings);
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

// The worked example's calculation report, as the program writes it for the
// window the case leaves: every figure of its calculation under each
// combination and of its calculation made another way is the document's.
TEST(DocumentCases, TheCalculationReportHasTheFiguresOfTheHandSolution)
{
    int solved = 0;
    for (const auto& [name, document] : ReadDocumentFigures(kFiguresTable)) {
        if (document.calculationReport.empty()) {
            continue;
        }
        ++solved;
        ReplayedWindow window;
        Replay(ReadCase(kCasesFolder / (name + ".txt")), window);
        const Project project{window.form, window.logic.state(), window.check.verticals()};
        const doc::Document report = doc::ReportOf(doc::ReportInputsOf(project, name + ".pali", kComma));
        for (const auto& [key, figure] : document.calculationReport) {
            EXPECT_EQ(AsDocumented(ReportFigure(report, key), figure), figure) << name << ": " << key;
        }
    }
    EXPECT_EQ(solved, 1);
}

// Only the digits the document vouches for are rounded, and a wrong one fails.
TEST(DocumentCases, AFigureWhoseDigitsGoOnIsComparedAtTheDocumentsDecimals)
{
    EXPECT_EQ(AsDocumented("6,18254100489319", "6,18254100489…"), "6,18254100489…");
    EXPECT_EQ(AsDocumented("6,18254100499319", "6,18254100489…"), "6,18254100499…");
    EXPECT_EQ(AsDocumented("193,2985", "193,2984"), "193,2985");
}

}  // namespace
}  // namespace pali::validation
