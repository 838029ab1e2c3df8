#include <windows.h>

#include <objbase.h>

#include "window/win32/form1_window.h"

// The program's one window; the program ends when it closes.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    // The accessibility service that names boxes for screen readers is a COM object.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    {
        pali::Form1Window window(instance);
        window.show();
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (!window.handleKeys(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        status = static_cast<int>(message.wParam);
    }
    CoUninitialize();
    return status;
}
