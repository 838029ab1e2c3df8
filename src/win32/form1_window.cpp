// SPDX-License-Identifier: MIT

#include "win32/form1_window.h"

#include <algorithm>
#include <stdexcept>

#include "win32/report_delivery.h"
#include "win32/users_number_format.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace pali {

namespace {

const wchar_t* const kWindowClass = L"PortanzaPaliForm1";

constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;

// Each control's command identifier is its row in the control table, offset
// so that none is IDOK or IDCANCEL.
constexpr int kFirstControlId = 100;

constexpr bool IsOption(std::size_t row)
{
    return kForm1Controls[row].kind == ControlKind::OptionButton;
}

constexpr bool IsFirstOption(std::size_t row)
{
    return IsOption(row) && kNumberInKind[row] == 0;
}

// The order in which the controls are made, which is the window order: Tab
// walks the focusable controls in it, and an edit control without a name of
// its own takes the one of the static label just before it. So each box
// captioned by a label comes right after its label, the focusable controls
// come in tab order, and the labels that caption no box come last.
constexpr std::array<std::size_t, kControlCount> kCreationOrder = [] {
    std::array<std::size_t, kControlCount> order{};
    std::array<bool, kControlCount> placed{};
    std::size_t count = 0;
    const auto place = [&](std::size_t row) {
        order[count++] = row;
        placed[row] = true;
    };
    for (std::size_t row : kTabOrder) {
        if (kForm1Controls[row].kind == ControlKind::TextBox) {
            const ControlRef caption = kForm1Boxes[kNumberInKind[row]].captionedBy;
            if (caption.design().kind == ControlKind::Label) {
                place(caption.row);
            }
        }
        place(row);
    }
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (!placed[row]) {
            place(row);
        }
    }
    if (count != kControlCount) {
        throw std::logic_error("every control made once");
    }
    return order;
}();

// The row of each box in the control table, in the order of Box.
constexpr std::array<std::size_t, kBoxCount> kBoxRows = [] {
    std::array<std::size_t, kBoxCount> rows{};
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (kForm1Controls[row].kind == ControlKind::TextBox) {
            rows[kNumberInKind[row]] = row;
        }
    }
    return rows;
}();

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// Every control starts a group of the dialog manager's arrow keys but the
// second and third option, which share the group of the first. Tab reaches
// the option group through its selected option only: the options take Tab
// as they are selected.
ControlClass ClassOf(std::size_t row)
{
    const DWORD group = IsOption(row) && !IsFirstOption(row) ? 0 : WS_GROUP;
    const DWORD common = WS_CHILD | WS_VISIBLE | group;
    switch (kForm1Controls[row].kind) {
    case ControlKind::TextBox: return {L"EDIT", common | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::CommandButton: return {L"BUTTON", common | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
    case ControlKind::OptionButton: return {L"BUTTON", common | BS_AUTORADIOBUTTON | BS_MULTILINE, 0};
    case ControlKind::Label:
        // SS_LEFT wraps at blanks and cuts what does not fit the label's height.
        // A few labels overlap; each draws its text on the window's background
        // (WS_EX_TRANSPARENT keeps it out of the window's clipping) and none
        // paints over another's.
        return {L"STATIC", common | SS_LEFT | SS_NOPREFIX, WS_EX_TRANSPARENT};
    }
    throw std::logic_error("a control of no kind");
}

RECT ControlRect(const ControlDesign& design, int dpi)
{
    const int left = Pixels(design.left, dpi);
    const int top = Pixels(design.top, dpi);
    return {left, top, left + Pixels(design.width, dpi), top + Pixels(design.height, dpi)};
}

// A label draws only its text, in the window's text colour; the background
// beneath is the window's own.
LRESULT DrawLabelTransparent(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

// A box's text changed, or a button or an option was clicked; a control's
// other notifications (the focus, a text about to change) change nothing.
constexpr bool ChangesTheForm(WORD notification)
{
    return notification == EN_CHANGE || notification == BN_CLICKED;
}

void ShowErrorMessage(HWND owner, const std::string& message)
{
    MessageBoxW(owner, WideText(message).c_str(), WideText(kTitle).c_str(), MB_OK | MB_ICONERROR);
}

// The program file carries its icon as resource 1 (the version resource
// of the release); a test program has none and shows Windows' own.
HICON ProgramIcon(HINSTANCE instance)
{
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

Form1Window::Form1Window(HINSTANCE instance)
    : logic_(*this), presentMessage_(ShowErrorMessage), deliverReport_(DeliverReport)
{
    RegisterWindowClass(instance, kWindowClass, Procedure, COLOR_BTNFACE, ProgramIcon(instance));
    window_ = CreateWindowExW(kWindowExStyle, kWindowClass, WideText(kTitle).c_str(), kWindowStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (!window_) {
        throw std::runtime_error("the window could not be created");
    }
    dpi_ = static_cast<int>(GetDpiForWindow(window_));
    fonts_.makeFor(dpi_);
    createControls(instance);
    nameBoxesForScreenReaders();
    layOut();
    sizeRestoredWindow();
}

Form1Window::~Form1Window()
{
    if (window_) {
        DestroyWindow(window_);
    }
}

void Form1Window::createControls(HINSTANCE instance)
{
    for (std::size_t row : kCreationOrder) {
        const ControlDesign& design = kForm1Controls[row];
        const ControlClass kind = ClassOf(row);
        controls_[row] = CreateWindowExW(
            kind.exStyle, kind.className, WideText(design.caption).c_str(), kind.style, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + row)), instance, nullptr);
        // No box has a length limit: a megabyte pasted stays whole.
        if (design.kind == ControlKind::TextBox) {
            SendMessageW(controls_[row], EM_SETLIMITTEXT, 0, 0);
        }
    }
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (IsOption(row) && kNumberInKind[row] == static_cast<std::size_t>(kStartCombination)) {
            SendMessageW(controls_[row], BM_SETCHECK, BST_CHECKED, 0);
        }
    }
    letOnlyTheSelectedOptionTakeTab();
}

void Form1Window::nameBoxesForScreenReaders()
{
    for (const BoxDesign& design : kForm1Boxes) {
        if (design.captionedBy.design().kind != ControlKind::Label) {
            accessibleNames_.name(box(design.box), WideText(BoxCaption(design.box)));
        }
    }
}

void Form1Window::layOut()
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        const RECT rect = ControlRect(kForm1Controls[row], dpi_);
        SetWindowPos(controls_[row], nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[row], WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.font(kForm1Controls[row].font)), TRUE);
        // A box gives its text all the room inside its border, as Windows'
        // and Wine's margins for the face would differ: a capacity of four
        // digits and two decimals shows whole.
        if (kForm1Controls[row].kind == ControlKind::TextBox) {
            SendMessageW(controls_[row], EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        }
    }
}

