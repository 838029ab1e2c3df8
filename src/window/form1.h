#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QWidget>

#include "report/recording_printer.h"
#include "state/box.h"
#include "state/form_contents.h"
#include "state/number_format.h"
#include "state/project_state.h"
#include "state/run_time_error.h"
#include "window/form1_controls.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace pali {

class EnterNavigation;

// A click handler as the window runs it: on the contents of the window and the
// project state, in the user's number conventions of the moment.
using ClickHandler = std::function<void(FormContents&, ProjectState&, const NumberFormat&)>;

// The program's one window: the pile data, the soil layers, the design
// combination and the results, all held as text in its boxes, and the
// project state that the button handlers share.
class Form1 : public QWidget {
    Q_OBJECT

public:
    using MessagePresenter = std::function<void(QWidget* parent, const QString& message)>;
    using ReportDelivery = std::function<void(const std::vector<PrintedLine>& lines, QWidget* parent)>;

    explicit Form1(QWidget* parent = nullptr);

    FormContents contents() const;
    const ProjectState& state() const { return state_; }
    QLineEdit* box(Box box) const { return boxes_[static_cast<std::size_t>(box)]; }

    // Runs one click on copies of the window's contents and of the state and
    // keeps the result only when the handler finished: a failed click shows
    // what went wrong, puts the focus into the box at fault and leaves every
    // text, the option and the state as they were.
    bool dispatch(const ClickHandler& handler);

    // How failures and finished reports leave the window; replaceable so
    // that the window can be driven without modal dialogs or a printer.
    void setMessagePresenter(MessagePresenter presenter);
    void setReportDelivery(ReportDelivery delivery);

private:
    // The widget of each row of the control table.
    using Controls = std::array<QWidget*, kControlCount>;

    QWidget* createControl(std::size_t row);
    void orderTabs(const Controls& controls);
    void wireEnterNavigation(const Controls& controls);
    void wireButtons();
    QPushButton* button(Button button) const { return buttons_[static_cast<std::size_t>(button)]; }
    void printReport();
    void showContents(const FormContents& before, const FormContents& after);
    void reportFailure(const RunTimeError& error);

    std::array<QLineEdit*, kBoxCount> boxes_{};
    std::array<QPushButton*, kButtonCount> buttons_{};
    QButtonGroup* combinations_;
    EnterNavigation* enterNavigation_;
    ProjectState state_;
    MessagePresenter presentMessage_;
    ReportDelivery deliverReport_;
};

}  // namespace pali
