// SPDX-License-Identifier: MIT

// The window's controls: the table itself, and the widgets built from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

#include "app/form1_controls.h"

namespace pali {
namespace {

TEST(Form1Controls, HoldTwentyOneBoxesSixButtonsThreeOptionsAndThirtySevenLabels)
{
    std::map<ControlKind, int> count;
    std::set<std::string_view> names;
    for (const ControlDesign& design : kForm1Controls) {
        ++count[design.kind];
        names.insert(design.name);
    }
    EXPECT_EQ(names.size(), 67U);
    EXPECT_EQ(count[ControlKind::TextBox], 21);
    EXPECT_EQ(count[ControlKind::CommandButton], 6);
    EXPECT_EQ(count[ControlKind::OptionButton], 3);
    EXPECT_EQ(count[ControlKind::Label], 37);
}

TEST(Form1Controls, TabPositionsRunFromZeroToSixtySixWithoutGaps)
{
    std::set<int> tabs;
    for (const ControlDesign& design : kForm1Controls) {
        tabs.insert(design.tab);
    }
    EXPECT_EQ(tabs.size(), 67U);
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), 66);
}

// The right edge of Label35 and the bottom edge of Command5.
TEST(Form1Controls, NeedAClientAreaOf15020By10215Twips)
{
    int right = 0;
    int bottom = 0;
    for (const ControlDesign& design : kForm1Controls) {
        right = std::max(right, design.left + design.width);
        bottom = std::max(bottom, design.top + design.height);
    }
    EXPECT_EQ(right, 15020);
    EXPECT_EQ(bottom, 10215);
}

TEST(Form1Controls, CaptionsKeepEveryQuoteAsteriskHyphenAndBlank)
{
    const std::pair<std::string_view, std::string> expected[] = {
        {"Label1(0)", "DIAMETRO PALO \"cm\""},
        {"Label4", std::string(54, '*')},
        {"Label16", std::string(54, '*')},
        {"Label19", "---" + std::string(37, '*')},
        {"Label17", "DATI" + std::string(14, ' ') + "INIZIALI"},
        {"Label18", "DATI  STRATIGRAFICI" + std::string(15, ' ') + "STRATIGRAFICI"},
        {"Label9", "fi (gradi)" + std::string(16, ' ') + "28-30-32-34-36-38-40"},
        {"Comb1(0)", " Approccio 1  Combinazione 1 (A1+M1+R1)"},
        {"Comb1(1)", " Approccio 1  Combinazione 2 (A2+M2+R2)"},
        {"Comb1(2)", " Approccio 2  Combinazione  (A1+M1+R3)"},
        {"Command6", "STRATO N .dal piano campagna"},
    };
    for (const auto& [name, caption] : expected) {
        EXPECT_EQ(ControlNamed(name).caption, caption) << name;
    }
}

// The separators, the Nq table, the results and the captions that would fill
// their labels in the plain size take a size a step smaller, the friction
// angle's two.
TEST(Form1Controls, OnlyHeadingsNotesSeparatorsResultsAndLongestCaptionsHaveFontsOfTheirOwn)
{
    const std::map<std::string_view, FontStyle> ownFonts = {
        {"Label17", {8.25, true}},    {"Label18", {8.25, true}}, {"Label13", {8.25, true}}, {"Label31", {9.75, true}},
        {"Label27", {13.5, true}},    {"Label35", {12.0, true}}, {"Label34", {13.5, true}}, {"Label22", {18.0, true}},
        {"Label4", {7.5, false}},     {"Label16", {7.5, false}}, {"Label19", {7.5, false}}, {"Label3", {7.5, false}},
        {"Label9", {7.5, false}},     {"Label10", {7.5, false}}, {"Label11", {7.5, false}}, {"Label29", {7.5, false}},
        {"Label30(0)", {7.5, false}}, {"Label32", {7.5, false}}, {"Label24", {7.5, false}}, {"Label5", {6.75, false}},
        {"CARTOT", {7.5, false}},     {"CARMAG", {7.5, false}},  {"M3", {7.5, false}},      {"M4", {7.5, false}},
        {"K3", {7.5, false}},         {"M8", {7.5, false}},
    };
    for (const ControlDesign& design : kForm1Controls) {
        const auto own = ownFonts.find(design.name);
        const FontStyle expected = own == ownFonts.end() ? FontStyle{8.25, false} : own->second;
        EXPECT_EQ(design.font, expected) << design.name;
    }
}

TEST(Form1Boxes, AreNamedByTheCaptionBesideThemWithoutOuterBlanks)
{
    const std::pair<Box, std::string_view> expected[] = {
        {Box::A, "DIAMETRO PALO \"cm\""},
        {Box::C, "NUMERO DI STRATImax20"},
        {Box::E, "ANGOLO D'ATTRITO(gradi)"},
        {Box::I, "STRATO N .dal piano campagna"},
        {Box::H, "CALCOLA L/D"},
        {Box::M5, "NUMERO DI PALI(max6)"},
        {Box::M8, "PORTANZA   RIDOTTA  (Npali>1) tonn"},
    };
    for (const auto& [box, caption] : expected) {
        EXPECT_EQ(BoxCaption(box), caption) << BoxName(box);
    }
}

}  // namespace
}  // namespace pali
