// SPDX-License-Identifier: MIT

// Start to a drawn window under Wine. Built three ways:
// - the program's window;
// - with PLAIN_WINDOW, a plain Win32 window holding one label;
// - with PROGRAM_CONTROLS too, a plain window holding the program's 67
//   controls as standard controls of the same classes, at their places and
//   with their captions, in the system font: none of the program's fonts,
//   accessible names or logic.
// Each ends once nothing is left to paint, so the time includes creating the
// window and painting every control of it once.
#include <windows.h>

#ifdef PLAIN_WINDOW
#include <memory>
#else
#include <objbase.h>

#include "win32/form1_window.h"
#endif
#ifdef PROGRAM_CONTROLS
#include "app/form1_controls.h"
#include "win32/wide_text.h"
#endif

namespace {

// Windows sends WM_PAINT only when no other message waits, so the first
// empty queue after showing the window means that every window is drawn.
void runUntilDrawn()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    GdiFlush();
}

#ifdef PLAIN_WINDOW
struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using OwnedWindow = std::unique_ptr<HWND__, WindowDestroyer>;

#ifdef PROGRAM_CONTROLS
const wchar_t* ClassName(pali::ControlKind kind)
{
    switch (kind) {
    case pali::ControlKind::TextBox: return L"EDIT";
    case pali::ControlKind::Label: return L"STATIC";
    case pali::ControlKind::CommandButton:
    case pali::ControlKind::OptionButton: return L"BUTTON";
    }
    return nullptr;
}

void AddControls(HWND window, HINSTANCE instance)
{
    for (const pali::ControlDesign& design : pali::kForm1Controls) {
        const DWORD style =
            WS_CHILD | WS_VISIBLE | (design.kind == pali::ControlKind::OptionButton ? BS_AUTORADIOBUTTON : 0);
        CreateWindowExW(design.kind == pali::ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0, ClassName(design.kind),
                        pali::WideText(design.caption).c_str(), style, pali::Pixels(design.left),
                        pali::Pixels(design.top), pali::Pixels(design.width), pali::Pixels(design.height), window,
                        nullptr, instance, nullptr);
    }
}
#else
void AddControls(HWND window, HINSTANCE instance)
{
    CreateWindowExW(0, L"STATIC", L"Etichetta", WS_CHILD | WS_VISIBLE, 8, 8, 200, 20, window, nullptr, instance,
                    nullptr);
}
#endif

OwnedWindow ShowBareWindow(HINSTANCE instance)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 510, 388, nullptr, nullptr, instance, nullptr);
    AddControls(window, instance);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    UpdateWindow(window);
    return OwnedWindow(window);
}
#endif

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
#ifdef PLAIN_WINDOW
    OwnedWindow window = ShowBareWindow(instance);
    runUntilDrawn();
#else
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        pali::Form1Window window(instance);
        window.show();
        runUntilDrawn();
    }
    CoUninitialize();
#endif
    return 0;
}
