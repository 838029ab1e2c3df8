// SPDX-License-Identifier: MIT

#include "win32/command_line.h"

#include <windows.h>

#include "win32/project_disk.h"
#include "win32/report_files.h"
#include "win32/users_number_format.h"
#include "win32/wide_text.h"

namespace pali {

namespace {

// A program of the window subsystem has a standard handle only when it was
// given one; started from a command prompt without a redirect, it writes to
// the prompt's console, attached for that.
HANDLE StandardHandle(DWORD which)
{
    HANDLE handle = GetStdHandle(which);
    if (handle && handle != INVALID_HANDLE_VALUE) {
        return handle;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) {
        return nullptr;
    }
    handle =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

// A console shows UTF-16 whatever its code page; a file or a pipe takes the
// UTF-8 bytes as they are, the same as on Linux.
void Write(DWORD which, const std::string& text)
{
    if (text.empty()) {
        return;
    }
    HANDLE handle = StandardHandle(which);
    if (!handle) {
        return;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = WideText(text);
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    for (std::size_t start = 0; start < text.size(); start += written) {
        if (!WriteFile(handle, text.data() + start, static_cast<DWORD>(text.size() - start), &written, nullptr) ||
            written == 0) {
            return;
        }
    }
}

}  // namespace

std::optional<int> RunWithoutWindow(const Command& command)
{
    // No PDF writer for STAMPA's report: it reaches paper or a PDF through the
    // printer of STAMPA.
    Win32ReportFiles reportFiles;
    const auto output = RunWithoutWindow(command, {ReadWholeFile, UsersNumberFormat(), {}, reportFiles});
    if (!output) {
        return std::nullopt;
    }
    Write(STD_OUTPUT_HANDLE, output->out);
    Write(STD_ERROR_HANDLE, output->err);
    return output->status;
}

}  // namespace pali
