// SPDX-License-Identifier: MIT

// What a click does, apart from any toolkit: the button's handler, run as one
// transaction on a window that records what it is told.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/error_message.h"
#include "app/form1_logic.h"
#include "text_window.h"

namespace pali {
namespace {

// A window that only holds texts and remembers what the logic asked of it.
class RecordingView : public Form1View {
public:
    std::string boxText(Box box) const override { return form[box]; }
    void setBoxText(Box box, const std::string& text) override
    {
        form[box] = text;
        written.push_back(box);
    }
    int selectedCombination() const override { return form.selectedCombination; }
    void selectCombination(int index) override { form.selectedCombination = index; }
    void focusBox(Box box) override { focus = box; }
    NumberFormat numberFormat() const override
    {
        ++formatsAsked;
        return format;
    }
    void showError(const std::string& message) override { messages.push_back(message); }
    void deliverReport(const std::vector<PrintedLine>& lines) override { reports.push_back(lines); }
    void quit() override { quitted = true; }

    FormContents form;
    NumberFormat format = NumberFormat::Comma();
    std::vector<Box> written;
    std::optional<Box> focus;
    mutable int formatsAsked = 0;
    std::vector<std::string> messages;
    std::vector<std::vector<PrintedLine>> reports;
    bool quitted = false;
};

class Form1LogicTest : public ::testing::Test {
protected:
    void TypeWorkedExample() { fixtures::TypeWorkedExample(view.form, logic); }

