// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <string>

#include "app/project_session.h"

namespace pali {

// The question before unsaved changes are lost, as Windows' own programs
// ask it: Salva, Non salvare and Annulla; Escape and the close box answer
// Annulla.
SaveAnswer AskToSaveChanges(HWND owner, const std::string& question);

}  // namespace pali
