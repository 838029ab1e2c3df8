// SPDX-License-Identifier: MIT

// The window's widgets as the control table places and names them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include "app/form1_controls.h"
#include "window_fixture.h"

namespace pali {
namespace {

class Form1Widgets : public fixtures::WindowTest {};

bool HasKind(const QWidget* widget, ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox: return qobject_cast<const QLineEdit*>(widget) != nullptr;
    case ControlKind::CommandButton: return qobject_cast<const QPushButton*>(widget) != nullptr;
    case ControlKind::OptionButton: return qobject_cast<const QRadioButton*>(widget) != nullptr;
    case ControlKind::Label: return qobject_cast<const QLabel*>(widget) != nullptr;
    }
    return false;
}

QString CaptionShown(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    return qobject_cast<const QLineEdit*>(widget)->text();
}

int NearestPixel(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

TEST_F(Form1Widgets, StandWhereTheTablePutsThemWithTheirCaptionsAndFonts)
{
    EXPECT_EQ(window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 67);
    for (const ControlDesign& design : kForm1Controls) {
        const QString name = QString::fromUtf8(design.name.data(), design.name.size());
        SCOPED_TRACE(name.toStdString());
        const QWidget* widget = window.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(HasKind(widget, design.kind));
        EXPECT_EQ(widget->mapTo(&window, QPoint(0, 0)), QPoint(design.left / 15, design.top / 15));
        EXPECT_EQ(widget->size(), QSize(NearestPixel(design.width), NearestPixel(design.height)));
        EXPECT_EQ(CaptionShown(widget).toStdString(), design.caption);
        EXPECT_EQ(widget->font().families().value(0), "Liberation Sans");
        EXPECT_EQ(widget->font().families().value(1), "Arial");
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), design.font.points);
        EXPECT_EQ(widget->font().bold(), design.font.bold);
        EXPECT_TRUE(widget->isVisible());
        EXPECT_TRUE(widget->isEnabled());
        EXPECT_EQ(widget->focusPolicy() == Qt::NoFocus, design.kind == ControlKind::Label);
    }
}

TEST_F(Form1Widgets, BoxesAndButtonsCarryAccessibleNames)
{
    for (const BoxDesign& design : kForm1Boxes) {
        EXPECT_EQ(window.box(design.box)->accessibleName().toStdString(), BoxCaption(design.box));
    }
    EXPECT_EQ(window.box(Box::C)->accessibleName(), "NUMERO DI STRATImax20");
    for (const ControlDesign& design : kForm1Controls) {
        if (design.kind == ControlKind::CommandButton || design.kind == ControlKind::OptionButton) {
            const auto* widget = window.findChild<QWidget*>(QString::fromUtf8(design.name.data()));
            EXPECT_EQ(widget->accessibleName().toStdString(), design.caption) << design.name;
        }
    }
}

TEST_F(Form1Widgets, OptionArrayKeepsItsIndices)
{
    option(2)->click();
    EXPECT_EQ(window.contents().selectedCombination, 2);
    option(1)->click();
    EXPECT_EQ(window.contents().selectedCombination, 1);
    EXPECT_FALSE(option(2)->isChecked());
}

}  // namespace
}  // namespace pali
