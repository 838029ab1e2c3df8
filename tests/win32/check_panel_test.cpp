// SPDX-License-Identifier: MIT

// The panel VERIFICA on the real window: what it shows of a file opened and
// after typing, F6 between the panes, USA, Visualizza, and every control
// laid out whole on the screens an engineer works at, with the chart of Rd
// beside the profile.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "app/check_panel_layout.h"
#include "app/design_check_texts.h"
#include "core/calc/design_combinations.h"
#include "project_window_fixture.h"
#include "win32/gdi_painter.h"
#include "win32/window_fonts.h"

namespace pali {
namespace {

using fixtures::UserDecimalSeparator;

std::string TextOf(HWND control)
{
    wchar_t text[512] = {};
    GetWindowTextW(control, text, 512);
    return Utf8Text(text);
}

// The worked example with 3 verticals, written by the Linux program.
const std::string kVerticalsFile = std::string(PALI_KEPT_PROJECTS) + "/verticali.pali";

class CheckPanelTest : public fixtures::ProjectWindowTest {
protected:
    CheckPanelWindow& panel() { return window.panel(); }
    std::string figure(std::string_view figure, std::string_view combination)
    {
        return TextOf(panel().readOut(ReadOutName(figure, combination)));
    }
    std::string factors() { return TextOf(panel().readOut(kFactorsName)); }
    std::string shortest(std::string_view caption) { return TextOf(panel().readOut(caption)); }

    // Set before the window reads it: the file was written under a decimal comma.
    UserDecimalSeparator comma{L","};
};

constexpr std::string_view kNtc2018 = kDesignCombinations[2].name;

TEST_F(CheckPanelTest, AFileOpenedShowsItsCheckAndThePanelFollowsTyping)
{
    window.session().openFile(kVerticalsFile);
    EXPECT_EQ(TextOf(panel().verticalsBox()), "3");
    EXPECT_EQ(factors(), "ξ3 = 1,60, ξ4 = 1,48");
    EXPECT_EQ(TextOf(panel().readOut(kNqFromTableName)), "40,0");
    EXPECT_EQ(shortest(kShortestNtc2018Caption), "LUNGHEZZA MINIMA NTC 2018: 8,20 m");
    EXPECT_EQ(shortest(kShortestNtc2008Caption), "LUNGHEZZA MINIMA NTC 2008 (APPROCCIO 1): 8,80 m");
    const std::array<std::array<std::string, 4>, 3> rows = {{
        {"110,00", "195,68", "1,78", "VERIFICATO"},
        {"89,00", "112,11", "1,26", "VERIFICATO"},
        {"110,00", "155,53", "1,41", "VERIFICATO"},
    }};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < kCombinationFigures.size(); ++column) {
            EXPECT_EQ(figure(kCombinationFigures[column], kDesignCombinations[row].name), rows[row][column])
                << kCombinationFigures[column] << " " << kDesignCombinations[row].name;
        }
    }

    // F6 from the form to the verticals, which it selects, and back.
    SetFocus(window.form().box(Box::CP));
    key(VK_F6);
    ASSERT_EQ(GetFocus(), panel().verticalsBox());
    type(L"10");
    EXPECT_EQ(factors(), "ξ3 = 1,40, ξ4 = 1,21");
    EXPECT_EQ(window.checkPresenter().verticals(), "10");
    EXPECT_TRUE(window.session().modified());
    key(VK_F6);
    ASSERT_EQ(GetFocus(), window.form().box(Box::CP));

    // A load the pile cannot carry, typed into the form.
    SendMessageW(window.form().box(Box::CP), EM_SETSEL, 0, -1);
    type(L"150");
    EXPECT_EQ(figure(kVerdictFigure, kNtc2018), "NON VERIFICATO");
    EXPECT_EQ(figure("Ed", kNtc2018), "240,00");
    EXPECT_NE(shortest(kShortestNtc2018Caption).find("nessuna entro 12,00 m"), std::string::npos)
        << shortest(kShortestNtc2018Caption);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CheckPanelTest, UsaWritesNqFromTheTableIntoK1AndTabStaysInItsPane)
{
    window.session().openFile(kVerticalsFile);
    SetWindowTextW(window.form().box(Box::K1), L"45");
    pump();
    EXPECT_NE(TextOf(panel().readOut(kWarningsName)).find("Il valore di Nq digitato (45)"), std::string::npos);
    SetFocus(window.form().box(Box::K1));
    for (int press = 0; press < 70; ++press) {
        key(VK_TAB);
        ASSERT_FALSE(IsChild(panel().handle(), GetFocus())) << "after Tab " << press + 1;
    }
    key(VK_F6);
    ASSERT_EQ(GetFocus(), panel().verticalsBox());
    for (int press = 0; press < 40; ++press) {
        key(VK_TAB);
        ASSERT_TRUE(IsChild(panel().handle(), GetFocus())) << "after Tab " << press + 1;
    }

    SendMessageW(panel().useButton(), BM_CLICK, 0, 0);
    pump();
    EXPECT_EQ(window.form().contents()[Box::K1], "40,0");
    EXPECT_TRUE(window.session().modified());
    // Nq typed now equals the table's: the warning of the unsafe side is gone.
    EXPECT_EQ(TextOf(panel().readOut(kWarningsName)).find("Il valore di Nq digitato"), std::string::npos);
}

