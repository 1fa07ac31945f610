// Files and folders through the wide API: a name outside the system's code page is
// listed and read like any other.
#include <windows.h>

#include "platform/win32/file_stamp.h"
#include "platform/win32/scoped.h"
#include "platform/win32/services_win32.h"
#include "platform/win32/wide_text.h"

namespace qs::platform {

namespace {

class Win32Files final : public Files {
public:
    PathKind Kind(const std::string& path) override {
        const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
    }

    std::vector<FolderEntry> ListFolder(const std::string& folder) override {
        std::vector<FolderEntry> entries;
        std::wstring pattern = Widen(folder);
        if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
        pattern += L'*';
        WIN32_FIND_DATAW found;
        const FileSearch search(FindFirstFileW(pattern.c_str(), &found));
        if (!search) return entries;
        do {
            const std::wstring_view name = found.cFileName;
            const bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (name == L"." || name == L"..") continue;
            // A junction or symbolic link may lead back up the tree.
            if (folder && (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) continue;
            entries.push_back({Narrow(name), folder});
        } while (FindNextFileW(search.get(), &found));
        return entries;
    }

    std::string ReadStart(const std::string& path, std::size_t count) override {
        const KernelHandle file(
            CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return {};
        std::string bytes(count, '\0');
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(count), &got, nullptr)) got = 0;
        bytes.resize(got);
        return bytes;
    }
};

} // namespace

std::unique_ptr<Files> MakeWin32Files() { return std::make_unique<Win32Files>(); }

std::optional<FileStamp> FileStampOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || !GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return FileStamp{(std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
                     static_cast<std::int64_t>((std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                               data.ftLastWriteTime.dwLowDateTime)};
}

} // namespace qs::platform
