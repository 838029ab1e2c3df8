// SPDX-License-Identifier: MIT

// The project's files on the real window: the question before unsaved work
// is lost, on every way of closing and when Windows ends the session; a save
// that fails; the shortcuts and a dropped file.
#include <gtest/gtest.h>

#include <fstream>

#include "app/project_file.h"
#include "project_window_fixture.h"

namespace pali {
namespace {

using fixtures::Contents;
using fixtures::ProjectWindowTest;
namespace fs = std::filesystem;

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
    key('S', true);
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
