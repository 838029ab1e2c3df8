#pragma once

#include <ostream>
#include <vector>

#include "report/recording_printer.h"
#include "state/form_contents.h"
#include "state/project_state.h"

namespace pali {

struct Project {
    FormContents form;
    ProjectState state;
};

// The two-layer pile of the bearing-capacity worked example as typed, first
// design combination selected, nothing calculated yet.
Project WorkedExampleProject();

// The report of that pile after CALCOLA PORTANZA, recorded under a decimal comma.
std::vector<PrintedLine> WorkedExampleReport();

void PrintTo(const PrintedLine& line, std::ostream* out);

}  // namespace pali
