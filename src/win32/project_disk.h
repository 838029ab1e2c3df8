// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/project_session.h"

namespace pali {

// A project file read whole, unless it is missing, a folder, larger than
// limit or unreadable. The path is UTF-8.
FileReading ReadWholeFile(const std::string& path, std::size_t limit);

// Writes bytes to a temporary file in the target's folder, flushes it to the
// disk and puts it in the target's place in one step, so that a failure at
// any point leaves the file that was there whole. The system's words for the
// failure, none when saved.
std::optional<std::string> WriteFileSafely(const std::string& path, const std::string& bytes);

}  // namespace pali
