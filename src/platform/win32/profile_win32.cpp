// The profile file functions of kernel32 (wide forms), with one section read whole.
//
// The settings are read one key at a time, four keys a slide, and every
// GetPrivateProfileStringW call opens the file and searches it anew: under Wine a
// 10,000-slide file took about half a minute to read. So the first read of a section
// takes all of it in one GetPrivateProfileSectionW call and later reads are answered
// from that copy, kept in UTF-8 and read by the system's rules (profile_text.h; the
// contract tests hold the copy to the system's answers), for as long as the file on disk
// keeps its time and size. Writes go through WritePrivateProfileStringW one key at a time;
// a write that would leave the key's value as it is (the functions change nothing then) is
// not made. The functions rewrite the whole file for every key, so a release that writes
// many keys (a long list whose flags were stored as 1 or not at all) would take hours
// under Wine: such a batch of plain ASCII is made on the file's text by the same rules and
// written once.
//
// The functions read a file in the system's code page or, when it starts with the UTF-16
// byte-order mark, in UTF-16, and write it in the form it has; a file they create is in
// the code page.
#include "platform/win32/profile_win32.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile_text.h"
#include "platform/win32/file_stamp.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide_text.h"

// windows.h renames these to their A/W forms, which would rename our interface's
// methods here and nowhere else.
#undef GetPrivateProfileString
#undef WritePrivateProfileString

namespace qs::platform {

namespace {

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
// The section never takes more room than the file: the first try is that large.
std::optional<std::string> SectionText(const std::string& section, const std::string& file, DWORD fileSize) {
    constexpr DWORD kLargest = 256u << 20;
    const std::wstring name = Widen(TrimmedName(section));
    const std::wstring wideFile = Widen(file);
    const DWORD first = fileSize >= kLargest - 16 ? kLargest : std::max<DWORD>(64u << 10, fileSize + 16);
    for (DWORD size = first; size <= kLargest; size *= 2) {
        std::wstring buffer(size, L'\0');
        const DWORD copied = ::GetPrivateProfileSectionW(name.c_str(), buffer.data(), size, wideFile.c_str());
        if (copied >= size - 2) {
            continue; // cut short: ask again with more room
        }
        std::string text = "[" + section + "]\r\n";
        for (std::size_t at = 0; at < copied;) {
            const std::size_t end = buffer.find(L'\0', at);
            text.append(Narrow(std::wstring_view(buffer).substr(at, end - at))).append("\r\n");
            at = end + 1;
        }
        return text;
    }
    return std::nullopt;
}

constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF"; // Wine's own third form

// The functions' Unicode form, in either byte order.
bool IsUtf16(std::string_view bytes) {
    return bytes.substr(0, 2) == kUtf16Mark || bytes.substr(0, 2) == "\xFE\xFF";
}

// The whole file; nothing when it cannot be read (a missing file reads as empty).
std::optional<std::string> FileBytes(const std::wstring& file) {
    const KernelHandle h(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h) {
        return GetLastError() == ERROR_FILE_NOT_FOUND ? std::optional<std::string>(std::string()) : std::nullopt;
    }
    std::string bytes;
    char chunk[64 * 1024];
    DWORD read = 0;
    bool ok = true;
    while ((ok = ReadFile(h.get(), chunk, sizeof chunk, &read, nullptr) != FALSE) && read > 0) {
        bytes.append(chunk, read);
    }
    return ok ? std::optional<std::string>(std::move(bytes)) : std::nullopt;
}

bool WriteBytes(const std::wstring& file, std::string_view bytes) {
    KernelHandle h(CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h) {
        return false;
    }
    DWORD written = 0;
    const bool ok = WriteFile(h.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE &&
                    written == bytes.size();
    return h.close() && ok;
}

// The code of the call that just failed; one that left none is still a failure.
ErrorCode FailureCode() {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
}

class Win32ProfileFile final : public ProfileFile {
public:
    std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue, std::uint32_t size,
                                        const std::string& file) override {
        if (size == 0) {
            return {};
        }
        std::wstring buffer(size, L'\0');
        std::uint32_t copied = 0;
        if (const ProfileText* copy = CopyOf(section, key, file)) {
            const std::optional<std::string> value = copy->Read(section, key);
            const std::wstring wide = Widen(value ? *value : ProfileDefault(defaultValue));
            copied = CopyProfileValue<wchar_t>(wide, buffer.data(), size);
        } else {
            copied = ::GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                                Widen(defaultValue).c_str(), buffer.data(), size,
                                                Widen(file).c_str());
        }
        return Narrow(std::wstring_view(buffer.data(), std::min<std::size_t>(copied, size - 1)));
    }

    // The file is looked at once for all the keys, not once a key.
    std::vector<std::string> ReadKeys(const std::string& section, const std::vector<std::string>& keys,
                                      std::uint32_t size, const std::string& file) override {
        const ProfileText* copy = CopyOf(section, "", file);
        if (copy == nullptr || size == 0) {
            return ProfileFile::ReadKeys(section, keys, size, file);
        }
        const std::vector<std::optional<std::string>> stored = copy->Read(section, keys);
        std::vector<std::string> values;
        values.reserve(keys.size());
        std::wstring buffer(size, L'\0');
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const std::string_view name = TrimmedName(keys[k]);
            if (!name.empty() && name.front() == ';') {
                values.push_back(ProfileFile::ReadKeys(section, {keys[k]}, size, file).front());
                continue;
            }
            // The limit counts characters, as the system's own read does.
            const std::wstring wide = Widen(stored[k] ? *stored[k] : ProfileDefault(""));
            const std::uint32_t length = CopyProfileValue<wchar_t>(wide, buffer.data(), size);
            values.push_back(Narrow(std::wstring_view(buffer.data(), length)));
        }
        return values;
    }

