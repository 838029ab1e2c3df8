// SPDX-License-Identifier: MIT

// The panel VERIFICA's presenter on a window without a toolkit that, like
// the toolkits' boxes, tells of every text set in it as a change.
#include <gtest/gtest.h>

#include <string>

#include "memory_window.h"

namespace pali {
namespace {

class SignallingWindow : public fixtures::MemoryWindow {
public:
    void setBoxText(Box box, const std::string& text) override
    {
        MemoryWindow::setBoxText(box, text);
        if (session != nullptr) {
            session->refresh();
        }
    }

    ProjectSession* session = nullptr;
};

class CheckPresenterTest : public ::testing::Test {
protected:
    CheckPresenterTest() { window.session = &session; }

    // The checks that one action computed.
    template <class Action>
    std::size_t ChecksOf(Action action)
    {
        const std::size_t before = check.checksComputed();
        action();
        return check.checksComputed() - before;
    }

    SignallingWindow window;
    Form1Logic logic{window};
    CheckPresenter check{logic, window};
    ProjectSession session{logic, check, window, {}};
};

TEST_F(CheckPresenterTest, ComputesTheCheckOnceForEveryChangeAndForAFileOpened)
{
    fixtures::TypeWorkedExample(window.form, logic);
    EXPECT_EQ(ChecksOf([&] { session.refresh(); }), 1U);
    EXPECT_EQ(ChecksOf([&] { session.verticalsTyped("3"); }), 1U);
    EXPECT_EQ(window.panel.verticals, "3");
    EXPECT_EQ(window.panel.texts.factors, "ξ3 = 1,60, ξ4 = 1,48");

    window.savePaths.push_back("/p/esempio.pali");
    ASSERT_TRUE(session.save());
    window.answers.push_back(SaveAnswer::DoNotSave);
    EXPECT_EQ(ChecksOf([&] { session.newProject(); }), 1U);
    EXPECT_EQ(window.panel.verticals, "");
    EXPECT_EQ(ChecksOf([&] { session.openFile("/p/esempio.pali"); }), 1U);
    EXPECT_EQ(window.panel.verticals, "3");
    EXPECT_EQ(window.panel.texts.approach2, "NTC 2008, Approccio 2 e NTC 2018: VERIFICATO");
}

TEST_F(CheckPresenterTest, AHiddenPanelIsComputedWhenShownAgain)
{
    fixtures::TypeWorkedExample(window.form, logic);
    window.panelIsShown = false;
    EXPECT_EQ(ChecksOf([&] { session.verticalsTyped("3"); }), 0U);
    window.panelIsShown = true;
    EXPECT_EQ(ChecksOf([&] { check.panelShownChanged(); }), 1U);
    EXPECT_EQ(ChecksOf([&] { check.panelShownChanged(); }), 0U);
}

}  // namespace
}  // namespace pali
