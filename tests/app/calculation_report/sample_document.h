// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/calculation_report/document.h"

namespace pali::doc::sample {

// Every kind of block, Italian text and XML's special characters, a table of
// that many rows under the heading "Quota di base (m)", that many figures.
Document SampleDocument(std::size_t tableRows, std::size_t figures);

// What a reader must show of it: every heading, the footer, a cell, the
// formula line and a figure's text.
extern const std::vector<std::string> kShownTexts;

}  // namespace pali::doc::sample
