#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "report/print_item.h"
#include "state/number_format.h"

namespace pali {

// The characters an item contributes to its line. A column item contributes
// none of its own: where it moves the position is the line layout's concern.
std::string ItemText(const PrintItem& item, const NumberFormat& format);

// Characters, not bytes: "è" takes one column like any other letter.
std::size_t CharacterCount(std::string_view utf8);

}  // namespace pali
