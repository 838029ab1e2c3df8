#pragma once

#include <string>
#include <vector>

#include "report/print_item.h"
#include "state/number_format.h"

namespace pali {

// The text lines one PrintLine occupies. Usually one; a column item that finds
// the position already past its column ends the line there, and the remaining
// items continue on a new line from that column.
std::vector<std::string> LayOutLine(const PrintItems& items, const NumberFormat& format);

}  // namespace pali
