// SPDX-License-Identifier: MIT

// Opening, saving and closing a project on a window without a toolkit.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "app/project_file.h"
#include "memory_window.h"

namespace pali {
namespace {

using fixtures::MemoryWindow;

long EnvironmentNumber(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtol(value, nullptr, 10) : fallback;
}

Project ProjectOf(const Form1Logic& logic)
{
    return {logic.contents(), logic.state()};
}

// Random events on two windows: one saves its project and opens it again at
// random moments, its twin never does. After every event the two must agree
// in every text, the option and every bit of the state, so a field the file
// leaves out or a bit it loses shows at once. PROJECT_EVENTS and PROJECT_SEED
// set the length and the seed of the run.
TEST(ProjectFileProperty, SavingAndOpeningAtAnyMomentChangesNothing)
{
    const long events = EnvironmentNumber("PROJECT_EVENTS", 3000);
    std::mt19937 random(static_cast<unsigned>(EnvironmentNumber("PROJECT_SEED", 20261208)));
    const auto pick = [&random](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    // Mostly numbers a layer or a load may hold, so that the calculations run
    // and fill the state, with texts that make them fail among them.
    const char* texts[] = {"",   "0",     "1",   "2",   "3",   "5",   "6",   "7",    "12",    "20",
                           "21", "30",    "34",  "60",  "1,8", "0,8", "2,5", "12,5", "0,004", "-1",
                           "-0", "1e999", "abc", " 4 ", "è³",  "1,9", "28",  "40",   "99999", "  spazi  "};

    MemoryWindow saving;
    MemoryWindow twin;
    Form1Logic savingLogic(saving);
    Form1Logic twinLogic(twin);
    CheckPresenter check(savingLogic, saving);
    ProjectSession session(savingLogic, check, saving, {});
    const std::string path = "/progetti/prova è.pali";
    int reopened = 0;
    int capacities = 0;
    for (long event = 0; event < events; ++event) {
        switch (pick(6)) {
        case 0:
        case 1: {
            const Box box = kAllBoxes[pick(kBoxCount)];
            saving.form[box] = twin.form[box] = texts[pick(std::size(texts))];
            break;
        }
        case 2:
        case 3: {
            const auto button = static_cast<Button>(pick(kButtonCount - 1));  // all but FINE
            const std::size_t failures = twin.messages.size();
            savingLogic.press(button);
            twinLogic.press(button);
            capacities += button == Button::Command3 && twin.messages.size() == failures;
            break;
        }
        case 4: saving.form.selectedCombination = twin.form.selectedCombination = static_cast<int>(pick(3)); break;
        default:
            saving.savePaths.push_back(path);
            ASSERT_TRUE(session.save()) << "event " << event;
            session.openFile(path);
            ++reopened;
            break;
        }
        ASSERT_EQ(saving.form, twin.form) << "event " << event;
        ASSERT_EQ(savingLogic.state(), twinLogic.state()) << "event " << event;
        ASSERT_EQ(WriteProjectFile(ProjectOf(savingLogic)), WriteProjectFile(ProjectOf(twinLogic)))
            << "event " << event;
    }
    std::printf("project files: %ld events, %d saved and opened again, %d capacities computed\n", events, reopened,
                capacities);
    EXPECT_TRUE(saving.messages == twin.messages);
    EXPECT_GT(capacities, 0);
}

class ProjectSessionTest : public ::testing::Test {
protected:
    void type(Box box, const std::string& text)
    {
        window.form[box] = text;
        session.refresh();
    }

    MemoryWindow window;
    Form1Logic logic{window};
    CheckPresenter check{logic, window};
    ProjectSession session{logic, check, window, {}};
};

TEST_F(ProjectSessionTest, TheQuestionBeforeClosingAsTheEngineerAnswersIt)
{
    struct Case {
        const char* name;
        SaveAnswer answer;
        std::optional<std::string> pathChosen;
        bool closes;
        bool saved;
    };
    const Case cases[] = {
        {"Salva, then a name", SaveAnswer::Save, "/p/a.pali", true, true},
        {"Salva, then the dialog cancelled", SaveAnswer::Save, std::nullopt, false, false},
        {"Non salvare", SaveAnswer::DoNotSave, std::nullopt, true, false},
        {"Annulla", SaveAnswer::Cancel, std::nullopt, false, false},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        MemoryWindow window;
        Form1Logic logic(window);
        CheckPresenter check(logic, window);
        ProjectSession session(logic, check, window, {});
        window.form[Box::A] = "60";
        window.answers.push_back(each.answer);
        window.savePaths.push_back(each.pathChosen);

        EXPECT_EQ(session.mayClose(), each.closes);

        EXPECT_EQ(window.questions, std::vector<std::string>{"Salvare il progetto?"});
        EXPECT_EQ(window.disk.count("/p/a.pali"), each.saved ? 1U : 0U);
        EXPECT_EQ(window.form[Box::A], "60");
        EXPECT_EQ(session.modified(), !each.saved);
    }
}

TEST_F(ProjectSessionTest, NothingChangedOrAChangeUndoneByHandAsksNothing)
{
    EXPECT_TRUE(session.mayClose());
    type(Box::A, "60");
    type(Box::A, "");
    EXPECT_TRUE(session.mayClose());
    EXPECT_TRUE(window.questions.empty());
}

TEST_F(ProjectSessionTest, TheTitleNamesTheFileAndMarksItsChanges)
{
    type(Box::A, "60");
    EXPECT_EQ(window.titleName, "");
    EXPECT_TRUE(window.titleMarked);
    window.savePaths.push_back("/p/caso1.pali");
    ASSERT_TRUE(session.save());
    EXPECT_EQ(window.titleName, "caso1.pali");
    EXPECT_FALSE(window.titleMarked);
    EXPECT_EQ(DocumentTitle("", "caso1.pali"), "caso1.pali - " + std::string(kTitle));
    EXPECT_EQ(DocumentTitle("", ""), kTitle);
    EXPECT_EQ(DocumentTitle("Ponte\nsul Po", "*caso1.pali"), "Ponte sul Po - *caso1.pali - " + std::string(kTitle));

    type(Box::B, "12");
    EXPECT_TRUE(window.titleMarked);
    window.answers.push_back(SaveAnswer::Cancel);
    EXPECT_FALSE(session.mayClose());
    EXPECT_EQ(window.questions.back(), "Salvare le modifiche a «caso1.pali»?");
    type(Box::B, "");
    EXPECT_FALSE(window.titleMarked);
}

// OK on the date the dialog offers a project without data changes nothing;
// the data confirmed mark the project and name the work; Nuovo clears them.
TEST_F(ProjectSessionTest, TheProjectsDataConfirmedAreTheProjectsLikeAnyEdit)
{
    const ProjectData offered = session.projectDataToShow("10/12/26");
    EXPECT_EQ(offered, (ProjectData{"", "", "", "", "10/12/26"}));
    session.projectDataConfirmed(offered, offered);
    EXPECT_FALSE(session.modified());
    session.projectDataConfirmed(offered, {"Ponte sul Po", "", "", "", "10/12/26"});
    EXPECT_TRUE(window.titleMarked);
    EXPECT_EQ(window.titleWork, "Ponte sul Po");
    EXPECT_EQ(session.projectDataToShow("11/12/26").date, "10/12/26");

    window.answers.push_back(SaveAnswer::DoNotSave);
    session.newProject();
    EXPECT_EQ(session.projectData(), ProjectData{});
}

// A PDF on a system without a PDF printer cannot be written at all: the
// engineer is told why and may print the report on a printer instead.
TEST_F(ProjectSessionTest, AReportFormatTheSystemCannotWriteIsOfferedForPrinting)
{
    window.files.pdfUnavailable = "nessuna stampante PDF è installata";
    for (const bool print : {true, false}) {
        window.exportPaths.push_back("/progetti/relazione.pdf");
        window.yesOrNo.push_back(print);
        session.exportReport();
        EXPECT_EQ(window.questions.back(),
                  "Impossibile scrivere la relazione «relazione.pdf»: nessuna stampante PDF "
                  "è installata.\n\nStampare la relazione su una stampante da scegliere?");
    }
    EXPECT_EQ(window.printedReports, std::vector<std::string>{"Relazione di calcolo"});
    window.exportPaths.push_back("/progetti/relazione.docx");
    session.exportReport();
    EXPECT_EQ(window.files.written, (std::vector<std::pair<doc::ReportFormat, std::string>>{
                                        {doc::ReportFormat::Word, "/progetti/relazione.docx"}}));
    EXPECT_EQ(window.questions.size(), 2U);
}

TEST_F(ProjectSessionTest, AFailedSaveSaysSoKeepsTheOldFileAndTheChanges)
{
    const std::string target = std::string(MemoryWindow::kReadOnlyFolder) + "a.pali";
    type(Box::A, "60");
    window.savePaths.push_back(target);
    window.answers.push_back(SaveAnswer::Save);

    EXPECT_FALSE(session.mayClose());

    ASSERT_EQ(window.messages.size(), 1U);
    EXPECT_NE(window.messages[0].find("Impossibile salvare «a.pali»: permesso negato"), std::string::npos);
    EXPECT_TRUE(session.modified());
    EXPECT_TRUE(window.titleMarked);
    EXPECT_TRUE(session.path().empty());
}

TEST_F(ProjectSessionTest, NuovoAndOpeningAskFirstAndAnnullaKeepsTheWindow)
{
    window.disk["/p/b.pali"] = WriteProjectFile({});
    type(Box::A, "60");
    window.answers = {SaveAnswer::Cancel, SaveAnswer::Cancel, SaveAnswer::DoNotSave};
    window.openPaths.push_back("/p/b.pali");

    session.newProject();
    session.open();
    EXPECT_EQ(window.form[Box::A], "60");
    EXPECT_EQ(window.openPaths.size(), 1U);  // Annulla came before the dialog

    session.openFile("/p/b.pali");
    EXPECT_EQ(window.form[Box::A], "");
    EXPECT_EQ(window.focus, Box::A);
    EXPECT_EQ(session.path(), "/p/b.pali");
    EXPECT_EQ(window.questions.size(), 3U);
}

TEST_F(ProjectSessionTest, RecentFilesKeepTheLastFourAndForgetOneThatHasGone)
{
    for (const char* name : {"/p/1.pali", "/p/2.pali", "/p/3.pali", "/p/4.pali", "/p/5.pali", "/p/3.pali"}) {
        window.savePaths.push_back(name);
        ASSERT_TRUE(session.saveAs());
    }
    EXPECT_EQ(window.recent, (std::vector<std::string>{"/p/3.pali", "/p/5.pali", "/p/4.pali", "/p/2.pali"}));

    window.disk.erase("/p/5.pali");
    session.openFile("/p/5.pali");
    EXPECT_EQ(window.recent, (std::vector<std::string>{"/p/3.pali", "/p/4.pali", "/p/2.pali"}));
    ASSERT_EQ(window.messages.size(), 1U);
    EXPECT_NE(window.messages[0].find("tolto dall'elenco dei file recenti"), std::string::npos);
}

}  // namespace
}  // namespace pali
