// SPDX-License-Identifier: MIT

// The window as laid out: every control where the table puts it, at 96 DPI
// and after a move to a monitor of 144 DPI, in its face and size.
#include <gtest/gtest.h>

#include <string>

#include "win32/wide_text.h"
#include "win32/window_fonts.h"
#include "window_fixture.h"

namespace pali {
namespace {

using fixtures::Win32Window;

RECT RectInClientArea(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectTableGeometry(const Form1Window& window, int dpi)
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        const ControlDesign& design = kForm1Controls[row];
        const RECT rect = RectInClientArea(window.control(row));
        SCOPED_TRACE(std::string(design.name) + " at " + std::to_string(dpi) + " DPI");
        EXPECT_EQ(rect.left, Pixels(design.left, dpi));
        EXPECT_EQ(rect.top, Pixels(design.top, dpi));
        EXPECT_EQ(rect.right - rect.left, Pixels(design.width, dpi));
        EXPECT_EQ(rect.bottom - rect.top, Pixels(design.height, dpi));
    }
}

LOGFONTW FontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

void ExpectTableFonts(const Form1Window& window, int dpi)
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        const ControlDesign& design = kForm1Controls[row];
        const LOGFONTW font = FontOf(window.control(row));
        SCOPED_TRACE(std::string(design.name) + " at " + std::to_string(dpi) + " DPI");
        EXPECT_EQ(std::wstring(font.lfFaceName), kFontFace);
        EXPECT_EQ(font.lfHeight, FontHeight(design.font.points, dpi));
        EXPECT_EQ(font.lfWeight, design.font.bold ? FW_BOLD : FW_NORMAL);
        EXPECT_FALSE(font.lfItalic);
        EXPECT_FALSE(font.lfUnderline);
    }
}

TEST(TwipsToPixels, FifteenTwipsAPixelAt96AndTenAt144)
{
    struct Case {
        int twips, dpi, pixels;
    };
    for (const Case& each :
         {Case{1440, 96, 96}, Case{975, 96, 65}, Case{7650, 96, 510}, Case{5820, 96, 388}, Case{135, 96, 9},
          Case{1440, 144, 144}, Case{975, 144, 98}, Case{1005, 144, 101}, Case{825, 120, 69}}) {
        EXPECT_EQ(Pixels(each.twips, each.dpi), each.pixels) << each.twips << " at " << each.dpi;
    }
}

TEST(FontHeights, PointsAtTheMonitorsDpi)
{
    EXPECT_EQ(FontHeight(8.25, 96), -11);
    EXPECT_EQ(FontHeight(13.5, 96), -18);
    EXPECT_EQ(FontHeight(18, 96), -24);
    EXPECT_EQ(FontHeight(8.25, 144), -17);
    EXPECT_EQ(FontHeight(9.75, 144), -20);
}

TEST_F(Win32Window, EveryControlSitsWhereTheTablePutsIt)
{
    ASSERT_EQ(window.dpi(), 96);
    ExpectTableGeometry(window, 96);
    ExpectTableFonts(window, 96);
}

TEST_F(Win32Window, MovingToAMonitorOf144DpiLaysTheWindowOutAgain)
{
    RECT suggested{100, 50, 100 + 900, 50 + 700};
    SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    pump();
    EXPECT_EQ(window.dpi(), 144);
    ExpectTableGeometry(window, 144);
    ExpectTableFonts(window, 144);
}

TEST_F(Win32Window, RestoresToItsDesignSize)
{
    EXPECT_TRUE(IsZoomed(window.handle()));
    ShowWindow(window.handle(), SW_RESTORE);
    pump();
    RECT client;
    GetClientRect(window.handle(), &client);
    EXPECT_EQ(client.right, Pixels(kRestoredWidthTwips));
    EXPECT_EQ(client.bottom, Pixels(kRestoredHeightTwips));
}

TEST_F(Win32Window, ControlsAreOfTheirKindWithTheTablesCaptions)
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        const ControlDesign& design = kForm1Controls[row];
        HWND control = window.control(row);
        wchar_t className[16] = {};
        GetClassNameW(control, className, 16);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        SCOPED_TRACE(std::string(design.name));
        switch (design.kind) {
        case ControlKind::TextBox:
            EXPECT_STREQ(className, L"Edit");
            EXPECT_FALSE(style & ES_READONLY);
            break;
        case ControlKind::CommandButton:
            EXPECT_STREQ(className, L"Button");
            EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON) << "never a default button";
            break;
        case ControlKind::OptionButton:
            EXPECT_STREQ(className, L"Button");
            EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
            break;
        case ControlKind::Label:
            EXPECT_STREQ(className, L"Static");
            EXPECT_EQ(style & SS_TYPEMASK, SS_LEFT) << "wraps at blanks, cut at its height";
            break;
        }
        if (design.kind != ControlKind::TextBox) {
            wchar_t caption[200] = {};
            GetWindowTextW(control, caption, 200);
            EXPECT_EQ(Utf8Text(caption), design.caption);
        }
    }
}

}  // namespace
}  // namespace pali
