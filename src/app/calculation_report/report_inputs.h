// SPDX-License-Identifier: MIT

#pragma once

#include <string>

#include "app/project_data.h"
#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

namespace pali::doc {

// Everything the calculation report is written from: the window as it
// stands, the verticals of the check, the project's own data, and what the
// report says of the program that wrote it.
struct ReportInputs {
    FormContents form;
    ProjectState state;
    std::string verticals;
    ProjectData project;
    std::string fileName;  // the project file's name, without its folder; empty before it is saved
    NumberFormat format;
    std::string version;         // the build's
    std::string validationPath;  // where the validation document is installed
    int validationCases = 0;     // the solved cases it re-proves at every build
};

}  // namespace pali::doc