    ErrorCode WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                                        const std::string& file) override {
        ProfileText* copy = CopyOf(section, key, file);
        if (copy != nullptr && !copy->Write(section, key, value)) {
            return 0; // the key holds that value already
        }
        const bool written =
            ::WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                         Widen(file).c_str()) != FALSE;
        const ErrorCode error = written ? 0 : FailureCode();
        // The copy took the same change; it stays good if the file now holds just that.
        // A line break inside the text makes more lines of it than the copy knows.
        const bool oneLine = (key + value).find_first_of("\r\n") == std::string::npos;
        const std::optional<FileStamp> stamp =
            written && copy != nullptr && oneLine ? FileStampOf(file) : std::nullopt;
        if (stamp) {
            copy_->stamp = *stamp;
        } else {
            copy_.reset();
        }
        return error;
    }

    bool FitsCodePage(const std::string& text) override {
        const std::wstring wide = Widen(text);
        if (wide.empty() || GetACP() == CP_UTF8) {
            return true;
        }
        BOOL lost = FALSE;
        const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                          nullptr, 0, nullptr, &lost);
        return n > 0 && !lost;
    }

    ErrorCode UseUnicodeForm(const std::string& file) override {
        const std::wstring name = Widen(file);
        const std::optional<std::string> bytes = FileBytes(name);
        if (!bytes) {
            return FailureCode();
        }
        const std::string_view content(*bytes);
        if (IsUtf16(content)) {
            return 0; // UTF-16 already
        }
        const bool utf8 = content.substr(0, kUtf8Mark.size()) == kUtf8Mark;
        const std::wstring text = utf8 ? Widen(content.substr(kUtf8Mark.size()))
                                       : Widen(content, CP_ACP);
        std::string unicode(kUtf16Mark);
        for (const wchar_t unit : text) {
            unicode.push_back(static_cast<char>(unit & 0xFF));
            unicode.push_back(static_cast<char>((unit >> 8) & 0xFF));
        }
        copy_.reset();
        return WriteBytes(name, unicode) ? 0 : FailureCode();
    }

    ErrorCode WritePrivateProfileStrings(const std::string& section,
                                         const std::vector<std::pair<std::string, std::string>>& values,
                                         const std::string& file) override {
        constexpr std::size_t kOneByOne = 64;
        const auto ascii = [](const std::string& text) {
            return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        };
        const bool plain = std::all_of(values.begin(), values.end(), [&](const auto& kv) {
            return ascii(kv.first) && ascii(kv.second);
        }) && ascii(section);
        const std::wstring name = Widen(file);
        std::optional<std::string> text =
            plain && values.size() > kOneByOne && NamesAFolder(file) ? FileBytes(name) : std::nullopt;
        // A file in UTF-16 is the functions' own business.
        if (!text || IsUtf16(*text)) {
            return ProfileFile::WritePrivateProfileStrings(section, values, file);
        }
        ProfileText edited(std::move(*text));
        copy_.reset();
        if (!edited.Write(section, values)) {
            return 0;
        }
        return WriteBytes(name, edited.Bytes()) ? 0 : FailureCode();
    }

private:
    struct Copy {
        std::string section;
        std::string file;
        FileStamp stamp;
        ProfileText text;
    };

    // The section's lines leave out comment lines (";" first), and the lines before the
    // first header form no section that can be asked for: those go to the system alone.
    ProfileText* CopyOf(const std::string& section, const std::string& key, const std::string& file) {
        const std::string_view name = TrimmedName(key);
        if (!NamesAFolder(file) || TrimmedName(section).empty() || (!name.empty() && name.front() == ';')) {
            return nullptr;
        }
        const bool same = copy_ && copy_->file == file &&
                          CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, Widen(copy_->section).c_str(), -1,
                                         Widen(section).c_str(), -1) == CSTR_EQUAL;
        const std::optional<FileStamp> stamp = FileStampOf(file);
        if (!stamp) {
            copy_.reset();
            return nullptr;
        }
        if (same && copy_->stamp == *stamp) {
            return &copy_->text;
        }
        std::optional<std::string> text = SectionText(section, file, static_cast<DWORD>(std::min<std::uint64_t>(stamp->size, MAXDWORD)));
        if (!text || FileStampOf(file) != stamp) {
            copy_.reset(); // unreadable, or changed while it was read
            return nullptr;
        }
        copy_ = Copy{section, file, *stamp, ProfileText(std::move(*text))};
        return &copy_->text;
    }

    std::optional<Copy> copy_;
};

} // namespace

std::unique_ptr<ProfileFile> MakeWin32ProfileFile() {
    return std::make_unique<Win32ProfileFile>();
}

} // namespace qs::platform
