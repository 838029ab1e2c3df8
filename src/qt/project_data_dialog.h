// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

#include "app/project_data.h"

class QWidget;

namespace pali {

// The modal dialog of the project's data, a labelled box for each field,
// opened on shown: what the engineer confirmed with OK, none with Annulla.
std::optional<ProjectData> AskProjectData(QWidget* parent, const ProjectData& shown);

}  // namespace pali
