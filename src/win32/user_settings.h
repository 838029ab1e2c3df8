// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

namespace pali {

// What the program keeps from one run to the next in the user's part of the
// registry: the files last opened or saved (UTF-8 paths, the newest first),
// and whether the panel of the design check is shown (it is, until hidden).
std::vector<std::string> LoadRecentFiles();
void StoreRecentFiles(const std::vector<std::string>& paths);
bool LoadCheckPanelShown();
void StoreCheckPanelShown(bool shown);

}  // namespace pali
