// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace pali {

// Registers a window class of the program's; a second window of the class
// (the tests make many) finds it registered.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int background,
                         HICON icon = nullptr);

// The object a window of the program's classes was created for, kept in
// the window from its first message on.
template <class Self>
Self* Attached(HWND window, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    return reinterpret_cast<Self*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// A control's text, as UTF-8.
std::string WindowText(HWND control);

// The keys of a pane of controls before the dialog manager sees them: Enter
// does what the pane wants with the control that has the focus, Escape
// nothing; then Tab, the arrows and Space. True when the message is done.
bool HandlePaneKeys(HWND pane, MSG& message, const std::function<void(HWND focus)>& enter);

// Where the dialog manager asks a pane to move the focus with WM_NEXTDLGCTL.
HWND NextDialogControl(HWND pane, WPARAM wParam, LPARAM lParam);

}  // namespace pali
