// SPDX-License-Identifier: MIT

#include "app/form1_logic.h"

#include "app/error_message.h"
#include "core/calc/bearing_capacity.h"
#include "core/calc/layer_entry.h"
#include "core/calc/slenderness.h"
#include "core/report/report_sequence.h"

namespace pali {

Form1Logic::Form1Logic(Form1View& view) : view_(view)
{}

void Form1Logic::press(Button button)
{
    switch (button) {
    case Button::Command6: dispatch(ShowNextLayer); return;
    case Button::Command1: dispatch(StoreLayer); return;
    case Button::Command2: dispatch(ComputeSlenderness); return;
    case Button::Command3: dispatch(ComputeBearingCapacity); return;
    case Button::Command4:
        if (auto lines = composeReport()) {
            view_.deliverReport(*lines);
        }
        return;
    case Button::Command5: view_.quit(); return;
    }
}

FormContents Form1Logic::contents() const
{
    FormContents form;
    for (Box each : kAllBoxes) {
        form[each] = view_.boxText(each);
    }
    form.selectedCombination = view_.selectedCombination();
    return form;
}

void Form1Logic::restore(const FormContents& form, const ProjectState& state)
{
    for (Box each : kAllBoxes) {
        view_.setBoxText(each, form[each]);
    }
    view_.selectCombination(form.selectedCombination);
    state_ = state;
    view_.focusBox(kStartFocus);
}

bool Form1Logic::dispatch(const ClickHandler& handler)
{
    const FormContents before = contents();
    FormContents after = before;
    ProjectState state = state_;
    try {
        handler(after, state, view_.numberFormat());
    } catch (const RunTimeError& error) {
        reportFailure(error);
        return false;
    }
    showContents(before, after);
    state_ = std::move(state);
    return true;
}

void Form1Logic::showContents(const FormContents& before, const FormContents& after)
{
    for (Box each : kAllBoxes) {
        if (after[each] != before[each]) {
            view_.setBoxText(each, after[each]);
        }
    }
    if (after.selectedCombination != before.selectedCombination) {
        view_.selectCombination(after.selectedCombination);
    }
}

void Form1Logic::reportFailure(const RunTimeError& error)
{
    view_.showError(ErrorMessage(error));
    if (error.box()) {
        view_.focusBox(*error.box());
    }
}

// The report is composed in full inside the click and reaches the printer
// only when complete, so a failure never leaves half a report on paper.
std::optional<std::vector<PrintedLine>> Form1Logic::composeReport()
{
    std::vector<PrintedLine> lines;
    const bool composed = dispatch([&](FormContents& form, ProjectState& state, const NumberFormat& format) {
        RecordingPrinter printer(format);
        const std::vector<PrintItems> checkLines =
            reportAddition_ ? reportAddition_(form, state, format) : std::vector<PrintItems>{};
        ComposeReport(form, state, printer, format, checkLines);
        lines = printer.lines();
    });
    if (!composed) {
        return std::nullopt;
    }
    return lines;
}

}  // namespace pali
