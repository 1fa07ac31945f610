#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "settings/app_settings.h"
#include "settings/cls_settings.h"
#include "settings/settings_file_path.h"
#include "support/settings_fixture.h"

namespace qs::test {
namespace {

using Settings = SettingsFixture;

TEST_F(Settings, DelayAndColourTakeTheNumberAtTheStartAndDelayKeepsTo2To1000) {
    const std::tuple<const char*, std::int32_t, std::int32_t> cases[] = { // text (nullptr: missing), delay, colour
        {nullptr, 10, 0}, {"1", 10, 1}, {"2", 2, 2}, {"1000", 1000, 1000}, {"1001", 10, 1001},
        {"2.5", 2, 2}, {"3.5", 4, 4}, // halves go to the even neighbour
        {"abc", 10, 0}, {"-5", 10, -5}, {" 30 seconds", 30, 30}, {"1e2x", 100, 100},
        {"0x1F", 10, 0}, {"- 5", 10, 0}, {"inf", 10, 0}, {"1e400", 10, 0},
        {"-2147483648.5", 10, -2147483647 - 1}, {"2147483647.5", 10, 0}}; // beyond 32 bits
    for (const auto& [text, delay, color] : cases) {
        const std::string v = text ? text : "";
        SetFile(text ? "[INIT]\r\nDelay_0=" + v + "\r\nBGColor_0=" + v + "\r\n" : "[INIT]\r\n");
        ClsSettings settings;
        EXPECT_EQ(settings.delay(), delay) << v;
        EXPECT_EQ(settings.bgColor(), color) << v;
    }
}

TEST_F(Settings, EveryFlagReadsWordsAndNumbers) {
    for (const auto& [text, flag] : {std::pair{"True", true}, {" tRuE ", true}, {"-1", true}, {"2.5", true},
                                     {"FALSE", false}, {"-0", false}, {"yes", false}, {"1 true", false}}) {
        std::string file = "[INIT]\r\nPictureCount_0=1\r\n";
        for (const char* key : {"RandomDisplay_0", "PreviewFlag_0", "DisplayWarnings_0", "Center_1", "HStretch_1",
                                "VStretch_1"})
            file += std::string(key) + "=" + text + "\r\n";
        SetFile(file);
        ClsSettings s;
        for (bool got : {s.randomDisplay(), s.previewFlag(), s.displayWarnings(), s.center(1), s.hStretch(1),
                         s.vStretch(1)})
            EXPECT_EQ(got, flag) << text;
    }
}

TEST_F(Settings, TheCountMustBeAWholeNumberWithinTheListsLimit) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"3", 3}, {"-3", -3}, // stays as read, and no entry is read
        {"abc", 0}, {"2.5", 2}, {"3.5", 4}, {" 2 ", 2}, {"1E1", 10}, {"2e", 0},
        {"3 pictures", 0}, {"99999999999", 0}, {"2000000000", kMaxPictureCount}}; // the first entries
    for (const auto& [text, count] : cases) {
        const std::string file = std::string("[INIT]\r\nPictureCount_0=") + text + "\r\nDelay_0=30\r\nFileSpec_1=p1\r\n";
        SetFile(file);
        ClsSettings settings;
        EXPECT_EQ(settings.pictureCount(), count) << text;
        EXPECT_EQ(settings.fileSpec(1), count > 0 ? "p1" : "") << text;
        EXPECT_EQ(FileText(), file) << "reading writes nothing";
        EXPECT_EQ(settings.delay(), 30) << "the other settings are read all the same: " << text;
    }
}

TEST_F(Settings, AnEntryWithoutAPathStaysAndLongValuesAreCutTo254Characters) {
    const std::string longPath = "C:\\" + std::string(300, 'p') + ".jpg";
    SetFile("[INIT]\r\nPictureCount_0=2\r\nHStretch_1=True\r\nFileSpec_2=" + longPath + "\r\n");
    ClsSettings s;
    EXPECT_TRUE(s.pictureCount() == 2 && s.fileSpec(1).empty() && s.hStretch(1));
    EXPECT_EQ(s.fileSpec(2), longPath.substr(0, 254));
}

