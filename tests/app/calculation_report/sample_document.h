// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/calculation_report/document.h"

namespace pali::doc::sample {

// A document with every kind of block, Italian text, XML's special
// characters, a table of that many rows and that many figures.
Document SampleDocument(std::size_t tableRows, std::size_t figures);

// Texts of that document a reader must show: every heading, the footer, a
// cell of the table, the formula line and a figure's text.
std::vector<std::string> ShownTexts();

// The table's heading that starts on every page the table runs onto.
inline constexpr const char* kRepeatedHeading = "Quota di base (m)";

}  // namespace pali::doc::sample
