// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace pali {

// Texts are UTF-8 inside the program and UTF-16 at the edge of Windows.
std::wstring WideText(std::string_view utf8);
std::string Utf8Text(std::wstring_view wide);

}  // namespace pali
