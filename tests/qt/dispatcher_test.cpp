// SPDX-License-Identifier: MIT

// The one rule every click runs under: a handler that fails leaves no trace,
// tells the engineer what failed and where, and the program goes on.
#include "window_fixture.h"

namespace pali {
namespace {

class Dispatcher : public fixtures::WindowTest {
protected:
    // Some typed data, a chosen combination and a layer cursor that moved.
    void SetUp() override
    {
        WindowTest::SetUp();
        type(Box::C, "3");
        click("Command6");
        type(Box::E, "30");
        type(Box::H, "typed by hand");
        option(1)->click();
        ASSERT_FALSE(window.state().NSTRATO.IsEmpty());
        window.box(Box::K1)->setFocus();
    }
};

TEST_F(Dispatcher, AHandlerThatFailsMidwayLeavesTextsOptionAndStateAsTheyWere)
{
    const FormContents contentsBefore = window.contents();
    const ProjectState stateBefore = window.state();
    const bool succeeded = window.dispatch([](FormContents& form, ProjectState& state, const NumberFormat&) {
        form[Box::H] = "30";
        form[Box::E].clear();
        form[Box::K3] = "333,07";
        form.selectedCombination = 2;
        state.QPUNTA = 193.3;
        state.NSTRATO = ValueCell::Integer(2);
        state.ANG[2] = 34.0;
        throw RunTimeError(ErrorKind::TypeMismatch, Box::C);
    });
    EXPECT_FALSE(succeeded);
    EXPECT_EQ(window.contents(), contentsBefore);
    EXPECT_EQ(window.state(), stateBefore);
    EXPECT_TRUE(option(1)->isChecked());
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(messages[0].contains("Tipo non corrispondente"));
    EXPECT_TRUE(messages[0].contains("NUMERO DI STRATImax20"));
    EXPECT_EQ(focused(), "C");
}

TEST_F(Dispatcher, AFailureWithoutABoxLeavesTheFocusWhereItWas)
{
    window.dispatch([](FormContents&, ProjectState&, const NumberFormat&) { throw RunTimeError(ErrorKind::Overflow); });
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(messages[0].contains("Overflow"));
    EXPECT_EQ(focused(), "K1");
}

TEST_F(Dispatcher, AHandlerThatFinishesKeepsWhatItWroteAndTheProgramGoesOn)
{
    window.dispatch([](FormContents&, ProjectState&, const NumberFormat&) {
        throw RunTimeError(ErrorKind::DivisionByZero, Box::A);
    });
    const bool succeeded = window.dispatch([](FormContents& form, ProjectState& state, const NumberFormat& format) {
        form[Box::H] = "30" + format.decimalSeparator + "5";
        state.COEFGR = 0.94;
    });
    EXPECT_TRUE(succeeded);
    EXPECT_EQ(text(Box::H), "30.5");
    EXPECT_EQ(text(Box::E), "30");
    EXPECT_EQ(window.state().COEFGR, 0.94);
    EXPECT_EQ(messages.size(), 1U);
}

TEST_F(Dispatcher, HandlersSeeTheDecimalSeparatorOfTheLocaleAtTheClick)
{
    std::string seen;
    const auto record = [&seen](FormContents&, ProjectState&, const NumberFormat& format) {
        seen += format.decimalSeparator;
    };
    window.dispatch(record);
    UseDecimalComma();
    window.dispatch(record);
    EXPECT_EQ(seen, ".,");
}

class Printing : public fixtures::WindowTest {};

TEST_F(Printing, AReportGoesOutOnlyWhenItWasComposedInFull)
{
    click("Command4");
    EXPECT_TRUE(deliveredReports.empty());
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(messages[0].contains("NUMERO DI STRATImax20"));
    EXPECT_EQ(window.state(), ProjectState{});

    enterWorkedExample();
    click("Command3");
    click("Command4");
    ASSERT_EQ(deliveredReports.size(), 1U);
    EXPECT_FALSE(deliveredReports[0].empty());
    EXPECT_EQ(window.state().KSTRATO, 3);
    EXPECT_EQ(messages.size(), 1U);
}

}  // namespace
}  // namespace pali