// The window restores to its design size: the client area the designer drew.
void Form1Window::sizeRestoredWindow()
{
    RECT frame{0, 0, Pixels(kRestoredWidthTwips, dpi_), Pixels(kRestoredHeightTwips, dpi_)};
    const BOOL hasMenu = GetMenu(window_) != nullptr;
    AdjustWindowRectExForDpi(&frame, kWindowStyle, hasMenu, kWindowExStyle, static_cast<UINT>(dpi_));
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The menu bar lies above the client area, which keeps its design size.
void Form1Window::setMenuBar(HMENU menu)
{
    SetMenu(window_, menu);
    sizeRestoredWindow();
}

void Form1Window::show()
{
    ShowWindow(window_, SW_SHOWMAXIMIZED);
    UpdateWindow(window_);
    focusBox(kStartFocus);
}

void Form1Window::changeDpi(int dpi, const RECT& suggested)
{
    dpi_ = dpi;
    fonts_.makeFor(dpi_);
    layOut();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The labels do not erase what they drew in the old size: the window does.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND Form1Window::box(Box box) const
{
    return controls_[kBoxRows[static_cast<std::size_t>(box)]];
}

std::size_t Form1Window::rowOf(HWND control) const
{
    return static_cast<std::size_t>(std::ranges::find(controls_, control) - controls_.begin());
}

bool Form1Window::isLabel(HWND control) const
{
    const std::size_t row = rowOf(control);
    return row < kControlCount && kForm1Controls[row].kind == ControlKind::Label;
}

void Form1Window::setMessagePresenter(MessagePresenter presenter)
{
    presentMessage_ = std::move(presenter);
}

void Form1Window::setReportDelivery(ReportDelivery delivery)
{
    deliverReport_ = std::move(delivery);
}

bool Form1Window::handleKeys(MSG& message)
{
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) {
        return false;
    }
    return HandlePaneKeys(window_, message, [this](HWND focus) { pressEnter(focus); });
}

// Enter moves the focus along the chains of the control table, presses the
// button that has the focus, and does nothing anywhere else. It never
// reaches the box itself, which would only sound a warning.
void Form1Window::pressEnter(HWND focus)
{
    const std::size_t row = rowOf(focus);
    if (row == kControlCount) {
        return;
    }
    const ControlDesign& design = kForm1Controls[row];
    if (design.kind == ControlKind::TextBox) {
        const ControlRef next = kForm1Boxes[kNumberInKind[row]].enterTo;
        if (next.named()) {
            SetFocus(controls_[next.row]);
        }
    } else if (design.kind == ControlKind::CommandButton) {
        SendMessageW(focus, BM_CLICK, 0, 0);
    }
}

// Where the dialog manager moves the focus (Tab, Shift+Tab): as a dialog
// box does, a box reached so shows its whole text selected.
void Form1Window::moveFocus(HWND next)
{
    if (!next) {
        return;
    }
    SetFocus(next);
    if (kForm1Controls[rowOf(next)].kind == ControlKind::TextBox) {
        SendMessageW(next, EM_SETSEL, 0, -1);
    }
}

void Form1Window::letOnlyTheSelectedOptionTakeTab()
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (IsOption(row)) {
            const bool selected = SendMessageW(controls_[row], BM_GETCHECK, 0, 0) == BST_CHECKED;
            const LONG_PTR style = GetWindowLongPtrW(controls_[row], GWL_STYLE);
            SetWindowLongPtrW(controls_[row], GWL_STYLE,
                              selected ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        }
    }
}

