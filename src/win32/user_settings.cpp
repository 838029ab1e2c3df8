// SPDX-License-Identifier: MIT

#include <windows.h>

#include "win32/user_settings.h"

#include "win32/wide_text.h"

namespace pali {

namespace {

// The program's key; the uninstaller removes it with the program.
constexpr wchar_t kSettingsKey[] = L"Software\\Portanza dei pali";
constexpr wchar_t kRecentFilesValue[] = L"File recenti";
constexpr wchar_t kCheckPanelValue[] = L"Pannello di verifica";

// The program's key, made when it is not there yet; none when the registry refuses.
HKEY SettingsKey()
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

}  // namespace

std::vector<std::string> LoadRecentFiles()
{
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, kRecentFilesValue, RRF_RT_REG_MULTI_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    std::wstring list(size / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, kRecentFilesValue, RRF_RT_REG_MULTI_SZ, nullptr, list.data(),
                     &size) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<std::string> paths;
    for (const wchar_t* path = list.c_str(); *path != L'\0'; path += wcslen(path) + 1) {
        paths.push_back(Utf8Text(path));
    }
    return paths;
}

void StoreRecentFiles(const std::vector<std::string>& paths)
{
    std::wstring list;
    for (const std::string& path : paths) {
        list += WideText(path);
        list += L'\0';
    }
    list += L'\0';
    HKEY key = SettingsKey();
    if (!key) {
        return;
    }
    RegSetValueExW(key, kRecentFilesValue, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(list.data()),
                   static_cast<DWORD>(list.size() * sizeof(wchar_t)));
    RegCloseKey(key);
}

bool LoadCheckPanelShown()
{
    DWORD shown = 0;
    DWORD size = sizeof shown;
    const LSTATUS read =
        RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, kCheckPanelValue, RRF_RT_REG_DWORD, nullptr, &shown, &size);
    return read != ERROR_SUCCESS || shown != 0;
}

void StoreCheckPanelShown(bool shown)
{
    HKEY key = SettingsKey();
    if (!key) {
        return;
    }
    const DWORD value = shown ? 1 : 0;
    RegSetValueExW(key, kCheckPanelValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

}  // namespace pali
