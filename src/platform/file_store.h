// Whole-file reading and crash-safe replacing for the portable profile and registry
// backends. The program writes paths in Windows style; on other systems a "\" in a
// path is taken as the folder separator, so "C:\SAVERS\Slides.INI" names the file
// Slides.INI in the folder C:/SAVERS relative to the working folder, and an absolute
// path such as "/home/me\Slides.INI" works as the Windows form would.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace qs::platform {

// The path as this system's file functions take it.
std::filesystem::path HostPath(const std::string& path);

// What identifies one version of a file without reading it. A file that another
// process replaced shows a different stamp (size or modification time).
struct FileStamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::filesystem::path& path);

// The file's bytes exactly as stored; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes the bytes to a new file in the same folder and renames it over the target,
// so that a crash of the program at any moment leaves either the old file or the new
// one, never a truncated one. False when the folder cannot be written; the target is
// then untouched. There is no flush to the disk before the rename: the settings are
// written one key per call, a thousand keys and more at a time, and a flush each would
// take seconds; file systems such as ext4 order the data of a file renamed over another
// before the rename itself.
bool ReplaceFileContents(const std::filesystem::path& path, const std::string& bytes);

} // namespace qs::platform
