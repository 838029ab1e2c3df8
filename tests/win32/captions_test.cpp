// SPDX-License-Identifier: MIT

// Every caption of the window drawn whole inside its control, no control's
// text on another's, and the read-outs wide enough for their longest values,
// at 96, 120, 144 and 192 DPI, in the faces the window really gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "canvas.h"
#include "win32/wide_text.h"
#include "win32/window_fonts.h"
#include "window_fixture.h"

namespace pali {
namespace {

using fixtures::Canvas;

// How Windows' own controls lay out their captions: a label (SS_LEFT,
// SS_NOPREFIX) from its top-left corner, a push button centred, an option
// button beside its round indicator and centred in the height, each wrapped
// at blanks.
constexpr UINT kLabelFormat = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
constexpr UINT kButtonFormat = DT_CENTER | DT_VCENTER | DT_WORDBREAK;
constexpr UINT kOptionFormat = DT_LEFT | DT_VCENTER | DT_WORDBREAK;

struct CaptionLayout {
    RECT rect;
    UINT format;
    std::wstring text;
};

RECT ClientRect(HWND control)
{
    RECT rect;
    GetClientRect(control, &rect);
    return rect;
}

// The room a control leaves its caption, in its own coordinates: a button
// its face inside the bevel, an option the part right of the indicator and
// its gap.
CaptionLayout LayoutOf(HWND control, const ControlDesign& design, int dpi)
{
    RECT rect = ClientRect(control);
    const std::wstring caption = WideText(design.caption);
    switch (design.kind) {
    case ControlKind::CommandButton:
        InflateRect(&rect, -2 * GetSystemMetricsForDpi(SM_CXEDGE, static_cast<UINT>(dpi)),
                    -2 * GetSystemMetricsForDpi(SM_CYEDGE, static_cast<UINT>(dpi)));
        return {rect, kButtonFormat, caption};
    case ControlKind::OptionButton:
        rect.left += GetSystemMetricsForDpi(SM_CXMENUCHECK, static_cast<UINT>(dpi)) +
                     GetSystemMetricsForDpi(SM_CXEDGE, static_cast<UINT>(dpi));
        return {rect, kOptionFormat, caption};
    case ControlKind::Label:
    case ControlKind::TextBox: break;
    }
    return {rect, kLabelFormat, caption};
}

// The heading of the layer area is one line high: it shows the first line
// of its caption, and what wraps below is cut off.
std::wstring CaptionMeantToShow(const ControlDesign& design, const CaptionLayout& layout)
{
    return design.name == "Label18" ? L"DATI  STRATIGRAFICI" : layout.text;
}

HFONT FontOf(HWND control)
{
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

// The pixels a text inks when drawn as the control draws it but without the
// clipping to its room, relative to the room's top-left corner.
RECT InkOf(const std::wstring& text, const CaptionLayout& layout, HFONT font)
{
    const int width = layout.rect.right - layout.rect.left;
    const int height = layout.rect.bottom - layout.rect.top;
    const int margin = 4 * std::max(width, height);
    Canvas canvas(width + 2 * margin, height + 2 * margin);
    SelectObject(canvas.dc(), font);
    RECT room{margin, margin, margin + width, margin + height};
    DrawTextW(canvas.dc(), text.c_str(), -1, &room, layout.format | DT_NOCLIP);
    RECT ink = canvas.ink();
    OffsetRect(&ink, -margin, -margin);
    return ink;
}

// The lines of a text as the system wraps them in the layout's room, from
// its top-left corner: as wide as the widest line, as high as all of them.
RECT WrappedExtent(const std::wstring& text, const CaptionLayout& layout, HFONT font)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT lines{0, 0, layout.rect.right - layout.rect.left, 0};
    DrawTextW(dc, text.c_str(), -1, &lines, layout.format | DT_CALCRECT);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return lines;
}

bool Overlap(const RECT& one, const RECT& other)
{
    RECT common;
    return IntersectRect(&common, &one, &other) != FALSE;
}

std::string Describe(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " to " + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

RECT InParent(HWND control, RECT rect)
{
    MapWindowPoints(control, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Where a box draws its text: its formatting rectangle.
RECT TextRect(HWND box)
{
    RECT rect;
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

// Where the control's text may lie in the window: the wrapped lines as the
// system lays them out, within the control itself.
RECT TextArea(HWND control, const ControlDesign& design, int dpi)
{
    if (design.kind == ControlKind::TextBox) {
        return InParent(control, TextRect(control));
    }
    const CaptionLayout layout = LayoutOf(control, design, dpi);
    RECT lines = WrappedExtent(layout.text, layout, FontOf(control));
    OffsetRect(&lines, layout.rect.left, layout.rect.top);
    RECT within;
    const RECT client = ClientRect(control);
    IntersectRect(&within, &lines, &client);
    return InParent(control, within);
}

class Win32Captions : public fixtures::Win32Window, public testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        const int dpi = GetParam();
        if (window.dpi() != dpi) {
            RECT suggested{0, 0, 1600, 1100};
            SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
            pump();
        }
        ASSERT_EQ(window.dpi(), dpi);
    }

    std::string where(const ControlDesign& design) const
    {
        return std::string(design.name) + " at " + std::to_string(window.dpi()) + " DPI";
    }
};

// Whole: the lines as the system wraps them are no wider than the room the
// control leaves its caption, and their strokes reach neither above nor
// below it. (A label lower than a line, a separator, shows its one line
// whole when the strokes fit.)
TEST_P(Win32Captions, EveryCaptionIsDrawnWholeInsideItsControl)
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        const ControlDesign& design = kForm1Controls[row];
        if (design.kind == ControlKind::TextBox) {
            continue;
        }
        SCOPED_TRACE(where(design));
        HWND control = window.control(row);
        const CaptionLayout layout = LayoutOf(control, design, window.dpi());
        const std::wstring shown = CaptionMeantToShow(design, layout);
        const RECT lines = WrappedExtent(shown, layout, FontOf(control));
        const RECT ink = InkOf(shown, layout, FontOf(control));
        EXPECT_LE(lines.right, layout.rect.right - layout.rect.left) << "lines " << Describe(lines);
        EXPECT_GE(ink.top, 0) << "ink " << Describe(ink);
        EXPECT_LE(ink.bottom, layout.rect.bottom - layout.rect.top) << "ink " << Describe(ink);
    }
}

TEST_P(Win32Captions, NoControlsTextLiesOnAnothersText)
{
    std::vector<RECT> areas;
    for (std::size_t row = 0; row < kControlCount; ++row) {
        areas.push_back(TextArea(window.control(row), kForm1Controls[row], window.dpi()));
    }
    for (std::size_t first = 0; first < kControlCount; ++first) {
        for (std::size_t second = first + 1; second < kControlCount; ++second) {
            EXPECT_FALSE(Overlap(areas[first], areas[second]))
                << kForm1Controls[first].name << " " << Describe(areas[first]) << " and " << kForm1Controls[second].name
                << " " << Describe(areas[second]) << " at " << window.dpi() << " DPI";
        }
    }
}

// The capacities are written with two decimals; the boxes the window gives
// them hold four digits before the separator, up to 9 999,99 t. A value
// written into a box shows from its start, and whole when it is no wider
// than the box's formatting rectangle.
TEST_P(Win32Captions, TwoDecimalReadOutsShowTheirLongestValuesWhole)
{
    for (Box box : {Box::M3, Box::M4, Box::K3, Box::M8}) {
        HWND edit = window.box(box);
        HDC dc = GetDC(edit);
        const HGDIOBJ previous = SelectObject(dc, FontOf(edit));
        const RECT room = TextRect(edit);
        for (const wchar_t* value : {L"9999,99", L"9999.99"}) {
            SIZE extent{};
            GetTextExtentPoint32W(dc, value, static_cast<int>(std::wcslen(value)), &extent);
            EXPECT_LE(extent.cx, room.right - room.left)
                << BoxName(box) << " " << Utf8Text(value) << " at " << window.dpi() << " DPI";
        }
        SelectObject(dc, previous);
        ReleaseDC(edit, dc);
    }
}

// What the window shows in its client area, its controls included.
void CopyClientArea(HWND window, Canvas& canvas)
{
    HDC client = GetDCEx(window, nullptr, DCX_CACHE);
    BitBlt(canvas.dc(), 0, 0, canvas.width(), canvas.height(), client, 0, 0, SRCCOPY);
    ReleaseDC(window, client);
}

// The part of the window's client area that lies on its monitor, in client
// coordinates: at 144 and 192 DPI the window is larger than the test's
// screen.
RECT ShownPart(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&monitor.rcMonitor), 2);
    const RECT client = ClientRect(window);
    RECT shown;
    IntersectRect(&shown, &client, &monitor.rcMonitor);
    return shown;
}

