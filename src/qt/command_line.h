// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

namespace pali {

// The commands that run without a window, before any display is looked for:
// --verifica [--json] FILE... and --pdf OUT.pdf FILE. Their exit status, or
// none when the arguments ask for the window.
std::optional<int> RunWithoutWindow(int argc, char** argv);

}  // namespace pali
