// SPDX-License-Identifier: MIT

// Prints the text of every message box on the screen, one box after the
// other, in UTF-8: what a person reads in it, read the way a screen reader
// does, from the box's own controls. The end-to-end test of the Windows
// program runs it in the program's Wine prefix while a message is shown.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The dialog class of MessageBoxW, and the id of the static control that
// holds its text.
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr int kMessageTextId = 0xFFFF;

std::string Utf8(const std::wstring& text)
{
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// The text of a control of another program: WM_GETTEXT crosses to it.
std::wstring ControlText(HWND control)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    text.resize(copied);
    return text;
}

BOOL CALLBACK PrintMessageBox(HWND window, LPARAM)
{
    wchar_t className[16]{};
    GetClassNameW(window, className, 16);
    if (!IsWindowVisible(window) || std::wstring(className) != kDialogClass) {
        return TRUE;
    }
    if (HWND text = GetDlgItem(window, kMessageTextId)) {
        const std::string bytes = Utf8(ControlText(text)) + '\n';
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    }
    return TRUE;
}

}  // namespace

int main()
{
    EnumWindows(PrintMessageBox, 0);
    return 0;
}
