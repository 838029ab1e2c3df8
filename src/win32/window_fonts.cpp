// SPDX-License-Identifier: MIT

#include "win32/window_fonts.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "win32/wide_text.h"

namespace pali {

namespace {

constexpr double kPointsPerInch = 72.0;

HFONT MakeFont(const FontStyle& style, int dpi)
{
    LOGFONTW font{};
    font.lfHeight = FontHeight(style.points, dpi);
    font.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    std::copy(std::begin(kFontFace), std::end(kFontFace), font.lfFaceName);
    return CreateFontIndirectW(&font);
}

// What the measure gives on a context holding the control's own font.
template <class Measure>
int InFontOf(HWND control, Measure measure)
{
    HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const int result = measure(dc);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return result;
}

}  // namespace

int FontHeight(double points, int dpi)
{
    return -static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}

int TextWidthIn(HWND control, std::string_view utf8)
{
    const std::wstring wide = WideText(utf8);
    return InFontOf(control, [&](HDC dc) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
        return static_cast<int>(extent.cx);
    });
}

int LineHeightIn(HWND control)
{
    return InFontOf(control, [](HDC dc) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        return static_cast<int>(metrics.tmHeight);
    });
}

WindowFonts::~WindowFonts()
{
    release();
}

void WindowFonts::makeFor(int dpi)
{
    std::vector<FontStyle> styles;
    for (const ControlDesign& design : kForm1Controls) {
        styles.push_back(design.font);
    }
    makeFor(dpi, styles);
}

void WindowFonts::makeFor(int dpi, std::span<const FontStyle> styles)
{
    release();
    for (const FontStyle& style : styles) {
        if (std::ranges::find(fonts_, style, &std::pair<FontStyle, HFONT>::first) == fonts_.end()) {
            fonts_.emplace_back(style, MakeFont(style, dpi));
        }
    }
}

HFONT WindowFonts::font(const FontStyle& style) const
{
    return std::ranges::find(fonts_, style, &std::pair<FontStyle, HFONT>::first)->second;
}

void WindowFonts::release()
{
    for (const auto& [style, font] : fonts_) {
        DeleteObject(font);
    }
    fonts_.clear();
}

}  // namespace pali
