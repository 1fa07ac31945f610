#include "render/folder_pictures.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "toolkit/picture_header.h"

namespace qs {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
unsigned char Folded(char c) { return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); }

// Eight bytes tell every format the loader knows.
constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kReaders = 4;

std::string Joined(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + '\\' + name;
}

// The name's extension, lower case with its dot; empty when it has none.
std::string ExtensionOf(const std::string& path) {
    const std::size_t dot = path.find_last_of(".\\/");
    if (dot == std::string::npos || path[dot] != '.') return {};
    std::string extension = path.substr(dot);
    for (char& c : extension) c = static_cast<char>(Folded(c));
    return extension;
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
            ++i;
            ++j;
        }
    }
    if (i < a.size() || j < b.size()) return i == a.size();
    return a < b;
}

// The five known formats are told by their signatures alone; `extensions` name others.
bool IsPictureFile(const std::string& path, platform::Files& files, const std::vector<std::string>& extensions) {
    if (!extensions.empty() && std::binary_search(extensions.begin(), extensions.end(), ExtensionOf(path)))
        return true;
    const std::string start = files.ReadStart(path, kSignatureBytes);
    return tk::PictureSignature(start.data(), start.size()).has_value();
}

void WalkFolderTree(const std::string& folder, platform::Files& files, std::stop_token stop,
                    const std::function<void(std::vector<std::string>)>& run) {
    std::vector<platform::FolderEntry> entries = files.ListFolder(folder);
    std::sort(entries.begin(), entries.end(), [](const platform::FolderEntry& a, const platform::FolderEntry& b) {
        return NaturalNameLess(a.name, b.name);
    });
    std::vector<std::string> together;
    for (const platform::FolderEntry& entry : entries) {
        if (stop.stop_requested()) return;
        if (!entry.folder) {
            together.push_back(Joined(folder, entry.name));
            continue;
        }
        if (!together.empty()) run(std::exchange(together, {}));
        WalkFolderTree(Joined(folder, entry.name), files, stop, run);
    }
    if (!together.empty()) run(std::move(together));
}

// Each reader takes the next unread file until none is left.
std::vector<std::string> PicturesAmong(std::vector<std::string> found, platform::Files& files,
                                       std::stop_token stop, const std::vector<std::string>& extensions) {
    std::vector<char> picture(found.size());
    std::atomic<std::size_t> next{0};
    const auto read = [&] {
        for (std::size_t i; (i = next++) < found.size() && !stop.stop_requested();)
            picture[i] = IsPictureFile(found[i], files, extensions);
    };
    std::vector<std::thread> readers;
    for (std::size_t k = 0; k < std::min<std::size_t>(kReaders - 1, found.size() / 64); ++k) readers.emplace_back(read);
    read();
    for (std::thread& reader : readers) reader.join();
    std::vector<std::string> pictures;
    for (std::size_t i = 0; i < found.size(); ++i)
        if (picture[i]) pictures.push_back(std::move(found[i]));
    return pictures;
}

std::string FirstPictureIn(const std::string& folder, platform::Files& files, std::stop_token stop,
                           const std::vector<std::string>& extensions) {
    std::stop_source enough;
    const std::stop_callback follow(stop, [&enough] { enough.request_stop(); });
    std::string first;
    WalkFolderTree(folder, files, enough.get_token(), [&](std::vector<std::string> run) {
        std::vector<std::string> pictures = PicturesAmong(std::move(run), files, enough.get_token(), extensions);
        if (pictures.empty() || enough.stop_requested()) return;
        first = pictures.front();
        enough.request_stop();
    });
    return first;
}

} // namespace qs
