// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string>

#include "app/project_session.h"

namespace pali {

// A whole file through Qt, unless it is missing, a folder, larger than limit
// or unreadable. The path is UTF-8.
FileReading ReadFileWithQt(const std::string& path, std::size_t limit);

}  // namespace pali
