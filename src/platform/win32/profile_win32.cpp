// The profile file functions of kernel32 (wide forms). A section is read whole once and
// later reads come from that copy while the file keeps its time and size (one
// GetPrivateProfileStringW per key took half a minute for 10,000 slides under Wine).
// Writes edit the file's text by the same rules (profile_text.h) and replace the file whole
// (file_replace.h), in the text form it has: code page, or UTF-16 with its byte-order mark.
#include "platform/win32/profile_win32.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile_text.h"
#include "platform/win32/file_replace.h"
#include "platform/win32/file_stamp.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide_text.h"

// windows.h renames this to its A/W forms, which would rename our interface's method here
// and nowhere else.
#undef GetPrivateProfileString

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

// Whether the text survives a file in the system's code page.
bool FitsCodePage(const std::string& text) {
    const std::wstring wide = Widen(text);
    if (wide.empty() || GetACP() == CP_UTF8) {
        return true;
    }
    BOOL lost = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, &lost);
    return n > 0 && !lost;
}

std::string ToCodePage(const std::string& utf8) {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string text(static_cast<std::size_t>(std::max(n, 0)), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
    return text;
}

std::string WindowsFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT n = GetWindowsDirectoryW(folder, MAX_PATH);
    return Narrow(std::wstring_view(folder, n < MAX_PATH ? n : 0));
}

// The forms a profile file is read in: the code page's bytes are edited as they are (keys
// and section names are ASCII, values are turned into the code page), the others as UTF-8.
enum class Form { CodePage, Utf8Mark, Utf16Le, Utf16Be };

struct KeptForm {
    Form form = Form::CodePage;
    std::string editable;  // the text to edit, as the form says
    bool converted = false; // the file is to change its form

    // A value that does not fit the code page turns the file into the Unicode form, as the
    // system's own writers need it: its text stays.
    void toUtf16() {
        if (form == Form::Utf16Le || form == Form::Utf16Be) return;
        editable = form == Form::CodePage ? Narrow(Widen(editable, CP_ACP)) : editable.substr(kUtf8Mark.size());
        form = Form::Utf16Le;
        converted = true;
    }

    std::string bytesOf(const std::string& text) const {
        if (form == Form::CodePage || form == Form::Utf8Mark) return text;
        const bool little = form == Form::Utf16Le;
        std::string bytes(little ? kUtf16Mark : std::string_view("\xFE\xFF"));
        for (const wchar_t unit : Widen(text)) {
            const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>((unit >> 8) & 0xFF);
            bytes.push_back(little ? low : high);
            bytes.push_back(little ? high : low);
        }
        return bytes;
    }
};

// The file as it is now, ready to edit; a missing file reads as an empty one in the code
// page. Another program that holds the file so that it cannot be read keeps it as it is.
ErrorCode ReadForm(const std::wstring& file, KeptForm& kept) {
    std::optional<std::string> bytes = FileBytes(file);
    if (!bytes) {
        const DWORD error = GetLastError();
        return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? kErrorFileHeldOpen
                                                                                 : (error ? error : ERROR_GEN_FAILURE);
    }
    std::string_view content(*bytes);
    if (IsUtf16(content)) {
        const bool little = content.substr(0, 2) == kUtf16Mark;
        std::wstring wide;
        for (std::size_t at = 2; at + 1 < content.size(); at += 2) {
            const auto low = static_cast<unsigned char>(content[little ? at : at + 1]);
            const auto high = static_cast<unsigned char>(content[little ? at + 1 : at]);
            wide.push_back(static_cast<wchar_t>(low | (high << 8)));
        }
        kept = {little ? Form::Utf16Le : Form::Utf16Be, Narrow(wide)};
    } else {
        const bool utf8 = content.substr(0, kUtf8Mark.size()) == kUtf8Mark;
        kept = {utf8 ? Form::Utf8Mark : Form::CodePage, std::move(*bytes)};
    }
    return 0;
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

    ErrorCode ReplaceKeys(const std::string& section, const std::vector<std::pair<std::string, std::string>>& values,
                          const std::string& file) override {
        // Keys that already hold these values leave the file alone, even while another program
        // holds it.
        if (ProfileText* copy = CopyOf(section, "", file)) {
            ProfileText probe = *copy;
            if (!probe.Write(section, values)) return 0;
        }
        const std::wstring name = Widen(NamesAFolder(file) ? file : WindowsFolder() + "\\" + file);
        KeptForm text;
        if (const ErrorCode error = ReadForm(name, text)) return error;
        const bool fits = std::all_of(values.begin(), values.end(), [](const auto& kv) { return FitsCodePage(kv.second); });
        if (!fits) text.toUtf16();
        ProfileText edited(std::move(text.editable));
        bool changed = false;
        if (text.form == Form::CodePage) {
            std::vector<std::pair<std::string, std::string>> local;
            for (const auto& [key, value] : values) local.emplace_back(ToCodePage(key), ToCodePage(value));
            changed = edited.Write(ToCodePage(section), local);
        } else {
            changed = edited.Write(section, values);
        }
        // A file whose text the keys leave as it is, in the form it has, is not touched.
        if (!changed && !text.converted) return 0;
        copy_.reset();
        return ReplaceFileWhole(name, text.bytesOf(edited.Bytes()));
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
