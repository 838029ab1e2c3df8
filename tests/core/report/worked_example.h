// SPDX-License-Identifier: MIT

#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/report/recording_printer.h"
#include "core/state/form_contents.h"
#include "core/state/project_state.h"

namespace pali {

// Named apart from the project file's Project: both may be linked into one test.
struct WorkedExampleData {
    FormContents form;
    ProjectState state;
};

// The two-layer pile of the bearing-capacity worked example as typed, first
// design combination selected, nothing calculated yet.
WorkedExampleData WorkedExampleProject();

// The report of that pile after CALCOLA PORTANZA, recorded under a decimal comma.
std::vector<PrintedLine> WorkedExampleReport();

// What a new user may leave in the diameter box: 200 000 digits, far wider
// than any page.
std::string LongDiameter();

// The same report with the diameter box holding another text when STAMPA is pressed.
std::vector<PrintedLine> WorkedExampleReportWithDiameter(const std::string& diameter);

void PrintTo(const PrintedLine& line, std::ostream* out);

}  // namespace pali
