#include "ui/editor/dropped_pictures.h"

#include <algorithm>

#include "toolkit/picture_header.h"

namespace qs::ui {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
unsigned char Folded(char c) { return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); }

// Eight bytes tell every format the loader knows.
constexpr std::size_t kSignatureBytes = 8;

std::string Joined(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + '\\' + name;
}

void AddFolder(const std::string& folder, platform::Files& files, std::vector<std::string>& pictures) {
    std::vector<platform::FolderEntry> entries = files.ListFolder(folder);
    std::sort(entries.begin(), entries.end(), [](const platform::FolderEntry& a, const platform::FolderEntry& b) {
        return NaturalNameLess(a.name, b.name);
    });
    for (const platform::FolderEntry& entry : entries) {
        const std::string path = Joined(folder, entry.name);
        if (entry.folder)
            AddFolder(path, files, pictures);
        else if (IsPictureFile(path, files))
            pictures.push_back(path);
    }
}

} // namespace

bool NaturalNameLess(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            // Leading zeros add nothing to the value; a longer run is a larger number.
            while (i < a.size() && a[i] == '0') ++i;
            while (j < b.size() && b[j] == '0') ++j;
            const std::size_t startA = i, startB = j;
            while (i < a.size() && IsDigit(a[i])) ++i;
            while (j < b.size() && IsDigit(b[j])) ++j;
            if (i - startA != j - startB) return i - startA < j - startB;
            const int order = a.substr(startA, i - startA).compare(b.substr(startB, j - startB));
            if (order != 0) return order < 0;
        } else {
            if (Folded(a[i]) != Folded(b[j])) return Folded(a[i]) < Folded(b[j]);
            ++i, ++j;
        }
    }
    if (i < a.size() || j < b.size()) return i == a.size();
    return a < b;
}

bool IsPictureFile(const std::string& path, platform::Files& files) {
    const std::string start = files.ReadStart(path, kSignatureBytes);
    return tk::PictureSignature(start.data(), start.size()).has_value();
}

std::vector<std::string> DroppedPictures(std::vector<std::string> dropped, platform::Files& files) {
    std::sort(dropped.begin(), dropped.end(),
              [](const std::string& a, const std::string& b) { return NaturalNameLess(a, b); });
    std::vector<std::string> pictures;
    for (const std::string& path : dropped) {
        const platform::PathKind kind = files.Kind(path);
        if (kind == platform::PathKind::Folder)
            AddFolder(path, files, pictures);
        else if (kind == platform::PathKind::File && IsPictureFile(path, files))
            pictures.push_back(path);
    }
    return pictures;
}

} // namespace qs::ui
