// SPDX-License-Identifier: MIT

// The window maximised on the screen the test runs on (1366 x 768 and
// 1920 x 1080 at scale 1, 3840 x 2160 at scale 2): the form and the whole
// panel VERIFICA side by side, every caption and figure of the panel whole.
#include <gtest/gtest.h>

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include "app/form1_controls.h"
#include "core/calc/worked_example.h"
#include "qt/check_panel.h"
#include "qt/form1.h"
#include "qt/main_window.h"

namespace pali {
namespace {

QRect InPanel(const QWidget* widget, const QWidget* panel)
{
    return {widget->mapTo(panel, QPoint(0, 0)), widget->size()};
}

TEST(CheckPanelOnTheScreen, ShowsBesideTheFormWithEveryCaptionWhole)
{
    QStandardPaths::setTestModeEnabled(true);
    MainWindow window;
    FormContents form;
    ProjectState state;
    fixtures::EnterWorkedExample(form, state, 2);
    window.form().logic().restore(form, state);
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* panel = window.findChild<CheckPanel*>("CheckPanel");
    ASSERT_TRUE(panel && panel->isVisible());
    // The longest texts the panel shows: the verticals give ξ, the table
    // gives its figures and verdicts.
    QTest::keyClicks(panel->verticalsBox(), "3");
    QApplication::processEvents();

    const QRect screen = window.screen()->availableGeometry();
    SCOPED_TRACE(QStringLiteral("screen %1 x %2 at scale %3, window %4 x %5")
                     .arg(screen.width())
                     .arg(screen.height())
                     .arg(window.devicePixelRatio())
                     .arg(window.width())
                     .arg(window.height())
                     .toStdString());
    const QRect panelArea = panel->rect();
    EXPECT_GE(panel->mapTo(&window, QPoint(0, 0)).x(), Pixels(kFormExtentTwips));
    EXPECT_LE(panel->mapTo(&window, QPoint(panel->width(), 0)).x(), window.width());
    EXPECT_LE(panel->minimumSizeHint().width(), panel->width());
    EXPECT_LE(panel->minimumSizeHint().height(), panel->height());
    // The offscreen screen has no taskbar and the window no title bar: on a
    // desktop they and the menu bar take about a hundred pixels more.
    EXPECT_LE(panel->minimumSizeHint().height() + 100, screen.height());
    for (const QLabel* label : panel->findChildren<QLabel*>()) {
        const std::string text = label->text().toStdString();
        EXPECT_TRUE(panelArea.contains(InPanel(label, panel))) << text;
        if (!label->wordWrap()) {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width()) << text;
        }
    }
    for (const QAbstractButton* button : panel->findChildren<QAbstractButton*>()) {
        EXPECT_TRUE(panelArea.contains(InPanel(button, panel)));
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
    }
    // The view has no meta-object of its own for findChild to tell it by.
    const auto children = panel->findChildren<QWidget*>();
    const auto profile =
        std::ranges::find_if(children, [](QWidget* child) { return dynamic_cast<ProfileView*>(child); });
    ASSERT_NE(profile, children.end());
    EXPECT_TRUE(panelArea.contains(InPanel(*profile, panel)));
    EXPECT_GE((*profile)->height(), 120);
}

}  // namespace
}  // namespace pali
