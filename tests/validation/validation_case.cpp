// SPDX-License-Identifier: MIT

#include "validation_case.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace pali::validation {

namespace {

// The boxes an input file may type into: the window's typed boxes outside
// the layer fields, which only a STRATO line fills.
constexpr std::array<Box, 8> kTypedBoxes = {Box::A, Box::B, Box::C, Box::K1, Box::M5, Box::CP, Box::CPNS, Box::CV};

struct Command {
    std::string_view text;
    Button button;
};
constexpr std::array<Command, 3> kCommands = {{
    {"CALCOLA L/D", Button::Command2},
    {"CALCOLA PORTANZA", Button::Command3},
    {"STAMPA", Button::Command4},
}};

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

[[noreturn]] void Refuse(const std::filesystem::path& file, int lineNumber, const std::string& why)
{
    throw std::runtime_error(file.string() + ":" + std::to_string(lineNumber) + ": " + why);
}

CaseStep StepOf(const std::string& line, const std::filesystem::path& file, int lineNumber)
{
    CaseStep step;
    for (const Command& command : kCommands) {
        if (line == command.text) {
            step.kind = CaseStep::Kind::Press;
            step.button = command.button;
            return step;
        }
    }
    const std::size_t blank = line.find(' ');
    const std::string word = line.substr(0, blank);
    const std::string rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);
    for (Box box : kTypedBoxes) {
        if (word == BoxName(box)) {
            step.kind = CaseStep::Kind::Type;
            step.box = box;
            step.text = rest;
            return step;
        }
    }
    if (word == "STRATO") {
        const std::vector<std::string> values = Words(rest);
        if (values.size() != step.layer.size()) {
            Refuse(file, lineNumber, "STRATO takes four values");
        }
        step.kind = CaseStep::Kind::Layer;
        std::copy(values.begin(), values.end(), step.layer.begin());
        return step;
    }
    if (word == "VERTICALI") {
        step.kind = CaseStep::Kind::Verticals;
        step.text = rest;
        return step;
    }
    if (word == "COMBINAZIONE" && (rest == "1" || rest == "2" || rest == "3")) {
        step.kind = CaseStep::Kind::Combination;
        step.combination = rest[0] - '1';
        return step;
    }
    Refuse(file, lineNumber, "not understood: " + line);
}

Box BoxNamed(const std::string& name)
{
    for (Box box : kAllBoxes) {
        if (BoxName(box) == name) {
            return box;
        }
    }
    throw std::runtime_error("no box named " + name);
}

// A message's line breaks are written as \n in the table.
std::string WithLineBreaks(std::string text)
{
    for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at)) {
        text.replace(at, 2, "\n");
    }
    return text;
}

const std::string kLayerRow = "STRATO ";

// "K3 1 195,92": the box, the number of verticals and the divided capacity.
DividedByXi DividedByXiOf(const std::string& text)
{
    const std::vector<std::string> words = Words(text);
    if (words.size() != 3) {
        throw std::runtime_error("not a capacity divided by xi: " + text);
    }
    return {BoxNamed(words[0]), words[1], words[2]};
}

std::ifstream Opened(const std::filesystem::path& file)
{
    std::ifstream in(file);
    if (!in) {
        throw std::runtime_error("cannot read " + file.string());
    }
    return in;
}

}  // namespace

ValidationCase ReadCase(const std::filesystem::path& file)
{
    std::ifstream in = Opened(file);
    ValidationCase validationCase{file.stem().string(), {}};
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line[0] != '#') {
            validationCase.steps.push_back(StepOf(line, file, lineNumber));
        }
    }
    return validationCase;
}

std::vector<std::filesystem::path> CaseFiles(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void Replay(const ValidationCase& validationCase, CaseDriver& driver)
{
    constexpr std::array<Box, 4> kLayerBoxes = {Box::E, Box::F, Box::G, Box::D};
    for (const CaseStep& step : validationCase.steps) {
        switch (step.kind) {
        case CaseStep::Kind::Type: driver.type(step.box, step.text); break;
        case CaseStep::Kind::Layer:
            driver.press(Button::Command6);
            for (std::size_t field = 0; field < kLayerBoxes.size(); ++field) {
                driver.type(kLayerBoxes[field], step.layer[field]);
            }
            driver.press(Button::Command1);
            break;
        case CaseStep::Kind::Combination: driver.selectCombination(step.combination); break;
        case CaseStep::Kind::Press: driver.press(step.button); break;
        case CaseStep::Kind::Verticals: driver.typeVerticals(step.text); break;
        }
    }
}

namespace {

std::vector<CaseStep>::const_iterator FirstCapacity(const ValidationCase& validationCase)
{
    return std::ranges::find_if(validationCase.steps, [](const CaseStep& step) {
        return step.kind == CaseStep::Kind::Press && step.button == Button::Command3;
    });
}

}  // namespace

ValidationCase EntrySteps(const ValidationCase& validationCase)
{
    ValidationCase entry{validationCase.name, {}};
    std::copy_if(validationCase.steps.begin(), FirstCapacity(validationCase), std::back_inserter(entry.steps),
                 [](const CaseStep& step) { return step.kind != CaseStep::Kind::Press; });
    return entry;
}

ValidationCase StepsFromFirstCapacity(const ValidationCase& validationCase)
{
    return {validationCase.name, {FirstCapacity(validationCase), validationCase.steps.end()}};
}

std::map<std::string, DocumentFigures> ReadDocumentFigures(const std::filesystem::path& table)
{
    std::ifstream in = Opened(table);
    std::map<std::string, DocumentFigures> figures;
    for (std::string line; std::getline(in, line);) {
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        if (first == std::string::npos || second == std::string::npos) {
            continue;
        }
        DocumentFigures& ofCase = figures[line.substr(0, first)];
        const std::string field = line.substr(first + 1, second - first - 1);
        const std::string text = line.substr(second + 1);
        if (field == "MESSAGGIO") {
            ofCase.messages.push_back(WithLineBreaks(text));
        } else if (field == "RELAZIONE") {
            ofCase.reportLines.push_back(text);
        } else if (field == "XI") {
            ofCase.dividedByXi.push_back(DividedByXiOf(text));
        } else if (field == "VERIFICA" || field == "CURVA" || field == "RELAZIONE_CALCOLO") {
            const std::size_t tab = text.find('\t');
            auto& figures = field == "VERIFICA" ? ofCase.check
                            : field == "CURVA"  ? ofCase.curve
                                                : ofCase.calculationReport;
            figures[text.substr(0, tab)] = tab == std::string::npos ? "" : text.substr(tab + 1);
        } else if (field == "AVVISO") {
            ofCase.warnings.push_back(text);
        } else {
            ofCase.readOuts[BoxNamed(field)] = text;
        }
    }
    return figures;
}

std::vector<CorrelationRow> ReadCorrelationFactors(const std::filesystem::path& table)
{
    std::ifstream in = Opened(table);
    std::vector<CorrelationRow> rows;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        CorrelationRow row;
        for (std::string& field : row) {
            std::getline(fields, field, '\t');
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> MissingReportLines(const std::vector<std::string>& printed,
                                            const std::vector<std::string>& expected)
{
    std::vector<std::string> missing;
    for (const std::string& line : expected) {
        const bool layerRow = line.starts_with(kLayerRow);
        const bool shown = std::any_of(printed.begin(), printed.end(), [&](const std::string& each) {
            return layerRow ? Words(each) == Words(line.substr(kLayerRow.size())) : each == line;
        });
        if (!shown) {
            missing.push_back(line);
        }
    }
    return missing;
}

}  // namespace pali::validation
