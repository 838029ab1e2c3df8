// SPDX-License-Identifier: MIT

// Prints where the program's form begins on the screen, "x y" in pixels: the
// top-left corner of its window's client area, below the menu bar. The
// Windows end-to-end test clicks the controls from there.
#include <windows.h>

#include <cstdio>

int main()
{
    HWND window = FindWindowW(L"PortanzaPaliForm1", nullptr);
    POINT origin{0, 0};
    if (!window || !ClientToScreen(window, &origin)) {
        return 1;
    }
    std::printf("%ld %ld\n", origin.x, origin.y);
    return 0;
}
