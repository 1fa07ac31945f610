#include "platform/registry_store.h"

#include <charconv>

namespace qs::platform {

namespace {

constexpr std::string_view kHeader = "QuilloRegistry 1";
constexpr std::string_view kKeyTag = "key ";
constexpr std::string_view kValueTag = "value ";
constexpr char kHexDigits[] = "0123456789abcdef";

std::string ToHex(std::string_view bytes) {
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += kHexDigits[b >> 4];
        hex += kHexDigits[b & 0xF];
    }
    return hex;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool FromHex(std::string_view hex, std::string& bytes) {
    if (hex.size() % 2 != 0) {
        return false;
    }
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    return true;
}

// Splits "a b c" at its first two blanks; the fields themselves hold no blanks.
bool SplitValueLine(std::string_view rest, std::string_view fields[3]) {
    for (int i = 0; i < 2; ++i) {
        const std::size_t blank = rest.find(' ');
        if (blank == std::string_view::npos) {
            return false;
        }
        fields[i] = rest.substr(0, blank);
        rest.remove_prefix(blank + 1);
    }
    fields[2] = rest;
    return true;
}

} // namespace

std::string FoldRegistryName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return folded;
}

RegistryKeyData* RegistryStore::Find(std::string_view path) {
    const auto found = keys_.find(FoldRegistryName(path));
    return found == keys_.end() ? nullptr : &found->second;
}

bool RegistryStore::Add(std::string_view path) {
    bool added = false;
    std::size_t end = 0;
    while (end != std::string_view::npos) {
        end = path.find('\\', end + 1);
        const std::string_view level = path.substr(0, end);
        auto [entry, inserted] = keys_.try_emplace(FoldRegistryName(level));
        if (inserted) {
            entry->second.path = std::string(level);
            added = true;
        }
    }
    return added;
}

std::string RegistryStore::Serialize() const {
    std::string text(kHeader);
    text += '\n';
    for (const auto& [folded, key] : keys_) {
        text.append(kKeyTag).append(key.path).append("\n");
        for (const auto& [foldedName, value] : key.values) {
            text.append(kValueTag).append(std::to_string(value.type)).append(" ");
            text.append(ToHex(value.name)).append(" ").append(ToHex(value.data)).append("\n");
        }
    }
    return text;
}

RegistryStore RegistryStore::Parse(std::string_view text) {
    RegistryStore store;
    RegistryKeyData* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.substr(0, kKeyTag.size()) == kKeyTag) {
            const std::string_view path = line.substr(kKeyTag.size());
            current = nullptr;
            if (!path.empty() && path.front() != '\\' && path.back() != '\\') {
                store.Add(path);
                current = store.Find(path);
            }
            continue;
        }
        std::string_view fields[3];
        std::uint32_t type = 0;
        RegistryValue value;
        if (current == nullptr || line.substr(0, kValueTag.size()) != kValueTag ||
            !SplitValueLine(line.substr(kValueTag.size()), fields) ||
            std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), type).ec != std::errc() ||
            !FromHex(fields[1], value.name) || !FromHex(fields[2], value.data)) {
            continue;
        }
        value.type = type;
        current->values.insert_or_assign(FoldRegistryName(value.name), std::move(value));
    }
    return store;
}

} // namespace qs::platform
