// SPDX-License-Identifier: MIT

// Prints where the end-to-end test clicks each control of the window: one
// line a control, its name and its centre in pixels from the top-left corner
// of the form, all taken from the window's own control table; and last, the
// line "MenuBar 0 HEIGHT", the height of a menu bar drawn inside the client
// area above the form.
#include <iostream>

#include "app/form1_controls.h"

int main()
{
    for (const pali::ControlDesign& design : pali::kForm1Controls) {
        std::cout << design.name << ' ' << pali::Pixels(design.left) + pali::Pixels(design.width) / 2 << ' '
                  << pali::Pixels(design.top) + pali::Pixels(design.height) / 2 << '\n';
    }
    std::cout << "MenuBar 0 " << pali::Pixels(pali::kMenuBarTwips) << '\n';
}
