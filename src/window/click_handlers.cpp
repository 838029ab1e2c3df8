#include "window/click_handlers.h"

#include "calc/bearing_capacity.h"
#include "calc/slenderness.h"
#include "window/layer_entry.h"

namespace pali {

const std::array<ButtonHandler, 4> kBoxAndStateButtons = {{
    {"Command6", ShowNextLayer},
    {"Command1", StoreLayer},
    {"Command2", ComputeSlenderness},
    {"Command3", ComputeBearingCapacity},
}};

}  // namespace pali
