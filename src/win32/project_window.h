// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/project_menu.h"
#include "app/project_session.h"
#include "win32/check_panel.h"
#include "win32/form1_window.h"
#include "win32/menu_bar.h"
#include "win32/report_files.h"
#include "win32/window_frame.h"

namespace pali {

// Whether the panel of the design check is shown, and where that is kept.
struct CheckPanelSetting {
    bool shown = true;
    std::function<void(bool shown)> store = [](bool) {};
};

// The program's window on Windows: the form below the menu bar, the project's
// files and the question before unsaved work is lost. What each command does
// is ProjectSession's; this class shows the menus and dialogs and moves the
// bytes to and from the disk.
class ProjectWindow : private ProjectView, private MenuFrontEnd, private WindowFrame {
public:
    using Question = std::function<SaveAnswer(HWND owner, const std::string& question)>;
    using PathDialog = std::function<std::optional<std::string>(HWND owner, const std::string& start)>;
    using ProjectDataDialog = std::function<std::optional<ProjectData>(HWND owner, const ProjectData& shown)>;
    using RecentFilesStore = std::function<void(const std::vector<std::string>& paths)>;
    ProjectWindow(HINSTANCE instance, std::vector<std::string> recentFiles, RecentFilesStore storeRecentFiles,
                  CheckPanelSetting panelSetting = {});
    ~ProjectWindow() override;
    ProjectWindow(const ProjectWindow&) = delete;
    ProjectWindow& operator=(const ProjectWindow&) = delete;

    void show() { form_.show(); }
    // The menu's shortcuts, then the form's own keys. True when the message is done.
    bool handleKeys(MSG& message);

    Form1Window& form() { return form_; }
    CheckPanelWindow& panel() { return panel_; }
    CheckPresenter& checkPresenter() { return presenter_; }
    ProjectSession& session() { return session_; }
    HMENU menuBar() const { return menu_.handle(); }

    // Replaceable so that the window can be driven without modal dialogs.
    void setQuestion(Question question) { question_ = std::move(question); }
    void setSaveDialog(PathDialog dialog) { saveDialog_ = std::move(dialog); }
    void setProjectDataDialog(ProjectDataDialog dialog) { projectDataDialog_ = std::move(dialog); }
    void setMessagePresenter(Form1Window::MessagePresenter presenter);

private:
    std::optional<LRESULT> handleFrameMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void formEdited() override;

    void placePanel(int dpi);
    void showPanel(bool shown);
    void moveFocusBetweenFormAndPanel();
    void openRecentFile(std::size_t index);
    void openDroppedFile(HDROP drop);

    void printWithDialog() override;
    void closeWindow() override;
    void showInstalledDocument(std::string_view name) override;
    std::string validationCasesFolder() const override;
    void showAbout() override;
    std::optional<ProjectData> askProjectData(const ProjectData& shown) override;
    std::string today() const override;

    SaveAnswer askToSaveChanges(const std::string& question) override;
    std::optional<std::string> askPathToSave(const std::string& suggestedPath) override;
    std::optional<std::string> askPathToOpen(const std::string& folder) override;
    FileReading readFile(const std::string& path, std::size_t limit) override;
    std::optional<std::string> writeFile(const std::string& path, const std::string& bytes) override;
    void showMessage(const std::string& message) override;
    void showTitle(const std::string& work, const std::string& fileName, bool modified) override;
    void storeRecentFiles(const std::vector<std::string>& paths) override;
    std::optional<std::string> askPathToExport(const std::string& suggestedPath) override;
    doc::ReportFiles& reportFiles() override { return reportFiles_; }
    void printReport(const doc::Document& report) override;
    bool askYesOrNo(const std::string& question) override;

    Form1Window form_;
    MenuBar menu_;
    RecentFilesStore storeRecentFiles_;
    Question question_;
    PathDialog saveDialog_;
    PathDialog openDialog_;
    Win32ReportFiles reportFiles_;
    ProjectDataDialog projectDataDialog_;
    Form1Window::MessagePresenter presentMessage_;
    std::string newestAddedToWindows_;
    CheckPanelWindow panel_;
    CheckPresenter presenter_;
    ProjectSession session_;
    CheckPanelSetting panelSetting_;
    HWND formFocus_ = nullptr;  // where F6 returns to in the form
};

}  // namespace pali
