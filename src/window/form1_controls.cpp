#include "window/form1_controls.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace pali {

const ControlDesign& ControlNamed(std::string_view name)
{
    const auto found = std::ranges::find(kForm1Controls, name, &ControlDesign::name);
    if (found == kForm1Controls.end()) {
        throw std::out_of_range("no control named " + std::string(name));
    }
    return *found;
}

}  // namespace pali
