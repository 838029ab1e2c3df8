// SPDX-License-Identifier: MIT

// The window driven by keys through the system's input queue: the start, Tab,
// the Enter chains, Escape, Space, typed and pasted text.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32/wide_text.h"
#include "window_fixture.h"

namespace pali {
namespace {

using fixtures::Win32Window;

TEST_F(Win32Window, StartsEmptyWithTheFocusInTheDiameterAndTheFirstCombination)
{
    wchar_t title[100] = {};
    GetWindowTextW(window.handle(), title, 100);
    EXPECT_EQ(Utf8Text(title), kTitle);
    EXPECT_TRUE(IsZoomed(window.handle()));
    EXPECT_EQ(window.contents(), FormContents{});
    EXPECT_EQ(SendMessageW(control("Comb1(0)"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(nameOf(GetFocus()), "A");
}

// The focusable controls in tab order, with the option group reached through
// its selected option only.
std::vector<std::string> TabWalk(int selected)
{
    std::vector<std::string> names;
    for (std::size_t row : kTabOrder) {
        const ControlDesign& design = kForm1Controls[row];
        if (design.kind != ControlKind::OptionButton || kNumberInKind[row] == static_cast<std::size_t>(selected)) {
            names.emplace_back(design.name);
        }
    }
    return names;
}

TEST_F(Win32Window, TabWalksTheTabOrderAndWrapsFromCarmagToA)
{
    for (int selected : {0, 2}) {
        SendMessageW(control(selected == 0 ? "Comb1(0)" : "Comb1(2)"), BM_CLICK, 0, 0);
        SetFocus(window.box(Box::A));
        pump();
        std::vector<std::string> visited{nameOf(GetFocus())};
        const std::vector<std::string> expected = TabWalk(selected);
        for (std::size_t step = 1; step < expected.size(); ++step) {
            key(VK_TAB);
            visited.push_back(nameOf(GetFocus()));
        }
        EXPECT_EQ(visited, expected) << "option " << selected << " selected";
        key(VK_TAB);
        EXPECT_EQ(nameOf(GetFocus()), "A");
        key(VK_TAB, true);
        EXPECT_EQ(nameOf(GetFocus()), "CARMAG");
    }
}

TEST_F(Win32Window, TabFromTheLayerButtonGoesToOk)
{
    SetFocus(control("Command6"));
    key(VK_TAB);
    EXPECT_EQ(nameOf(GetFocus()), "Command1");
}

TEST_F(Win32Window, ArrowKeysSelectWithinTheOptionGroup)
{
    SetFocus(control("Comb1(0)"));
    key(VK_DOWN);
    EXPECT_EQ(nameOf(GetFocus()), "Comb1(1)");
    EXPECT_EQ(window.contents().selectedCombination, 1);
    EXPECT_TRUE(GetWindowLongW(control("Comb1(1)"), GWL_STYLE) & WS_TABSTOP);
    EXPECT_FALSE(GetWindowLongW(control("Comb1(0)"), GWL_STYLE) & WS_TABSTOP);
}

TEST_F(Win32Window, EnterFollowsTheChainsOfTheTableAndNothingElse)
{
    for (const BoxDesign& design : kForm1Boxes) {
        SetFocus(window.box(design.box));
        key(VK_RETURN);
        const std::string expected(design.enterTo.named() ? design.enterTo.design().name : BoxName(design.box));
        EXPECT_EQ(nameOf(GetFocus()), expected) << "Enter in " << BoxName(design.box);
    }
    EXPECT_EQ(window.contents(), FormContents{}) << "Enter types nothing, presses nothing";
    EXPECT_TRUE(messages.empty());
}

TEST_F(Win32Window, EnterOnTheFocusedButtonPressesItTheFirstOnlyMovesTheFocus)
{
    SetFocus(window.box(Box::C));
    type(L"2");
    key(VK_RETURN);
    EXPECT_EQ(nameOf(GetFocus()), "Command6");
    EXPECT_EQ(text(Box::I), "");
    key(VK_RETURN);
    EXPECT_EQ(text(Box::I), "1");
    key(VK_SPACE);
    EXPECT_EQ(text(Box::I), "2");
}

TEST_F(Win32Window, EnterOnAnOptionAndEscapeAnywhereDoNothing)
{
    SetFocus(control("Comb1(0)"));
    key(VK_RETURN);
    SetFocus(window.box(Box::B));
    key(VK_ESCAPE);
    SetFocus(control("Command2"));
    key(VK_ESCAPE);
    EXPECT_EQ(nameOf(GetFocus()), "Command2");
    EXPECT_TRUE(IsWindow(window.handle()));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window.contents(), FormContents{});
}

TEST_F(Win32Window, TypedAccentsAndSuperscriptsComeBackUnchanged)
{
    SetFocus(window.box(Box::A));
    type(L"\u00e8 t/m\u00b3");
    EXPECT_EQ(text(Box::A), "\u00e8 t/m\u00b3");
    setText(Box::B, "peso \u00e8 \u00b3");
    wchar_t shown[20] = {};
    GetWindowTextW(window.box(Box::B), shown, 20);
    EXPECT_STREQ(shown, L"peso \u00e8 \u00b3");
}

// The boxes take a megabyte and more. What is pasted here is half as long
// again as an edit control's own limit of 32 767 characters, not a whole
// megabyte: Wine's edit control takes time that grows faster than the text
// (seven seconds for 64 KiB, twenty for 128 KiB), where Windows' is quick.
TEST_F(Win32Window, APasteBeyondTheEditControlsOwnLimitStaysWhole)
{
    constexpr std::size_t kMegabyte = 1 << 20;
    EXPECT_GE(static_cast<std::size_t>(SendMessageW(window.box(Box::A), EM_GETLIMITTEXT, 0, 0)), kMegabyte);

    const std::wstring pasted(49'152, L'7');
    ASSERT_TRUE(OpenClipboard(window.handle()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    std::copy(pasted.c_str(), pasted.c_str() + pasted.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();

    SetFocus(window.box(Box::A));
    key('V', false, true);
    EXPECT_EQ(text(Box::A), std::string(pasted.size(), '7'));
}

}  // namespace
}  // namespace pali
