#include "platform/profile_text.h"

#include <algorithm>
#include <map>
#include <utility>

namespace qs::platform {

namespace {

bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view Trim(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// Windows folds only ASCII letters when it compares profile names.
char FoldChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Fold(std::string_view name) {
    std::string folded(Trim(name));
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldChar);
    return folded;
}

bool FoldedEqual(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return FoldChar(x) == FoldChar(y); });
}

// FNV-1a over the folded name.
std::size_t FoldedHash(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : name) {
        hash = (hash ^ static_cast<unsigned char>(FoldChar(c))) * 1099511628211ull;
    }
    hash ^= hash >> 33; // mixed, so that names differing in their last digits spread
    hash *= 0xff51afd7ed558ccdull;
    hash ^= hash >> 33;
    return static_cast<std::size_t>(hash);
}

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

ProfileText::ProfileText(std::string bytes) : bytes_(std::move(bytes)) {
    Parse();
}

void ProfileText::Parse() {
    lines_.clear();
    sections_.assign(1, Section{});
    sectionByName_.clear();
    sectionByName_.emplace(std::string(), 0);
    const std::string_view all(bytes_);
    contentStart_ = all.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;

    std::size_t current = 0;
    std::size_t pos = contentStart_;
    while (pos < all.size()) {
        Line line;
        line.begin = pos;
        line.end = all.find_first_of("\r\n", pos);
        if (line.end == std::string_view::npos) {
            line.end = all.size();
        }
        line.next = line.end;
        if (line.next < all.size()) {
            line.next += (all[line.next] == '\r' && line.next + 1 < all.size() && all[line.next + 1] == '\n') ? 2 : 1;
        }
        pos = line.next;

        const std::string_view content = all.substr(line.begin, line.end - line.begin);
        const std::string_view trimmed = Trim(content);
        const std::size_t index = lines_.size();
        if (trimmed.empty()) {
            lines_.push_back(line);
            continue;
        }
        const std::size_t close = trimmed.rfind(']');
        if (trimmed.front() == '[' && close != std::string_view::npos) {
            sections_.push_back(Section{});
            current = sections_.size() - 1;
            sections_[current].lastLine = index;
            sectionByName_.emplace(Fold(trimmed.substr(1, close - 1)), current);
            lines_.push_back(line);
            continue;
        }
        const std::size_t equals = content.find('=');
        if (equals != std::string_view::npos) {
            line.equals = line.begin + equals;
        }
        lines_.push_back(line);
        lines_.back().firstOfKey = AddKey(sections_[current], index);
        sections_[current].lastLine = index;
    }
}

ProfileText::Section* ProfileText::FindSection(std::string_view section) {
    const auto found = sectionByName_.find(Fold(section));
    return found == sectionByName_.end() ? nullptr : &sections_[found->second];
}

const ProfileText::Section* ProfileText::FindSection(std::string_view section) const {
    return const_cast<ProfileText*>(this)->FindSection(section);
}

std::string_view ProfileText::StoredValue(const Line& line) const {
    const std::string_view all(bytes_);
    return Trim(UpToNul(all.substr(line.equals + 1, line.end - line.equals - 1)));
}

std::optional<std::string> ProfileText::Read(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const std::size_t line = FindKey(*found, key);
    return line == npos ? std::nullopt : ValueOf(lines_[line]);
}

std::string_view ProfileText::KeyName(const Line& line) const {
    const std::size_t end = line.equals == npos ? line.end : line.equals;
    return Trim(std::string_view(bytes_).substr(line.begin, end - line.begin));
}

std::size_t ProfileText::FindKey(const Section& section, std::string_view name) const {
    if (section.keySlots.empty()) {
        return npos;
    }
    name = Trim(name);
    const std::size_t hash = FoldedHash(name);
    const std::size_t mask = section.keySlots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Section::KeySlot& held = section.keySlots[slot];
        if (held.line == npos || (held.hash == hash && FoldedEqual(KeyName(lines_[held.line]), name))) {
            return held.line;
        }
    }
}

bool ProfileText::AddKey(Section& section, std::size_t line) {
    const std::string_view name = KeyName(lines_[line]);
    if (FindKey(section, name) != npos) {
        return false;
    }
    const auto place = [](std::vector<Section::KeySlot>& slots, Section::KeySlot key) {
        const std::size_t mask = slots.size() - 1;
        std::size_t slot = key.hash & mask;
        while (slots[slot].line != npos) slot = (slot + 1) & mask;
        slots[slot] = key;
    };
    if ((section.keyCount + 1) * 2 > section.keySlots.size()) {
        std::vector<Section::KeySlot> grown(std::max<std::size_t>(16, section.keySlots.size() * 2));
        for (const Section::KeySlot& held : section.keySlots) {
            if (held.line != npos) place(grown, held);
        }
        section.keySlots.swap(grown);
    }
    place(section.keySlots, {line, FoldedHash(name)});
    ++section.keyCount;
    return true;
}

std::optional<std::string> ProfileText::ValueOf(const Line& line) const {
    if (line.equals == npos) {
        return std::nullopt;
    }
    return std::string(StoredValue(line));
}

std::vector<std::optional<std::string>> ProfileText::Read(std::string_view section,
                                                          const std::vector<std::string>& keys) const {
    std::vector<std::optional<std::string>> values(keys.size());
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return values;
    }
    std::size_t next = npos; // the line after the last key found: the likely next one
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (next != npos && next <= found->lastLine && lines_[next].firstOfKey) {
            if (FoldedEqual(KeyName(lines_[next]), Trim(keys[k]))) {
                values[k] = ValueOf(lines_[next]);
                ++next;
                continue;
            }
        }
        const std::size_t line = FindKey(*found, keys[k]);
        if (line != npos) {
            values[k] = ValueOf(lines_[line]);
            next = line + 1;
        }
    }
    return values;
}

