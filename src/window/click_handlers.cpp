#include "window/click_handlers.h"

#include "calc/bearing_capacity.h"
#include "calc/slenderness.h"
#include "window/layer_entry.h"

namespace pali {

const std::array<ButtonHandler, 4> kBoxAndStateButtons = {{
    {"Command6", ShowNextLayer},
    {"Command1",
     [](FormContents& form, ProjectState& state, const NumberFormat& format) {
         StoreLayer(form, state, format);
     }},
    {"Command2",
     [](FormContents& form, ProjectState& state, const NumberFormat& format) {
         ComputeSlenderness(form, state, format);
     }},
    {"Command3", ComputeBearingCapacity},
}};

}  // namespace pali
