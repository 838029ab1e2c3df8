// SPDX-License-Identifier: MIT

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "win32/project_window.h"
#include "win32/user_settings.h"
#include "win32/wide_text.h"

namespace {

// The file named on the command line, as Explorer's double-click passes it
// ("%1", quoted when it holds blanks). The shell's splitting is asked for
// only when there is something to split, so that a plain start does not load
// the shell's library.
std::optional<std::string> FileOnCommandLine(PCWSTR arguments)
{
    std::wstring_view rest(arguments ? arguments : L"");
    if (rest.find_first_not_of(L" \t") == std::wstring_view::npos) {
        return std::nullopt;
    }
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::optional<std::string> file;
    if (words && count > 1) {
        file = pali::Utf8Text(words[1]);
    }
    LocalFree(words);
    return file;
}

}  // namespace

// The program's one window; the program ends when it closes.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int)
{
    // The accessibility service that names boxes for screen readers and the
    // file dialogs are COM objects.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    {
        pali::ProjectWindow window(instance, pali::LoadRecentFiles(), pali::StoreRecentFiles,
                                   {pali::LoadCheckPanelShown(), pali::StoreCheckPanelShown});
        window.show();
        if (const auto file = FileOnCommandLine(arguments)) {
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
