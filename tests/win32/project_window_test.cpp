// SPDX-License-Identifier: MIT

// The project's files on the real window: the question before unsaved work
// is lost, on every way of closing and when Windows ends the session; a save
// that fails; the shortcuts and a dropped file.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/project_file.h"
#include "win32/project_window.h"
#include "win32/wide_text.h"

namespace pali {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The window with its dialogs answered from queues the test fills, in a
// folder of its own that is removed afterwards.
class ProjectWindowTest : public ::testing::Test {
protected:
    ProjectWindowTest()
    {
        fs::create_directories(folder);
        window.setQuestion([this](HWND, const std::string& question) {
            questions.push_back(question);
            return Next(answers, SaveAnswer::Cancel);
        });
        window.setSaveDialog([this](HWND, const std::string&) { return Next(savePaths, {}); });
        window.setMessagePresenter([this](HWND, const std::string& message) { messages.push_back(message); });
        window.show();
        SetForegroundWindow(handle);
        pump();
    }
    ~ProjectWindowTest() override { fs::remove_all(folder); }

    template <class T>
    static T Next(std::deque<T>& queue, T otherwise)
    {
        if (queue.empty()) {
            return otherwise;
        }
        T next = queue.front();
        queue.pop_front();
        return next;
    }

    void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT && !window.handleKeys(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

    void typeIntoA(const char* text)
    {
        SetWindowTextW(window.form().box(Box::A), WideText(text).c_str());
        pump();
    }

    std::string title() const
    {
        wchar_t text[200] = {};
        GetWindowTextW(handle, text, 200);
        return Utf8Text(text);
    }

    fs::path fileOf(const char* name) const { return folder / WideText(name); }
    std::string pathOf(const char* name) const { return Utf8Text(fileOf(name).wstring()); }

    // Ctrl and a letter, through the system's input queue as the engineer types them.
    void controlKey(WORD letter)
    {
        INPUT inputs[4] = {};
        const WORD keys[4] = {VK_CONTROL, letter, letter, VK_CONTROL};
        for (int index = 0; index < 4; ++index) {
            inputs[index].type = INPUT_KEYBOARD;
            inputs[index].ki.wVk = keys[index];
            inputs[index].ki.dwFlags = index < 2 ? 0 : KEYEVENTF_KEYUP;
        }
        SendInput(4, inputs, sizeof(INPUT));
        pump();
    }

    // A file dropped on the window as Explorer drops it.
    void dropFile(const std::string& path)
    {
        const std::wstring wide = WideText(path);
        const std::size_t size = sizeof(DROPFILES) + (wide.size() + 2) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
        auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = TRUE;
        wide.copy(reinterpret_cast<wchar_t*>(drop + 1), wide.size());
        GlobalUnlock(memory);
        PostMessageW(handle, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
        pump();
    }

    fs::path folder = fs::temp_directory_path() / "pali-window-test";
    ProjectWindow window{
        GetModuleHandleW(nullptr), {}, [this](const std::vector<std::string>& paths) { storedRecent = paths; }};
    HWND handle = window.form().handle();
    std::deque<SaveAnswer> answers;
    std::deque<std::optional<std::string>> savePaths;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<std::string> storedRecent;
};

enum class Closing { CloseBox, Fine, Esci };

void Close(ProjectWindow& window, Closing way)
{
    switch (way) {
    case Closing::CloseBox: SendMessageW(window.form().handle(), WM_SYSCOMMAND, SC_CLOSE, 0); return;
    case Closing::Fine: SendMessageW(window.form().control(RowNamed("Command5")), BM_CLICK, 0, 0); return;
    case Closing::Esci: {
        HMENU file = GetSubMenu(window.menuBar(), 0);
        const UINT esci = GetMenuItemID(file, GetMenuItemCount(file) - 1);
        SendMessageW(window.form().handle(), WM_COMMAND, esci, 0);
        return;
    }
    }
}

TEST_F(ProjectWindowTest, EachWayOfClosingAsksAndDoesWhatTheAnswerSays)
{
    struct Row {
        Closing way;
        SaveAnswer answer;
        std::optional<std::string> savedAs;
        bool closes;
    };
    const Row rows[] = {
        {Closing::CloseBox, SaveAnswer::Cancel, {}, false},
        {Closing::Fine, SaveAnswer::Cancel, {}, false},
        {Closing::Esci, SaveAnswer::Save, {}, false},  // the save dialog cancelled
        {Closing::Fine, SaveAnswer::Save, pathOf("salvato è.pali"), true},
    };
    typeIntoA("60");
    for (const Row& row : rows) {
        questions.clear();
        answers = {row.answer};
        savePaths = {row.savedAs};
        Close(window, row.way);
        pump();
        EXPECT_EQ(questions, std::vector<std::string>{"Salvare il progetto?"});
        EXPECT_EQ(IsWindow(handle) != FALSE, !row.closes);
        if (!row.closes) {
            EXPECT_EQ(window.form().contents()[Box::A], "60");
        }
    }
    EXPECT_EQ(ReadProjectFile(Contents(fileOf("salvato è.pali"))).form[Box::A], "60");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ProjectWindowTest, NonSalvareClosesAndAnUnchangedWindowClosesWithoutAQuestion)
{
    typeIntoA("60");
    typeIntoA("");
    Close(window, Closing::CloseBox);
    pump();
    EXPECT_TRUE(questions.empty()) << "a change undone by hand is no change";
    EXPECT_FALSE(IsWindow(handle));

    ProjectWindow second(GetModuleHandleW(nullptr), {}, [](const std::vector<std::string>&) {});
    second.setQuestion([](HWND, const std::string&) { return SaveAnswer::DoNotSave; });
    SetWindowTextW(second.form().box(Box::K1), L"30");
    HWND secondHandle = second.form().handle();
    Close(second, Closing::Fine);
    EXPECT_FALSE(IsWindow(secondHandle));
}

TEST_F(ProjectWindowTest, AnnullaKeepsWindowsFromEndingTheSession)
{
    typeIntoA("60");
    answers = {SaveAnswer::Cancel, SaveAnswer::DoNotSave};
    EXPECT_EQ(SendMessageW(handle, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
    EXPECT_TRUE(IsWindow(handle));
    EXPECT_EQ(SendMessageW(handle, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(handle, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(questions.size(), 2U);
}

TEST_F(ProjectWindowTest, AFailedSaveSaysSoAndLeavesTheOldFileWholeAndTheProjectUnsaved)
{
    // Failures that hold for an administrator too: the name of a folder, a
    // folder that is not there, a file another program holds open.
    const std::string kept = pathOf("tenuto.pali");
    std::ofstream(kept, std::ios::binary) << "il file di prima";
    const HANDLE held = CreateFileW(WideText(kept).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    fs::create_directories(folder / "cartella.pali");
    const std::string targets[] = {pathOf("cartella.pali"), pathOf("manca\\progetto.pali"), kept};

    typeIntoA("60");
    for (const std::string& target : targets) {
        messages.clear();
        savePaths = {target};
        window.session().saveAs();
        pump();
        ASSERT_EQ(messages.size(), 1U) << target;
        EXPECT_NE(messages[0].find("Impossibile salvare"), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find(target), std::string::npos) << messages[0];
        EXPECT_TRUE(window.session().modified()) << target;
    }
    CloseHandle(held);
    EXPECT_EQ(Contents(kept), "il file di prima");
    EXPECT_TRUE(fs::is_directory(folder / "cartella.pali"));
    for (const auto& file : fs::directory_iterator(folder)) {
        // Wine's ReplaceFileW leaves a file of its own ("rf*.tmp") when it fails.
        EXPECT_NE(file.path().filename().wstring().substr(0, 3), L"pal") << "the program's temporary file is left";
    }
}

TEST_F(ProjectWindowTest, CtrlSSavesTheTitleMarksChangesAndADroppedFileOpens)
{
    typeIntoA("60");
    savePaths = {pathOf("progetto.pali")};
    controlKey('S');
    EXPECT_EQ(title(), "progetto.pali - " + std::string(kTitle));
    EXPECT_EQ(storedRecent, std::vector{pathOf("progetto.pali")});
    typeIntoA("61");
    EXPECT_EQ(title(), "*progetto.pali - " + std::string(kTitle));
    typeIntoA("60");
    EXPECT_EQ(title(), "progetto.pali - " + std::string(kTitle));

    window.session().newProject();
    dropFile(pathOf("progetto.pali"));
    EXPECT_EQ(window.form().contents()[Box::A], "60");
    EXPECT_EQ(title(), "progetto.pali - " + std::string(kTitle));
}

}  // namespace
}  // namespace pali
