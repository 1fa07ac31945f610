// The profile file functions of kernel32, with one section read whole.
//
// The settings are read one key at a time, four keys a slide, and every
// GetPrivateProfileStringA call opens the file and searches it anew: under Wine a
// 10,000-slide file took about half a minute to read. So the first read of a section
// takes all of it in one GetPrivateProfileSectionA call and later reads are answered
// from that copy, read by the system's rules (profile_text.h; the contract tests hold
// the copy to the system's answers), for as long as the file on disk keeps its time and size. Writes still go through
// WritePrivateProfileStringA one key at a time; a write that would leave the key's value
// as it is (the functions change nothing then) is not made. The functions rewrite the
// whole file for every key, so a release that writes many keys (a long list whose flags
// were stored as 1 or not at all) would take hours under Wine: such a batch is made on
// the file's text by the same rules and written once.
#include "platform/win32/profile_win32.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

#include "platform/profile_text.h"

// windows.h renames these to their A/W forms, which would rename our interface's
// methods here and nowhere else.
#undef GetPrivateProfileString
#undef WritePrivateProfileString

namespace qs::platform {

namespace {

constexpr std::uint64_t kReadsTrustACopyMs = 100;

struct Stamp {
    FILETIME written{};
    DWORD sizeHigh = 0;
    DWORD sizeLow = 0;
    bool operator==(const Stamp& other) const {
        return CompareFileTime(&written, &other.written) == 0 && sizeHigh == other.sizeHigh &&
               sizeLow == other.sizeLow;
    }
};

std::optional<Stamp> StampOf(const std::string& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    return Stamp{data.ftLastWriteTime, data.nFileSizeHigh, data.nFileSizeLow};
}

// A name without a folder is looked for in the Windows folder by the profile functions
// and in the current folder by the file functions: such files are not copied.
bool NamesAFolder(const std::string& file) {
    return file.find_first_of("\\/:") != std::string::npos;
}

// A name as the profile functions look it up: without blanks and tabs around it.
std::string_view TrimmedName(const std::string& name) {
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return std::string_view(name).substr(first, name.find_last_not_of(" \t") - first + 1);
}

// The section as the profile functions return it, one "name=value" line after another,
// as the text of a file holding only that section; nothing when it cannot be had whole.
std::optional<std::string> SectionText(const std::string& section, const std::string& file) {
    constexpr DWORD kLargest = 256u << 20;
    const std::string name(TrimmedName(section));
    for (DWORD size = 64u << 10; size <= kLargest; size *= 2) {
        std::string buffer(size, '\0');
        const DWORD copied = ::GetPrivateProfileSectionA(name.c_str(), buffer.data(), size, file.c_str());
        if (copied >= size - 2) {
            continue; // cut short: ask again with more room
        }
        std::string text = "[" + section + "]\r\n";
        for (std::size_t at = 0; at < copied;) {
            const std::size_t end = buffer.find('\0', at);
            text.append(buffer, at, end - at).append("\r\n");
            at = end + 1;
        }
        return text;
    }
    return std::nullopt;
}

// The whole file; nothing when it exists but cannot be read, empty when it does not exist.
std::optional<std::string> FileText(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES ? std::optional<std::string>("")
                                                                          : std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A file in UTF-16 is the functions' own business.
bool Utf16(const std::string& text) {
    return text.size() >= 2 && ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF'));
}

class Win32ProfileFile final : public ProfileFile {
public:
    std::uint32_t GetPrivateProfileString(const std::string& section, const std::string& key,
                                          const std::string& defaultValue, char* buffer, std::uint32_t size,
                                          const std::string& file) override {
        if (const ProfileText* copy = CopyOf(section, key, file, kReadsTrustACopyMs)) {
            if (buffer == nullptr || size == 0) {
                return 0;
            }
            const std::optional<std::string> value = copy->Read(section, key);
            return CopyProfileValue(value ? *value : ProfileDefault(defaultValue), buffer, size);
        }
        return ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer, size,
                                          file.c_str());
    }

    bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                                   const std::string& file) override {
        ProfileText* copy = CopyOf(section, key, file);
        if (copy != nullptr && !copy->Write(section, key, value)) {
            return true; // the key holds that value already
        }
        const bool written =
            ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
        // The copy took the same change; it stays good if the file now holds just that.
        // A line break inside the text makes more lines of it than the copy knows.
        const bool oneLine = (key + value).find_first_of("\r\n") == std::string::npos;
        const std::optional<Stamp> stamp = written && copy != nullptr && oneLine ? StampOf(file) : std::nullopt;
        if (stamp) {
            copy_->stamp = *stamp;
        } else {
            copy_.reset();
        }
        return written;
    }

    bool WritePrivateProfileStrings(const std::string& section,
                                    const std::vector<std::pair<std::string, std::string>>& values,
                                    const std::string& file) override {
        constexpr std::size_t kOneByOne = 64;
        std::optional<std::string> text =
            values.size() > kOneByOne && NamesAFolder(file) ? FileText(file) : std::nullopt;
        if (!text || Utf16(*text)) {
            return ProfileFile::WritePrivateProfileStrings(section, values, file);
        }
        ProfileText edited(std::move(*text));
        copy_.reset();
        if (!edited.Write(section, values)) {
            return true;
        }
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        return static_cast<bool>(out.write(edited.Bytes().data(), static_cast<std::streamsize>(edited.Bytes().size())));
    }

private:
    struct Copy {
        std::string section;
        std::string file;
        Stamp stamp;
        ProfileText text;
        std::uint64_t checkedAt = 0; // GetTickCount64 of the last check against the file
    };

    // The section's lines leave out comment lines (";" first), and the lines before the
    // first header form no section that can be asked for: those go to the system alone.
    // A read may take a copy checked against the file less than trustMs ago: the settings
    // read four keys a slide in one burst, and checking the file for each of 400,000 keys
    // took seconds under Wine.
    ProfileText* CopyOf(const std::string& section, const std::string& key, const std::string& file,
                        std::uint64_t trustMs = 0) {
        const std::string_view name = TrimmedName(key);
        if (!NamesAFolder(file) || TrimmedName(section).empty() || (!name.empty() && name.front() == ';')) {
            return nullptr;
        }
        const bool same = copy_ && copy_->file == file &&
                          CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, copy_->section.c_str(), -1,
                                         section.c_str(), -1) == CSTR_EQUAL;
        const std::uint64_t now = GetTickCount64();
        if (same && now - copy_->checkedAt < trustMs) {
            return &copy_->text;
        }
        const std::optional<Stamp> stamp = StampOf(file);
        if (!stamp) {
            copy_.reset();
            return nullptr;
        }
        if (same && copy_->stamp == *stamp) {
            copy_->checkedAt = now;
            return &copy_->text;
        }
        std::optional<std::string> text = SectionText(section, file);
        if (!text || StampOf(file) != stamp) {
            copy_.reset(); // unreadable, or changed while it was read
            return nullptr;
        }
        copy_ = Copy{section, file, *stamp, ProfileText(std::move(*text)), now};
        return &copy_->text;
    }

    std::optional<Copy> copy_;
};

} // namespace

std::unique_ptr<ProfileFile> MakeWin32ProfileFile() {
    return std::make_unique<Win32ProfileFile>();
}

} // namespace qs::platform
