// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/project_menu.h"

namespace pali {

// The window's menu bar, File, Visualizza and "?", with the files last opened or saved in
// the File menu, and the table of its shortcuts.
class MenuBar {
public:
    MenuBar();
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    // The bar, for the window to own once it is set on the window.
    HMENU handle() const { return bar_; }
    HACCEL shortcuts() const { return shortcuts_; }

    void showRecentFiles(const std::vector<std::string>& paths);
    // The tick beside Visualizza's "Pannello di verifica".
    void showCheckPanelTicked(bool ticked);

    // What a WM_COMMAND of the menu or of a shortcut asks for.
    static std::optional<MenuCommand> CommandOf(WORD id);
    static std::optional<std::size_t> RecentFileOf(WORD id);
    static bool IsCheckPanelEntry(WORD id);

private:
    void removeRecentFiles();

    HMENU bar_ = nullptr;
    HMENU fileMenu_ = nullptr;
    HACCEL shortcuts_ = nullptr;
    std::size_t recentShown_ = 0;
};

}  // namespace pali
