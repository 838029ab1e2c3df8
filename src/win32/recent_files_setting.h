// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

namespace pali {

// The files last opened or saved, kept in the user's part of the registry
// from one run to the next. UTF-8 paths, the newest first.
std::vector<std::string> LoadRecentFiles();
void StoreRecentFiles(const std::vector<std::string>& paths);

}  // namespace pali
