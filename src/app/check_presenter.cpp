// SPDX-License-Identifier: MIT

#include "app/check_presenter.h"

#include "app/design_check_texts.h"
#include "core/check/design_check.h"
#include "core/check/length_curve.h"

namespace pali {

CheckPresenter::CheckPresenter(Form1Logic& logic, CheckPanelView& view) : logic_(logic), view_(view)
{
    // STAMPA prints the check's block when the project has verticals.
    logic_.setReportAddition([this](const FormContents& form, const ProjectState& state, const NumberFormat& format) {
        return ReportCheckLines(form, state, verticals_, format);
    });
}

void CheckPresenter::projectChanged()
{
    stale_ = true;
    if (batchDepth_ == 0 && view_.panelShown()) {
        compute();
    }
}

void CheckPresenter::panelShownChanged()
{
    if (stale_ && batchDepth_ == 0 && view_.panelShown()) {
        compute();
    }
}

void CheckPresenter::useNq()
{
    if (nqToUse_) {
        logic_.typeInto(Box::K1, *nqToUse_);
    }
}

void CheckPresenter::compute()
{
    const NumberFormat format = logic_.numberFormat();
    const FormContents form = logic_.contents();
    const DesignCheck check = CheckDesign(form, logic_.state(), verticals_, format);
    LengthCurve curve = CurveOfLengths(form, logic_.state(), verticals_, format);
    ++checksComputed_;
    stale_ = false;
    CheckPanelContent content{verticals_, PanelTexts(check, curve, format), ProfileOf(form, logic_.state(), format),
                              std::move(curve), format};
    nqToUse_ = content.texts.nqToUse;
    view_.showCheck(content);
}

CheckPresenter::Batch::Batch(CheckPresenter& presenter) : presenter_(presenter)
{
    ++presenter_.batchDepth_;
}

// A batch is a change of its own, told or not: a project opened is one.
CheckPresenter::Batch::~Batch()
{
    if (--presenter_.batchDepth_ == 0) {
        presenter_.projectChanged();
    }
}

}  // namespace pali
