#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "window/form1_controls.h"

namespace pali {

// The face every caption and box is drawn in; Windows maps the name to
// Microsoft Sans Serif, Wine to its own face of that name.
inline constexpr wchar_t kFontFace[] = L"MS Sans Serif";

// The height of a face of that many points at that DPI, as GDI is asked for
// it: negative, the height of the characters without their leading.
int FontHeight(double points, int dpi);

// One GDI font for each style the control table uses, at one DPI; made
// again whenever the window moves to a monitor of another DPI.
class WindowFonts {
public:
    WindowFonts() = default;
    ~WindowFonts();
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;

    void makeFor(int dpi);
    HFONT font(const FontStyle& style) const;

private:
    void release();

    std::vector<std::pair<FontStyle, HFONT>> fonts_;
};

}  // namespace pali
