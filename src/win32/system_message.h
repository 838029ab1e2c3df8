// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <string>

namespace pali {

// Windows' own words for an error code, in the user's language, without the
// full stop Windows ends them with, so that the program's sentence goes on.
std::string SystemMessage(DWORD error);

}  // namespace pali
