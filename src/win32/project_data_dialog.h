// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/project_data.h"

namespace pali {

// Dati del progetto...: a box for each of the project's data, opened on
// shown, modal on the owner and at its DPI; what the engineer confirmed with
// OK, none with Annulla, Escape or the close box.
std::optional<ProjectData> AskProjectData(HWND owner, const ProjectData& shown);

// Today's date in the user's short format, as the dialog offers it.
std::string TodayInUsersShortFormat();

}  // namespace pali
