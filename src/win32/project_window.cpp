// SPDX-License-Identifier: MIT

#include "win32/project_window.h"

#include <shellapi.h>
#include <shlobj.h>

#include "app/about_text.h"
#include "win32/item_dialogs.h"
#include "win32/project_data_dialog.h"
#include "win32/project_disk.h"
#include "win32/report_delivery.h"
#include "win32/report_printing.h"
#include "win32/save_question.h"
#include "win32/system_message.h"
#include "win32/wide_text.h"

namespace pali {

namespace {

void ShowWarning(HWND owner, const std::string& message)
{
    MessageBoxW(owner, WideText(message).c_str(), WideText(kTitle).c_str(), MB_OK | MB_ICONWARNING);
}

// The marked name Windows' own programs show: a star before the name of a
// file with unsaved changes.
std::string MarkedFileName(const std::string& fileName, bool modified)
{
    return modified && !fileName.empty() ? "*" + fileName : fileName;
}

// Files dropped on the window arrive through WM_DROPFILES once the window
// has this style, which is all DragAcceptFiles sets; the shell's library
// then loads only when a file is dropped.
void AcceptDroppedFiles(HWND window)
{
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
}

// The folder the program was started from, where its documents and the
// validation cases are installed; with a backslash at its end.
std::string ProgramFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return Utf8Text(path.substr(0, path.find_last_of(L'\\') + 1));
}

// Why Windows could not open a document, from ShellExecuteW's answer.
std::string ShellFailure(INT_PTR answer)
{
    if (answer == SE_ERR_NOASSOC || answer == SE_ERR_ASSOCINCOMPLETE) {
        return "nessun programma è associato a questo tipo di file";
    }
    return SystemMessage(static_cast<DWORD>(answer));
}

}  // namespace

ProjectWindow::ProjectWindow(HINSTANCE instance, std::vector<std::string> recentFiles,
                             RecentFilesStore storeRecentFiles, CheckPanelSetting panelSetting)
    : form_(instance),
      storeRecentFiles_(std::move(storeRecentFiles)),
      question_(AskToSaveChanges),
      saveDialog_(AskProjectToSave),
      openDialog_(AskProjectToOpen),
      projectDataDialog_(AskProjectData),
      presentMessage_(ShowWarning),
      panel_(
          instance, form_.handle(), [this](const std::string& verticals) { session_.verticalsTyped(verticals); },
          [this] { presenter_.useNq(); }),
      presenter_(form_.logic(), panel_),
      session_(form_.logic(), presenter_, *this, std::move(recentFiles)),
      panelSetting_(std::move(panelSetting))
{
    form_.setMenuBar(menu_.handle());
    form_.setFrame(this);
    menu_.showRecentFiles(session_.recentFiles());
    AcceptDroppedFiles(form_.handle());
    menu_.showCheckPanelTicked(panelSetting_.shown);
    ShowWindow(panel_.handle(), panelSetting_.shown ? SW_SHOWNA : SW_HIDE);
    placePanel(form_.dpi());
    presenter_.projectChanged();
}

// Beside the form's rightmost control, as tall as the client area.
void ProjectWindow::placePanel(int dpi)
{
    RECT client;
    GetClientRect(form_.handle(), &client);
    client.left = std::min(client.right, static_cast<LONG>(Pixels(kFormExtentTwips, dpi)));
    panel_.place(client, dpi);
}

void ProjectWindow::showPanel(bool shown)
{
    if (!shown && IsChild(panel_.handle(), GetFocus())) {
        moveFocusBetweenFormAndPanel();
    }
    panelSetting_.shown = shown;
    panelSetting_.store(shown);
    menu_.showCheckPanelTicked(shown);
    ShowWindow(panel_.handle(), shown ? SW_SHOWNA : SW_HIDE);
    presenter_.panelShownChanged();
}

// F6 moves between the panes, as desktop programs do: to the panel's box,
// and back to where the focus was in the form.
void ProjectWindow::moveFocusBetweenFormAndPanel()
{
    HWND focus = GetFocus();
    if (IsWindowVisible(panel_.handle()) && !IsChild(panel_.handle(), focus)) {
        formFocus_ = focus;
        SetFocus(panel_.verticalsBox());
        SendMessageW(panel_.verticalsBox(), EM_SETSEL, 0, -1);
    } else if (formFocus_ && IsChild(form_.handle(), formFocus_) && !IsChild(panel_.handle(), formFocus_)) {
        SetFocus(formFocus_);
    } else {
        SetFocus(form_.box(kStartFocus));
    }
}

// The form's window outlives this frame by a moment: it must not call it back.
ProjectWindow::~ProjectWindow()
{
    form_.setFrame(nullptr);
}

void ProjectWindow::setMessagePresenter(Form1Window::MessagePresenter presenter)
{
    form_.setMessagePresenter(presenter);
    presentMessage_ = std::move(presenter);
}

bool ProjectWindow::handleKeys(MSG& message)
{
    HWND window = form_.handle();
    const bool ours = message.hwnd == window || IsChild(window, message.hwnd);
    if (ours && TranslateAcceleratorW(window, menu_.shortcuts(), &message)) {
        return true;
    }
    if (ours && message.message == WM_KEYDOWN && message.wParam == VK_F6) {
        moveFocusBetweenFormAndPanel();
        return true;
    }
    return panel_.handleKeys(message) || form_.handleKeys(message);
}

