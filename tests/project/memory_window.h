#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "project/project_session.h"
#include "window/form1_logic.h"

namespace pali::fixtures {

// A window without a toolkit, over a disk in memory: it holds the texts, and
// answers the dialogs from queues that the test fills.
class MemoryWindow : public Form1View, public ProjectView {
public:
    // Form1View
    std::string boxText(Box box) const override { return form[box]; }
    void setBoxText(Box box, const std::string& text) override { form[box] = text; }
    int selectedCombination() const override { return form.selectedCombination; }
    void selectCombination(int index) override { form.selectedCombination = index; }
    void focusBox(Box box) override { focus = box; }
    NumberFormat numberFormat() const override { return NumberFormat::Comma(); }
    void showError(const std::string& message) override { messages.push_back(message); }
    void deliverReport(const std::vector<PrintedLine>&) override { ++reports; }
    void quit() override { quitted = true; }

    // ProjectView
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
    void showTitle(const std::string& fileName, bool modified) override
    {
        titleName = fileName;
        titleMarked = modified;
    }
    void storeRecentFiles(const std::vector<std::string>& paths) override { recent = paths; }

    static constexpr const char* kReadOnlyFolder = "/sola-lettura/";

    FormContents form;
    std::optional<Box> focus;
    std::vector<std::string> messages;
    int reports = 0;
    bool quitted = false;

    std::map<std::string, std::string> disk;
    std::deque<SaveAnswer> answers;
    std::deque<std::optional<std::string>> savePaths;
    std::deque<std::optional<std::string>> openPaths;
    std::vector<std::string> questions;
    std::string titleName;
    bool titleMarked = false;
    std::vector<std::string> recent;

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
