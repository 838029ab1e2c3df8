// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/form1_controls.h"
#include "app/form1_logic.h"
#include "core/report/recording_printer.h"
#include "core/state/box.h"
#include "core/state/form_contents.h"
#include "core/state/project_state.h"
#include "win32/accessible_names.h"
#include "win32/window_fonts.h"
#include "win32/window_frame.h"

namespace pali {

// The program's one window on the Win32 API: the controls of the table as
// standard EDIT, STATIC and BUTTON controls laid out at the window's DPI,
// their texts, the focus and the keys the dialog manager does not handle as
// this window wants. What a click does is Form1Logic's.
class Form1Window : private Form1View {
public:
    using MessagePresenter = std::function<void(HWND owner, const std::string& message)>;
    using ReportDelivery = std::function<void(const std::vector<PrintedLine>& lines, HWND owner)>;

    explicit Form1Window(HINSTANCE instance);
    ~Form1Window() override;
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    // Maximised, with the focus in the diameter.
    void show();

    // The keys this window handles itself before the dialog manager sees
    // them: Enter (a box's next field, or the focused button pressed;
    // nowhere else does it do anything) and Escape (nothing). Then the
    // dialog manager's Tab, arrows and Space. True when the message is done.
    bool handleKeys(MSG& message);

    HWND handle() const { return window_; }
    HWND control(std::size_t row) const { return controls_[row]; }
    HWND box(Box box) const;
    int dpi() const { return dpi_; }

    FormContents contents() const { return logic_.contents(); }
    const ProjectState& state() const { return logic_.state(); }
    Form1Logic& logic() { return logic_; }

    void setMenuBar(HMENU menu);
    // The menu bar's commands and the closing of the window, when the program has them.
    void setFrame(WindowFrame* frame) { frame_ = frame; }

    // How failures and finished reports leave the window; replaceable so
    // that the window can be driven without modal dialogs or a printer.
    void setMessagePresenter(MessagePresenter presenter);
    void setReportDelivery(ReportDelivery delivery);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls(HINSTANCE instance);
    void nameBoxesForScreenReaders();
    void layOut();
    void sizeRestoredWindow();
    void changeDpi(int dpi, const RECT& suggested);
    void onCommand(std::size_t row);
    void pressEnter(HWND focus);
    void moveFocus(HWND next);
    void letOnlyTheSelectedOptionTakeTab();
    std::size_t rowOf(HWND control) const;
    bool isLabel(HWND control) const;

    std::string boxText(Box box) const override;
    void setBoxText(Box box, const std::string& text) override;
    int selectedCombination() const override;
    void selectCombination(int index) override;
    void focusBox(Box box) override;
    NumberFormat numberFormat() const override;
    void showError(const std::string& message) override;
    void deliverReport(const std::vector<PrintedLine>& lines) override;
    void quit() override;

    HWND window_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    int dpi_ = kStandardDpi;
    WindowFonts fonts_;
    AccessibleNames accessibleNames_;
    // The control that had the focus when the window was last deactivated.
    HWND focusToRestore_ = nullptr;
    Form1Logic logic_;
    MessagePresenter presentMessage_;
    ReportDelivery deliverReport_;
    WindowFrame* frame_ = nullptr;
};

}  // namespace pali
