// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace pali {

// The title and the text of "Informazioni su Portanza dei pali": the version,
// the licence, and what the program leaves to the engineer, as the validation
// document's field of use says it.
inline constexpr const char* kAboutTitle = "Informazioni su Portanza dei pali";
std::string AboutText();

}  // namespace pali
