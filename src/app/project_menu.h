// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/project_data.h"

namespace pali {

class ProjectSession;

// The commands of the menu bar above the form.
enum class MenuCommand {
    New,
    Open,
    Save,
    SaveAs,
    ProjectData,
    ExportReport,
    PrintReport,
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
    MenuEntry{MenuCommand::ProjectData, "&Dati del progetto...", {}},
};
inline constexpr std::array kFileMenuAfterRecent = {
    MenuEntry{MenuCommand::ExportReport, "Esporta &relazione...", {}},
    MenuEntry{MenuCommand::PrintReport, "Stampa re&lazione...", {}},
    MenuEntry{MenuCommand::Print, "Stam&pa...", {'P'}},
    MenuEntry{MenuCommand::Exit, "&Esci", {}},
};
inline constexpr std::array kHelpMenu = {
    MenuEntry{MenuCommand::Manual, "&Manuale", {}},
    MenuEntry{MenuCommand::ValidationReport, "&Relazione di validazione", {}},
    MenuEntry{MenuCommand::ValidationCases, "Casi di &validazione...", {}},
    MenuEntry{MenuCommand::About, "&Informazioni su Portanza dei pali", {}},
};

// The menu that shows or hides the panel of the design check beside the form.
inline constexpr std::string_view kViewMenuText = "&Visualizza";
inline constexpr std::string_view kCheckPanelEntryText = "&Pannello di verifica";

// The title of the dialog of the project's data.
inline constexpr std::string_view kProjectDataDialogTitle = "Dati del progetto";

// The title of the dialog that asks where the calculation report goes.
inline constexpr std::string_view kExportDialogTitle = "Esporta relazione";

// The name of the file type in the Open and Save dialogs; the installer
// registers the same words for the type on Windows.
inline constexpr std::string_view kProjectTypeName = "Progetto Portanza dei pali";

// The installed documents the "?" menu opens, beside the program.
inline constexpr std::string_view kManualFileName = "manuale.html";
inline constexpr std::string_view kValidationFileName = "validazione.pdf";

// What the menu's commands ask of a front end; the rest is the session's.
class MenuFrontEnd {
public:
    // Stampa...: the system's print dialog, then the same report as STAMPA.
    virtual void printWithDialog() = 0;
    // Esci: the window closes as its close box closes it, asking first.
    virtual void closeWindow() = 0;
    // The installed document of that file name, in the user's program for it.
    virtual void showInstalledDocument(std::string_view fileName) = 0;
    // The folder of the validation cases' project files, where Apri starts.
    virtual std::string validationCasesFolder() const = 0;
    virtual void showAbout() = 0;
    // Dati del progetto...: the dialog opened on shown; what the engineer
    // confirmed with OK, none with Annulla.
    virtual std::optional<ProjectData> askProjectData(const ProjectData& shown) = 0;
    // Today's date in the user's short format, for the dialog to offer.
    virtual std::string today() const = 0;

protected:
    ~MenuFrontEnd() = default;
};

// Runs a command of the menu bar, the same on every front end.
void RunMenuCommand(MenuCommand command, ProjectSession& session, MenuFrontEnd& frontEnd);

}  // namespace pali
