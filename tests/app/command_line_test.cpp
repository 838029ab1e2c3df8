// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "app/command_line.h"
#include "app/project_file.h"
#include "core/calc/worked_example.h"

namespace pali {
namespace {

const NumberFormat kComma = NumberFormat::Comma();

// Files on a disk that only this test sees.
struct Disk {
    std::map<std::string, std::string> files;

    FileReader reader() const
    {
        return [this](const std::string& path, std::size_t) {
            const auto file = files.find(path);
            if (file == files.end()) {
                return FileReading{FileReading::Outcome::Missing, {}, {}};
            }
            return FileReading{FileReading::Outcome::Read, file->second, {}};
        };
    }
};

std::string WorkedExampleFile(const char* verticals, const char* permanentLoad = "50")
{
    Project project;
    fixtures::EnterWorkedExample(project.form, project.state, 1);
    project.form[Box::CP] = permanentLoad;
    project.verticals = verticals;
    return WriteProjectFile(project);
}

TEST(ParseCommandLine, ReadsEveryFormWithJsonInAnyPlace)
{
    using Words = std::vector<std::string>;
    const struct {
        Words words;
        Command command;
    } cases[] = {
        {{}, WindowCommand{}},
        {{"progetto.pali"}, WindowCommand{"progetto.pali"}},
        {{"--verifica", "a.pali"}, CheckCommand{{"a.pali"}, false}},
        {{"--verifica", "--json", "a.pali", "b.pali"}, CheckCommand{{"a.pali", "b.pali"}, true}},
        {{"--verifica", "a.pali", "--json", "b.pali"}, CheckCommand{{"a.pali", "b.pali"}, true}},
        {{"--verifica", "a.pali", "b.pali", "--json"}, CheckCommand{{"a.pali", "b.pali"}, true}},
        {{"--json", "--verifica", "a.pali"}, CheckCommand{{"a.pali"}, true}},
        {{"--curva", "a.pali"}, CurveCommand{"a.pali", false}},
        {{"--curva", "a.pali", "--json"}, CurveCommand{"a.pali", true}},
        {{"--pdf", "uscita.pdf", "a.pali"}, PdfCommand{"uscita.pdf", "a.pali"}},
        {{"--help"}, HelpCommand{}},
        {{"-h"}, HelpCommand{}},
        {{"--version"}, VersionCommand{}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseCommandLine(c.words), c.command) << ::testing::PrintToString(c.words);
    }
}

TEST(ParseCommandLine, RefusesWhatItDoesNotUnderstandSayingWhy)
{
    using Words = std::vector<std::string>;
    const struct {
        Words words;
        std::string reason;
    } cases[] = {
        {{"--foo"}, "opzione non ammessa: --foo"},
        {{"-x", "a.pali"}, "opzione non ammessa: -x"},
        {{"a.pali", "b.pali"}, "la finestra apre un solo file di progetto"},
        {{"a.pali", "--verifica"}, "la finestra apre un solo file di progetto"},
        {{"--json"}, "--json vale solo con --verifica o --curva"},
        {{"--json", "a.pali"}, "--json vale solo con --verifica o --curva"},
        {{"--pdf", "uscita.pdf", "a.pali", "--json"}, "--json vale solo con --verifica o --curva"},
        {{"--verifica"}, "--verifica vuole almeno un file di progetto"},
        {{"--curva"}, "--curva vuole un file di progetto"},
        {{"--curva", "a.pali", "b.pali"}, "--curva vuole un file di progetto"},
        {{"--verifica", "--json"}, "--verifica vuole almeno un file di progetto"},
        {{"--verifica", "a.pali", "--jsn"}, "opzione non ammessa: --jsn"},
        {{"--pdf", "a.pali"}, "--pdf vuole il file PDF da scrivere e un file di progetto"},
        {{"--pdf", "uscita.pdf", "a.pali", "b.pali"}, "--pdf vuole il file PDF da scrivere e un file di progetto"},
        {{"--pdf", "--help", "a.pali"}, "opzione non ammessa: --help"},
        {{"--help", "a.pali"}, "--help non vuole altre parole"},
        {{"--version", "--help"}, "--version non vuole altre parole"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseCommandLine(c.words), Command{RefusedCommand{c.reason}}) << ::testing::PrintToString(c.words);
    }
}

TEST(CheckCommand, ExitsByTheWorstFileAndWritesWhatItCould)
{
    Disk disk;
    disk.files = {{"verificato.pali", WorkedExampleFile("3")},
                  {"pesante.pali", WorkedExampleFile("1", "150")},
                  {"senza.pali", WorkedExampleFile("")},
                  {"rotto.pali", "{"}};
    const struct {
        std::vector<std::string> files;
        int status;
        bool error;
    } cases[] = {
        {{"verificato.pali"}, 0, false},
        {{"verificato.pali", "pesante.pali"}, kNotVerified, false},
        {{"pesante.pali", "senza.pali"}, kCannotBeChecked, false},
        {{"verificato.pali", "rotto.pali"}, kCannotBeChecked, true},
        {{"manca.pali"}, kCannotBeChecked, true},
    };
    for (const auto& c : cases) {
        const CommandOutput output = RunCheckCommand({c.files}, disk.reader(), kComma);
        EXPECT_EQ(output.status, c.status) << c.files.front();
        EXPECT_EQ(output.err.empty(), !c.error) << c.files.front() << ": " << output.err;
    }
    const CommandOutput text = RunCheckCommand({{"verificato.pali"}}, disk.reader(), kComma);
    EXPECT_NE(text.out.find("A1+M1+R3: Ed = 110,00 t, Rd = 155,53 t, Rd/Ed = 1,41: VERIFICATO"), std::string::npos)
        << text.out;
}

TEST(CheckCommand, WritesOneJsonObjectAFileWithItsKeys)
{
    Disk disk;
    disk.files = {{"a.pali", WorkedExampleFile("3")}, {"b.pali", WorkedExampleFile("")}};
    const CommandOutput output = RunCheckCommand({{"a.pali", "b.pali"}, true}, disk.reader(), kComma);
    const std::size_t newline = output.out.find('\n');
    ASSERT_EQ(output.out.find('\n', newline + 1), output.out.size() - 1) << output.out;
    const auto first = nlohmann::json::parse(output.out.substr(0, newline));
    std::vector<std::string> keys;
    for (const auto& item : first.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{"approccio1_ntc2008", "approccio2_ntc2008_ntc2018", "avvisi", "combinazioni",
                                        "file", "lunghezza_minima_ntc2008", "lunghezza_minima_ntc2018", "nq_motivo",
                                        "nq_tabella", "profondita_profilo", "verticali", "xi3", "xi4"}));
    EXPECT_EQ(first["profondita_profilo"], 12.0);
    EXPECT_TRUE(first["lunghezza_minima_ntc2018"].is_number());
    EXPECT_EQ(first["combinazioni"][2]["nome"], "A1+M1+R3");
    EXPECT_EQ(first["combinazioni"][2]["Rd"], 155.53);
    EXPECT_EQ(first["xi4"], 1.48);
    const auto second = nlohmann::json::parse(output.out.substr(newline + 1));
    EXPECT_TRUE(second["verticali"].is_null());
    EXPECT_TRUE(second["combinazioni"][0]["esito"].is_null());
    EXPECT_EQ(second["combinazioni"][0]["Ed"], 110.0);
    EXPECT_TRUE(second["lunghezza_minima_ntc2018"].is_null());
}

// The block stands between the combination's line and the signature; the
// rest of the report is the one the program prints without verticals.
TEST(ReportOfFile, PrintsTheCheckAfterTheCombinationLine)
{
    Disk disk;
    disk.files = {{"con.pali", WorkedExampleFile("3")}, {"senza.pali", WorkedExampleFile("")}};
    const auto with = std::get<std::vector<PrintedLine>>(ReportOfFile("con.pali", disk.reader(), kComma));
    const auto without = std::get<std::vector<PrintedLine>>(ReportOfFile("senza.pali", disk.reader(), kComma));
    std::size_t combination = 0;
    while (combination < without.size() && without[combination].text.find("COMBINAZIONE2") == std::string::npos) {
        ++combination;
    }
    ASSERT_LT(combination, without.size());
    ASSERT_GT(with.size(), without.size());
    const std::size_t block = with.size() - without.size();
    for (std::size_t line = 0; line < without.size(); ++line) {
        const std::size_t inWith = line <= combination ? line : line + block;
        EXPECT_EQ(with[inWith].text, without[line].text) << line;
    }
    EXPECT_EQ(with[combination + 1].text.rfind(" VERIFICA DI PROGETTO", 0), 0U);
    EXPECT_EQ(with[combination + 8].text.substr(0, 16), "        A1+M1+R3");
    EXPECT_EQ(std::get<std::string>(ReportOfFile("manca.pali", disk.reader(), kComma)),
              "Impossibile aprire «manca.pali»: il file non esiste.");
}

}  // namespace
}  // namespace pali
