// SPDX-License-Identifier: MIT

// Dati del progetto... on the real window: the dialog driven as the engineer
// drives it, what each way of closing it answers, how it looks; and the data
// through the window into the file, the same bytes as the Linux program's,
// and back in a fresh window.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "app/project_menu.h"
#include "project_window_fixture.h"
#include "win32/project_data_dialog.h"
#include "win32/window_class.h"
#include "win32/window_fonts.h"

namespace pali {
namespace {

using fixtures::AccessibleName;
using fixtures::Contents;
using fixtures::ProjectWindowTest;
using fixtures::SendKey;
using fixtures::SendText;
namespace fs = std::filesystem;

const ProjectData kTyped{"Scuola primaria «G. Verdi»", "Comune di Forlì", "Località Cà Bianca", "Ing. Nicolò Àlvarez",
                         "10/12/2026"};

// What the test does with the dialog once it is open, from a timer that its
// own modal loop runs.
std::function<void(HWND dialog)> actOnDialog;

void CALLBACK ActOnOpenDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (HWND dialog = FindWindowW(L"#32770", WideText(kProjectDataDialogTitle).c_str())) {
        KillTimer(nullptr, timer);
        actOnDialog(dialog);
    }
}

std::optional<ProjectData> AskActingWith(HWND owner, const ProjectData& shown, std::function<void(HWND)> act)
{
    actOnDialog = std::move(act);
    SetTimer(nullptr, 0, 50, ActOnOpenDialog);
    return AskProjectData(owner, shown);
}

void TypeEachBox(HWND)
{
    for (const ProjectDataField& field : kProjectDataFields) {
        SendText(WideText(kTyped.*field.text));
        SendKey(VK_TAB);
    }
    SendKey(VK_RETURN);
}

TEST_F(ProjectWindowTest, ProjectDataDialogAnswersTheTypedTextsWithOkAndNoneOtherwise)
{
    const ProjectData shown{"Opera di prima", "", "", "", "01/12/2026"};
    const auto press = [](int button) {
        return [button](HWND dialog) { PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0); };
    };
    struct Case {
        const char* way;
        std::function<void(HWND)> act;
        std::optional<ProjectData> answer;
    };
    const Case cases[] = {
        // From the first box down with Tab, each box's text selected as it
        // is reached, and Enter for the default button.
        {"typed, Tab and Enter", TypeEachBox, kTyped},
        {"OK", press(IDOK), shown},
        {"Annulla", press(IDCANCEL), std::nullopt},
        {"Escape", [](HWND) { SendKey(VK_ESCAPE); }, std::nullopt},
        {"close box", [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, std::nullopt},
    };
    for (const Case& closing : cases) {
        EXPECT_EQ(AskActingWith(handle, shown, closing.act), closing.answer) << closing.way;
    }
}

// The labels whole, each box after its label in Tab's order and wide enough
// for a long work's name, in the window's face and size, named for screen
// readers; the focus in the first box.
TEST_F(ProjectWindowTest, ProjectDataDialogShowsEachFieldInTheWindowsFace)
{
    const std::string longName = "Ampliamento della scuola primaria di via Garibaldi";  // 50 characters
    const int dpi = static_cast<int>(GetDpiForWindow(handle));
    AskActingWith(handle, kTyped, [&](HWND dialog) {
        EXPECT_EQ(GetFocus(), GetNextDlgTabItem(dialog, nullptr, FALSE));
        HWND control = GetWindow(dialog, GW_CHILD);
        int top = 0;
        for (const ProjectDataField& field : kProjectDataFields) {
            SCOPED_TRACE(field.label);
            HWND label = control;
            HWND box = GetWindow(label, GW_HWNDNEXT);
            EXPECT_EQ(WindowText(label), field.label);
            EXPECT_EQ(WindowText(box), kTyped.*field.text);
            EXPECT_EQ(Utf8Text(AccessibleName(box)), field.label);
            RECT labelArea;
            RECT boxArea;
            GetClientRect(label, &labelArea);
            GetClientRect(box, &boxArea);
            EXPECT_GE(labelArea.right, TextWidthIn(label, field.label));
            EXPECT_GE(boxArea.right, TextWidthIn(box, longName));
            GetWindowRect(box, &boxArea);
            EXPECT_GT(boxArea.top, top);
            top = boxArea.bottom;
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof font, &font);
            EXPECT_STREQ(font.lfFaceName, kFontFace);
            EXPECT_EQ(font.lfHeight, FontHeight(kPlain.points, dpi));
            control = GetWindow(box, GW_HWNDNEXT);
        }
        EXPECT_EQ(GetDlgCtrlID(control), IDOK);
        EXPECT_EQ(WindowText(control), "OK");
        EXPECT_EQ(WindowText(GetWindow(control, GW_HWNDNEXT)), "Annulla");
        EXPECT_EQ(GetDlgCtrlID(GetWindow(control, GW_HWNDNEXT)), IDCANCEL);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

// File, Dati del progetto..., as the menu offers it.
void ChooseProjectData(ProjectWindow& window)
{
    HMENU file = GetSubMenu(window.menuBar(), 0);
    for (int position = 0; position < GetMenuItemCount(file); ++position) {
        wchar_t text[100] = {};
        GetMenuStringW(file, static_cast<UINT>(position), text, 100, MF_BYPOSITION);
        if (Utf8Text(text) == "&Dati del progetto...") {
            SendMessageW(window.form().handle(), WM_COMMAND, GetMenuItemID(file, position), 0);
            return;
        }
    }
    ADD_FAILURE() << "no Dati del progetto... in the File menu";
}

// The kept file was written by the Linux program for a new project with
// these data: the Windows window writes the same bytes, and a fresh window
// opens them to the same data and title.
TEST_F(ProjectWindowTest, ProjectDataGoIntoTheFileAsOnLinuxAndComeBackInAFreshWindow)
{
    std::vector<ProjectData> shown;
    window.setProjectDataDialog([&](HWND, const ProjectData& offered) {
        shown.push_back(offered);
        return std::optional(kTyped);
    });
    ChooseProjectData(window);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (ProjectData{"", "", "", "", TodayInUsersShortFormat()}));
    EXPECT_NE(shown[0].date, "");
    EXPECT_EQ(title(), kTyped.work + " - " + std::string(kTitle));

    savePaths = {pathOf("dati-progetto.pali")};
    key('S', true);
    EXPECT_EQ(Contents(fileOf("dati-progetto.pali")), Contents(fs::path(PALI_KEPT_PROJECTS) / "dati-progetto.pali"));

    ProjectWindow fresh{GetModuleHandleW(nullptr), {}, [](const std::vector<std::string>&) {}};
    fresh.setProjectDataDialog([&](HWND, const ProjectData& offered) {
        shown.push_back(offered);
        return std::nullopt;
    });
    fresh.session().openFile(pathOf("dati-progetto.pali"));
    wchar_t freshTitle[200] = {};
    GetWindowTextW(fresh.form().handle(), freshTitle, 200);
    EXPECT_EQ(Utf8Text(freshTitle), kTyped.work + " - dati-progetto.pali - " + std::string(kTitle));
    ChooseProjectData(fresh);
    EXPECT_EQ(shown.back(), kTyped);
}

}  // namespace
}  // namespace pali
