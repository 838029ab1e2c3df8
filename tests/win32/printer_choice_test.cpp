// SPDX-License-Identifier: MIT

#include "win32/report_delivery.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cwchar>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/report/worked_example.h"
#include "win32/wide_text.h"

namespace pali {
namespace {

// Answers each dialog the thread opens as the engineer would: cancels a
// print dialog, acknowledges a message box, and notes its title and texts.
class DialogAnswerer {
public:
    explicit DialogAnswerer(DWORD thread) : thread_(thread), worker_([this] { Watch(); }) {}
    ~DialogAnswerer() { Stop(); }

    // What the engineer saw, one entry a dialog: "title | text | text...".
    std::vector<std::string> Stop()
    {
        stop_ = true;
        if (worker_.joinable()) {
            worker_.join();
        }
        return seen_;
    }

private:
    void Watch()
    {
        while (!stop_) {
            EnumThreadWindows(thread_, &DialogAnswerer::Answer, reinterpret_cast<LPARAM>(this));
            Sleep(50);
        }
    }

    static BOOL CALLBACK Answer(HWND window, LPARAM self)
    {
        auto& answerer = *reinterpret_cast<DialogAnswerer*>(self);
        if (!IsWindowVisible(window) || answerer.answered_.count(window) != 0 || !IsDialog(window)) {
            return TRUE;
        }
        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        std::wstring texts(title);
        EnumChildWindows(window, &DialogAnswerer::CollectText, reinterpret_cast<LPARAM>(&texts));
        if (texts.size() == std::wcslen(title)) {
            return TRUE;  // its controls are still being made
        }
        answerer.seen_.push_back(Utf8Text(texts));
        answerer.answered_.insert(window);
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }

    static bool IsDialog(HWND window)
    {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        return std::wstring_view(name) == L"#32770";
    }

    static BOOL CALLBACK CollectText(HWND child, LPARAM texts)
    {
        wchar_t text[512] = {};
        GetWindowTextW(child, text, 512);
        *reinterpret_cast<std::wstring*>(texts) += std::wstring(L" | ") + text;
        return TRUE;
    }

    DWORD thread_;
    std::vector<std::string> seen_;
    std::set<HWND> answered_;
    std::atomic<bool> stop_ = false;
    std::thread worker_;
};

// The window that STAMPA was pressed in, as the owner of what it shows.
class OwnerWindow {
public:
    OwnerWindow()
        : window_(CreateWindowExW(0, L"STATIC", kTitle, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr))
    {}
    ~OwnerWindow() { DestroyWindow(window_); }

    HWND handle() const { return window_; }
    static constexpr wchar_t kTitle[] = L"Portanza dei pali";

private:
    HWND window_;
};

// With no printer at all the print dialog cannot open. Windows then fails it
// without a word (the program tells the engineer in Italian); Wine says so
// itself and fails it as if cancelled. Either way the engineer is told that
// there is no printer, nothing else opens, and the call returns.
TEST(PrinterChoice, WithNoPrinterAtAllTheEngineerIsToldAndNothingElseOpens)
{
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    ASSERT_EQ(size, 0U) << "this test is for a machine without a printer";
    const OwnerWindow owner;
    DialogAnswerer engineer(GetCurrentThreadId());
    DeliverReport(WorkedExampleReport(), owner.handle());
    const std::vector<std::string> seen = engineer.Stop();
    ASSERT_FALSE(seen.empty()) << "no message";
    for (const std::string& message : seen) {
        const bool italian = message.find("Nessuna stampante disponibile") != std::string::npos;
        const bool wines = message.find("install a printer") != std::string::npos;
        EXPECT_TRUE(italian || wines) << message;
    }
}

}  // namespace
}  // namespace pali
