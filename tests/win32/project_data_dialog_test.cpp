// SPDX-License-Identifier: MIT

// Dati del progetto... on Windows: the real dialog driven as the engineer
// drives it; the data through the window into the file, the same bytes as
// the Linux program's, and back in a fresh window.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "project_window_fixture.h"
#include "win32/project_data_dialog.h"
#include "win32/window_class.h"

namespace pali {
namespace {

using namespace fixtures;

const ProjectData kTyped{"Scuola primaria «G. Verdi»", "Comune di Forlì", "Località Cà Bianca", "Ing. Nicolò Àlvarez",
                         "10/12/2026"};

// What the test does in the dialog, from a timer that its modal loop runs.
std::function<void(HWND dialog)> actOnDialog;

void CALLBACK ActOnOpenDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (HWND dialog = FindWindowW(L"#32770", WideText(kProjectDataDialogTitle).c_str())) {
        KillTimer(nullptr, timer);
        actOnDialog(dialog);
    }
}

TEST_F(ProjectWindowTest, ProjectDataDialogAnswersTheTypedTextsWithOkAndNoneWithAnnulla)
{
    // From the first box down with Tab, each box's text selected as it is
    // reached, and Enter for the default button.
    const auto typeEachBox = [](HWND) {
        for (const ProjectDataField& field : kProjectDataFields) {
            SendText(WideText(kTyped.*field.text));
            SendKey(VK_TAB);
        }
        SendKey(VK_RETURN);
    };
    const auto click = [](int button) {
        return [button](HWND dialog) { PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0); };
    };
    const std::tuple<ProjectData, std::function<void(HWND)>, std::optional<ProjectData>> cases[] = {
        {{"Opera di prima", "", "", "", "01/12/26"}, typeEachBox, kTyped},
        {kTyped, click(IDOK), kTyped},
        {kTyped, click(IDCANCEL), std::nullopt},
    };
    for (const auto& [shown, act, answer] : cases) {
        actOnDialog = act;
        SetTimer(nullptr, 0, 50, ActOnOpenDialog);
        EXPECT_EQ(AskProjectData(handle, shown), answer);
    }
}

// The kept file was written by the Linux program for a new project with
// these data.
TEST_F(ProjectWindowTest, ProjectDataGoIntoTheFileAsOnLinuxAndComeBackInAFreshWindow)
{
    std::vector<ProjectData> shown;
    std::optional<ProjectData> answer = kTyped;
    const auto dialog = [&](HWND, const ProjectData& offered) {
        shown.push_back(offered);
        return answer;
    };
    window.setProjectDataDialog(dialog);
    chooseMenuEntry("&Dati del progetto...");
    savePaths = {pathOf("dati-progetto.pali")};
    key('S', true);
    EXPECT_EQ(Contents(fileOf("dati-progetto.pali")), Contents(fs::path(PALI_KEPT_PROJECTS) / "dati-progetto.pali"));

    ProjectWindow fresh{GetModuleHandleW(nullptr), {}, [](const std::vector<std::string>&) {}};
    answer.reset();
    fresh.setProjectDataDialog(dialog);
    fresh.session().openFile(pathOf("dati-progetto.pali"));
    chooseMenuEntry("&Dati del progetto...", fresh);
    EXPECT_EQ(shown, (std::vector<ProjectData>{{"", "", "", "", TodayInUsersShortFormat()}, kTyped}));
    EXPECT_EQ(WindowText(fresh.form().handle()), kTyped.work + " - dati-progetto.pali - " + std::string(kTitle));
}

}  // namespace
}  // namespace pali
