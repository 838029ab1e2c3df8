// SPDX-License-Identifier: MIT

// The working buttons driven through the real window by clicks and typing:
// what reaches the boxes, and what a failed click leaves behind (nothing).
#include <QClipboard>

#include "app/form1_controls.h"
#include "window_fixture.h"

namespace pali {
namespace {

class ClickPath : public fixtures::WindowTest {
protected:
    struct Snapshot {
        FormContents contents;
        ProjectState state;
    };
    Snapshot snapshot() const { return {window.contents(), window.state()}; }

    // The click failed, said so naming the caption, and changed nothing.
    void expectRefused(const Snapshot& before, const char* caption, const char* box)
    {
        ASSERT_EQ(messages.size(), 1U);
        EXPECT_TRUE(messages[0].contains(caption)) << messages[0].toStdString();
        EXPECT_EQ(window.contents(), before.contents);
        EXPECT_EQ(window.state(), before.state);
        EXPECT_EQ(focused(), box);
    }
};

TEST_F(ClickPath, ThreeLayersAreShownInTurnAndThenFromTheFirstAgain)
{
    type(Box::C, "3");
    QStringList shown;
    for (int press = 0; press < 5; ++press) {
        click("Command6");
        shown << text(Box::I);
    }
    EXPECT_EQ(shown, QStringList({"1", "2", "3", "1", "2"}));
}

TEST_F(ClickPath, TheTwentyFirstLayerIsRefusedAndTheCursorStaysOnTheTwentieth)
{
    type(Box::C, "21");
    for (int press = 0; press < 20; ++press) {
        click("Command6");
    }
    ASSERT_EQ(text(Box::I), "20");
    ASSERT_TRUE(messages.empty());
    const Snapshot before = snapshot();

    click("Command6");
    expectRefused(before, "NUMERO DI STRATImax20", "C");
    EXPECT_TRUE(messages[0].contains("Indice non compreso nell'intervallo"));
    EXPECT_EQ(text(Box::I), "20");
}

TEST_F(ClickPath, ALayerValueWithADecimalCommaIsStoredAndShownBackAsTyped)
{
    UseDecimalComma();
    type(Box::C, "1");
    enterNextLayer("30", "5", "18,5", "1");
    click("Command6");
    EXPECT_EQ(text(Box::G), "18,5");
    click("Command1");
    click("Command6");
    EXPECT_EQ(text(Box::G), "18,5");
    EXPECT_EQ(window.state().PESO[1], ValueCell(18.5));
}

TEST_F(ClickPath, SlendernessWithoutADiameterIsRefusedAndKeepsTheOldResult)
{
    type(Box::A, "40");
    type(Box::B, "12");
    type(Box::C, "1");
    click("Command2");
    ASSERT_EQ(text(Box::H), "30");

    type(Box::A, "");
    const Snapshot before = snapshot();
    click("Command2");
    expectRefused(before, "DIAMETRO PALO \"cm\"", "A");
    EXPECT_TRUE(messages[0].contains("Tipo non corrispondente"));
}

TEST_F(ClickPath, TheWorkedExampleGivesTheCapacitiesWithTheDecimalComma)
{
    UseDecimalComma();
    enterWorkedExample();
    click("Command3");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(text(Box::CARTOT), "80");
    EXPECT_EQ(text(Box::CARMAG), "110");
    EXPECT_EQ(text(Box::M3), "193,3");
    EXPECT_EQ(text(Box::M4), "139,77");
    EXPECT_EQ(text(Box::K3), "333,07");
    EXPECT_EQ(text(Box::M8), "313,09");
}

TEST_F(ClickPath, EveryRefusedBearingCapacityNamesItsBoxAndChangesNothing)
{
    struct Case {
        Box box;
        const char* typed;
        const char* caption;
    };
    const Case cases[] = {
        {Box::C, "", "NUMERO DI STRATImax20"},   {Box::C, "21", "NUMERO DI STRATImax20"},
        {Box::C, "-1", "NUMERO DI STRATImax20"}, {Box::A, "", "DIAMETRO PALO \"cm\""},
        {Box::B, "abc", "LUNGHEZZA PALO (mt)"},  {Box::M5, "", "NUMERO DI PALI(max6)"},
        {Box::M5, "7", "NUMERO DI PALI(max6)"},
    };
    enterWorkedExample();
    click("Command3");
    ASSERT_TRUE(messages.empty());
    ASSERT_EQ(text(Box::K3), "333.07");
    option(1)->click();

    for (const Case& refused : cases) {
        SCOPED_TRACE(std::string(BoxName(refused.box)) + " '" + refused.typed + "'");
        const QString kept = text(refused.box);
        type(refused.box, refused.typed);
        messages.clear();
        const Snapshot before = snapshot();
        click("Command3");
        expectRefused(before, refused.caption, BoxName(refused.box).data());
        type(refused.box, kept);
    }
}

// With two boxes at fault the step that reads first decides, whatever order a
// compiler gives the operands of one expression; an overflow in the arithmetic
// names the typed number that drove the result out of range.
TEST_F(ClickPath, TheFirstStepThatFailsNamesTheBoxAtFault)
{
    struct Fault {
        Box box;
        const char* typed;
    };
    struct Case {
        const char* button;
        std::vector<Fault> faults;
        Box named;
        const char* kind;
    };
    const Case cases[] = {
        {"Command3", {{Box::C, "21"}, {Box::K1, "1e999"}}, Box::C, "Indice"},
        {"Command3", {{Box::CP, "1e999"}, {Box::CV, "1e999"}}, Box::CP, "Overflow"},
        {"Command3", {{Box::B, "1e999"}, {Box::K1, "1e999"}}, Box::B, "Overflow"},
        {"Command3", {{Box::A, ""}, {Box::M5, ""}}, Box::A, "Tipo non corrispondente"},
        {"Command2", {{Box::C, "21"}, {Box::B, "abc"}}, Box::B, "Tipo non corrispondente"},
        {"Command1", {{Box::E, "1e999"}, {Box::D, "1e999"}}, Box::E, "Overflow"},
        {"Command2", {{Box::A, "1"}, {Box::B, "1e307"}}, Box::B, "Overflow"},
        {"Command2", {{Box::A, "1e-307"}, {Box::B, "5"}}, Box::A, "Overflow"},
        {"Command3", {{Box::K1, "1e307"}}, Box::K1, "Overflow"},
        {"Command3", {{Box::B, "1e200"}, {Box::K1, "1e300"}}, Box::K1, "Overflow"},
        {"Command3", {{Box::B, "1e300"}, {Box::K1, "1e200"}}, Box::B, "Overflow"},
        {"Command3", {{Box::CP, "9e307"}, {Box::CPNS, "1e308"}}, Box::CPNS, "Overflow"},
    };
    enterWorkedExample();
    for (const Case& refused : cases) {
        SCOPED_TRACE(std::string(refused.button) + " naming " + std::string(BoxName(refused.named)));
        std::vector<QString> kept;
        for (const Fault& fault : refused.faults) {
            kept.push_back(text(fault.box));
            type(fault.box, fault.typed);
        }
        messages.clear();
        const Snapshot before = snapshot();
        click(refused.button);
        expectRefused(before, std::string(BoxCaption(refused.named)).c_str(), BoxName(refused.named).data());
        EXPECT_TRUE(messages[0].contains(refused.kind)) << messages[0].toStdString();
        for (std::size_t each = 0; each < kept.size(); ++each) {
            type(refused.faults[each].box, kept[each]);
        }
    }
}

TEST_F(ClickPath, AMegabytePastedIntoABoxIsKeptWholeAndReadAsANumber)
{
    const QString length = QString(1 << 20, '0') + "12";
    type(Box::A, "40");
    type(Box::C, "1");
    window.box(Box::B)->setFocus();
    QApplication::clipboard()->setText(length);
    window.box(Box::B)->paste();
    EXPECT_EQ(text(Box::B), length);
    click("Command2");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(text(Box::H), "30");
}

}  // namespace
}  // namespace pali
