// SPDX-License-Identifier: MIT

#include "app/form1_controls.h"

#include <algorithm>

namespace pali {

namespace {

// What the compiler checks of the tables. The window builds its typed boxes
// and buttons from the numbering in kind, so a name that does not follow it,
// or a reference to the wrong kind of control, stops the build here.

constexpr bool ControlNamesAreUnique()
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (RowNamed(kForm1Controls[row].name) != row) {
            return false;
        }
    }
    return true;
}

constexpr std::size_t CountOf(ControlKind kind)
{
    return static_cast<std::size_t>(std::ranges::count(kForm1Controls, kind, &ControlDesign::kind));
}

constexpr bool TextBoxesAndButtonsFollowTheirNumbering()
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        const ControlDesign& design = kForm1Controls[row];
        const std::size_t number = kNumberInKind[row];
        if (design.kind == ControlKind::TextBox && design.name != kBoxNames[number]) {
            return false;
        }
        if (design.kind == ControlKind::CommandButton && design.name != kButtonNames[number]) {
            return false;
        }
    }
    return true;
}

constexpr bool BoxRowsFollowTheBoxesAndNameControlsOfTheRightKind()
{
    for (std::size_t index = 0; index < kBoxCount; ++index) {
        const BoxDesign& design = kForm1Boxes[index];
        if (design.box != kAllBoxes[index] || !design.captionedBy.named() ||
            design.captionedBy.design().kind == ControlKind::TextBox ||
            (design.enterTo.named() && design.enterTo.design().kind == ControlKind::Label)) {
            return false;
        }
    }
    return true;
}

static_assert(ControlNamesAreUnique());
static_assert(CountOf(ControlKind::TextBox) == kBoxCount);
static_assert(CountOf(ControlKind::CommandButton) == kButtonCount);
static_assert(TextBoxesAndButtonsFollowTheirNumbering());
static_assert(BoxRowsFollowTheBoxesAndNameControlsOfTheRightKind());

}  // namespace

std::string_view BoxCaption(Box box)
{
    std::string_view caption = kForm1Boxes[static_cast<std::size_t>(box)].captionedBy.design().caption;
    caption.remove_prefix(std::min(caption.find_first_not_of(' '), caption.size()));
    caption.remove_suffix(caption.size() - (caption.find_last_not_of(' ') + 1));
    return caption;
}

}  // namespace pali
