// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "win32/form1_window.h"

namespace pali::fixtures {

// Keys and text through the system's input queue, as the user types them;
// the caller handles the messages they bring.
void SendKey(WORD virtualKey, bool shift = false, bool control = false);
void SendText(std::wstring_view text);

// The user's decimal separator, set in the user's settings as the engineer
// would set it, and put back afterwards.
class UserDecimalSeparator {
public:
    explicit UserDecimalSeparator(const wchar_t* separator);
    ~UserDecimalSeparator() { set(saved_); }
    UserDecimalSeparator(const UserDecimalSeparator&) = delete;
    UserDecimalSeparator& operator=(const UserDecimalSeparator&) = delete;
    static void set(const wchar_t* separator);

private:
    wchar_t saved_[8] = {};
};

// The real window, shown, with its messages and reports caught instead of
// shown in a modal box or printed. Keys go through the system's input queue
// and the program's own message handling, as the user's do.
class Win32Window : public ::testing::Test {
protected:
    Win32Window();

    // Handles every message waiting, as the program's message loop does.
    void pump();
    void key(WORD virtualKey, bool shift = false, bool control = false);
    void type(std::wstring_view text);
    void click(Button button);
    void setText(Box box, std::string_view utf8);
    std::string text(Box box) const { return window.contents()[box]; }
    HWND control(std::string_view name) const { return window.control(RowNamed(name)); }
    std::string nameOf(HWND control) const;
    // The worked example as typed under a decimal comma.
    void typeWorkedExample();

    Form1Window window{GetModuleHandleW(nullptr)};
    std::vector<std::string> messages;
    std::vector<std::vector<PrintedLine>> reports;
    bool quitPosted = false;
};

}  // namespace pali::fixtures
