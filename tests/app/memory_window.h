// SPDX-License-Identifier: MIT

#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/check_presenter.h"
#include "app/project_session.h"
#include "text_window.h"

namespace pali::fixtures {

// A window without a toolkit over a disk in memory: it answers the dialogs
// from queues that the test fills, and keeps what its panel was last shown.
class MemoryWindow : public TextWindow, public ProjectView, public CheckPanelView {
public:
    bool panelShown() const override { return panelIsShown; }
    void showCheck(const CheckPanelContent& content) override { panel = content; }

    SaveAnswer askToSaveChanges(const std::string& question) override
    {
        questions.push_back(question);
        return Next(answers, SaveAnswer::Cancel);
    }
    std::optional<std::string> askPathToSave(const std::string&) override { return Next(savePaths); }
    std::optional<std::string> askPathToOpen(const std::string&) override { return Next(openPaths); }
    FileReading readFile(const std::string& path, std::size_t limit) override
    {
        const auto file = disk.find(path);
        if (file == disk.end()) {
            return {FileReading::Outcome::Missing, {}, {}};
        }
        if (file->second.size() > limit) {
            return {FileReading::Outcome::TooLarge, {}, {}};
        }
        return {FileReading::Outcome::Read, file->second, {}};
    }
    std::optional<std::string> writeFile(const std::string& path, const std::string& bytes) override
    {
        if (path.starts_with(kReadOnlyFolder)) {
            return "permesso negato";
        }
        disk[path] = bytes;
        return std::nullopt;
    }
    void showMessage(const std::string& message) override { messages.push_back(message); }
    void showTitle(const std::string& work, const std::string& fileName, bool modified) override
    {
        titleWork = work;
        titleName = fileName;
        titleMarked = modified;
    }
    void storeRecentFiles(const std::vector<std::string>& paths) override { recent = paths; }
    std::optional<std::string> askPathToExport(const std::string&) override { return Next(exportPaths); }
    doc::ReportFiles& reportFiles() override { return files; }
    void printReport(const doc::Document& report) override { printedReports.push_back(report.footer); }
    bool askYesOrNo(const std::string& question) override
    {
        questions.push_back(question);
        return Next(yesOrNo);
    }

    // Report files that remember what they were asked to write; a format
    // with a reason is one the system cannot write.
    struct MemoryReportFiles : doc::ReportFiles {
        std::optional<std::string> unavailable(doc::ReportFormat format) const override
        {
            return format == doc::ReportFormat::Pdf ? pdfUnavailable : std::nullopt;
        }
        std::optional<std::string> write(const doc::Document&, doc::ReportFormat format,
                                         const std::string& path) override
        {
            written.emplace_back(format, path);
            return std::nullopt;
        }
        std::optional<std::string> pdfUnavailable;
        std::vector<std::pair<doc::ReportFormat, std::string>> written;
    };

    static constexpr const char* kReadOnlyFolder = "/sola-lettura/";

    std::map<std::string, std::string> disk;
    std::deque<SaveAnswer> answers;
    std::deque<std::optional<std::string>> savePaths;
    std::deque<std::optional<std::string>> openPaths;
    std::deque<std::optional<std::string>> exportPaths;
    std::deque<bool> yesOrNo;
    MemoryReportFiles files;
    std::vector<std::string> printedReports;  // the footer of each report printed
    std::vector<std::string> questions;
    std::string titleWork;
    std::string titleName;
    bool titleMarked = false;
    std::vector<std::string> recent;
    bool panelIsShown = true;
    CheckPanelContent panel;

private:
    template <class T>
    static T Next(std::deque<T>& queue, T otherwise = T())
    {
        if (queue.empty()) {
            return otherwise;
        }
        T next = queue.front();
        queue.pop_front();
        return next;
    }
};

}  // namespace pali::fixtures
