// SPDX-License-Identifier: MIT

#include "window_fixture.h"

#include <utility>

#include "win32/wide_text.h"

namespace pali::fixtures {

namespace {

INPUT KeyInput(WORD virtualKey, WORD unit, DWORD flags)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = unit;
    input.ki.dwFlags = flags;
    return input;
}

}  // namespace

void SendKey(WORD virtualKey, bool shift, bool control)
{
    std::vector<WORD> modifiers;
    if (shift) {
        modifiers.push_back(VK_SHIFT);
    }
    if (control) {
        modifiers.push_back(VK_CONTROL);
    }
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) {
        inputs.push_back(KeyInput(modifier, 0, 0));
    }
    inputs.push_back(KeyInput(virtualKey, 0, 0));
    inputs.push_back(KeyInput(virtualKey, 0, KEYEVENTF_KEYUP));
    for (WORD modifier : modifiers) {
        inputs.push_back(KeyInput(modifier, 0, KEYEVENTF_KEYUP));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendText(std::wstring_view text)
{
    std::vector<INPUT> inputs;
    for (wchar_t unit : text) {
        inputs.push_back(KeyInput(0, unit, KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

UserDecimalSeparator::UserDecimalSeparator(const wchar_t* separator)
{
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, saved_, 8);
    set(separator);
}

void UserDecimalSeparator::set(const wchar_t* separator)
{
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator);
}

Win32Window::Win32Window()
{
    window.setMessagePresenter([this](HWND, const std::string& message) { messages.push_back(message); });
    window.setReportDelivery([this](const std::vector<PrintedLine>& lines, HWND) { reports.push_back(lines); });
    window.show();
    SetForegroundWindow(window.handle());
    pump();
}

void Win32Window::pump()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitPosted = true;
            continue;
        }
        if (!window.handleKeys(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void Win32Window::key(WORD virtualKey, bool shift, bool control)
{
    SendKey(virtualKey, shift, control);
    pump();
}

void Win32Window::type(std::wstring_view text)
{
    SendText(text);
    pump();
}

void Win32Window::click(Button button)
{
    SendMessageW(control(kButtonNames[static_cast<std::size_t>(button)]), BM_CLICK, 0, 0);
    pump();
}

void Win32Window::setText(Box box, std::string_view utf8)
{
    SetWindowTextW(window.box(box), WideText(utf8).c_str());
}

std::string Win32Window::nameOf(HWND control) const
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (window.control(row) == control) {
            return std::string(kForm1Controls[row].name);
        }
    }
    return "(no control of the window)";
}

void Win32Window::typeWorkedExample()
{
    const std::pair<Box, const char*> typed[] = {
        {Box::A, "60"}, {Box::B, "12"},  {Box::C, "2"},     {Box::K1, "30"},
        {Box::M5, "2"}, {Box::CP, "50"}, {Box::CPNS, "10"}, {Box::CV, "20"},
    };
    for (const auto& [box, value] : typed) {
        setText(box, value);
    }
    const char* layers[][4] = {{"30", "5", "1,8", "1"}, {"34", "7", "1,9", "0,8"}};
    for (const auto& layer : layers) {
        click(Button::Command6);
        setText(Box::E, layer[0]);
        setText(Box::F, layer[1]);
        setText(Box::G, layer[2]);
        setText(Box::D, layer[3]);
        click(Button::Command1);
    }
}

}  // namespace pali::fixtures
