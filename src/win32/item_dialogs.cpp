// SPDX-License-Identifier: MIT

#include "win32/item_dialogs.h"

#include <shobjidl.h>

#include "app/project_file.h"
#include "app/project_menu.h"
#include "win32/wide_text.h"

namespace pali {

namespace {

// Releases a COM interface when it goes out of scope.
template <class Interface>
class Com {
public:
    Com() = default;
    ~Com()
    {
        if (pointer_) {
            pointer_->Release();
        }
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;

    Interface* operator->() const { return pointer_; }
    Interface** out() { return &pointer_; }
    void** outVoid() { return reinterpret_cast<void**>(&pointer_); }
    Interface* get() const { return pointer_; }

private:
    Interface* pointer_ = nullptr;
};

// The folder as the dialog takes it; a folder that has gone leaves the
// dialog where Windows would start it.
void StartIn(IFileDialog& dialog, const std::wstring& folder)
{
    Com<IShellItem> item;
    if (!folder.empty() &&
        SUCCEEDED(SHCreateItemFromParsingName(folder.c_str(), nullptr, IID_IShellItem, item.outVoid()))) {
        dialog.SetFolder(item.get());
    }
}

void ShowProjectFilesOnly(IFileDialog& dialog)
{
    const std::wstring pattern = L"*." + WideText(kProjectExtension);
    const std::wstring name = WideText(kProjectTypeName) + L" (" + pattern + L")";
    const COMDLG_FILTERSPEC types[] = {{name.c_str(), pattern.c_str()}};
    dialog.SetFileTypes(1, types);
    dialog.SetDefaultExtension(WideText(kProjectExtension).c_str());
}

std::optional<std::string> ChosenPath(IFileDialog& dialog, HWND owner)
{
    if (FAILED(dialog.Show(owner))) {
        return std::nullopt;
    }
    Com<IShellItem> item;
    wchar_t* path = nullptr;
    if (FAILED(dialog.GetResult(item.out())) || FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        return std::nullopt;
    }
    std::string chosen = Utf8Text(path);
    CoTaskMemFree(path);
    return chosen;
}

template <class Dialog>
bool Create(const CLSID& kind, Com<Dialog>& dialog)
{
    return SUCCEEDED(CoCreateInstance(kind, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Dialog), dialog.outVoid()));
}

void AddOptions(IFileDialog& dialog, FILEOPENDIALOGOPTIONS added)
{
    FILEOPENDIALOGOPTIONS options = 0;
    dialog.GetOptions(&options);
    dialog.SetOptions(options | added | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
}

// A dialog of the kind given, showing the project files only, made ready
// for its work by prepare and shown over the owner.
template <class Dialog, class Prepare>
std::optional<std::string> AskForProject(const CLSID& kind, HWND owner, FILEOPENDIALOGOPTIONS options,
                                         Prepare&& prepare)
{
    Com<Dialog> dialog;
    if (!Create(kind, dialog)) {
        return std::nullopt;
    }
    AddOptions(*dialog.get(), options);
    ShowProjectFilesOnly(*dialog.get());
    prepare(*dialog.get());
    return ChosenPath(*dialog.get(), owner);
}

}  // namespace

std::optional<std::string> AskProjectToOpen(HWND owner, const std::string& folder)
{
    return AskForProject<IFileOpenDialog>(CLSID_FileOpenDialog, owner, FOS_FILEMUSTEXIST,
                                          [&](IFileDialog& dialog) { StartIn(dialog, WideText(folder)); });
}

std::optional<std::string> AskProjectToSave(HWND owner, const std::string& suggestedPath)
{
    return AskForProject<IFileSaveDialog>(CLSID_FileSaveDialog, owner, FOS_OVERWRITEPROMPT, [&](IFileDialog& dialog) {
        const std::wstring suggested = WideText(suggestedPath);
        const std::size_t slash = suggested.find_last_of(L"\\/");
        if (slash != std::wstring::npos) {
            StartIn(dialog, suggested.substr(0, slash));
            dialog.SetFileName(suggested.substr(slash + 1).c_str());
        }
    });
}

}  // namespace pali
