// Files and folders dropped on the editor's name list: the natural order, which files
// count as pictures, and the drop going through the list's event into the working list.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/toolkit_fixture.h"
#include "ui/editor/dropped_pictures.h"
#include "ui/editor/slide_show_editor.h"

namespace qs::test {
namespace {

using Texts = std::vector<std::string>;

// A tree held in memory: each folder and each file by its full path.
class MemoryFiles final : public platform::Files {
public:
    std::set<std::string> folders;
    std::map<std::string, std::string> files;
    platform::PathKind Kind(const std::string& p) override {
        return folders.count(p) ? platform::PathKind::Folder
               : files.count(p) ? platform::PathKind::File
                                : platform::PathKind::Missing;
    }
    std::vector<platform::FolderEntry> ListFolder(const std::string& folder) override {
        std::vector<platform::FolderEntry> entries;
        const auto in = [&](const std::string& p) {
            return p.rfind(folder + "\\", 0) == 0 && p.find('\\', folder.size() + 1) == std::string::npos;
        };
        for (const auto& f : folders)
            if (in(f)) entries.push_back({f.substr(folder.size() + 1), true});
        for (const auto& [f, bytes] : files)
            if (in(f)) entries.push_back({f.substr(folder.size() + 1), false});
        std::reverse(entries.begin(), entries.end());
        return entries;
    }
    std::string ReadStart(const std::string& p, std::size_t n) override {
        return files.count(p) ? files[p].substr(0, n) : "";
    }
};

TEST(NaturalNameOrder, CountsDigitRunsByValueAndIgnoresCase) {
    Texts names = {"img10.jpg",
                   "IMG2.jpg",
                   "b",
                   "img1.jpg",
                   "img02.jpg",
                   "img.jpg",
                   "a10b",
                   "a2b",
                   "img2.jpg",
                   "x100000000000000000000",
                   "x99999999999999999999",
                   "Zeta",
                   "alpha"};
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return ui::NaturalNameLess(a, b); });
    EXPECT_EQ(names, (Texts{"a2b", "a10b", "alpha", "b", "img.jpg", "img1.jpg", "IMG2.jpg", "img02.jpg", "img2.jpg",
                            "img10.jpg", "x99999999999999999999", "x100000000000000000000", "Zeta"}));
    EXPECT_FALSE(ui::NaturalNameLess("img2", "img2"));
}

class Drop : public ToolkitTest {
protected:
    Drop() {
        os_files.folders = {"C:\\drop\\pics", "C:\\drop\\pics\\sub", "C:\\drop\\pics\\empty"};
        os_files.files = {{"C:\\drop\\pics\\img10.jpg", "\xFF\xD8\xFF\xE0"},
                          {"C:\\drop\\pics\\img2.png", "\x89PNG\r\n\x1a\n"},
                          {"C:\\drop\\pics\\notes.txt", "text"},
                          {"C:\\drop\\pics\\fake.jpg", "not a picture"},
                          {"C:\\drop\\pics\\animation", "GIF89a.."},
                          {"C:\\drop\\pics\\sub\\b.bmp", "BM......"},
                          {"C:\\drop\\pics\\sub\\a.tif", std::string("II*\0", 4)},
                          {"C:\\drop\\z.jpg", "\xFF\xD8\xFF\xE1"},
                          {"C:\\drop\\empty.gif", ""}};
        platform::services().files = &os_files;
    }
    ~Drop() override { platform::services().files = nullptr; }
    MemoryFiles os_files;
    const Texts dropped_ = {"C:\\drop\\z.jpg", "C:\\drop\\gone", "C:\\drop\\empty.gif", "C:\\drop\\pics"};
    const Texts pictures_ = {"C:\\drop\\pics\\animation",  "C:\\drop\\pics\\img2.png",   "C:\\drop\\pics\\img10.jpg",
                             "C:\\drop\\pics\\sub\\a.tif", "C:\\drop\\pics\\sub\\b.bmp", "C:\\drop\\z.jpg"};
};

TEST_F(Drop, FindsThePicturesByTheirContentInNaturalOrder) {
    EXPECT_EQ(ui::DroppedPictures(dropped_, os_files), pictures_);
}

// The settings dialog has no list that takes drops; the editor's name list does.
TEST_F(Drop, ReachesTheEditorsListThroughItsEvent) {
    AppSettings().setPictureCount(1);
    AppSettings().setFileSpec(1, "C:\\a.jpg");
    ui::UnconfirmedChanges changes;
    ui::SlideShowEditor editor(changes);
    editor.Show();
    editor.nameList.userSelect(0);
    editor.nameList.userDropFiles(dropped_);
    Texts rows;
    for (int r = 0; r < editor.nameList.ListCount(); ++r) {
        rows.push_back(editor.nameList.List(r));
        EXPECT_EQ(editor.optionLists(0).Selected(r), r > 0);
    }
    Texts expected = pictures_;
    expected.insert(expected.begin(), "C:\\a.jpg");
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(editor.nameList.ListIndex(), 6);
    EXPECT_EQ(editor.positionLabel.Caption(), "(7/7)");
    EXPECT_TRUE(editor.applyButton.Enabled());
    AppSettings().setDisplayWarnings(true);
    editor.Unload();
}

} // namespace
} // namespace qs::test
