// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <map>
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
        {{}, kCannotBeChecked, true},
    };
    for (const auto& c : cases) {
        const CommandOutput output = RunCheckCommand(c.files, disk.reader(), kComma);
        const std::string named = c.files.empty() ? "" : c.files.front();
        EXPECT_EQ(output.status, c.status) << named;
        EXPECT_EQ(output.err.empty(), !c.error) << named << ": " << output.err;
    }
    const CommandOutput text = RunCheckCommand({"verificato.pali"}, disk.reader(), kComma);
    EXPECT_NE(text.out.find("A1+M1+R3: Ed = 110,00 t, Rd = 155,53 t, Rd/Ed = 1,41: VERIFICATO"), std::string::npos)
        << text.out;
}

TEST(CheckCommand, WritesOneJsonObjectAFileWithItsKeys)
{
    Disk disk;
    disk.files = {{"a.pali", WorkedExampleFile("3")}, {"b.pali", WorkedExampleFile("")}};
    const CommandOutput output = RunCheckCommand({"--json", "a.pali", "b.pali"}, disk.reader(), kComma);
    const std::size_t newline = output.out.find('\n');
    ASSERT_EQ(output.out.find('\n', newline + 1), output.out.size() - 1) << output.out;
    const auto first = nlohmann::json::parse(output.out.substr(0, newline));
    std::vector<std::string> keys;
    for (const auto& item : first.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{"approccio1_ntc2008", "approccio2_ntc2008_ntc2018", "avvisi", "combinazioni",
                                        "file", "nq_motivo", "nq_tabella", "verticali", "xi3", "xi4"}));
    EXPECT_EQ(first["combinazioni"][2]["nome"], "A1+M1+R3");
    EXPECT_EQ(first["combinazioni"][2]["Rd"], 155.53);
    EXPECT_EQ(first["xi4"], 1.48);
    const auto second = nlohmann::json::parse(output.out.substr(newline + 1));
    EXPECT_TRUE(second["verticali"].is_null());
    EXPECT_TRUE(second["combinazioni"][0]["esito"].is_null());
    EXPECT_EQ(second["combinazioni"][0]["Ed"], 110.0);
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
