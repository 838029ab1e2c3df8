// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

#include "app/command_line.h"

namespace pali {

// Runs a command that opens no window, with the same bytes and exit status as
// on Linux but that --pdf is refused and that --relazione writes a PDF only
// through Windows' own PDF printer, written to the standard output and
// error the program was started with (a redirect or a pipe), or else to the
// console of the command prompt that started it. Its exit status, or none for
// the window's command.
std::optional<int> RunWithoutWindow(const Command& command);

}  // namespace pali
