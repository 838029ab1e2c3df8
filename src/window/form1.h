#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QWidget>

#include "report/recording_printer.h"
#include "state/box.h"
#include "state/form_contents.h"
#include "state/project_state.h"
#include "state/run_time_error.h"
#include "window/click_handlers.h"
#include "window/form1_controls.h"

class QButtonGroup;
class QLineEdit;

namespace pali {

class EnterNavigation;

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
    void createControl(const ControlDesign& design);
    void orderTabs();
    void wireEnterNavigation();
    void wireButtons();
    void printReport();
    void showContents(const FormContents& before, const FormContents& after);
    void reportFailure(const RunTimeError& error);

    std::array<QLineEdit*, kBoxCount> boxes_{};
    QButtonGroup* combinations_;
    EnterNavigation* enterNavigation_;
    ProjectState state_;
    MessagePresenter presentMessage_;
    ReportDelivery deliverReport_;
};

}  // namespace pali