TEST_F(CheckPanelTest, VisualizzaHidesAndShowsThePanelAndKeepsTheChoice)
{
    HMENU view = GetSubMenu(window.menuBar(), GetMenuItemCount(window.menuBar()) - 2);
    const UINT entry = GetMenuItemID(view, 0);
    ASSERT_TRUE(MenuBar::IsCheckPanelEntry(entry));
    key(VK_F6);
    SendMessageW(handle, WM_COMMAND, entry, 0);
    pump();
    EXPECT_FALSE(IsWindowVisible(panel().handle()));
    EXPECT_FALSE(IsChild(panel().handle(), GetFocus()));
    EXPECT_EQ(GetMenuState(view, entry, MF_BYCOMMAND) & MF_CHECKED, 0U);
    SendMessageW(handle, WM_COMMAND, entry, 0);
    pump();
    EXPECT_TRUE(IsWindowVisible(panel().handle()));
    EXPECT_EQ(storedPanelShown, (std::vector<bool>{false, true}));
}

// The check is computed once for every change, and once for a whole file
// opened, though each of its boxes changes on the window.
TEST_F(CheckPanelTest, ComputesTheCheckOncePerKeyAndOncePerFileOpened)
{
    const CheckPresenter& presenter = window.checkPresenter();
    std::size_t before = presenter.checksComputed();
    window.session().openFile(kVerticalsFile);
    pump();
    EXPECT_EQ(presenter.checksComputed(), before + 1);

    for (HWND box : {window.form().box(Box::CP), panel().verticalsBox()}) {
        SetFocus(box);
        before = presenter.checksComputed();
        type(L"7");
        EXPECT_EQ(presenter.checksComputed(), before + 1) << TextOf(box);
    }
}

TEST_F(CheckPanelTest, TheWarningsScrollOnlyWhenTheyOverflow)
{
    const auto scrolls = [&] { return (GetWindowLongPtrW(panel().warnings(), GWL_STYLE) & WS_VSCROLL) != 0; };
    CheckPanelContent content;
    content.texts.warnings = {"Una riga di avviso."};
    panel().showCheck(content);
    EXPECT_FALSE(scrolls());
    content.texts.warnings.assign(12, "Una riga di avviso.");
    panel().showCheck(content);
    EXPECT_TRUE(scrolls());
    content.texts.warnings.clear();
    panel().showCheck(content);
    EXPECT_FALSE(scrolls());
}

// A maximised window on a screen of that size: its client area below the
// caption and the menu, above a taskbar.
struct Screen {
    int width;
    int height;
    int dpi;
};

RECT MaximisedClient(const Screen& screen)
{
    const auto dpi = static_cast<UINT>(screen.dpi);
    const int taskbar = MulDiv(40, screen.dpi, kStandardDpi);
    return {
        0, 0, screen.width,
        screen.height - taskbar - GetSystemMetricsForDpi(SM_CYCAPTION, dpi) - GetSystemMetricsForDpi(SM_CYMENU, dpi)};
}

RECT InPanel(HWND control, HWND panel)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, panel, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT PixelsOf(const draw::Rect& rect)
{
    return {draw::Pixel(rect.left), draw::Pixel(rect.top), draw::Pixel(rect.right), draw::Pixel(rect.bottom)};
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

class CheckPanelOnScreen : public CheckPanelTest, public testing::WithParamInterface<Screen> {
protected:
    const Screen screen = GetParam();

    // The worked example at the screen's DPI, the panel placed as the window
    // places it when maximised on that screen; returns where.
    RECT openMaximised()
    {
        if (window.form().dpi() != screen.dpi) {
            RECT suggested{0, 0, 1200, 900};
            SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(screen.dpi, screen.dpi),
                         reinterpret_cast<LPARAM>(&suggested));
            pump();
        }
        EXPECT_EQ(window.form().dpi(), screen.dpi);
        window.session().openFile(kVerticalsFile);
        // The window's own sizes handled first, so that none comes after the
        // panel is placed.
        pump();
        RECT area = MaximisedClient(screen);
        area.left = Pixels(kFormExtentTwips, screen.dpi);
        window.panel().place(area, screen.dpi);
        return area;
    }
};

