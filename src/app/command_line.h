// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "app/project_session.h"
#include "core/report/recording_printer.h"
#include "core/state/number_format.h"

namespace pali {

// Reads a whole file as the front end reads one (the path is UTF-8).
using FileReader = std::function<FileReading(const std::string& path, std::size_t limit)>;

// What a command that runs without a window writes, and its exit status.
struct CommandOutput {
    int status = 0;
    std::string out;
    std::string err;
};

// portanza-pali --verifica [--json] FILE...: the design check of each file,
// in Italian with the user's decimal separator, or one JSON object a line.
// Exit status 2 when a file cannot be checked (it does not open, it has no
// verticals, a combination's calculation fails), else 1 when one is not
// verified under NTC 2018 (the third combination), else 0.
CommandOutput RunCheckCommand(const std::vector<std::string>& arguments, const FileReader& read,
                              const NumberFormat& format);

// The report of a project file as STAMPA composes it, with the design check's
// block when the file has verticals; or why the file gives none.
std::variant<std::vector<PrintedLine>, std::string> ReportOfFile(const std::string& path, const FileReader& read,
                                                                 const NumberFormat& format);

inline constexpr int kCannotBeChecked = 2;
inline constexpr int kNotVerified = 1;

}  // namespace pali
