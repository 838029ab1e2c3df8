// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

#include <windows.h>

#include <span>
#include <utility>
#include <vector>

#include "app/form1_controls.h"

namespace pali {

// The face every caption and box is drawn in: a TrueType face every Windows
// has, which scales with the monitor's DPI, and whose widths Wine draws
// alike, with Liberation Sans. The sizes of the control table are chosen
// for its widths.
inline constexpr wchar_t kFontFace[] = L"Arial";
// The face of even widths the printout's columns stand in: one every Windows
// has, which Wine draws with Liberation Mono.
inline constexpr wchar_t kEvenWidthsFace[] = L"Courier New";

// The height of a face of that many points at that DPI, as GDI is asked for
// it: negative, the height of the characters without their leading.
int FontHeight(double points, int dpi);

// How wide the text is in the control's own font, in pixels.
int TextWidthIn(HWND control, std::string_view utf8);
// The height of a line of text in the control's own font, in pixels.
int LineHeightIn(HWND control);

// One GDI font for each style the control table uses, at one DPI; made
// again whenever the window moves to a monitor of another DPI.
class WindowFonts {
public:
    WindowFonts() = default;
    ~WindowFonts();
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;

    // The styles of the control table, or those given.
    void makeFor(int dpi);
    void makeFor(int dpi, std::span<const FontStyle> styles);
    HFONT font(const FontStyle& style) const;

private:
    void release();

    std::vector<std::pair<FontStyle, HFONT>> fonts_;
};

}  // namespace pali
