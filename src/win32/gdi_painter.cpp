// SPDX-License-Identifier: MIT

#include "win32/gdi_painter.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "win32/wide_text.h"
#include "win32/window_fonts.h"

namespace pali {

namespace {

COLORREF ColourRefOf(draw::Colour colour)
{
    const draw::Rgb rgb = draw::RgbOf(colour);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

RECT PixelRect(const draw::Rect& rect)
{
    return {draw::Pixel(rect.left), draw::Pixel(rect.top), draw::Pixel(rect.right), draw::Pixel(rect.bottom)};
}

int PenStyleOf(draw::Dash dash)
{
    switch (dash) {
    case draw::Dash::Solid: return PS_SOLID;
    case draw::Dash::Dashed: return PS_DASH;
    case draw::Dash::Dotted: return PS_DOT;
    }
    return PS_SOLID;
}

// A hairline is GDI's cosmetic pen, which dashes only at one pixel; a wider
// stroke is a geometric pen with square-cut ends, dashed at any width.
HPEN MakePen(const draw::Stroke& stroke)
{
    const int width = std::max(1, draw::Pixel(stroke.width));
    if (width == 1) {
        return CreatePen(PenStyleOf(stroke.dash), 1, ColourRefOf(stroke.colour));
    }
    const LOGBRUSH brush{BS_SOLID, ColourRefOf(stroke.colour), 0};
    return ExtCreatePen(PS_GEOMETRIC | static_cast<DWORD>(PenStyleOf(stroke.dash)) | PS_ENDCAP_FLAT | PS_JOIN_MITER,
                        static_cast<DWORD>(width), &brush, 0, nullptr);
}

// Draws with the stroke's pen and no fill, and puts the context's back.
template <class Draw>
void WithPen(HDC dc, const draw::Stroke& stroke, Draw draw)
{
    HPEN pen = MakePen(stroke);
    const HGDIOBJ previousPen = SelectObject(dc, pen);
    const HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    draw();
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

}  // namespace

GdiPainter::GdiPainter(HDC dc) : dc_(dc), savedState_(SaveDC(dc))
{
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

GdiPainter::~GdiPainter()
{
    RestoreDC(dc_, savedState_);
    for (const Font& font : fonts_) {
        DeleteObject(font.font);
    }
}

void GdiPainter::select(double size, bool bold, bool evenWidths) const
{
    const int height = std::max(1, draw::Pixel(size));
    auto found = std::ranges::find_if(fonts_, [&](const Font& font) {
        return font.height == height && font.bold == bold && font.evenWidths == evenWidths;
    });
    if (found == fonts_.end()) {
        LOGFONTW font{};
        font.lfHeight = -height;
        font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        font.lfCharSet = DEFAULT_CHARSET;
        font.lfQuality = DEFAULT_QUALITY;
        const std::wstring_view face = evenWidths ? kEvenWidthsFace : kFontFace;
        std::ranges::copy(face, font.lfFaceName);
        // Where the face itself is missing, the system picks one of the same kind.
        font.lfPitchAndFamily = evenWidths ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH;
        fonts_.push_back({height, bold, evenWidths, CreateFontIndirectW(&font)});
        found = fonts_.end() - 1;
    }
    SelectObject(dc_, found->font);
}

void GdiPainter::fill(const draw::FilledRect& rect)
{
    const RECT area = PixelRect(rect.rect);
    HBRUSH brush = CreateSolidBrush(ColourRefOf(rect.fill));
    FillRect(dc_, &area, brush);
    DeleteObject(brush);
}

void GdiPainter::stroke(const draw::StrokedRect& rect)
{
    const RECT area = PixelRect(rect.rect);
    WithPen(dc_, rect.stroke, [&] { Rectangle(dc_, area.left, area.top, area.right, area.bottom); });
}

void GdiPainter::polyline(const draw::Polyline& line)
{
    std::vector<POINT> points;
    std::ranges::transform(line.points, std::back_inserter(points), [](const draw::Point& point) {
        return POINT{draw::Pixel(point.x), draw::Pixel(point.y)};
    });
    WithPen(dc_, line.stroke, [&] { Polyline(dc_, points.data(), static_cast<int>(points.size())); });
}

void GdiPainter::text(const draw::Text& text)
{
    const int saved = SaveDC(dc_);
    if (text.clip) {
        const RECT clip = PixelRect(*text.clip);
        IntersectClipRect(dc_, clip.left, clip.top, clip.right, clip.bottom);
    }
    select(text.size, text.bold, text.evenWidths);
    const draw::TextBox box = draw::BoxOf(text, selectedWidth(text.text), selectedLineHeight());
    SetTextColor(dc_, ColourRefOf(text.colour));
    const std::wstring wide = WideText(text.text);
    TextOutW(dc_, draw::Pixel(box.left), draw::Pixel(box.top), wide.c_str(), static_cast<int>(wide.size()));
    RestoreDC(dc_, saved);
}

double GdiPainter::width(std::string_view text, double size, bool bold) const
{
    select(size, bold);
    return selectedWidth(text);
}

double GdiPainter::selectedWidth(std::string_view text) const
{
    const std::wstring wide = WideText(text);
    SIZE extent{};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &extent);
    return extent.cx;
}

double GdiPainter::lineHeight(double size) const
{
    select(size, false);
    return selectedLineHeight();
}

double GdiPainter::selectedLineHeight() const
{
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return metrics.tmHeight;
}

}  // namespace pali
