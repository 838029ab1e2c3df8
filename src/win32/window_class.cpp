// SPDX-License-Identifier: MIT

#include "win32/window_class.h"

#include "win32/wide_text.h"

namespace pali {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, int background, HICON icon)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(background);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

std::string WindowText(HWND control)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Utf8Text(text);
}

bool HandlePaneKeys(HWND pane, MSG& message, const std::function<void(HWND focus)>& enter)
{
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        enter(message.hwnd);
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        return true;
    }
    return IsDialogMessageW(pane, &message) != FALSE;
}

HWND NextDialogControl(HWND pane, WPARAM wParam, LPARAM lParam)
{
    return LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(pane, GetFocus(), wParam != 0);
}

}  // namespace pali
