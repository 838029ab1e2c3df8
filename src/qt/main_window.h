// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>

#include "app/check_presenter.h"
#include "app/project_menu.h"
#include "app/project_session.h"
#include "qt/report_files.h"

class QAction;
class QMenu;

namespace pali {

class CheckPanel;
class Form1;

// The program's window on Qt: the form below a menu bar, the project's files
// and the question before unsaved work is lost. What each command does is
// ProjectSession's; this class shows the menus and dialogs and moves bytes.
class MainWindow : public QMainWindow, private ProjectView, private MenuFrontEnd {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    Form1& form() const { return *form_; }
    ProjectSession& session() { return session_; }
    CheckPresenter& checkPresenter() { return presenter_; }

    // The file named on the command line or dropped on the window.
    void openFile(const QString& path);

    // Replaceable so that the window can be driven without modal dialogs.
    using Question = std::function<SaveAnswer(QWidget* parent, const QString& question)>;
    using PathDialog = std::function<std::optional<QString>(QWidget* parent, const QString& start)>;
    void setQuestion(Question question) { question_ = std::move(question); }
    void setSaveDialog(PathDialog dialog) { saveDialog_ = std::move(dialog); }
    void setExportDialog(PathDialog dialog) { exportDialog_ = std::move(dialog); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    template <std::size_t Count>
    void addEntries(QMenu* menu, const std::array<MenuEntry, Count>& entries);
    void showRecentFiles();
    void buildCheckPanel(QWidget* beside);
    void showCheckPanel(bool shown);
    void moveFocusBetweenFormAndPanel();

    void printWithDialog() override;
    void closeWindow() override;
    void showInstalledDocument(std::string_view fileName) override;
    std::string validationCasesFolder() const override;
    void showAbout() override;
    std::optional<ProjectData> askProjectData(const ProjectData& shown) override;
    std::string today() const override;

    SaveAnswer askToSaveChanges(const std::string& question) override;
    std::optional<std::string> askPathToSave(const std::string& suggestedPath) override;
    std::optional<std::string> askPathToExport(const std::string& suggestedPath) override;
    doc::ReportFiles& reportFiles() override;
    void printReport(const doc::Document& report) override;
    bool askYesOrNo(const std::string& question) override;
    std::optional<std::string> askPathToOpen(const std::string& folder) override;
    FileReading readFile(const std::string& path, std::size_t limit) override;
    std::optional<std::string> writeFile(const std::string& path, const std::string& bytes) override;
    void showMessage(const std::string& message) override;
    void showTitle(const std::string& work, const std::string& fileName, bool modified) override;
    void storeRecentFiles(const std::vector<std::string>& paths) override;

    Form1* form_;
    CheckPanel* panel_;
    QAction* panelAction_ = nullptr;
    QWidget* formFocus_ = nullptr;  // where F6 returns to in the form
    CheckPresenter presenter_;
    ProjectSession session_;
    QMenu* recentMenu_ = nullptr;
    Question question_;
    PathDialog saveDialog_;
    PathDialog exportDialog_;
    QtReportFiles reportFiles_;
};

}  // namespace pali
