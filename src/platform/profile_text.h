// The text of one profile (INI) file, read and edited as the Windows profile functions
// treat it: any line break, names matched without ASCII case, blanks and matching quotes
// trimmed from values, the first of two equal names winning. Editing keeps every byte it
// need not change. The contract tests hold these rules to the system's own answers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace qs::platform {

class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string bytes);

    const std::string& Bytes() const { return bytes_; }

    // The key's value as stored (trimmed; CopyProfileValue removes surrounding quotes),
    // or nothing when the section or key is missing or the key has no value.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // Each key's value as Read gives it. Keys asked for in the order the file holds them
    // (a slide list) are found by stepping along the lines, without a search each.
    std::vector<std::optional<std::string>> Read(std::string_view section, const std::vector<std::string>& keys) const;

    // Sets the key's value; true when the text changed. Writing the value a key
    // already holds changes nothing.
    bool Write(std::string_view section, std::string_view key, std::string_view value);
    // As Write for each key in turn (each key once), in one pass over the text for the keys
    // the section holds already: one by one, every change would move the text after it.
    bool Write(std::string_view section, const std::vector<std::pair<std::string, std::string>>& values);

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    struct Line {
        std::size_t begin = 0;   // first byte of the line
        std::size_t end = 0;     // end of its content (before the line break)
        std::size_t next = 0;    // first byte after the line break
        std::size_t equals = std::string::npos; // position of the first "=", if any
        bool firstOfKey = false; // a key's first line in its section: the one read
    };
    struct Section {
        std::size_t lastLine = npos;  // its last non-blank line (the header, or a key)
        // Each key's first line, by its folded name: open addressing over line numbers
        // (npos: free), so that a file of a hundred thousand slides costs no allocation a key.
        struct KeySlot {
            std::size_t line = npos;
            std::size_t hash = 0;
        };
        std::vector<KeySlot> keySlots;
        std::size_t keyCount = 0;
    };

    void Parse();
    Section* FindSection(std::string_view section);
    const Section* FindSection(std::string_view section) const;
    std::string_view StoredValue(const Line& line) const;
    std::optional<std::string> ValueOf(const Line& line) const;
    std::string_view KeyName(const Line& line) const;
    std::size_t FindKey(const Section& section, std::string_view name) const; // its line, or npos
    bool AddKey(Section& section, std::size_t line); // false: the name has a line already
    // Edits keep the index up to date instead of parsing the whole text again, so that
    // writing every key of a large file one by one does not cost the square of its size.
    void ReplaceInLine(std::size_t index, std::size_t from, std::size_t count, std::string_view text);
    void InsertKeyLine(Section& section, std::string_view keyName, std::string_view text);

    std::string bytes_;
    std::size_t contentStart_ = 0;            // after a byte-order mark
    std::vector<Line> lines_;
    std::vector<Section> sections_;           // sections_[0]: the lines before any header
    std::unordered_map<std::string, std::size_t> sectionByName_; // folded name -> first section
};

// The profile functions' treatment of a default value: trailing blanks go.
std::string_view ProfileDefault(std::string_view value);

// Copies what GetPrivateProfileString returns for a stored value or a default: at most
// size - 1 characters, then a zero; the result is the number of characters copied (0 when
// there is no room at all). A value in matching quotes loses them; as Wine does it, the
// closing quote is dropped as the last character copied whenever the buffer has room
// for the value without its opening quote, so a buffer exactly that long loses the
// character before the closing quote as well ("abcdef" in quotes, buffer 7: "abcde").
// Characters are bytes here, UTF-16 units in the wide form the Win32 profile counts in.
template <typename Char>
std::uint32_t CopyProfileValue(std::basic_string_view<Char> value, Char* buffer, std::uint32_t size) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    const bool quoted =
        value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (quoted) {
        value.remove_prefix(1);
    }
    std::size_t copied = value.size() < size - 1 ? value.size() : size - 1;
    if (quoted && size >= value.size() && copied > 0) {
        --copied;
    }
    value.copy(buffer, copied);
    buffer[copied] = Char{};
    return static_cast<std::uint32_t>(copied);
}

inline std::uint32_t CopyProfileValue(std::string_view value, char* buffer, std::uint32_t size) {
    return CopyProfileValue<char>(value, buffer, size);
}

} // namespace qs::platform
