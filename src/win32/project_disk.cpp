// SPDX-License-Identifier: MIT

#include <windows.h>

#include "win32/project_disk.h"

#include <algorithm>

#include "win32/system_message.h"
#include "win32/wide_text.h"

namespace pali {

namespace {

// Closes a file handle when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle()
    {
        if (valid()) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring FolderOf(const std::wstring& path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

FileReading Failed(FileReading::Outcome outcome, DWORD error = ERROR_SUCCESS)
{
    FileReading reading;
    reading.outcome = outcome;
    if (error != ERROR_SUCCESS) {
        reading.systemReason = SystemMessage(error);
    }
    return reading;
}

bool WriteAll(HANDLE file, const std::string& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1U << 30));
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0) {
            return false;
        }
        written += done;
    }
    return true;
}

// The bytes in a new file of the folder, flushed to the disk; its path, or
// none with the error left for GetLastError.
std::optional<std::wstring> WriteTemporaryFile(const std::wstring& folder, const std::string& bytes)
{
    wchar_t name[MAX_PATH + 16] = {};
    if (!GetTempFileNameW(folder.c_str(), L"pal", 0, name)) {
        return std::nullopt;
    }
    bool flushed = false;
    {
        const FileHandle file(
            CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        flushed = file.valid() && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
    }
    if (!flushed) {
        const DWORD error = GetLastError();
        DeleteFileW(name);
        SetLastError(error);
        return std::nullopt;
    }
    return std::wstring(name);
}

bool PutInPlace(const std::wstring& temporary, const std::wstring& target)
{
    if (Exists(target)) {
        return ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                            nullptr) != FALSE;
    }
    return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace

FileReading ReadWholeFile(const std::string& path, std::size_t limit)
{
    const std::wstring wide = WideText(path);
    if (IsFolder(wide)) {
        return Failed(FileReading::Outcome::Folder);
    }
    const FileHandle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return Failed(missing ? FileReading::Outcome::Missing : FileReading::Outcome::Unreadable, error);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        return Failed(FileReading::Outcome::Unreadable, GetLastError());
    }
    if (static_cast<unsigned long long>(size.QuadPart) > limit) {
        return Failed(FileReading::Outcome::TooLarge);
    }
    FileReading reading;
    reading.bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t read = 0;
    while (read < reading.bytes.size()) {
        DWORD done = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(reading.bytes.size() - read, 1U << 30));
        if (!ReadFile(file.get(), reading.bytes.data() + read, chunk, &done, nullptr)) {
            return Failed(FileReading::Outcome::Unreadable, GetLastError());
        }
        if (done == 0) {
            break;  // the file shrank while it was read
        }
        read += done;
    }
    reading.bytes.resize(read);
    return reading;
}

std::optional<std::string> WriteFileSafely(const std::string& path, const std::string& bytes)
{
    const std::wstring target = WideText(path);
    if (IsFolder(target)) {
        return std::string(kSaveOverFolderReason);
    }
    const auto temporary = WriteTemporaryFile(FolderOf(target), bytes);
    if (!temporary) {
        return SystemMessage(GetLastError());
    }
    if (!PutInPlace(*temporary, target)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary->c_str());
        return SystemMessage(error);
    }
    return std::nullopt;
}

}  // namespace pali
