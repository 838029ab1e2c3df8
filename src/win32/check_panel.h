// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/check_panel.h"
#include "app/check_panel_layout.h"
#include "app/check_presenter.h"
#include "app/drawing.h"
#include "win32/accessible_names.h"
#include "win32/window_fonts.h"

namespace pali {

// The panel VERIFICA beside the form, a child window of the program's window:
// the verticals investigated, Nq from the table with USA, the soil profile
// and the chart of Rd against the length drawn with GDI, the shortest
// lengths, the three combinations and the verdicts. It only shows
// what the presenter gives it. Its controls stay out of the form's Tab
// order: the panel is not a control parent of the window, and Tab walks
// its own controls when the focus is in it.
class CheckPanelWindow : public CheckPanelView {
public:
    using TextHandler = std::function<void(const std::string& text)>;

    // verticalsEdited: the engineer changed the verticals' box; useNq: USA
    // was pressed.
    CheckPanelWindow(HINSTANCE instance, HWND parent, TextHandler verticalsEdited, std::function<void()> useNq);
    ~CheckPanelWindow() override;
    CheckPanelWindow(const CheckPanelWindow&) = delete;
    CheckPanelWindow& operator=(const CheckPanelWindow&) = delete;

    HWND handle() const { return panel_; }
    HWND warnings() const { return warnings_; }
    HWND verticalsBox() const { return verticals_; }
    HWND useButton() const { return use_; }
    HWND profileView() const { return profile_; }
    // The read-out a screen reader reads by that name; none when no read-out has it.
    HWND readOut(std::string_view name) const;
    // Every control of the panel that shows a caption of its own.
    std::vector<HWND> captions() const;

    // The panel in that part of its parent, its controls laid out at that DPI.
    void place(const RECT& area, int dpi);
    // Shown unless Visualizza hides it, even before the program's window is.
    bool panelShown() const override;
    void showCheck(const CheckPanelContent& content) override;
    // The soil profile and the chart beside it as the view draws them, its
    // texts measured so.
    draw::Drawing checkPicture(const draw::TextMeasure& measure) const;

    // Tab among the panel's controls, Enter on USA, Escape nothing. True
    // when the message was the panel's and is done.
    bool handleKeys(MSG& message);

private:
    struct ReadOut {
        HWND control;
        std::string name;
    };

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ProfileProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void paintPicture(HDC dc) const;
    void setFonts();
    void showWarnings(const std::vector<std::string>& warnings);

    HWND caption(HINSTANCE instance, std::string_view text);
    HWND readOutNamed(HINSTANCE instance, std::string name, DWORD style);
    void setText(HWND control, const std::string& text);
    void layOut();

    HWND panel_ = nullptr;
    HWND title_ = nullptr;
    HWND verticalsCaption_ = nullptr;
    HWND verticals_ = nullptr;
    HWND factors_ = nullptr;
    HWND nqCaption_ = nullptr;
    HWND nq_ = nullptr;
    HWND use_ = nullptr;
    HWND profile_ = nullptr;
    HWND shortestNtc2018_ = nullptr;
    HWND shortestNtc2008_ = nullptr;
    std::array<HWND, kCombinationHeadings.size()> headings_{};
    std::array<HWND, 3> combinationNames_{};
    std::array<std::array<HWND, kCombinationFigures.size()>, 3> figures_{};
    HWND approach1_ = nullptr;
    HWND approach2_ = nullptr;
    HWND warnings_ = nullptr;
    std::vector<ReadOut> readOuts_;

    int dpi_ = kStandardDpi;
    WindowFonts fonts_;
    AccessibleNames accessibleNames_;
    SoilProfile shownProfile_;
    LengthCurve shownCurve_;
    NumberFormat shownFormat_;
    bool settingTexts_ = false;
    TextHandler verticalsEdited_;
    std::function<void()> useNq_;
};

}  // namespace pali
