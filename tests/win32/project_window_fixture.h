// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "win32/project_window.h"
#include "win32/wide_text.h"
#include "window_fixture.h"

namespace pali::fixtures {

namespace fs = std::filesystem;

inline std::string Contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The window with its dialogs answered from queues the test fills, in a
// folder of its own that is removed afterwards.
class ProjectWindowTest : public ::testing::Test {
protected:
    ProjectWindowTest()
    {
        fs::create_directories(folder);
        window.setQuestion([this](HWND, const std::string& question) {
            questions.push_back(question);
            return Next(answers, SaveAnswer::Cancel);
        });
        window.setSaveDialog([this](HWND, const std::string&) { return Next(savePaths, {}); });
        window.setMessagePresenter([this](HWND, const std::string& message) { messages.push_back(message); });
        window.show();
        SetForegroundWindow(handle);
        pump();
    }
    ~ProjectWindowTest() override { fs::remove_all(folder); }

    template <class T>
    static T Next(std::deque<T>& queue, T otherwise)
    {
        if (queue.empty()) {
            return otherwise;
        }
        T next = queue.front();
        queue.pop_front();
        return next;
    }

    void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT && !window.handleKeys(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

    void typeIntoA(const char* text)
    {
        SetWindowTextW(window.form().box(Box::A), WideText(text).c_str());
        pump();
    }

    std::string title() const
    {
        wchar_t text[200] = {};
        GetWindowTextW(handle, text, 200);
        return Utf8Text(text);
    }

    // Picks the entry of that text in a window's menus, as a click on it does.
    void chooseMenuEntry(std::string_view text) { chooseMenuEntry(text, window); }
    void chooseMenuEntry(std::string_view text, ProjectWindow& target)
    {
        const HMENU bar = target.menuBar();
        for (int menu = 0; menu < GetMenuItemCount(bar); ++menu) {
            const HMENU entries = GetSubMenu(bar, menu);
            for (int entry = 0; entries != nullptr && entry < GetMenuItemCount(entries); ++entry) {
                wchar_t shown[100] = {};
                GetMenuStringW(entries, static_cast<UINT>(entry), shown, 100, MF_BYPOSITION);
                if (Utf8Text(shown).starts_with(text)) {
                    SendMessageW(target.form().handle(), WM_COMMAND, GetMenuItemID(entries, entry), 0);
                    pump();
                    return;
                }
            }
        }
        ADD_FAILURE() << "no menu entry " << text;
    }

    fs::path fileOf(const char* name) const { return folder / WideText(name); }
    std::string pathOf(const char* name) const { return Utf8Text(fileOf(name).wstring()); }

    // Keys and text through the system's input queue, as the engineer types them.
    void key(WORD virtualKey, bool control = false)
    {
        SendKey(virtualKey, false, control);
        pump();
    }
    void type(std::wstring_view text)
    {
        SendText(text);
        pump();
    }

    // A file dropped on the window as Explorer drops it.
    void dropFile(const std::string& path)
    {
        const std::wstring wide = WideText(path);
        const std::size_t size = sizeof(DROPFILES) + (wide.size() + 2) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        wide.copy(reinterpret_cast<wchar_t*>(drop + 1), wide.size());
        GlobalUnlock(memory);
        PostMessageW(handle, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
        pump();
    }

    fs::path folder = fs::temp_directory_path() / "pali-window-test";
    ProjectWindow window{GetModuleHandleW(nullptr),
                         {},
                         [this](const std::vector<std::string>& paths) { storedRecent = paths; },
                         {true, [this](bool shown) { storedPanelShown.push_back(shown); }}};
    HWND handle = window.form().handle();
    std::deque<SaveAnswer> answers;
    std::deque<std::optional<std::string>> savePaths;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<std::string> storedRecent;
    std::vector<bool> storedPanelShown;
};

}  // namespace pali::fixtures