    RecordingView view;
    Form1Logic logic{view};
};

TEST_F(Form1LogicTest, EachButtonRunsItsOwnStep)
{
    TypeWorkedExample();
    EXPECT_EQ(view.form[Box::I], "2");
    EXPECT_EQ(logic.state().ANG[2], ValueCell(34.0));
    EXPECT_EQ(logic.state().KLAT[2], ValueCell(0.8));

    logic.press(Button::Command2);
    EXPECT_EQ(view.form[Box::H], "20");
    logic.press(Button::Command3);
    EXPECT_FALSE(view.form[Box::K3].empty());
    EXPECT_FALSE(view.form[Box::M8].empty());
    EXPECT_TRUE(view.messages.empty());

    logic.press(Button::Command4);
    ASSERT_EQ(view.reports.size(), 1U);
    EXPECT_FALSE(view.reports[0].empty());
    EXPECT_FALSE(view.quitted);

    logic.press(Button::Command5);
    EXPECT_TRUE(view.quitted);
}

TEST_F(Form1LogicTest, OnlyTheTextsAClickChangedAreWrittenBack)
{
    TypeWorkedExample();
    view.form[Box::H] = "20";
    view.written.clear();
    logic.press(Button::Command2);
    EXPECT_EQ(view.written, std::vector<Box>{Box::Z9});
    EXPECT_EQ(view.form[Box::Z9], "34");
    view.written.clear();
    logic.press(Button::Command2);
    EXPECT_TRUE(view.written.empty());
}

TEST_F(Form1LogicTest, AFailedClickChangesNothingNamesTheBoxAndFocusesIt)
{
    struct Case {
        Button button;
        Box box;
        const char* typed;
        ErrorKind kind;
    };
    const Case cases[] = {
        {Button::Command3, Box::M5, "7", ErrorKind::SubscriptOutOfRange},
        {Button::Command3, Box::CP, "1e999", ErrorKind::Overflow},
        {Button::Command2, Box::B, "abc", ErrorKind::TypeMismatch},
        {Button::Command4, Box::C, "", ErrorKind::TypeMismatch},
    };
    TypeWorkedExample();
    for (const Case& refused : cases) {
        SCOPED_TRACE(BoxName(refused.box));
        const std::string kept = view.form[refused.box];
        view.form[refused.box] = refused.typed;
        const FormContents before = view.form;
        const ProjectState stateBefore = logic.state();
        view.written.clear();
        view.messages.clear();
        view.focus.reset();

        logic.press(refused.button);

        EXPECT_EQ(view.form, before);
        EXPECT_EQ(logic.state(), stateBefore);
        EXPECT_TRUE(view.written.empty());
        EXPECT_TRUE(view.reports.empty());
        EXPECT_EQ(view.focus, refused.box);
        EXPECT_EQ(view.messages, std::vector{ErrorMessage(RunTimeError(refused.kind, refused.box))});
        view.form[refused.box] = kept;
    }
}

TEST_F(Form1LogicTest, AnErrorThatNamesNoBoxLeavesTheFocusWhereItWas)
{
    EXPECT_FALSE(logic.dispatch(
        [](FormContents&, ProjectState&, const NumberFormat&) { throw RunTimeError(ErrorKind::Overflow); }));
    EXPECT_EQ(view.focus, std::nullopt);
    EXPECT_EQ(view.messages.size(), 1U);
}

TEST_F(Form1LogicTest, TheDecimalSeparatorIsAskedAtEveryClick)
{
    view.form[Box::A] = "60";
    view.form[Box::B] = "12,5";
    view.form[Box::C] = "2";
    logic.press(Button::Command2);
    EXPECT_EQ(view.form[Box::H], "20,8333333333333");
    view.format = NumberFormat::Point();
    view.form[Box::B] = "12.5";
    logic.press(Button::Command2);
    EXPECT_EQ(view.form[Box::H], "20.8333333333333");
    EXPECT_EQ(view.formatsAsked, 2);
}

TEST_F(Form1LogicTest, AnOptionChangedByAHandlerIsSelectedInTheWindow)
{
    view.form.selectedCombination = 2;
    ASSERT_TRUE(
        logic.dispatch([](FormContents& form, ProjectState&, const NumberFormat&) { form.selectedCombination = 1; }));
    EXPECT_EQ(view.form.selectedCombination, 1);
}

TEST(TabOrder, RunsFromTheDiameterToTheIncreasedLoadThroughEveryControlButTheLabels)
{
    EXPECT_EQ(kForm1Controls[kTabOrder.front()].name, "A");
    EXPECT_EQ(kForm1Controls[kTabOrder.back()].name, "CARMAG");
    EXPECT_EQ(kTabOrder.size(), kBoxCount + kButtonCount + 3);
    for (std::size_t step = 1; step < kTabOrder.size(); ++step) {
        EXPECT_LT(kForm1Controls[kTabOrder[step - 1]].tab, kForm1Controls[kTabOrder[step]].tab);
    }
}

TEST(ErrorMessage, NamesTheKindInItalianAndTheBoxByItsCaption)
{
    const std::pair<RunTimeError, std::vector<std::string>> cases[] = {
        {RunTimeError(ErrorKind::TypeMismatch, Box::C),
         {"Tipo non corrispondente", "\u00abNUMERO DI STRATImax20\u00bb"}},
        {RunTimeError(ErrorKind::Overflow, Box::A), {"Overflow", "\u00abDIAMETRO PALO \"cm\"\u00bb"}},
        {RunTimeError(ErrorKind::DivisionByZero, Box::H), {"Divisione per zero", "CALCOLA L/D"}},
        {RunTimeError(ErrorKind::SubscriptOutOfRange, Box::I),
         {"Indice non compreso nell'intervallo", "STRATO N .dal piano campagna"}},
        {RunTimeError(ErrorKind::Overflow), {"Overflow", "come prima"}},
    };
    for (const auto& [error, parts] : cases) {
        const std::string message = ErrorMessage(error);
        for (const std::string& part : parts) {
            EXPECT_NE(message.find(part), std::string::npos) << message;
        }
    }
    EXPECT_EQ(ErrorMessage(RunTimeError(ErrorKind::Overflow)).find("Campo"), std::string::npos);
}

}  // namespace
}  // namespace pali
