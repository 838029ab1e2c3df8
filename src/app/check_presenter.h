// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "app/check_panel.h"
#include "app/form1_logic.h"

namespace pali {

// Everything the panel VERIFICA shows after a change.
struct CheckPanelContent {
    std::string verticals;  // the verticals' box, as the project holds it
    CheckPanelTexts texts;
    SoilProfile profile;  // drawn with the curve by CheckPicture at the size the view has
    LengthCurve curve;
    NumberFormat format;  // the user's, for the picture's figures
};

// What a toolkit's panel does for the presenter: it tells whether it is
// shown, and shows what it is given. Texts are UTF-8.
class CheckPanelView {
public:
    virtual ~CheckPanelView() = default;
    virtual bool panelShown() const = 0;
    virtual void showCheck(const CheckPanelContent& content) = 0;
};

// The panel's behaviour apart from its toolkit: it keeps the number of
// verticals investigated (the project's, though no box of the form holds
// it), computes the design check on copies of the window once for every
// change of the project while the panel is shown, and hands the view what to
// show. USA types Nq from the table into K1 as the engineer would.
class CheckPresenter {
public:
    CheckPresenter(Form1Logic& logic, CheckPanelView& view);
    CheckPresenter(const CheckPresenter&) = delete;
    CheckPresenter& operator=(const CheckPresenter&) = delete;

    // Something of the project changed: a key, a click, an option, the verticals.
    void projectChanged();
    // The panel was shown or hidden; shown, it catches up with the project.
    void panelShownChanged();
    // What USA writes into K1, when the table gives Nq.
    const std::optional<std::string>& nqToUse() const { return nqToUse_; }
    void useNq();

    const std::string& verticals() const { return verticals_; }
    // The verticals typed into the panel's box, or those of a project opened
    // or begun anew; the change is told apart, through projectChanged.
    void setVerticals(std::string verticals) { verticals_ = std::move(verticals); }

    // Changes made while a batch lasts (a project opened puts every box on
    // the window, each a change) are computed once, when it ends.
    class Batch {
    public:
        explicit Batch(CheckPresenter& presenter);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        CheckPresenter& presenter_;
    };

    // How many times the check was computed, for the tests that hold it to
    // once a change.
    std::size_t checksComputed() const { return checksComputed_; }

private:
    void compute();

    Form1Logic& logic_;
    CheckPanelView& view_;
    std::string verticals_;
    std::optional<std::string> nqToUse_;
    int batchDepth_ = 0;
    bool stale_ = true;
    std::size_t checksComputed_ = 0;
};

}  // namespace pali
