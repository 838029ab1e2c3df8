// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/form1_controls.h"
#include "core/report/recording_printer.h"
#include "core/state/box.h"
#include "core/state/form_contents.h"
#include "core/state/number_format.h"
#include "core/state/project_state.h"
#include "core/state/run_time_error.h"

namespace pali {

// A click handler as the window runs it: on the contents of the window and the
// project state, in the user's number conventions of the moment.
using ClickHandler = std::function<void(FormContents&, ProjectState&, const NumberFormat&)>;

// Lines the report prints after the combination line, from the window as it
// is printed (the design check's block).
using ReportAddition =
    std::function<std::vector<PrintItems>(const FormContents&, const ProjectState&, const NumberFormat&)>;

// What a toolkit's window does for the window's logic: it holds the texts of
// the boxes and the selected option, moves the focus, tells the engineer
// what went wrong and puts a finished report on paper. Texts are UTF-8.
class Form1View {
public:
    virtual ~Form1View() = default;

    virtual std::string boxText(Box box) const = 0;
    virtual void setBoxText(Box box, const std::string& text) = 0;
    virtual int selectedCombination() const = 0;
    virtual void selectCombination(int index) = 0;
    virtual void focusBox(Box box) = 0;
    // The user's decimal separator as it is now: asked at every click.
    virtual NumberFormat numberFormat() const = 0;
    virtual void showError(const std::string& message) = 0;
    virtual void deliverReport(const std::vector<PrintedLine>& lines) = 0;
    virtual void quit() = 0;
};

// The window's behaviour apart from its toolkit: what each button does, and
// the one transaction through which every click runs. The project state the
// handlers share lives here; the texts live in the view.
class Form1Logic {
public:
    explicit Form1Logic(Form1View& view);

    void press(Button button);

    // Runs one click on copies of the window's contents and of the state and
    // keeps the result only when the handler finished: a failed click shows
    // what went wrong, puts the focus into the box at fault and leaves every
    // text, the option and the state as they were.
    bool dispatch(const ClickHandler& handler);

    // The report of the window as it is, composed in full inside a click;
    // none when the click failed and the engineer was told why.
    std::optional<std::vector<PrintedLine>> composeReport();

    FormContents contents() const;
    const ProjectState& state() const { return state_; }

    // Puts a whole project on the window, as it is opened or begun anew:
    // every text, the option and the state, with the focus in the first box.
    // Nothing is computed.
    void restore(const FormContents& form, const ProjectState& state);

    // Writes a box as the engineer would type into it: the view's own change follows.
    void typeInto(Box box, const std::string& text) { view_.setBoxText(box, text); }
    NumberFormat numberFormat() const { return view_.numberFormat(); }
    void setReportAddition(ReportAddition addition) { reportAddition_ = std::move(addition); }

private:
    void showContents(const FormContents& before, const FormContents& after);
    void reportFailure(const RunTimeError& error);

    Form1View& view_;
    ProjectState state_;
    ReportAddition reportAddition_;
};

}  // namespace pali