void Form1Window::onCommand(std::size_t row)
{
    switch (kForm1Controls[row].kind) {
    case ControlKind::CommandButton: logic_.press(static_cast<Button>(kNumberInKind[row])); return;
    case ControlKind::OptionButton: letOnlyTheSelectedOptionTakeTab(); return;
    case ControlKind::TextBox:
    case ControlKind::Label: return;
    }
}

LRESULT CALLBACK Form1Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = Attached<Form1Window>(window, message, lParam);
    if (!self || !self->window_) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (self->frame_) {
        if (const auto handled = self->frame_->handleFrameMessage(message, wParam, lParam)) {
            return *handled;
        }
    }
    const LRESULT result = self->handleMessage(message, wParam, lParam);
    if (message == WM_COMMAND && lParam != 0 && ChangesTheForm(HIWORD(wParam)) && self->frame_ && self->window_) {
        self->frame_->formEdited();
    }
    return result;
}

LRESULT Form1Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
            const std::size_t row = rowOf(reinterpret_cast<HWND>(lParam));
            if (row < kControlCount) {
                onCommand(row);
            }
        }
        return 0;
    case WM_NEXTDLGCTL:
        // The dialog manager asks the window itself to move the focus.
        moveFocus(NextDialogControl(window_, wParam, lParam));
        return 0;
    case WM_ACTIVATE:
        // The focus leaves with the window and comes back where it was.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window_, focus)) {
                focusToRestore_ = focus;
            }
        } else if (focusToRestore_) {
            SetFocus(focusToRestore_);
        }
        return 0;
    case WM_CTLCOLORSTATIC:
        if (isLabel(reinterpret_cast<HWND>(lParam))) {
            return DrawLabelTransparent(reinterpret_cast<HDC>(wParam));
        }
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_DPICHANGED: changeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_DESTROY:
        accessibleNames_.clear();
        window_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

std::string Form1Window::boxText(Box box) const
{
    return WindowText(this->box(box));
}

void Form1Window::setBoxText(Box box, const std::string& text)
{
    SetWindowTextW(this->box(box), WideText(text).c_str());
}

int Form1Window::selectedCombination() const
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (IsOption(row) && SendMessageW(controls_[row], BM_GETCHECK, 0, 0) == BST_CHECKED) {
            return static_cast<int>(kNumberInKind[row]);
        }
    }
    return kStartCombination;
}

void Form1Window::selectCombination(int index)
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (IsOption(row)) {
            const bool selected = kNumberInKind[row] == static_cast<std::size_t>(index);
            SendMessageW(controls_[row], BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    letOnlyTheSelectedOptionTakeTab();
}

void Form1Window::focusBox(Box box)
{
    SetFocus(this->box(box));
}

NumberFormat Form1Window::numberFormat() const
{
    return UsersNumberFormat();
}

void Form1Window::showError(const std::string& message)
{
    presentMessage_(window_, message);
}

void Form1Window::deliverReport(const std::vector<PrintedLine>& lines)
{
    deliverReport_(lines, window_);
}

// FINE closes the window as its close box does, so that the program may ask first.
void Form1Window::quit()
{
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

}  // namespace pali
