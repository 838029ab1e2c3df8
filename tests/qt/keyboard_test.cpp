// SPDX-License-Identifier: MIT

// Enter and Tab on the window: the three Enter chains, the boxes without a
// key handler, and the Tab order.
#include <QSignalSpy>

#include "window_fixture.h"

namespace pali {
namespace {

class Keyboard : public fixtures::WindowTest {};

TEST_F(Keyboard, EnterMovesAlongTheThreeChainsWithoutTouchingTheText)
{
    const std::pair<Box, const char*> steps[] = {
        {Box::A, "B"},   {Box::B, "C"},   {Box::C, "Command6"}, {Box::E, "F"},
        {Box::F, "G"},   {Box::G, "D"},   {Box::D, "Command1"}, {Box::H, "K1"},
        {Box::K1, "M5"}, {Box::M5, "CP"}, {Box::CP, "CPNS"},    {Box::CPNS, "CV"},
    };
    for (const auto& [from, to] : steps) {
        for (const QString& content : {QString(), QString("abc")}) {
            type(from, content);
            press(Qt::Key_Return);
            EXPECT_EQ(focused(), to) << BoxName(from) << " holding '" << content.toStdString() << "'";
            EXPECT_EQ(text(from), content);
        }
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(Keyboard, EnterInTheNineOtherBoxesChangesNothing)
{
    std::vector<std::unique_ptr<QSignalSpy>> clicks;
    for (QPushButton* each : window.findChildren<QPushButton*>()) {
        clicks.push_back(std::make_unique<QSignalSpy>(each, &QPushButton::clicked));
    }
    for (Box box : {Box::I, Box::Z9, Box::CV, Box::CARTOT, Box::CARMAG, Box::M3, Box::M4, Box::K3, Box::M8}) {
        type(box, "7");
        press(Qt::Key_Return);
        press(Qt::Key_Enter);
        EXPECT_EQ(focused(), QString::fromStdString(std::string(BoxName(box))));
        EXPECT_EQ(text(box), "7");
    }
    for (const auto& spy : clicks) {
        EXPECT_EQ(spy->count(), 0);
    }
    EXPECT_EQ(window.state(), ProjectState{});
}

TEST_F(Keyboard, OtherKeysAreTypedIntoTheBoxAndKeepTheFocus)
{
    type(Box::A, "12,5");
    press(Qt::Key_Backspace);
    press(Qt::Key_Space);
    EXPECT_EQ(focused(), "A");
    EXPECT_EQ(text(Box::A), "12, ");
}

TEST_F(Keyboard, TheEnterThatReachesTheLayerButtonDoesNotPressItTheNextOneDoes)
{
    type(Box::C, "3");
    press(Qt::Key_Return);
    ASSERT_EQ(focused(), "Command6");
    EXPECT_EQ(text(Box::I), "");
    EXPECT_EQ(window.state(), ProjectState{});

    press(Qt::Key_Return);
    EXPECT_EQ(text(Box::I), "1");
    press(Qt::Key_Space);
    EXPECT_EQ(text(Box::I), "2");
}

TEST_F(Keyboard, TheEnterThatReachesOkDoesNotPressItSpaceDoes)
{
    type(Box::E, "30");
    type(Box::F, "5");
    type(Box::G, "1.8");
    type(Box::D, "1");
    press(Qt::Key_Return);
    ASSERT_EQ(focused(), "Command1");
    EXPECT_EQ(window.state(), ProjectState{});

    press(Qt::Key_Space);
    EXPECT_EQ(window.state().ANG[0], ValueCell(30.0));
    EXPECT_EQ(window.state().KLAT[0], ValueCell(1.0));
}

TEST_F(Keyboard, TabVisitsTheControlsInTheirTabOrderAndSkipsTheLabels)
{
    const QStringList order = {
        "A",        "B",  "C",        "I",        "E",        "F",        "G",      "Command2", "H",  "K1",
        "Command3", "K3", "Command4", "Command5", "Command6", "Command1", "Z9",     "M3",       "M4", "M5",
        "M8",       "D",  "CP",       "CPNS",     "CV",       "Comb1(0)", "CARTOT", "CARMAG",   "A",
    };
    QStringList visited = {focused()};
    while (visited.size() < order.size()) {
        press(Qt::Key_Tab);
        visited << focused();
    }
    EXPECT_EQ(visited, order);
}

TEST_F(Keyboard, TabVisitsOnlyTheSelectedOption)
{
    option(2)->click();
    window.box(Box::CV)->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "Comb1(2)");
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "CARTOT");
}

}  // namespace
}  // namespace pali
