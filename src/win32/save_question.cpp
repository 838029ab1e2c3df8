// SPDX-License-Identifier: MIT

#include "win32/save_question.h"

#include <commctrl.h>

#include <iterator>

#include "app/form1_controls.h"
#include "win32/wide_text.h"

namespace pali {

namespace {

constexpr int kSave = 100;
constexpr int kDoNotSave = 101;

}  // namespace

// A task dialog with buttons named for what they do, as Notepad's; the
// common controls of version 6, which the manifest asks for, have it.
SaveAnswer AskToSaveChanges(HWND owner, const std::string& question)
{
    const std::wstring title = WideText(kTitle);
    const std::wstring text = WideText(question);
    // Annulla is a button of the program's own too, so that it is Italian on
    // a Windows in any language.
    const TASKDIALOG_BUTTON buttons[] = {{kSave, L"&Salva"}, {kDoNotSave, L"&Non salvare"}, {IDCANCEL, L"Annulla"}};
    TASKDIALOGCONFIG dialog{};
    dialog.cbSize = sizeof dialog;
    dialog.hwndParent = owner;
    dialog.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    dialog.pszWindowTitle = title.c_str();
    dialog.pszMainInstruction = text.c_str();
    dialog.cButtons = static_cast<UINT>(std::size(buttons));
    dialog.pButtons = buttons;
    dialog.nDefaultButton = kSave;
    int pressed = IDCANCEL;
    if (FAILED(TaskDialogIndirect(&dialog, &pressed, nullptr, nullptr))) {
        return SaveAnswer::Cancel;
    }
    switch (pressed) {
    case kSave: return SaveAnswer::Save;
    case kDoNotSave: return SaveAnswer::DoNotSave;
    default: return SaveAnswer::Cancel;
    }
}

}  // namespace pali
