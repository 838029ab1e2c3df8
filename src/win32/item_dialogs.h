// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace pali {

// Windows' Open and Save dialogs for project files (the Common Item Dialog),
// showing the project files only. Paths are UTF-8; none when cancelled.
std::optional<std::string> AskProjectToOpen(HWND owner, const std::string& folder);
// Starts at the suggested path, when there is one; adds the extension to a
// name typed without it and asks before a file is replaced.
std::optional<std::string> AskProjectToSave(HWND owner, const std::string& suggestedPath);
// Esporta relazione...: the report's formats, the name's ending following the
// type chosen; starts at the suggested path and asks before a file is replaced.
std::optional<std::string> AskReportPath(HWND owner, const std::string& suggestedPath);

}  // namespace pali
