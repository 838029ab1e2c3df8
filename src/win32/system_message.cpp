// SPDX-License-Identifier: MIT

#include "win32/system_message.h"

#include "win32/wide_text.h"

namespace pali {

std::string SystemMessage(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : L"errore " + std::to_wstring(error);
    LocalFree(text);
    // Windows ends its messages with a full stop and a line end; the program's
    // own sentence goes on after them.
    while (!message.empty() &&
           (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.' || message.back() == L' ')) {
        message.pop_back();
    }
    return Utf8Text(message);
}

}  // namespace pali
