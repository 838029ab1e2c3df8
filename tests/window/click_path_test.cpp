// The working buttons driven through the real window by clicks and typing:
// what reaches the boxes, and what a failed click leaves behind (nothing).
#include "window_fixture.h"

namespace pali {
namespace {

class ClickPath : public testing::WindowTest {
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
        {Box::C, "", "NUMERO DI STRATImax20"},
        {Box::C, "21", "NUMERO DI STRATImax20"},
        {Box::C, "-1", "NUMERO DI STRATImax20"},
        {Box::A, "", "DIAMETRO PALO \"cm\""},
        {Box::B, "abc", "LUNGHEZZA PALO (mt)"},
        {Box::M5, "", "NUMERO DI PALI(max6)"},
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

}  // namespace
}  // namespace pali
