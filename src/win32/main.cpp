// SPDX-License-Identifier: MIT

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <variant>
#include <vector>

#include "win32/command_line.h"
#include "win32/project_window.h"
#include "win32/user_settings.h"
#include "win32/wide_text.h"

namespace {

// The words of the command line after the program's name, as Explorer's
// double-click passes a file ("%1", quoted when it holds blanks). The shell's
// splitting is asked for only when there is something to split, so that a
// plain start does not load the shell's library.
std::vector<std::string> CommandLineWords(PCWSTR arguments)
{
    std::wstring_view rest(arguments ? arguments : L"");
    if (rest.find_first_not_of(L" \t") == std::wstring_view::npos) {
        return {};
    }
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    for (int index = 1; words && index < count; ++index) {
        utf8.push_back(pali::Utf8Text(words[index]));
    }
    LocalFree(words);
    return utf8;
}

}  // namespace

// The program's one window; the program ends when it closes.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int)
{
    const pali::Command command = pali::ParseCommandLine(CommandLineWords(arguments));
    if (const auto status = pali::RunWithoutWindow(command)) {
        return *status;
    }
    // The accessibility service that names boxes for screen readers and the
    // file dialogs are COM objects.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    {
        pali::ProjectWindow window(instance, pali::LoadRecentFiles(), pali::StoreRecentFiles,
                                   {pali::LoadCheckPanelShown(), pali::StoreCheckPanelShown});
        window.show();
        // Every other command has run without a window above.
        if (const auto& file = std::get<pali::WindowCommand>(command).file) {
            window.session().openFile(*file);
        }
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (!window.handleKeys(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        status = static_cast<int>(message.wParam);
    }
    CoUninitialize();
    return status;
}
