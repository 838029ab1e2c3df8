// SPDX-License-Identifier: MIT

// The project file's bytes: files kept from this version that every later one
// must open and write back unchanged, and files that must be refused whole.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/check_panel.h"
#include "app/project_file.h"
#include "memory_window.h"

namespace pali {
namespace {

using fixtures::MemoryWindow;

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The worked example typed with the decimal comma, computed, and then texts
// typed by hand into read-outs that no click reads: a letter and a sign from
// beyond ASCII, blanks at both ends, a long text.
void EnterKeptExample(MemoryWindow& window, Form1Logic& logic, int combination)
{
    fixtures::TypeWorkedExample(window.form, logic);
    window.form.selectedCombination = combination;
    logic.press(Button::Command2);
    logic.press(Button::Command3);
    window.form[Box::CARTOT] = "è ³ t/m³";
    window.form[Box::M8] = "  spazi ai due capi  ";
    window.form[Box::Z9] = std::string(10000, '7');
}

// Written by version 1 of the format and never written again: each must open
// to the window it was saved from and be written back to the same bytes, so
// that a file moves between versions and systems unchanged.
TEST(KeptProjectFiles, OpenToTheirWindowAndWriteBackTheSameBytes)
{
    struct Case {
        const char* file;
        int combination;
        bool computed;
    };
    const Case cases[] = {{"vuoto.pali", 0, false}, {"esempio.pali", 1, true}, {"dati-progetto.pali", 0, false}};
    for (const Case& kept : cases) {
        SCOPED_TRACE(kept.file);
        MemoryWindow window;
        Form1Logic logic(window);
        if (kept.computed) {
            EnterKeptExample(window, logic, kept.combination);
            ASSERT_TRUE(window.messages.empty());
        }
        const std::string bytes = FileBytes(std::string(PALI_KEPT_PROJECTS) + "/" + kept.file);
        ASSERT_FALSE(bytes.empty());

        const Project opened = ReadProjectFile(bytes);

        EXPECT_EQ(opened.form, window.form);
        EXPECT_EQ(opened.state, logic.state());
        EXPECT_EQ(WriteProjectFile(opened), bytes);
    }
}

// Written on Linux with the verticals investigated: on every system this
// test runs on it opens to the same panel and writes back to the same bytes.
TEST(KeptProjectFiles, WithVerticalsOpenToTheSamePanelOnEverySystem)
{
    const std::string bytes = FileBytes(std::string(PALI_KEPT_PROJECTS) + "/verticali.pali");
    const Project opened = ReadProjectFile(bytes);
    EXPECT_EQ(opened.verticals, "3");
    EXPECT_EQ(WriteProjectFile(opened), bytes);

    const NumberFormat comma = NumberFormat::Comma();
    const CheckPanelTexts panel = PanelTexts(CheckDesign(opened.form, opened.state, opened.verticals, comma),
                                             CurveOfLengths(opened.form, opened.state, opened.verticals, comma), comma);
    EXPECT_EQ(panel.factors, "ξ3 = 1,60, ξ4 = 1,48");
    EXPECT_EQ(panel.nq, "40,0");
    const std::array<std::array<std::string, 4>, 3> rows = {{
        {"110,00", "195,68", "1,78", "VERIFICATO"},
        {"89,00", "112,11", "1,26", "VERIFICATO"},
        {"110,00", "155,53", "1,41", "VERIFICATO"},
    }};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const CheckPanelTexts::Row& shown = panel.rows[row];
        EXPECT_EQ((std::array{shown.ed, shown.rd, shown.ratio, shown.outcome}), rows[row]) << shown.name;
    }
    EXPECT_EQ(panel.approach2, "NTC 2008, Approccio 2 e NTC 2018: VERIFICATO");
}

// The project's data go to the file only when typed, after the version, and
// come back exactly as typed; cleared, the file is back to the bytes of a
// project that never had them.
TEST(ProjectDataInTheFile, ComeBackAsTypedAndAreWrittenOnlyWhenTyped)
{
    const Project without{{}, {}, "3"};
    const ProjectData cases[] = {
        {},
        {"", "", "", "", "10/12/26"},
        {"Scuola \"G. Verdi\"", "Comune di Forlì", "Località Cà Bianca", "Ing. Nicolò Àlvarez", "10 dicembre 2026"},
        {"Riga uno\nriga due\r\n\tfine", "C:\\progetti\\", "  spazi  ", "è³ “”", ""},
    };
    for (const ProjectData& data : cases) {
        Project project = without;
        project.data = data;
        const std::string bytes = WriteProjectFile(project);
        EXPECT_EQ(ReadProjectFile(bytes), project) << data.work;
        EXPECT_EQ(bytes.find("\"versione\": 1,\n  \"dati_progetto\": {\n    \"opera\": ") != std::string::npos,
                  !data.IsEmpty());
        project.data = {};
        EXPECT_EQ(WriteProjectFile(project), WriteProjectFile(without));
    }
}

// Each file is refused with a message that names it and what is wrong, and
// the window and the state stay exactly as they were.
TEST(BadProjectFiles, AreRefusedWithTheirReasonAndChangeNothing)
{
    MemoryWindow source;
    Form1Logic sourceLogic(source);
    EnterKeptExample(source, sourceLogic, 2);
    const std::string good = WriteProjectFile({source.form, sourceLogic.state()});
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string bytes = good;
        const std::size_t at = bytes.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return bytes.replace(at, from.size(), to);
    };
    struct Case {
        std::string bytes;
        std::vector<const char*> words;
    };
    const Case cases[] = {
        {"", {"vuoto"}},
        {good.substr(0, good.size() / 2), {"troncato", "riga"}},
        {"{\n  \"formato\": portanza\n}", {"sintassi", "riga 2, colonna"}},
        {replaced("\"60\"", "\"6\xff\""), {"UTF-8", "riga 5"}},
        {"[1, 2]", {"non è un progetto"}},
        {replaced("\"portanza-pali\"", "\"altro\""), {"non è un progetto"}},
        {replaced("\"versione\": 1", "\"versione\": 2"), {"versione più recente del programma"}},
        {replaced("\"versione\": 1", "\"versione\": \"1\""), {"«versione»"}},
        {replaced("    \"M8\"", "    \"M9\""), {"manca il campo «caselle.M8»"}},
        {replaced("\"KSTRATO\"", "\"K\""), {"manca il campo «stato.KSTRATO»"}},
        {replaced("\"A\": \"60\"", "\"A\": 60"), {"«caselle.A»", "testo"}},
        {replaced("\"KSTRATO\": 0", "\"KSTRATO\": 32768"), {"«stato.KSTRATO»", "16 bit"}},
        {replaced("\"NSTRATO\": 2", "\"NSTRATO\": -32769"), {"«stato.NSTRATO»", "16 bit"}},
        {replaced("\"COEFGR\": 0.94", "\"COEFGR\": 1e999"), {"non è un reale finito", "riga 169"}},
        {replaced("\"COEFGR\": 0.94", "\"COEFGR\": 1"), {"«stato.COEFGR»", "reale"}},
        {replaced("\"COEFGR\": 0.94", "\"COEFGR\": -1e-400"), {"«stato.COEFGR»", "finito"}},
        {replaced("\"QLAT\": ", "\"QLAT\": true || "), {"sintassi"}},
        {replaced("\"NSTRATO\": 2", "\"NSTRATO\": \"2\""), {"«stato.NSTRATO»"}},
        {replaced("\"combinazione\": 2", "\"combinazione\": 3"), {"«combinazione»", "0, 1 o 2"}},
        {replaced("\"ANG\": [\n      null,", "\"ANG\": ["), {"«stato.ANG»", "21 valori"}},
        {std::string(kProjectFileLimit + 1, ' '), {"più grande di 64 MiB"}},
        {replaced("\"caselle\"", "\"dati_progetto\": {\"opera\": 7},\n\"caselle\""),
         {"«dati_progetto.opera»", "testo"}},
        {replaced("\"caselle\"", "\"dati_progetto\": {\"opera\": \"\"},\n\"caselle\""),
         {"manca il campo «dati_progetto.committente»"}},
    };
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.bytes.substr(0, 200));
        MemoryWindow window;
        Form1Logic logic(window);
        EnterKeptExample(window, logic, 0);
        CheckPresenter check(logic, window);
        ProjectSession session(logic, check, window, {});
        const FormContents formBefore = window.form;
        const ProjectState stateBefore = logic.state();
        window.disk["/p/rotto.pali"] = bad.bytes;

        session.openFile("/p/rotto.pali");

        ASSERT_EQ(window.messages.size(), 1U);
        EXPECT_NE(window.messages[0].find("Impossibile aprire «rotto.pali»: "), std::string::npos)
            << window.messages[0];
        for (const char* word : bad.words) {
            EXPECT_NE(window.messages[0].find(word), std::string::npos) << window.messages[0];
        }
        EXPECT_EQ(window.form, formBefore);
        EXPECT_EQ(logic.state(), stateBefore);
        EXPECT_TRUE(session.path().empty());
    }
}

}  // namespace
}  // namespace pali
