// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

#include "app/command_line.h"

namespace pali {

// The command the program's arguments ask for.
Command CommandOfArguments(int argc, char** argv);

// Runs a command that opens no window before any display is looked for,
// writing its output to the standard output and error; its exit status, or
// none for the window's command.
std::optional<int> RunWithoutWindow(const Command& command, int argc, char** argv);

}  // namespace pali
