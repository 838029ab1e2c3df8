// SPDX-License-Identifier: MIT

#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "qt/form1.h"

// Readable failures for texts of the window.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace pali::fixtures {

// The real window, shown on the offscreen screen, with its messages and its
// finished reports recorded instead of shown or printed.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setMessagePresenter([this](QWidget*, const QString& message) { messages.push_back(message); });
        window.setReportDelivery(
            [this](const std::vector<PrintedLine>& lines, QWidget*) { deliveredReports.push_back(lines); });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static void UseDecimalComma() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    QWidget* control(const char* name) const { return window.findChild<QWidget*>(name); }
    QPushButton* button(const char* name) const { return window.findChild<QPushButton*>(name); }
    QRadioButton* option(int index) const { return window.findChild<QRadioButton*>(QString("Comb1(%1)").arg(index)); }
    QString text(Box box) const { return window.box(box)->text(); }
    QString focused() const
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }

    // Replaces the text of a box as the user would: focus, select all, type.
    void type(Box box, const QString& text)
    {
        QLineEdit* edit = window.box(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // A key as the keyboard delivers it: pressed into the control that has the
    // focus, released into whichever control has it afterwards.
    static void press(Qt::Key key)
    {
        QTest::keyPress(QApplication::focusWidget(), key);
        QTest::keyRelease(QApplication::focusWidget(), key);
    }

    // STRATO N, the four values, OK: one layer entered by clicks and typing.
    void enterNextLayer(const QString& angle, const QString& thickness, const QString& weight,
                        const QString& coefficient)
    {
        click("Command6");
        type(Box::E, angle);
        type(Box::F, thickness);
        type(Box::G, weight);
        type(Box::D, coefficient);
        click("Command1");
    }

    // A 60 cm pile 12 m long in two layers, Nq 30, two piles, loads 50 + 10 + 20 t.
    void enterWorkedExample()
    {
        type(Box::A, "60");
        type(Box::B, "12");
        type(Box::C, "2");
        enterNextLayer("30", "5", QLocale().toString(1.8), "1");
        enterNextLayer("34", "7", QLocale().toString(1.9), QLocale().toString(0.8));
        type(Box::K1, "30");
        type(Box::M5, "2");
        type(Box::CP, "50");
        type(Box::CPNS, "10");
        type(Box::CV, "20");
    }

    Form1 window;
    std::vector<QString> messages;
    std::vector<std::vector<PrintedLine>> deliveredReports;
};

}  // namespace pali::fixtures
