// SPDX-License-Identifier: MIT

#include "win32/item_dialogs.h"

#include <shobjidl.h>

#include <string_view>
#include <vector>

#include "app/calculation_report/report_export.h"
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

// A file type as the dialogs list it: its name, then its pattern.
struct ListedType {
    std::wstring name;
    std::wstring pattern;
};

// The types the dialog lists, the first chosen and its extension added to a
// name typed without one; choosing another type adds that type's instead.
void ShowTypes(IFileDialog& dialog, const std::vector<ListedType>& types)
{
    std::vector<COMDLG_FILTERSPEC> filters;
    for (const ListedType& type : types) {
        filters.push_back({type.name.c_str(), type.pattern.c_str()});
    }
    dialog.SetFileTypes(static_cast<UINT>(filters.size()), filters.data());
    dialog.SetDefaultExtension(types.front().pattern.substr(2).c_str());
}

// "Name (*.ext)" with "*.ext"; the extension given with its dot.
ListedType Listed(std::string_view name, std::string_view dottedExtension)
{
    const std::wstring pattern = L"*" + WideText(dottedExtension);
    return {WideText(name) + L" (" + pattern + L")", pattern};
}

void ShowProjectFilesOnly(IFileDialog& dialog)
{
    ShowTypes(dialog, {Listed(kProjectTypeName, "." + std::string(kProjectExtension))});
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

// A dialog of the kind given, made ready for its work by prepare and shown
// over the owner.
template <class Dialog, class Prepare>
std::optional<std::string> AskForPath(const CLSID& kind, HWND owner, FILEOPENDIALOGOPTIONS options, Prepare&& prepare)
{
    Com<Dialog> dialog;
    if (!Create(kind, dialog)) {
        return std::nullopt;
    }
    AddOptions(*dialog.get(), options);
    prepare(*dialog.get());
    return ChosenPath(*dialog.get(), owner);
}

// The suggested path's folder and name, when it has a folder.
void StartAt(IFileDialog& dialog, const std::string& suggestedPath)
{
    const std::wstring suggested = WideText(suggestedPath);
    const std::size_t slash = suggested.find_last_of(L"\\/");
    if (slash != std::wstring::npos) {
        StartIn(dialog, suggested.substr(0, slash));
        dialog.SetFileName(suggested.substr(slash + 1).c_str());
    }
}

}  // namespace

std::optional<std::string> AskProjectToOpen(HWND owner, const std::string& folder)
{
    return AskForPath<IFileOpenDialog>(CLSID_FileOpenDialog, owner, FOS_FILEMUSTEXIST, [&](IFileDialog& dialog) {
        ShowProjectFilesOnly(dialog);
        StartIn(dialog, WideText(folder));
    });
}

std::optional<std::string> AskProjectToSave(HWND owner, const std::string& suggestedPath)
{
    return AskForPath<IFileSaveDialog>(CLSID_FileSaveDialog, owner, FOS_OVERWRITEPROMPT, [&](IFileDialog& dialog) {
        ShowProjectFilesOnly(dialog);
        StartAt(dialog, suggestedPath);
    });
}

std::optional<std::string> AskReportPath(HWND owner, const std::string& suggestedPath)
{
    return AskForPath<IFileSaveDialog>(CLSID_FileSaveDialog, owner, FOS_OVERWRITEPROMPT, [&](IFileDialog& dialog) {
        std::vector<ListedType> types;
        for (const doc::ReportFileType& type : doc::kReportFileTypes) {
            types.push_back(Listed(type.name, type.extension));
        }
        ShowTypes(dialog, types);
        dialog.SetTitle(WideText(kExportDialogTitle).c_str());
        StartAt(dialog, suggestedPath);
    });
}

}  // namespace pali