// A few labels overlap: each label's strokes, drawn alone as the label
// draws them, are all on the screen, none painted over by another label.
TEST_P(Win32Captions, EveryLabelsTextIsSeenOnTheScreen)
{
    RedrawWindow(window.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pump();
    const RECT client = ClientRect(window.handle());
    const RECT shown = ShownPart(window.handle());
    Canvas screen(client.right, client.bottom);
    CopyClientArea(window.handle(), screen);
    for (std::size_t row = 0; row < kControlCount; ++row) {
        const ControlDesign& design = kForm1Controls[row];
        HWND label = window.control(row);
        RECT common;
        const RECT place = InParent(label, ClientRect(label));
        if (design.kind != ControlKind::Label || !IntersectRect(&common, &place, &shown) ||
            !EqualRect(&common, &place)) {
            continue;
        }
        const CaptionLayout layout = LayoutOf(label, design, window.dpi());
        Canvas alone(layout.rect.right, layout.rect.bottom, GetSysColorBrush(COLOR_BTNFACE));
        SelectObject(alone.dc(), FontOf(label));
        SetTextColor(alone.dc(), GetSysColor(COLOR_WINDOWTEXT));
        RECT room = layout.rect;
        DrawTextW(alone.dc(), layout.text.c_str(), -1, &room, layout.format);
        GdiFlush();
        int missing = 0;
        for (int y = 0; y < alone.height(); ++y) {
            for (int x = 0; x < alone.width(); ++x) {
                missing += alone.dark(x, y) && !screen.dark(place.left + x, place.top + y) ? 1 : 0;
            }
        }
        EXPECT_EQ(missing, 0) << where(design) << ": pixels of its text not on the screen";
    }
}

INSTANTIATE_TEST_SUITE_P(AtEachDpi, Win32Captions, testing::Values(96, 120, 144, 192),
                         [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param) + "Dpi"; });

std::wstring FaceSelectedFor(const wchar_t* face)
{
    LOGFONTW font{};
    font.lfHeight = FontHeight(8.25, kStandardDpi);
    font.lfCharSet = DEFAULT_CHARSET;
    std::copy(face, face + std::wcslen(face) + 1, font.lfFaceName);
    HFONT handle = CreateFontIndirectW(&font);
    HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, handle);
    wchar_t selected[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, selected);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    DeleteObject(handle);
    return selected;
}

// The window's face is Arial, or under Wine Liberation Sans, which has
// Arial's widths; the message boxes and dialogs get Windows' own faces, or
// Wine's twins of them, and no stand-in of other widths.
TEST(WindowsFaces, AreThoseOfWindowsOrTheirTwins)
{
    EXPECT_TRUE(FaceSelectedFor(kFontFace) == L"Arial" || FaceSelectedFor(kFontFace) == L"Liberation Sans")
        << Utf8Text(FaceSelectedFor(kFontFace));
    for (const wchar_t* face : {L"Tahoma", L"MS Sans Serif", L"MS Shell Dlg", L"MS Shell Dlg 2"}) {
        EXPECT_EQ(FaceSelectedFor(face), face);
    }
}

}  // namespace
}  // namespace pali
