#include "platform/win32/file_replace.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/scoped.h"

namespace qs::platform {
namespace {

// The file beside `file` that this process writes: named after the process, so that two
// processes saving at once never write into each other's.
std::wstring BesideName(const std::wstring& file) {
    return file + L"." + std::to_wstring(GetCurrentProcessId()) + L".saving";
}

// What an earlier process left beside the file when it ended while writing. A file another
// process is writing now is held without sharing, so it cannot be removed.
void RemoveLeftovers(const std::wstring& file) {
    const std::wstring folder = file.substr(0, file.find_last_of(L"\\/") + 1);
    WIN32_FIND_DATAW found{};
    const FileSearch search(FindFirstFileW((file + L".*.saving").c_str(), &found));
    if (!search) return;
    do {
        DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search.get(), &found));
}

DWORD LastError() {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}

bool IsDiskFull(DWORD error) {
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
}

// Writes and flushes the new bytes beside the file; 0 or the cause.
ErrorCode WriteBeside(const std::wstring& beside, std::string_view bytes) {
    KernelHandle out(CreateFileW(beside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                 nullptr));
    if (!out) {
        const DWORD error = LastError();
        if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT) return kErrorFolderNotWritable;
        return IsDiskFull(error) ? kErrorDiskFull : error;
    }
    DWORD error = ERROR_SUCCESS;
    for (std::size_t at = 0; at < bytes.size() && error == ERROR_SUCCESS;) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(out.get(), bytes.data() + at, chunk, &written, nullptr)) error = LastError();
        else if (written == 0) error = ERROR_DISK_FULL;
        at += written;
    }
    // Flushed before the rename, so that the rename never puts a file in place whose bytes
    // the disk does not hold yet.
    if (error == ERROR_SUCCESS && !FlushFileBuffers(out.get())) error = LastError();
    if (!out.close() && error == ERROR_SUCCESS) error = LastError();
    if (error == ERROR_SUCCESS) return 0;
    DeleteFileW(beside.c_str());
    return IsDiskFull(error) ? kErrorDiskFull : error;
}

} // namespace

ErrorCode ReplaceFileWhole(const std::wstring& file, std::string_view bytes) {
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return kErrorFileReadOnly;
    }
    RemoveLeftovers(file);
    const std::wstring beside = BesideName(file);
    if (const ErrorCode error = WriteBeside(beside, bytes)) return error;
    if (MoveFileExW(beside.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
    const DWORD error = LastError();
    DeleteFileW(beside.c_str());
    // The rename replaces the file only where no program holds it without letting it go.
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
        return kErrorFileHeldOpen;
    }
    return IsDiskFull(error) ? kErrorDiskFull : error;
}

} // namespace qs::platform
