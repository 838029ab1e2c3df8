// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include <QString>

#include "app/project_session.h"

namespace pali {

// A whole file through Qt, unless it is missing, a folder, larger than limit
// or unreadable. The path is UTF-8.
FileReading ReadFileWithQt(const std::string& path, std::size_t limit);

// Replaces the file in one step, so that a failure leaves the old one whole;
// why not, in Italian then in the system's words, none when written.
std::optional<std::string> WriteFileWithQt(const std::string& path, const std::string& bytes);

// The documents the package installs beside the program's own folder.
QString InstalledDocument(const QString& name);

}  // namespace pali