TEST_F(Settings, ReleaseWritesEverythingAsHeldWithTheCountLast) {
    {
        ClsSettings s; // no file yet: the file's lines come in the order written
        s.setBgColor(-2147483647 - 1);
        s.setRandomDisplay(true);
        s.setDelay(5000); // stored unchanged; only a read keeps to 2..1000
        s.setFileSpec(1, "C:\\a.jpg");
        s.setFileSpec(2, "D:\\Holiday 2024\\b.gif");
        s.setCenter(2, true);
        s.setVStretch(1, true);
    }
    EXPECT_EQ(FileText(), "[INIT]\r\nBGColor_0=-2147483648\r\nRandomDisplay_0=True\r\nDelay_0=5000\r\n"
                          "PreviewFlag_0=False\r\nDisplayWarnings_0=False\r\nFileSpec_1=C:\\a.jpg\r\nCenter_1=False\r\n"
                          "HStretch_1=False\r\nVStretch_1=True\r\nFileSpec_2=D:\\Holiday 2024\\b.gif\r\n"
                          "Center_2=True\r\nHStretch_2=False\r\nVStretch_2=False\r\nPictureCount_0=2\r\n");
}

TEST_F(Settings, ReleaseWritesOnlyTheKeysThatDifferFromWhatWasRead) {
    const std::string file = "[INIT]\r\nBGColor_0=0\r\nRandomDisplay_0=False\r\nPreviewFlag_0=False\r\nDelay_0=30\r\n"
                             "DisplayWarnings_0=False\r\nPictureCount_0=1\r\nFileSpec_1=a\r\nCenter_1=True\r\n"
                             "HStretch_1=False\r\nVStretch_1=False\r\n";
    SetFile(file);
    { ClsSettings s; }
    EXPECT_EQ(profile.writes, std::vector<std::string>{}) << "nothing differs";
    SetFile(file);
    {
        ClsSettings s;
        s.setFileSpec(1, "b");
        s.setHStretch(1, true);
    }
    EXPECT_EQ(profile.writes, (std::vector<std::string>{"INIT/FileSpec_1", "INIT/HStretch_1"}));
    // A full list of missing entries: guards against edits of the text growing with the square of the list.
    SetFile("[INIT]\r\nPictureCount_0=150000\r\n");
    {
        ClsSettings s;
        EXPECT_EQ(s.pictureCount(), kMaxPictureCount);
        s.setFileSpec(kMaxPictureCount, "C:\\z.jpg");
    }
    EXPECT_NE(FileText().find("PictureCount_0=150000\r\n"), std::string::npos) << "the rest stay listed";
    {
        ClsSettings s;
        EXPECT_EQ(s.fileSpec(kMaxPictureCount), "C:\\z.jpg");
        s.setPictureCount(3);
    }
    EXPECT_NE(FileText().find("PictureCount_0=3\r\n"), std::string::npos) << "a shortened list writes its count";
}

TEST_F(Settings, TheListGrowsWithEmptyEntriesShrinksFromTheEndAndKeepsToItsLimit) {
    DiscardSettings = true; // writing a full list back is timed elsewhere
    ClsSettings s;
    for (int i = 1; i <= 4; ++i) {
        s.setFileSpec(i, "p" + std::to_string(i));
        s.setCenter(i, true);
    }
    s.setFileSpec(7, "C:\\seven.bmp");
    EXPECT_TRUE(s.pictureCount() == 7 && s.center(4));
    EXPECT_FALSE(s.center(5) || s.hStretch(6) || s.vStretch(7));
    s.setFileSpec(2, "C:\\two.bmp");
    EXPECT_TRUE(s.pictureCount() == 7 && s.center(2)) << "an existing index only stores the path";
    s.setPictureCount(3);
    s.setPictureCount(5);
    EXPECT_EQ(s.fileSpec(3), "p3");
    EXPECT_TRUE(s.fileSpec(4).empty() && !s.center(4)) << "dropped by the shrink";
    s.setPictureCount(2000000000);
    s.setFileSpec(kMaxPictureCount + 1, "beyond");
    EXPECT_EQ(s.pictureCount(), kMaxPictureCount);
}

