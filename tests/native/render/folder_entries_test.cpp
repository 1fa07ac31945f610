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

// Files by full path: "BM..." is a picture, anything else is not; a folder lists the
// names under it.
class TreeFiles final : public platform::Files {
public:
    platform::PathKind Kind(const std::string& path) override {
        if (files.count(path)) return platform::PathKind::File;
        return Listing(path).empty() && !folders.count(path) ? platform::PathKind::Missing : platform::PathKind::Folder;
    }
    std::vector<platform::FolderEntry> ListFolder(const std::string& folder) override { return Listing(folder); }
    std::string ReadStart(const std::string& path, std::size_t count) override { return files[path].substr(0, count); }

    std::map<std::string, std::string> files;
    std::map<std::string, bool> folders; // empty ones too
    void Picture(const std::string& path) { files[path] = "BM picture"; }

private:
    std::vector<platform::FolderEntry> Listing(const std::string& folder) {
        std::map<std::string, bool> names; // name, is a folder
        const std::string prefix = folder + "\\";
        for (const auto& [path, _] : files)
            if (path.rfind(prefix, 0) == 0) {
                const std::string rest = path.substr(prefix.size());
                names[rest.substr(0, rest.find('\\'))] |= rest.find('\\') != std::string::npos;
            }
        std::vector<platform::FolderEntry> entries; // backwards: the walk sorts them
        for (auto it = names.rbegin(); it != names.rend(); ++it) entries.push_back({it->first, it->second});
        return entries;
    }
};

std::vector<std::string> Tree(TreeFiles& disk, const std::string& folder) {
    std::vector<std::string> pictures;
    WalkFolderTree(folder, disk, {}, [&](std::vector<std::string> run) {
        for (std::string& p : PicturesAmong(std::move(run), disk)) pictures.push_back(p);
    });
    return pictures;
}

TEST(FolderPictures, ATreeGivesItsPicturesInNaturalOrderSubfoldersAtTheirNamesPlace) {
    TreeFiles disk;
    for (const char* p : {"D\\img10.jpg", "D\\img2.jpg", "D\\Sub\\b.bmp", "D\\z.gif", "D\\Sub\\deeper\\c.png",
                          "D\\IMG3.bmp", "D\\img02.bmp"})
        disk.Picture(p);
    disk.files["D\\notes.txt"] = "text";
    disk.files["D\\Sub\\a.txt"] = "";
    EXPECT_EQ(Tree(disk, "D"), (std::vector<std::string>{"D\\img02.bmp", "D\\img2.jpg", "D\\IMG3.bmp", "D\\img10.jpg",
                                                         "D\\Sub\\b.bmp", "D\\Sub\\deeper\\c.png", "D\\z.gif"}));
    EXPECT_TRUE(Tree(disk, "D\\Sub\\deeper\\none").empty());
}

// The show's loop as SlideShow runs it in list order, its folder readings done at once.
class ListOrderShow {
public:
    explicit ListOrderShow(TreeFiles& disk) : disk_(disk), sequencer_(random_) {}

    std::string nextShown(const std::vector<Slide>& entries) {
        pictures_.follow(entries);
        read();
        std::int32_t number = sequencer_.next(SlideOrder::List, Count());
        if (pictures_.waiting(number)) {
            read();
            number = sequencer_.next(SlideOrder::List, Count());
        }
        const Slide shown = pictures_.pictures()[static_cast<std::size_t>(number - 1)];
        sequencer_.shown(number, 0.0);
        pictures_.shown(false);
        pictures_.comingTo(sequencer_.next(SlideOrder::List, Count()));
        read();
        return shown.path + (shown.center ? " c" : "");
    }

private:
    std::int32_t Count() const { return static_cast<std::int32_t>(pictures_.pictures().size()); }
    void read() {
        for (const FolderOrder& order : pictures_.takeWanted()) {
            const bool folder = disk_.Kind(order.path) == platform::PathKind::Folder;
            const FolderReading reading{order.generation, order.entry, folder, true, true,
                                        folder ? Tree(disk_, order.path) : std::vector<std::string>{}};
            sequencer_.renumber(pictures_.take(reading, sequencer_.current()));
        }
    }

    TreeFiles& disk_;
    FakeRandom random_;
    SlideSequencer sequencer_;
    ShowPictures pictures_;
};

// Each picture of a folder comes with its entry's flags; an empty or missing folder is its
// entry's text slide once a pass; a folder is read again as the show comes back to it.
TEST(FolderEntries, ListOrderPassesThroughEachFoldersPicturesAndSeesChangesOnTheNextPass) {
    TreeFiles disk;
    for (const char* p : {"a.jpg", "F\\2.jpg", "F\\1.jpg"}) disk.Picture(p);
    disk.folders["E"] = true;
    const std::vector<Slide> entries{{"a.jpg"}, {"F", true}, {"E"}, {"M"}};
    const struct {
        const char* added;   // to the disk before the slide is chosen
        const char* removed; // from the disk
        std::string shown;
    } steps[] = {{.shown = "a.jpg"},      {.shown = "F\\1.jpg c"},
                 {.added = "F\\3.jpg", .shown = "F\\2.jpg c"}, // seen from the next pass on
                 {.shown = "E"},          {.shown = "M"},
                 {.shown = "a.jpg"},      {.shown = "F\\1.jpg c"},
                 {.removed = "F\\1.jpg", .shown = "F\\2.jpg c"},
                 {.added = "E\\0.jpg", .shown = "F\\3.jpg c"}, {.shown = "E\\0.jpg"},
                 {.shown = "M"},          {.shown = "a.jpg"},
                 {.shown = "F\\2.jpg c"}, {.shown = "F\\3.jpg c"}};
    ListOrderShow show(disk);
    int step = 0;
    for (const auto& s : steps) {
        if (s.added) disk.Picture(s.added);
        if (s.removed) disk.files.erase(s.removed);
        EXPECT_EQ(show.nextShown(entries), s.shown) << "step " << step++;
    }
}

} // namespace
} // namespace qs::test
