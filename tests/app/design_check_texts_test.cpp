// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace pali
