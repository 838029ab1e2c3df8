// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <optional>

namespace pali {

// What the program adds around the form in its one window: the menu bar, the
// question before closing, files dropped on it. The frame sees each of the
// window's own messages before the form does.
class WindowFrame {
public:
    virtual ~WindowFrame() = default;

    // The result of a message the frame handles itself; none when it is the form's.
    virtual std::optional<LRESULT> handleFrameMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // After a box's text changed or a button or an option was clicked.
    virtual void formEdited() = 0;
};

}  // namespace pali
