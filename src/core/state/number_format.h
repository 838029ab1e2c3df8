// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace pali {

// The user's number conventions that the conversions follow. The window takes
// them from the current locale at every click; tests pin them.
struct NumberFormat {
    std::string decimalSeparator = ".";

    static NumberFormat Point() { return {"."}; }
    static NumberFormat Comma() { return {","}; }
};

}  // namespace pali
