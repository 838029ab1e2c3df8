// SPDX-License-Identifier: MIT

#include "app/project_session.h"

#include <algorithm>
#include <utility>

namespace pali {

namespace {

std::string Quoted(const std::string& text)
{
    return "«" + text + "»";
}

}  // namespace

std::string ReadingProblem(const FileReading& reading)
{
    switch (reading.outcome) {
    case FileReading::Outcome::Read: break;
    case FileReading::Outcome::Missing: return "il file non esiste";
    case FileReading::Outcome::Folder: return "è una cartella, non un file";
    case FileReading::Outcome::TooLarge:
        return "il file è più grande di " + std::string(kProjectFileLimitText) + ", il limite di un progetto";
    case FileReading::Outcome::Unreadable: return "non si può leggere (" + reading.systemReason + ")";
    }
    return {};
}

std::string FileNameOf(const std::string& path)
{
#ifdef _WIN32
    const std::size_t slash = path.find_last_of("/\\");
#else
    const std::size_t slash = path.find_last_of('/');
#endif
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DocumentTitle(const std::string& work, const std::string& markedFileName)
{
    std::string title;
    for (const std::string& part : {work, markedFileName}) {
        if (!part.empty()) {
            title += part + " - ";
        }
    }
    // A title bar shows one line: a line break the file holds becomes a blank.
    std::replace_if(
        title.begin(), title.end(), [](char character) { return character == '\n' || character == '\r'; }, ' ');
    return title + std::string(kTitle);
}

ProjectSession::ProjectSession(Form1Logic& logic, CheckPresenter& check, ProjectView& view,
                               std::vector<std::string> recentFiles)
    : logic_(logic),
      check_(check),
      view_(view),
      recent_(std::move(recentFiles)),
      savedBytes_(WriteProjectFile(current()))
{}

Project ProjectSession::current() const
{
    return {logic_.contents(), logic_.state(), check_.verticals(), data_};
}

bool ProjectSession::modified() const
{
    return WriteProjectFile(current()) != savedBytes_;
}

void ProjectSession::refresh()
{
    showTitle();
    check_.projectChanged();
}

void ProjectSession::verticalsTyped(std::string verticals)
{
    check_.setVerticals(std::move(verticals));
    refresh();
}

ProjectData ProjectSession::projectDataToShow(const std::string& today) const
{
    ProjectData shown = data_;
    if (shown.date.empty()) {
        shown.date = today;
    }
    return shown;
}

void ProjectSession::projectDataConfirmed(const ProjectData& shown, const ProjectData& confirmed)
{
    if (confirmed == shown && data_.IsEmpty()) {
        return;
    }
    data_ = confirmed;
    showTitle();
}

// A whole project on the window, every box a change of its own on some
// toolkits: the check is computed once, for the project.
void ProjectSession::put(const Project& project)
{
    const CheckPresenter::Batch batch(check_);
    logic_.restore(project.form, project.state);
    check_.setVerticals(project.verticals);
    data_ = project.data;
}

void ProjectSession::showTitle()
{
    view_.showTitle(data_.work, path_.empty() ? std::string() : FileNameOf(path_), modified());
}

// Saves or drops the changes as the engineer answers; false when the work at
// hand is to go on as it was.
bool ProjectSession::settleChanges()
{
    if (!modified()) {
        return true;
    }
    const std::string question =
        path_.empty() ? "Salvare il progetto?" : "Salvare le modifiche a " + Quoted(FileNameOf(path_)) + "?";
    switch (view_.askToSaveChanges(question)) {
    case SaveAnswer::Save: return save();
    case SaveAnswer::DoNotSave: return true;
    case SaveAnswer::Cancel: return false;
    }
    return false;
}

void ProjectSession::newProject()
{
    if (!settleChanges()) {
        return;
    }
    const Project empty;
    put(empty);
    path_.clear();
    savedBytes_ = WriteProjectFile(empty);
    showTitle();
}

void ProjectSession::open(const std::string& folder)
{
    if (!settleChanges()) {
        return;
    }
    if (const auto path = view_.askPathToOpen(folder)) {
        load(*path);
    }
}

void ProjectSession::openFile(const std::string& path)
{
    if (settleChanges()) {
        load(path);
    }
}

// Reads the whole file before anything on the window changes: a file that
// cannot be opened leaves the window and the state exactly as they were.
void ProjectSession::load(const std::string& path)
{
    const FileReading reading = view_.readFile(path, kProjectFileLimit);
    std::string problem = ReadingProblem(reading);
    if (reading.outcome == FileReading::Outcome::Missing && recent_.contains(path)) {
        recent_.remove(path);
        view_.storeRecentFiles(recent_.paths());
        problem += "; è stato tolto dall'elenco dei file recenti";
    }
    if (problem.empty()) {
        try {
            const Project project = ReadProjectFile(reading.bytes);
            put(project);
            keep(path, project);
            return;
        } catch (const ProjectFileError& error) {
            problem = error.what();
        }
    }
    view_.showMessage("Impossibile aprire " + Quoted(FileNameOf(path)) + ": " + problem + ".\n\n" + path);
}

bool ProjectSession::save()
{
    return path_.empty() ? saveAs() : writeTo(path_);
}

bool ProjectSession::saveAs()
{
    const auto path = view_.askPathToSave(path_);
    return path && writeTo(*path);
}

bool ProjectSession::writeTo(const std::string& path)
{
    const Project project = current();
    if (const auto failure = view_.writeFile(path, WriteProjectFile(project))) {
        view_.showMessage("Impossibile salvare " + Quoted(FileNameOf(path)) + ": " + *failure +
                          ".\nIl file che c'era resta com'era e il progetto non è salvato.\n\n" + path);
        return false;
    }
    keep(path, project);
    return true;
}

// The project now on the window is the one in the file at path.
void ProjectSession::keep(const std::string& path, const Project& project)
{
    path_ = path;
    savedBytes_ = WriteProjectFile(project);
    recent_.add(path);
    view_.storeRecentFiles(recent_.paths());
    showTitle();
}

bool ProjectSession::mayClose()
{
    return settleChanges();
}

doc::Document ProjectSession::currentReport() const
{
    return doc::ReportOf(doc::ReportInputsOf(current(), path_, logic_.numberFormat()));
}

void ProjectSession::exportReport()
{
    // Beside the project and named after it, or "relazione" before it is saved.
    const std::string extension = "." + std::string(kProjectExtension);
    const std::string base = path_.empty()                ? std::string("relazione")
                             : path_.ends_with(extension) ? path_.substr(0, path_.size() - extension.size())
                                                          : path_;
    const auto path = view_.askPathToExport(base + std::string(doc::kPdfExtension));
    if (!path) {
        return;
    }
    const auto format = doc::ReportFormatOf(*path);
    if (!format) {
        view_.showMessage("La relazione si scrive in PDF (" + std::string(doc::kPdfExtension) + ") o in Word (" +
                          std::string(doc::kWordExtension) + "): " + Quoted(FileNameOf(*path)) +
                          " non è né l'uno né l'altro.");
        return;
    }
    doc::ReportFiles& files = view_.reportFiles();
    if (const auto reason = files.unavailable(*format)) {
        if (view_.askYesOrNo(doc::PrintInsteadQuestion(*path, *reason))) {
            printReport();
        }
        return;
    }
    if (const auto reason = files.write(currentReport(), *format, *path)) {
        view_.showMessage(doc::ReportNotWritten(*path, *reason));
    }
}

void ProjectSession::printReport()
{
    view_.printReport(currentReport());
}

}  // namespace pali
