// Start to a drawn window under Wine. Built three ways:
// - the program's window;
// - with BARE_WINDOW, a plain Win32 window holding one label;
// - with BARE_CONTROLS, a plain window holding the program's 67 controls as
//   standard controls of the same classes at their places, in the system
//   font, with none of the program's fonts, texts or logic.
// Each ends once nothing is left to paint, so the time includes creating the
// window and painting every control of it once.
#include <windows.h>

#if defined(BARE_WINDOW) || defined(BARE_CONTROLS)
#include <memory>
#include <string>
#include <string_view>

#include "window/form1_controls.h"
#else
#include <objbase.h>

#include "window/win32/form1_window.h"
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

#if defined(BARE_WINDOW) || defined(BARE_CONTROLS)
struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using OwnedWindow = std::unique_ptr<HWND__, WindowDestroyer>;

std::wstring Wide(std::string_view text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

const wchar_t* ClassName(pali::ControlKind kind)
{
    switch (kind) {
    case pali::ControlKind::TextBox:
        return L"EDIT";
    case pali::ControlKind::Label:
        return L"STATIC";
    case pali::ControlKind::CommandButton:
    case pali::ControlKind::OptionButton:
        break;
    }
    return L"BUTTON";
}

// At 96 DPI, 15 twips a pixel.
void AddControls(HWND window, HINSTANCE instance)
{
#ifdef BARE_CONTROLS
    for (const pali::ControlDesign& design : pali::kForm1Controls) {
        const DWORD style = WS_CHILD | WS_VISIBLE |
                            (design.kind == pali::ControlKind::OptionButton ? BS_AUTORADIOBUTTON : 0);
        CreateWindowExW(design.kind == pali::ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0,
                        ClassName(design.kind), Wide(design.caption).c_str(), style, design.left / 15,
                        design.top / 15, design.width / 15, design.height / 15, window, nullptr, instance,
                        nullptr);
    }
#else
    CreateWindowExW(0, ClassName(pali::ControlKind::Label), Wide("Etichetta").c_str(), WS_CHILD | WS_VISIBLE,
                    8, 8, 200, 20, window, nullptr, instance, nullptr);
#endif
}

OwnedWindow ShowBareWindow(HINSTANCE instance)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Bare window", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 510, 388, nullptr, nullptr, instance, nullptr);
    AddControls(window, instance);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    UpdateWindow(window);
    return OwnedWindow(window);
}
#endif

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
#if defined(BARE_WINDOW) || defined(BARE_CONTROLS)
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