TEST_F(Settings, IndicesOutsideTheListAreHarmless) {
    ClsSettings s;
    s.setFileSpec(1, "a");
    for (const std::int32_t index : {0, -1, 2, 1000000, -2147483647 - 1}) {
        s.setCenter(index, true);
        s.setHStretch(index, true);
        s.setVStretch(index, true);
        EXPECT_FALSE(s.center(index) || s.hStretch(index) || s.vStretch(index) || s.fileSpec(index) != "") << index;
    }
    for (const std::int32_t index : {0, -5, 2147483647}) s.setFileSpec(index, "outside");
    EXPECT_TRUE(s.pictureCount() == 1 && s.fileSpec(1) == "a");
}

TEST_F(Settings, EntriesBeyondTheCountStayInTheFileAndANegativeCountWritesNone) {
    SetFile("[INIT]\r\nPictureCount_0=-3\r\nFileSpec_1=p1\r\nFileSpec_2=p2\r\nVStretch_2=True\r\n");
    { ClsSettings settings; settings.setFileSpec(1, "new"); } // the count table reads the -3
    EXPECT_EQ(FileText(), "[INIT]\r\nPictureCount_0=1\r\nFileSpec_1=new\r\nFileSpec_2=p2\r\nVStretch_2=True\r\n"
                          "BGColor_0=0\r\nRandomDisplay_0=False\r\nDelay_0=10\r\nPreviewFlag_0=False\r\n"
                          "DisplayWarnings_0=False\r\nCenter_1=False\r\nHStretch_1=False\r\nVStretch_1=False\r\n");
    { ClsSettings settings; settings.setPictureCount(-1); }
    EXPECT_NE(FileText().find("PictureCount_0=0\r\n"), std::string::npos);
}

TEST_F(Settings, TheSettingsFileIsNamedAfterTheExecutable) {
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\SAVERS\\SLIDES.SCR", "D:\\SAVERS\\SLIDES.INI"}, {"C:\\a.b\\my.saver.scr", "C:\\a.b\\my.saver.INI"},
        {"D:\\SLIDES.SCR", "D:\\\\SLIDES.INI"}, {"/QuilloSlides.scr", "/\\QuilloSlides.INI"}, // a root keeps its separator
        {"C:\\dir\\NOEXT", "C:\\dir\\NOEXT.INI"}, {"/home/u/bin/QuilloSlides", "/home/u/bin\\QuilloSlides.INI"},
        {"QuilloSlides.scr", "\\QuilloSlides.INI"}};
    for (const auto& [executable, iniFile] : cases) {
        os.process.executablePath = executable;
        EXPECT_EQ(SettingsFilePath(), iniFile) << executable;
        EXPECT_EQ(AppSettings().iniFile(), iniFile) << executable;
    }
}

// The file turns Unicode before the first write, exactly when a value written does not fit the code page.
TEST_F(Settings, TurnsUnicodeBeforeWritingOnlyWhatTheCodePageCannotHold) {
    const std::string greek = "C:\\\xCE\xA6\xCF\x89\\\xE5\x86\x99.jpg";
    const std::tuple<std::string, std::string, bool, bool> cases[] = { // file, path added, discarded, Unicode
        {"", "C:\\a.jpg", false, false}, {"", greek, false, true}, {"", greek, true, false},
        {"[INIT]\r\nPictureCount_0=1\r\nFileSpec_1=" + greek + "\r\n", "", false, false}}; // unchanged: not written
    for (const auto& [file, added, discard, unicode] : cases) {
        SetFile(file);
        profile.unicodeForm.clear();
        profile.writes.clear();
        {
            ClsSettings settings;
            if (!added.empty()) settings.setFileSpec(1, added);
            DiscardSettings = discard;
        }
        using Forms = std::map<std::string, std::size_t>; // file -> writes before it turned
        EXPECT_EQ(profile.unicodeForm, (unicode ? Forms{{kIniFile, 0}} : Forms{})) << added;
        DiscardSettings = true;
        EXPECT_EQ(ClsSettings().fileSpec(1), discard ? "" : added.empty() ? greek : added);
    }
}

} // namespace
} // namespace qs::test
