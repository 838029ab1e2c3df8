// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "app/form1_controls.h"
#include "app/form1_logic.h"
#include "core/report/recording_printer.h"
#include "core/state/box.h"
#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace pali {

class EnterNavigation;

// The program's one window on Qt: the controls of the table as widgets, their
// texts, the focus and the dialogs. What a click does is Form1Logic's.
class Form1 : public QWidget, private Form1View {
    Q_OBJECT

public:
    using MessagePresenter = std::function<void(QWidget* parent, const QString& message)>;
    using ReportDelivery = std::function<void(const std::vector<PrintedLine>& lines, QWidget* parent)>;

    explicit Form1(QWidget* parent = nullptr);

    FormContents contents() const { return logic_.contents(); }
    const ProjectState& state() const { return logic_.state(); }
    QLineEdit* box(Box box) const { return boxes_[static_cast<std::size_t>(box)]; }

    bool dispatch(const ClickHandler& handler) { return logic_.dispatch(handler); }
    Form1Logic& logic() { return logic_; }

    // How failures and finished reports leave the window; replaceable so
    // that the window can be driven without modal dialogs or a printer.
    void setMessagePresenter(MessagePresenter presenter);
    void setReportDelivery(ReportDelivery delivery);
    // A message to the engineer, through the window's presenter.
    void presentMessage(const QString& message) { presentMessage_(this, message); }

signals:
    // A text, the option or, through a click, the project state may have
    // changed.
    void edited();

private:
    // The widget of each row of the control table.
    using Controls = std::array<QWidget*, kControlCount>;

    QWidget* createControl(std::size_t row);
    void orderTabs(const Controls& controls);
    void wireEnterNavigation(const Controls& controls);
    void wireButtons();
    void wireEdits();
    QPushButton* button(Button button) const { return buttons_[static_cast<std::size_t>(button)]; }

    std::string boxText(Box box) const override;
    void setBoxText(Box box, const std::string& text) override;
    int selectedCombination() const override;
    void selectCombination(int index) override;
    void focusBox(Box box) override;
    NumberFormat numberFormat() const override;
    void showError(const std::string& message) override;
    void deliverReport(const std::vector<PrintedLine>& lines) override;
    void quit() override;

    std::array<QLineEdit*, kBoxCount> boxes_{};
    std::array<QPushButton*, kButtonCount> buttons_{};
    QButtonGroup* combinations_;
    EnterNavigation* enterNavigation_;
    Form1Logic logic_;
    MessagePresenter presentMessage_;
    ReportDelivery deliverReport_;
};

}  // namespace pali
