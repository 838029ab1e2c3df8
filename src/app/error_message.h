// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

#include "core/state/run_time_error.h"

namespace pali {

// The kind of a failed step as the engineer reads it.
std::string_view ErrorKindText(ErrorKind kind);

// What the window tells the engineer when a click failed: the kind, the box
// whose text caused it (by the caption beside it) and that nothing changed.
std::string ErrorMessage(const RunTimeError& error);

// The same failure on one line, where a calculation on copies failed and
// nothing is left to say about the window: "Errore: Overflow, campo «...»".
std::string ErrorLine(const RunTimeError& error);

}  // namespace pali
