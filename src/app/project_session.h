// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/calculation_report/report_export.h"
#include "app/check_presenter.h"
#include "app/form1_logic.h"
#include "app/project_file.h"
#include "app/recent_files.h"

namespace pali {

// The engineer's three answers to the question before a project with unsaved
// changes is closed or replaced.
enum class SaveAnswer { Save, DoNotSave, Cancel };

// How reading a file from the disk went.
struct FileReading {
    enum class Outcome { Read, Missing, Folder, TooLarge, Unreadable };
    Outcome outcome = Outcome::Read;
    std::string bytes;         // the whole file, when read
    std::string systemReason;  // the system's words for an unreadable file
};

// Why a file could not be read, in Italian, to follow its name; empty when read.
std::string ReadingProblem(const FileReading& reading);

// Why a save failed when its name is a folder's, the same on every front end.
inline constexpr std::string_view kSaveOverFolderReason = "è una cartella";

// What a toolkit does for the project's files: its dialogs, the disk through
// its safe save, the title, and the user's settings. Paths and texts are UTF-8.
class ProjectView {
public:
    virtual ~ProjectView() = default;

    virtual SaveAnswer askToSaveChanges(const std::string& question) = 0;
    // The path the engineer chose, or none when the dialog was cancelled.
    virtual std::optional<std::string> askPathToSave(const std::string& suggestedPath) = 0;
    virtual std::optional<std::string> askPathToOpen(const std::string& folder) = 0;
    // The file whole, or why not; a file larger than limit is not read.
    virtual FileReading readFile(const std::string& path, std::size_t limit) = 0;
    // Replaces the file in one step, so that a failure leaves the old one
    // whole; the system's words for the failure, none when saved.
    virtual std::optional<std::string> writeFile(const std::string& path, const std::string& bytes) = 0;
    virtual void showMessage(const std::string& message) = 0;
    // The work's name and the open file's (each empty when none), and whether
    // the project has changes.
    virtual void showTitle(const std::string& work, const std::string& fileName, bool modified) = 0;
    virtual void storeRecentFiles(const std::vector<std::string>& paths) = 0;
    // File, Esporta relazione...: the path chosen among the report's formats,
    // none when cancelled; and how the system writes the report's files.
    virtual std::optional<std::string> askPathToExport(const std::string& suggestedPath) = 0;
    virtual doc::ReportFiles& reportFiles() = 0;
    // Stampa relazione...: the print dialog, then the report on the printer chosen.
    virtual void printReport(const doc::Document& report) = 0;
    // A yes-or-no question; true for yes.
    virtual bool askYesOrNo(const std::string& question) = 0;
};

// The project in the window and the file it came from: every way of opening,
// saving and closing, and the question that keeps typed work from being lost.
// A project has changes when what would be saved now differs from what was
// last opened or saved (or from the empty window), so that a change undone by
// hand is no change.
class ProjectSession {
public:
    ProjectSession(Form1Logic& logic, CheckPresenter& check, ProjectView& view, std::vector<std::string> recentFiles);

    void newProject();
    // The Open dialog, in the given folder or where the toolkit last was.
    void open(const std::string& folder = {});
    // A recent file, the command line, a file dropped on the window.
    void openFile(const std::string& path);
    bool save();
    bool saveAs();
    // Whether the program may end: asks first when there are changes.
    bool mayClose();

    // After every edit and click: the title's mark follows the changes, and
    // the design check the project.
    void refresh();
    // The engineer typed the number of verticals investigated.
    void verticalsTyped(std::string verticals);

    // The project's own data, for its calculation report.
    const ProjectData& projectData() const { return data_; }
    // What the dialog of the project's data opens on: the project's data,
    // with today's date (in the user's short format) when none was typed.
    ProjectData projectDataToShow(const std::string& today) const;
    // Writes the calculation report of the window as it stands, in PDF or in
    // Word by the name the engineer chooses; where the system cannot write
    // that format at all, offers to print it instead.
    void exportReport();
    // Prints the calculation report of the window as it stands.
    void printReport();
    // The engineer confirmed with OK the dialog opened on shown. A date the
    // dialog filled in, with nothing else typed, is no data: looking at the
    // dialog of a project without data leaves it without changes.
    void projectDataConfirmed(const ProjectData& shown, const ProjectData& confirmed);

    bool modified() const;
    const std::string& path() const { return path_; }
    const std::vector<std::string>& recentFiles() const { return recent_.paths(); }

private:
    Project current() const;
    doc::Document currentReport() const;
    bool settleChanges();
    void load(const std::string& path);
    bool writeTo(const std::string& path);
    void keep(const std::string& path, const Project& project);
    void showTitle();

    void put(const Project& project);

    Form1Logic& logic_;
    CheckPresenter& check_;
    ProjectView& view_;
    RecentFiles recent_;
    ProjectData data_;
    std::string path_;
    std::string savedBytes_;
};

// The last component of a path, as the title and the messages name the file.
std::string FileNameOf(const std::string& path);

// The window's title: the work's name, then the name of its file (with the
// toolkit's mark of changes), then the program's own, each part there when
// it has a text: "Ponte sul Po - caso1.pali - Portanza dei pali".
std::string DocumentTitle(const std::string& work, const std::string& markedFileName);

}  // namespace pali
