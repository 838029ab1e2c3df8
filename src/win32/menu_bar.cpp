// SPDX-License-Identifier: MIT

#include "win32/menu_bar.h"

#include <span>

#include "app/recent_files.h"
#include "win32/wide_text.h"

namespace pali {

namespace {

// Far from the controls' identifiers, which are the rows of the control table from 100.
constexpr WORD kFirstCommandId = 1000;
constexpr WORD kCheckPanelId = 1050;
constexpr WORD kFirstRecentId = 1100;
constexpr WORD kRecentSeparatorId = kFirstRecentId + RecentFiles::kKept;

constexpr WORD IdOf(MenuCommand command)
{
    return static_cast<WORD>(kFirstCommandId + static_cast<WORD>(command));
}

std::wstring ShortcutText(Shortcut shortcut)
{
    std::wstring text = L"Ctrl+";
    if (shortcut.shift) {
        text += L"Maiusc+";
    }
    text += static_cast<wchar_t>(shortcut.key);
    return text;
}

std::wstring EntryText(const MenuEntry& entry)
{
    std::wstring text = WideText(entry.text);
    if (!entry.shortcut.none()) {
        text += L'\t' + ShortcutText(entry.shortcut);
    }
    return text;
}

void Append(HMENU menu, std::span<const MenuEntry> entries)
{
    for (const MenuEntry& entry : entries) {
        AppendMenuW(menu, MF_STRING, IdOf(entry.command), EntryText(entry).c_str());
    }
}

// "&1 C:\...\caso1.pali": an ampersand of the path is shown, not taken as a
// key.
std::wstring RecentEntryText(std::size_t index, const std::string& path)
{
    std::wstring text = L"&" + std::to_wstring(index + 1) + L" ";
    for (wchar_t unit : WideText(path)) {
        text += unit;
        if (unit == L'&') {
            text += L'&';
        }
    }
    return text;
}

void AddShortcuts(std::vector<ACCEL>& table, std::span<const MenuEntry> entries)
{
    for (const MenuEntry& entry : entries) {
        if (!entry.shortcut.none()) {
            const BYTE shift = entry.shortcut.shift ? FSHIFT : 0;
            table.push_back({static_cast<BYTE>(FVIRTKEY | FCONTROL | shift), static_cast<WORD>(entry.shortcut.key),
                             IdOf(entry.command)});
        }
    }
}

}  // namespace

MenuBar::MenuBar() : bar_(CreateMenu()), fileMenu_(CreatePopupMenu())
{
    Append(fileMenu_, kFileMenuBeforeRecent);
    AppendMenuW(fileMenu_, MF_SEPARATOR, 0, nullptr);
    Append(fileMenu_, std::span(kFileMenuAfterRecent).first(1));
    AppendMenuW(fileMenu_, MF_SEPARATOR, 0, nullptr);
    Append(fileMenu_, std::span(kFileMenuAfterRecent).subspan(1));
    AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(fileMenu_), WideText(kFileMenuText).c_str());

    HMENU viewMenu = CreatePopupMenu();
    AppendMenuW(viewMenu, MF_STRING, kCheckPanelId, WideText(kCheckPanelEntryText).c_str());
    AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(viewMenu), WideText(kViewMenuText).c_str());

    HMENU helpMenu = CreatePopupMenu();
    Append(helpMenu, kHelpMenu);
    AppendMenuW(bar_, MF_POPUP, reinterpret_cast<UINT_PTR>(helpMenu), WideText(kHelpMenuText).c_str());

    std::vector<ACCEL> table;
    AddShortcuts(table, kFileMenuBeforeRecent);
    AddShortcuts(table, kFileMenuAfterRecent);
    shortcuts_ = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

// The bar itself goes with the window it is set on.
MenuBar::~MenuBar()
{
    DestroyAcceleratorTable(shortcuts_);
}

void MenuBar::removeRecentFiles()
{
    for (std::size_t index = 0; index < recentShown_; ++index) {
        DeleteMenu(fileMenu_, static_cast<UINT>(kFirstRecentId + index), MF_BYCOMMAND);
    }
    if (recentShown_ > 0) {
        DeleteMenu(fileMenu_, kRecentSeparatorId, MF_BYCOMMAND);
    }
    recentShown_ = 0;
}

// The recent files stand between the two parts of the menu, with a line of
// their own below them.
void MenuBar::showRecentFiles(const std::vector<std::string>& paths)
{
    removeRecentFiles();
    const UINT below = IdOf(kFileMenuAfterRecent.front().command);
    for (std::size_t index = 0; index < paths.size() && index < RecentFiles::kKept; ++index) {
        InsertMenuW(fileMenu_, below, MF_BYCOMMAND | MF_STRING, kFirstRecentId + index,
                    RecentEntryText(index, paths[index]).c_str());
        ++recentShown_;
    }
    if (recentShown_ > 0) {
        InsertMenuW(fileMenu_, below, MF_BYCOMMAND | MF_SEPARATOR, kRecentSeparatorId, nullptr);
    }
}

void MenuBar::showCheckPanelTicked(bool ticked)
{
    CheckMenuItem(bar_, kCheckPanelId, MF_BYCOMMAND | (ticked ? MF_CHECKED : MF_UNCHECKED));
}

bool MenuBar::IsCheckPanelEntry(WORD id)
{
    return id == kCheckPanelId;
}

std::optional<MenuCommand> MenuBar::CommandOf(WORD id)
{
    if (id < kFirstCommandId || id > IdOf(MenuCommand::About)) {
        return std::nullopt;
    }
    return static_cast<MenuCommand>(id - kFirstCommandId);
}

std::optional<std::size_t> MenuBar::RecentFileOf(WORD id)
{
    if (id < kFirstRecentId || id >= kRecentSeparatorId) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(id - kFirstRecentId);
}

}  // namespace pali
