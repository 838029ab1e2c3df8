// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/form1_controls.h"
#include "core/state/box.h"

namespace pali::validation {

// One line of a case's input file: a box typed, a layer entered (STRATO N,
// the four values, OK), a combination chosen, a button pressed, or the number
// of verticals investigated typed into the panel VERIFICA.
struct CaseStep {
    enum class Kind { Type, Layer, Combination, Press, Verticals };
    Kind kind = Kind::Type;
    Box box = Box::A;
    std::string text;                  // of a box, or the verticals
    std::array<std::string, 4> layer;  // the texts of E, F, G and D
    int combination = 0;               // the index of the option of Comb1
    Button button = Button::Command2;
};

struct ValidationCase {
    std::string name;  // the file's name without .txt
    std::vector<CaseStep> steps;
};

// Reads a case's input file; a line it does not understand is an error.
ValidationCase ReadCase(const std::filesystem::path& file);
// Every case file of a folder, in the order of their names.
std::vector<std::filesystem::path> CaseFiles(const std::filesystem::path& folder);

// What a case's replay does to a window: the window itself, or its handlers.
class CaseDriver {
public:
    virtual ~CaseDriver() = default;
    virtual void type(Box box, const std::string& text) = 0;
    virtual void press(Button button) = 0;
    virtual void selectCombination(int index) = 0;
    // The box of the verticals is the panel's, not one of the form's.
    virtual void typeVerticals(const std::string& text) = 0;
};

void Replay(const ValidationCase& validationCase, CaseDriver& driver);

// A case's data as the engineer enters it: the boxes typed, the layers stored
// and the option chosen before its first CALCOLA PORTANZA, without the other
// clicks. The case's project file holds what these steps leave on the window.
ValidationCase EntrySteps(const ValidationCase& validationCase);
// What the case does from its first CALCOLA PORTANZA on, that click included.
ValidationCase StepsFromFirstCapacity(const ValidationCase& validationCase);
// A capacity read off the window as the document shows it divided by the
// correlation factor of a number of verticals investigated, to two decimals.
struct DividedByXi {
    Box box = Box::K3;
    std::string verticals;
    std::string text;
};

// The figures the validation document shows for one case: the read-outs at the
// end, the messages of failed clicks in order, the lines of its report, its
// capacities divided by the correlation factors, and, for a case that types
// the verticals, the design check's figures by name ("Nq dalla tabella",
// "xi3", "A1+M1+R3 Rd", "NTC 2008, Approccio 1", ...) and its warnings.
struct DocumentFigures {
    std::map<Box, std::string> readOuts;
    std::vector<std::string> messages;
    std::vector<std::string> reportLines;
    std::vector<DividedByXi> dividedByXi;
    std::map<std::string, std::string> check;
    std::vector<std::string> warnings;
    std::map<std::string, std::string> curve;  // the lengths solved by hand and the shortest
    // The calculation report's figures by its section's number and a name:
    // "7.1 Qp", "7.3 strato 2 tan φ / γφ'", "10.2 Ql,s", ...
    std::map<std::string, std::string> calculationReport;
};

// The figures of every case, by case name, from the calculation's table.
std::map<std::string, DocumentFigures> ReadDocumentFigures(const std::filesystem::path& table);

// One row of the correlation factors the document prints: the number of
// verticals, the factor on the mean and the factor on the minimum, as texts.
using CorrelationRow = std::array<std::string, 3>;
std::vector<CorrelationRow> ReadCorrelationFactors(const std::filesystem::path& table);

// The document's report lines that the printed lines do not show. A layer
// row, "STRATO n phi thickness weight K", is matched by its values alone,
// whatever the spaces between them.
std::vector<std::string> MissingReportLines(const std::vector<std::string>& printed,
                                            const std::vector<std::string>& expected);

}  // namespace pali::validation
