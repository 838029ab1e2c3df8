// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/design_check_texts.h"
#include "core/calc/worked_example.h"

namespace pali {
namespace {

const NumberFormat kComma = NumberFormat::Comma();

struct WorkedExample : testing::Test {
    WorkedExample() { fixtures::EnterWorkedExample(form, state, 1); }

    FormContents form;
    ProjectState state;
};

TEST_F(WorkedExample, WarnsOfWhatTheEngineerShouldLookAt)
{
    struct Case {
        const char* name;
        Box box;
        const char* text;
        const char* warning;
    };
    const Case cases[] = {
        {"a pile longer than its layers", Box::B, "13", "sommano 12,00 m"},
        {"a layer never stored", Box::C, "3", "strato 3 non è stato memorizzato"},
        {"an Nq above the table's", Box::K1, "45", "supera quello della tabella (40,0)"},
        {"a tip outside the table", Box::A, "10", "L/D (120) è fuori dalla tabella"},
    };
    for (const Case& c : cases) {
        FormContents changed = form;
        changed[c.box] = c.text;
        const DesignCheck check = CheckDesign(changed, state, "3", kComma);
        std::string all;
        for (const std::string& warning : WarningTexts(check, kComma)) {
            all += warning + "\n";
        }
        EXPECT_NE(all.find(c.warning), std::string::npos) << c.name << ":\n" << all;
    }
}

// Every line of the curve has the header's fields; a length the table gives
// no Nq for says why in the Nq column; numbers take the user's separator.
TEST_F(WorkedExample, TheCurveForASpreadsheetInTheUsersLocale)
{
    form[Box::A] = "20";  // L/D 50 at 10 m
    for (const NumberFormat& format : {kComma, NumberFormat::Point()}) {
        const std::string csv = CurveCsv(CurveOfLengths(form, state, "3", format), format);
        std::vector<std::string> lines;
        for (std::size_t start = 0, end; (end = csv.find('\n', start)) != std::string::npos; start = end + 1) {
            lines.push_back(csv.substr(start, end - start));
        }
        ASSERT_EQ(lines.size(), 121U);
        EXPECT_EQ(lines[0].substr(0, 50), "L (m);strato;Nq;Ed A1+M1+R1 (t);Rd A1+M1+R1 (t);Rd");
        for (const std::string& line : lines) {
            EXPECT_EQ(std::count(line.begin(), line.end(), ';'), 11) << line;
        }
        const std::string point = format.decimalSeparator;
        EXPECT_EQ(lines[50].substr(0, 7), "5" + point + "00;1;") << lines[50];
        EXPECT_EQ(lines[101], "10" + point + "10;2;nessuno (L/D (50" + point +
                                  "5) è fuori dalla tabella (oltre 0 fino a 50));;;;;;;;;");
    }
}

}  // namespace
}  // namespace pali
