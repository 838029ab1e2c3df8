#pragma once

#include <array>
#include <string_view>

namespace pali {

// The commands of the menu bar above the form.
enum class MenuCommand {
    New,
    Open,
    Save,
    SaveAs,
    Print,
    Exit,
    Manual,
    ValidationReport,
    ValidationCases,
    About,
};

// A key pressed with Ctrl (and Shift, when shifted) that runs a command from
// anywhere in the window.
struct Shortcut {
    char key = '\0';
    bool shift = false;

    constexpr bool none() const { return key == '\0'; }
};

// One entry of a menu; '&' marks the letter that picks it with Alt, as both
// toolkits write it.
struct MenuEntry {
    MenuCommand command;
    std::string_view text;
    Shortcut shortcut;
};

inline constexpr std::string_view kFileMenuText = "&File";
inline constexpr std::string_view kHelpMenuText = "&?";

// The File menu, in two parts: the files last opened or saved stand between them.
inline constexpr std::array kFileMenuBeforeRecent = {
    MenuEntry{MenuCommand::New, "&Nuovo", {'N'}},
    MenuEntry{MenuCommand::Open, "&Apri...", {'O'}},
    MenuEntry{MenuCommand::Save, "&Salva", {'S'}},
    MenuEntry{MenuCommand::SaveAs, "Salva &con nome...", {'S', true}},
};
inline constexpr std::array kFileMenuAfterRecent = {
    MenuEntry{MenuCommand::Print, "Stam&pa...", {'P'}},
    MenuEntry{MenuCommand::Exit, "&Esci", {}},
};
inline constexpr std::array kHelpMenu = {
    MenuEntry{MenuCommand::Manual, "&Manuale", {}},
    MenuEntry{MenuCommand::ValidationReport, "&Relazione di validazione", {}},
    MenuEntry{MenuCommand::ValidationCases, "Casi di &validazione...", {}},
    MenuEntry{MenuCommand::About, "&Informazioni su Portanza dei pali", {}},
};

// The name of the file type in the Open and Save dialogs; the installer
// registers the same words for the type on Windows.
inline constexpr std::string_view kProjectTypeName = "Progetto Portanza dei pali";

// The installed documents the "?" menu opens, beside the program.
inline constexpr std::string_view kManualFileName = "manuale.html";
inline constexpr std::string_view kValidationFileName = "validazione.pdf";

}  // namespace pali
