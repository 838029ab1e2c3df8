#include "window/form1_boxes.h"

#include <algorithm>

#include "window/form1_controls.h"

namespace pali {

// BoxCaption indexes the table by the box, so its rows follow the boxes' order.
static_assert([] {
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        if (kForm1Boxes[i].box != kAllBoxes[i]) {
            return false;
        }
    }
    return true;
}());

const BoxDesign* BoxDesignNamed(std::string_view name)
{
    const auto found = std::ranges::find_if(
        kForm1Boxes, [name](const BoxDesign& design) { return BoxName(design.box) == name; });
    return found == kForm1Boxes.end() ? nullptr : &*found;
}

std::string_view BoxCaption(Box box)
{
    const BoxDesign& design = kForm1Boxes[static_cast<std::size_t>(box)];
    std::string_view caption = ControlNamed(design.captionedBy).caption;
    caption.remove_prefix(std::min(caption.find_first_not_of(' '), caption.size()));
    caption.remove_suffix(caption.size() - (caption.find_last_not_of(' ') + 1));
    return caption;
}

}  // namespace pali
