// SPDX-License-Identifier: MIT

#include "win32/project_data_dialog.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "app/project_menu.h"
#include "win32/accessible_names.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"
#include "win32/window_fonts.h"

namespace pali {

namespace {

// The spacing of Windows' own dialogs, in dialog units: quarters of the
// font's average character width across, eighths of its height down.
constexpr int kMargin = 7;
constexpr int kGap = 4;
constexpr int kControlHeight = 14;
constexpr int kButtonWidth = 50;
// A box's border and inner margins, beside its characters.
constexpr int kBoxEdges = 4;

constexpr std::array<FontStyle, 1> kDialogFonts = {kPlain};

// An empty dialog: the controls are made at the owner's DPI once it exists.
// The menu, class and title words follow the header without padding.
struct EmptyDialogTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

struct DialogUnits {
    int averageWidth;
    int height;

    int across(int units) const { return MulDiv(units, averageWidth, 4); }
    int down(int units) const { return MulDiv(units, height, 8); }
};

// Measured in the control's font as Windows measures a dialog's font: the
// mean width of the Latin letters, rounded to a pixel.
DialogUnits UnitsOf(HWND control)
{
    constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    constexpr int kCount = static_cast<int>(kLetters.size());
    return {(2 * TextWidthIn(control, kLetters) + kCount) / (2 * kCount), LineHeightIn(control)};
}

class ProjectDataDialog {
public:
    ProjectDataDialog(HWND owner, const ProjectData& shown)
        : shown_(shown), dpi_(static_cast<int>(GetDpiForWindow(owner)))
    {
        fonts_.makeFor(dpi_, kDialogFonts);
    }

    const ProjectData& confirmed() const { return confirmed_; }

    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

private:
    HWND control(const wchar_t* kind, std::string_view text, DWORD style, DWORD exStyle = 0, int id = 0);
    void create(HWND dialog);
    void layOut(HWND owner);
    void keepTexts();

    const ProjectData& shown_;
    int dpi_;
    WindowFonts fonts_;
    AccessibleNames names_;
    HWND dialog_ = nullptr;
    std::array<HWND, kProjectDataFields.size()> labels_{};
    std::array<HWND, kProjectDataFields.size()> boxes_{};
    HWND ok_ = nullptr;
    HWND cancel_ = nullptr;
    ProjectData confirmed_;
};

HWND ProjectDataDialog::control(const wchar_t* kind, std::string_view text, DWORD style, DWORD exStyle, int id)
{
    HWND made = CreateWindowExW(exStyle, kind, WideText(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                                dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.font(kPlain)), FALSE);
    return made;
}

// The order of making is the order of Tab: each box after the label that
// names it, top to bottom, then the buttons.
void ProjectDataDialog::create(HWND dialog)
{
    dialog_ = dialog;
    SetWindowTextW(dialog, WideText(kProjectDataDialogTitle).c_str());
    for (std::size_t index = 0; index < kProjectDataFields.size(); ++index) {
        const ProjectDataField& field = kProjectDataFields[index];
        labels_[index] = control(L"STATIC", field.label, SS_LEFT | SS_NOPREFIX);
        boxes_[index] = control(L"EDIT", shown_.*field.text, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
        names_.name(boxes_[index], WideText(field.label));
    }
    ok_ = control(L"BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IDOK);
    cancel_ = control(L"BUTTON", "Annulla", WS_TABSTOP | BS_PUSHBUTTON, 0, IDCANCEL);
}

// The labels in a column as wide as the longest, the boxes beside them, the
// buttons at the bottom right; the dialog centred over its owner.
void ProjectDataDialog::layOut(HWND owner)
{
    const DialogUnits units = UnitsOf(labels_.front());
    int labelWidth = 0;
    for (std::size_t index = 0; index < labels_.size(); ++index) {
        labelWidth = std::max(labelWidth, TextWidthIn(labels_[index], kProjectDataFields[index].label));
    }
    const int left = units.across(kMargin);
    const int boxLeft = left + labelWidth + units.across(kGap);
    const int boxWidth = units.across(4 * kProjectDataBoxCharacters + kBoxEdges);
    const int controlHeight = units.down(kControlHeight);
    const int lineHeight = LineHeightIn(labels_.front());
    int top = units.down(kMargin);
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        MoveWindow(labels_[index], left, top + (controlHeight - lineHeight) / 2, labelWidth, lineHeight, FALSE);
        MoveWindow(boxes_[index], boxLeft, top, boxWidth, controlHeight, FALSE);
        top += controlHeight + units.down(kGap);
    }
    top += units.down(kMargin - kGap);
    const int right = boxLeft + boxWidth;
    const int buttonWidth = units.across(kButtonWidth);
    MoveWindow(cancel_, right - buttonWidth, top, buttonWidth, controlHeight, FALSE);
    MoveWindow(ok_, right - 2 * buttonWidth - units.across(kGap), top, buttonWidth, controlHeight, FALSE);

    RECT frame{0, 0, right + units.across(kMargin), top + controlHeight + units.down(kMargin)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog_, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(dialog_, GWL_EXSTYLE)), static_cast<UINT>(dpi_));
    RECT ownerFrame;
    GetWindowRect(owner, &ownerFrame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(dialog_, nullptr, (ownerFrame.left + ownerFrame.right - width) / 2,
                 (ownerFrame.top + ownerFrame.bottom - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ProjectDataDialog::keepTexts()
{
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        confirmed_.*kProjectDataFields[index].text = WindowText(boxes_[index]);
    }
}

INT_PTR CALLBACK ProjectDataDialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<ProjectDataDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        self = reinterpret_cast<ProjectDataDialog*>(lParam);
        self->create(dialog);
        self->layOut(GetWindow(dialog, GW_OWNER));
        // The first box, its text selected, as Tab would leave it.
        SetFocus(self->boxes_.front());
        SendMessageW(self->boxes_.front(), EM_SETSEL, 0, -1);
        return FALSE;
    case WM_COMMAND:
        // Escape and the close box come as Annulla.
        if (LOWORD(wParam) == IDOK) {
            self->keepTexts();
        }
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_DESTROY:
        // The accessibility service keeps the names, not the boxes.
        self->names_.clear();
        return FALSE;
    default: return FALSE;
    }
}

}  // namespace

std::optional<ProjectData> AskProjectData(HWND owner, const ProjectData& shown)
{
    alignas(DWORD)
        const EmptyDialogTemplate empty{{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 0, 0, 0, 0}};
    ProjectDataDialog dialog(owner, shown);
    const INT_PTR answer = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &empty.header, owner,
                                                   ProjectDataDialog::Procedure, reinterpret_cast<LPARAM>(&dialog));
    if (answer != IDOK) {
        return std::nullopt;
    }
    return dialog.confirmed();
}

std::string TodayInUsersShortFormat()
{
    wchar_t date[80] = {};  // the longest a format of the user's can give
    const int written = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date,
                                        static_cast<int>(std::size(date)), nullptr);
    return written > 0 ? Utf8Text(date) : std::string();
}

}  // namespace pali