std::optional<LRESULT> ProjectWindow::handleFrameMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0) {
            return std::nullopt;  // a control's: the form's
        }
        if (const auto command = MenuBar::CommandOf(LOWORD(wParam))) {
            RunMenuCommand(*command, session_, *this);
        } else if (const auto index = MenuBar::RecentFileOf(LOWORD(wParam))) {
            openRecentFile(*index);
        } else if (MenuBar::IsCheckPanelEntry(LOWORD(wParam))) {
            showPanel(!panelSetting_.shown);
        }
        return 0;
    case WM_SIZE: placePanel(form_.dpi()); return std::nullopt;
    case WM_DPICHANGED:
        // Then the form lays itself out at the new DPI and takes its new
        // size, which places the panel again.
        placePanel(LOWORD(wParam));
        return std::nullopt;
    case WM_CLOSE: closeWindow(); return 0;
    case WM_QUERYENDSESSION:
        // Annulla keeps Windows from ending the session.
        return session_.mayClose() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam) {
            DestroyWindow(form_.handle());
        }
        return 0;
    case WM_DROPFILES: openDroppedFile(reinterpret_cast<HDROP>(wParam)); return 0;
    default: return std::nullopt;
    }
}

void ProjectWindow::formEdited()
{
    session_.refresh();
}

void ProjectWindow::closeWindow()
{
    if (session_.mayClose()) {
        DestroyWindow(form_.handle());
    }
}

void ProjectWindow::openRecentFile(std::size_t index)
{
    if (index < session_.recentFiles().size()) {
        const std::string path = session_.recentFiles()[index];
        session_.openFile(path);
    }
}

// The first file of those dropped; a project is one file.
void ProjectWindow::openDroppedFile(HDROP drop)
{
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
    DragFinish(drop);
    if (!path.empty()) {
        session_.openFile(Utf8Text(path));
    }
}

// The report is composed after the dialog, from the window as it is then;
// composing counts the printed layers in the state, as STAMPA does.
void ProjectWindow::printWithDialog()
{
    PrintThroughDialog(form_.handle(), [this] { return form_.logic().composeReport(); });
    session_.refresh();
}

void ProjectWindow::printReport(const doc::Document& report)
{
    PrintDocumentThroughDialog(form_.handle(), [&report] { return report; });
}

std::string ProjectWindow::validationCasesFolder() const
{
    return ProgramFolder();
}

void ProjectWindow::showInstalledDocument(std::string_view name)
{
    const std::wstring path = WideText(ProgramFolder() + std::string(name));
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(form_.handle(), L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        showMessage("Impossibile aprire «" + std::string(name) + "»: " + ShellFailure(result) + ".\n\n" +
                    Utf8Text(path));
    }
}

void ProjectWindow::showAbout()
{
    MessageBoxW(form_.handle(), WideText(AboutText()).c_str(), WideText(kAboutTitle).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

std::optional<ProjectData> ProjectWindow::askProjectData(const ProjectData& shown)
{
    return projectDataDialog_(form_.handle(), shown);
}

std::string ProjectWindow::today() const
{
    return TodayInUsersShortFormat();
}

SaveAnswer ProjectWindow::askToSaveChanges(const std::string& question)
{
    return question_(form_.handle(), question);
}

std::optional<std::string> ProjectWindow::askPathToSave(const std::string& suggestedPath)
{
    return saveDialog_(form_.handle(), suggestedPath);
}

std::optional<std::string> ProjectWindow::askPathToOpen(const std::string& folder)
{
    return openDialog_(form_.handle(), folder);
}

std::optional<std::string> ProjectWindow::askPathToExport(const std::string& suggestedPath)
{
    return AskReportPath(form_.handle(), suggestedPath);
}

bool ProjectWindow::askYesOrNo(const std::string& question)
{
    return MessageBoxW(form_.handle(), WideText(question).c_str(), WideText(kTitle).c_str(),
                       MB_YESNO | MB_ICONWARNING) == IDYES;
}

FileReading ProjectWindow::readFile(const std::string& path, std::size_t limit)
{
    return ReadWholeFile(path, limit);
}

std::optional<std::string> ProjectWindow::writeFile(const std::string& path, const std::string& bytes)
{
    return WriteFileSafely(path, bytes);
}

void ProjectWindow::showMessage(const std::string& message)
{
    presentMessage_(form_.handle(), message);
}

void ProjectWindow::showTitle(const std::string& work, const std::string& fileName, bool modified)
{
    SetWindowTextW(form_.handle(), WideText(DocumentTitle(work, MarkedFileName(fileName, modified))).c_str());
}

// Each file opened or saved also goes to Windows' recent documents, where
// the taskbar and the Start menu show it.
void ProjectWindow::storeRecentFiles(const std::vector<std::string>& paths)
{
    storeRecentFiles_(paths);
    menu_.showRecentFiles(paths);
    if (!paths.empty() && paths.front() != newestAddedToWindows_) {
        newestAddedToWindows_ = paths.front();
        SHAddToRecentDocs(SHARD_PATHW, WideText(newestAddedToWindows_).c_str());
    }
}

}  // namespace pali
