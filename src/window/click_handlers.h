#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "state/form_contents.h"
#include "state/number_format.h"
#include "state/project_state.h"

namespace pali {

// A click handler as the window runs it: on the contents of the window and the
// project state, in the user's number conventions of the moment.
using ClickHandler = std::function<void(FormContents&, ProjectState&, const NumberFormat&)>;

struct ButtonHandler {
    std::string_view button;
    ClickHandler run;
};

// The buttons whose work lives entirely in the text boxes and the state.
// STAMPA also needs the printer and FINE ends the program: the window wires
// those two itself.
extern const std::array<ButtonHandler, 4> kBoxAndStateButtons;

}  // namespace pali