void ProfileText::ReplaceInLine(std::size_t index, std::size_t from, std::size_t count, std::string_view text) {
    bytes_.replace(from, count, text);
    const std::size_t grown = text.size() - count; // wraps for a shrink; the sums below wrap back
    lines_[index].end += grown;
    lines_[index].next += grown;
    for (std::size_t i = index + 1; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        line.begin += grown;
        line.end += grown;
        line.next += grown;
        if (line.equals != npos) {
            line.equals += grown;
        }
    }
}

void ProfileText::InsertKeyLine(Section& section, std::string_view keyName, std::string_view text) {
    std::size_t at = contentStart_;
    std::size_t index = 0;
    if (section.lastLine != npos) {
        Line& previous = lines_[section.lastLine];
        if (previous.next == previous.end) {
            // The file's last line had no line break: it gets one before the new line.
            bytes_.insert(previous.end, kLineBreak);
            previous.next += kLineBreak.size();
        }
        at = previous.next;
        index = section.lastLine + 1;
    }
    std::string insertion(text);
    insertion += kLineBreak;
    bytes_.insert(at, insertion);
    for (std::size_t i = index; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        line.begin += insertion.size();
        line.end += insertion.size();
        line.next += insertion.size();
        if (line.equals != npos) {
            line.equals += insertion.size();
        }
    }
    // Appending after the file's last line (how a list is written) renumbers nothing,
    // which keeps writing a long list one key at a time linear.
    const bool appended = index == lines_.size();
    Line added;
    added.begin = at;
    added.end = at + text.size();
    added.next = at + insertion.size();
    added.equals = at + keyName.size();
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), added);
    for (Section& other : sections_) {
        if (other.lastLine != npos && other.lastLine >= index) {
            ++other.lastLine;
        }
        if (appended) {
            continue;
        }
        for (Section::KeySlot& key : other.keySlots) {
            if (key.line != npos && key.line >= index) {
                ++key.line;
            }
        }
    }
    lines_[index].firstOfKey = AddKey(section, index);
    section.lastLine = index;
}

bool ProfileText::Write(std::string_view section, std::string_view key, std::string_view value) {
    // The profile functions take C strings and drop the value's leading blanks.
    const std::string_view newValue = TrimLeft(UpToNul(value));
    const std::string_view keyName = Trim(UpToNul(key));
    std::string keyLine;
    keyLine.append(keyName).append("=").append(newValue);

    Section* found = FindSection(UpToNul(section));
    if (found == nullptr) {
        if (!bytes_.empty() && bytes_.back() != '\n' && bytes_.back() != '\r') {
            bytes_ += kLineBreak;
        }
        bytes_.append("[").append(Trim(UpToNul(section))).append("]").append(kLineBreak);
        bytes_.append(keyLine).append(kLineBreak);
        Parse();
        return true;
    }
    const std::size_t index = FindKey(*found, keyName);
    if (index == npos) {
        InsertKeyLine(*found, keyName, keyLine);
        return true;
    }
    const Line line = lines_[index];
    if (line.equals == npos) {
        std::string assignment("=");
        assignment.append(newValue);
        ReplaceInLine(index, line.end, 0, assignment);
        lines_[index].equals = line.end;
        return true;
    }
    if (StoredValue(line) == newValue) {
        return false;
    }
    ReplaceInLine(index, line.equals + 1, line.end - line.equals - 1, newValue);
    return true;
}

bool ProfileText::Write(std::string_view section, const std::vector<std::pair<std::string, std::string>>& values) {
    const Section* found = FindSection(UpToNul(section));
    std::map<std::size_t, std::string_view> newValues; // of keys with a value, by line
    std::vector<const std::pair<std::string, std::string>*> valueless;
    std::string added; // lines of the keys the section lacks
    for (const auto& entry : values) {
        const std::string_view key = Trim(UpToNul(entry.first)), value = TrimLeft(UpToNul(entry.second));
        const std::size_t line = found ? FindKey(*found, key) : npos;
        if (line == npos) {
            added.append(key).append("=").append(value).append(kLineBreak);
        } else if (lines_[line].equals == npos) {
            valueless.push_back(&entry);
        } else {
            newValues[line] = value;
        }
    }
    std::string text;
    std::size_t from = 0;
    bool changed = !added.empty();
    for (const auto& [index, value] : newValues) {
        const Line& line = lines_[index];
        if (StoredValue(line) != value) {
            text.append(bytes_, from, line.equals + 1 - from).append(value);
            from = line.end;
            changed = true;
        }
    }
    // New keys go after the section's last line, or in a new section at the end.
    std::size_t at = bytes_.size();
    if (found && found->lastLine != npos) {
        const Line& last = lines_[found->lastLine];
        if (!added.empty() && last.next == last.end) {
            added.insert(0, kLineBreak); // the file's last line had no line break
        }
        at = last.next;
    } else if (found) {
        at = contentStart_;
    } else if (!added.empty()) {
        const bool open = !bytes_.empty() && bytes_.back() != '\n' && bytes_.back() != '\r';
        added.insert(0, std::string(open ? kLineBreak : "").append("[").append(Trim(UpToNul(section))).append("]").append(kLineBreak));
    }
    if (changed) {
        text.append(bytes_, from, at - from).append(added).append(bytes_, at);
        bytes_ = std::move(text);
        Parse();
    }
    for (const auto* entry : valueless) {
        changed = Write(section, entry->first, entry->second) || changed;
    }
    return changed;
}

std::string_view ProfileDefault(std::string_view value) {
    return TrimRight(UpToNul(value));
}

} // namespace qs::platform
