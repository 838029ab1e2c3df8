// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pali {

// portanza-pali.exe --verifica [--json] FILE...: the design check of each
// file, with the same bytes and exit status as on Linux, written to the
// standard output the program was started with (a redirect or a pipe), or
// else to the console of the command prompt that started it; no window.
// None when the arguments (UTF-8, the program's name first) ask for the window.
std::optional<int> RunWithoutWindow(const std::vector<std::string>& arguments);

}  // namespace pali
