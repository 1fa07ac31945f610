// Folder entries: the pictures a folder's tree stands for, and list order passing through
// them while the folders change on disk.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "render/folder_pictures.h"
#include "render/show_pictures.h"
#include "render/slide_sequencer.h"
#include "support/scoped_services.h"

namespace qs::test {
namespace {

// Files by full path, "BM..." being a picture; a folder is any prefix of one ("E\\" alone
// makes an empty folder E). Listings come backwards: the walk sorts them.
class TreeFiles final : public platform::Files {
public:
    platform::PathKind Kind(const std::string& path) override {
        if (files.count(path)) return platform::PathKind::File;
        return ListFolder(path).empty() ? platform::PathKind::Missing : platform::PathKind::Folder;
    }
    std::vector<platform::FolderEntry> ListFolder(const std::string& folder) override {
        std::map<std::string, bool> names;
        for (const auto& [path, _] : files)
            if (path.rfind(folder + "\\", 0) == 0) {
                const std::string rest = path.substr(folder.size() + 1);
                names[rest.substr(0, rest.find('\\'))] |= rest.find('\\') != std::string::npos;
            }
        std::vector<platform::FolderEntry> entries;
        for (auto it = names.rbegin(); it != names.rend(); ++it) entries.push_back({it->first, it->second});
        return entries;
    }
    std::string ReadStart(const std::string& path, std::size_t count) override { return files[path].substr(0, count); }

    std::map<std::string, std::string> files;
};

std::vector<std::string> Tree(TreeFiles& disk, const std::string& folder) {
    std::vector<std::string> pictures;
    WalkFolderTree(folder, disk, {}, [&](std::vector<std::string> run) {
        for (std::string& p : PicturesAmong(std::move(run), disk)) pictures.push_back(p);
    });
    return pictures;
}

// As SlideShow runs list order, each folder read at once when asked: a folder's pictures
// come in natural order, a subfolder's at its name's place, non-pictures left out, each
// with its entry's flags; an empty or missing folder is its entry's text slide once a
// pass; a folder is read again as the show comes back to it.
TEST(FolderEntries, ListOrderPassesThroughEachFoldersPicturesInNaturalOrderAndSeesChangesOnTheNextPass) {
    TreeFiles disk;
    for (const char* p : {"a.jpg", "F\\z.gif", "F\\img10.jpg", "F\\Sub\\x.bmp", "F\\img2.jpg"}) disk.files[p] = "BM";
    disk.files["F\\notes.txt"] = "text";
    disk.files["E\\"] = "";
    const std::vector<Slide> entries{{"a.jpg"}, {"F", true}, {"E"}, {"M"}};
    FakeRandom random;
    SlideSequencer sequencer(random);
    ShowPictures show;
    const auto read = [&] {
        for (const FolderOrder& o : show.takeWanted()) {
            const bool folder = disk.Kind(o.path) == platform::PathKind::Folder;
            const std::vector<std::string> found = folder ? Tree(disk, o.path) : std::vector<std::string>{};
            sequencer.renumber(show.take({o.generation, o.entry, folder, true, true, found}, sequencer.current()));
        }
    };
    const auto next = [&] { return sequencer.next(SlideOrder::List, show.pictures()); };
    const struct {
        const char* added = nullptr;   // to the disk before the slide is chosen
        const char* removed = nullptr; // from the disk
        std::string shown;
    } steps[] = {{.shown = "a.jpg"}, {.shown = "F\\img2.jpg c"}, {.added = "F\\img3.jpg", .shown = "F\\img10.jpg c"},
                 {.shown = "F\\Sub\\x.bmp c"}, {.shown = "F\\z.gif c"}, {.shown = "E"}, {.shown = "M"},
                 {.removed = "F\\img2.jpg", .shown = "a.jpg"}, {.shown = "F\\img3.jpg c"}, {.shown = "F\\img10.jpg c"},
                 {.added = "E\\0.jpg", .shown = "F\\Sub\\x.bmp c"}, {.shown = "F\\z.gif c"}, {.shown = "E\\0.jpg"},
                 {.shown = "M"}};
    int step = 0;
    for (const auto& s : steps) {
        if (s.added) disk.files[s.added] = "BM";
        if (s.removed) disk.files.erase(s.removed);
        show.follow(entries);
        read();
        if (show.waiting(next())) read();
        const Slide shown = show.pictures()[static_cast<std::size_t>(next() - 1)];
        sequencer.shown(next(), 0.0);
        show.shown(false);
        show.comingTo(next());
        read();
        EXPECT_EQ(shown.path + (shown.center ? " c" : ""), s.shown) << "step " << step++;
    }
}

} // namespace
} // namespace qs::test