TEST_P(CheckPanelOnScreen, ShowsBesideTheFormWithEveryCaptionAndFigureWhole)
{
    const RECT area = openMaximised();

    RECT panelArea;
    GetClientRect(panel().handle(), &panelArea);
    ASSERT_EQ(panelArea.right, area.right - area.left);
    std::vector<HWND> controls;
    EnumChildWindows(
        panel().handle(),
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    for (std::size_t first = 0; first < controls.size(); ++first) {
        const RECT rect = InPanel(controls[first], panel().handle());
        EXPECT_TRUE(Inside(rect, panelArea))
            << TextOf(controls[first]) << " " << rect.left << "-" << rect.right << " of " << panelArea.right;
        EXPECT_GT(rect.right - rect.left, 0) << TextOf(controls[first]);
        for (std::size_t second = first + 1; second < controls.size(); ++second) {
            RECT common;
            const RECT other = InPanel(controls[second], panel().handle());
            EXPECT_FALSE(IntersectRect(&common, &rect, &other))
                << TextOf(controls[first]) << " on " << TextOf(controls[second]);
        }
    }
    const UINT dpi = static_cast<UINT>(screen.dpi);
    for (HWND caption : panel().captions()) {
        RECT room;
        GetClientRect(caption, &room);
        if (caption == panel().useButton()) {
            InflateRect(&room, -2 * GetSystemMetricsForDpi(SM_CXEDGE, dpi), 0);
        }
        EXPECT_LE(TextWidthIn(caption, TextOf(caption)), room.right - room.left) << TextOf(caption);
    }
    // Each read-out wide enough for the longest text it may show.
    std::vector<std::pair<std::string, std::string>> longest = {
        {std::string(kFactorsName), "ξ3 = 1,70, ξ4 = 1,70"},
        {ReadOutName(kVerdictFigure, kApproach1Name), std::string(kApproach1Name) + ": NON VERIFICATO"},
        {ReadOutName(kVerdictFigure, kApproach2Name), std::string(kApproach2Name) + ": NON VERIFICATO"},
    };
    for (const auto& combination : kDesignCombinations) {
        for (std::string_view name : kCombinationFigures) {
            longest.emplace_back(ReadOutName(name, combination.name),
                                 name == kVerdictFigure ? "NON VERIFICATO" : "9999,99");
        }
    }
    for (const auto& [name, text] : longest) {
        HWND readOut = panel().readOut(name);
        RECT room;
        SendMessageW(readOut, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
        EXPECT_LE(TextWidthIn(readOut, text), room.right - room.left) << name;
    }

    // The profile's bands, its pile and the chart's lines of Rd, as the view paints them.
    HDC dc = GetDC(panel().profileView());
    std::vector<RECT> bands;
    std::vector<RECT> piles;
    std::vector<const draw::Polyline*> resistances;
    GdiPainter measure(dc);
    const draw::Drawing picture = panel().checkPicture(measure);
    ReleaseDC(panel().profileView(), dc);
    for (const draw::Primitive& primitive : picture.primitives) {
        if (const auto* fill = std::get_if<draw::FilledRect>(&primitive)) {
            const RECT pixels = PixelsOf(fill->rect);
            if (fill->fill == draw::Colour::Pile) {
                piles.push_back(pixels);
            } else if (fill->fill == draw::Colour::SoilOdd || fill->fill == draw::Colour::SoilEven) {
                bands.push_back(pixels);
            }
        } else if (const auto* line = std::get_if<draw::Polyline>(&primitive); line && line->points.size() > 2) {
            resistances.push_back(line);
        }
    }
    RECT view;
    GetClientRect(panel().profileView(), &view);
    ASSERT_EQ(bands.size(), 2U);
    ASSERT_EQ(piles.size(), 1U);
    for (const RECT& part : {bands.front(), bands.back(), piles.front()}) {
        EXPECT_TRUE(Inside(part, view) && part.bottom > part.top)
            << part.left << "," << part.top << " " << part.right << "," << part.bottom;
    }
    // The worked example's pile ends where its second layer does, at 12 m.
    EXPECT_EQ(piles.front().bottom, bands.back().bottom);

    // Each combination's Rd down to 12 m, on the profile's depth scale and
    // right of the profile's bands.
    const std::vector<draw::Colour> colours = {draw::Colour::CombinationR1, draw::Colour::CombinationR2,
                                               draw::Colour::CombinationR3};
    ASSERT_EQ(resistances.size(), colours.size());
    for (std::size_t combination = 0; combination < colours.size(); ++combination) {
        const draw::Polyline& line = *resistances[combination];
        EXPECT_EQ(line.stroke.colour, colours[combination]);
        for (const draw::Point& point : line.points) {
            const POINT pixel{draw::Pixel(point.x), draw::Pixel(point.y)};
            EXPECT_TRUE(PtInRect(&view, pixel) && pixel.x >= bands.front().right) << pixel.x << "," << pixel.y;
        }
        EXPECT_EQ(draw::Pixel(line.points.back().y), piles.front().bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(Maximised, CheckPanelOnScreen,
                         testing::Values(Screen{1366, 768, 96}, Screen{1920, 1080, 96}, Screen{3840, 2160, 192}),
                         [](const testing::TestParamInfo<Screen>& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height) + "at" +
                                    std::to_string(info.param.dpi) + "Dpi";
                         });

}  // namespace
}  // namespace pali
