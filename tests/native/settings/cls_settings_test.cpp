// The settings object: what each key of the settings file turns into, and what its
// release writes back.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "settings/cls_settings.h"
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
        EXPECT_EQ(settings.Delay(), delay) << v;
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
        for (bool got : {s.RandomDisplay(), s.PreviewFlag(), s.DisplayWarnings(), s.Center(1), s.HStretch(1),
                         s.VStretch(1)})
            EXPECT_EQ(got, flag) << text;
    }
}

TEST_F(Settings, TheCountMustBeAWholeNumberWithinTheListsLimit) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"3", 3}, {"-3", -3}, // stays as read, and no entry is read
        {"abc", 0}, {"2.5", 2}, {"3.5", 4}, {" 2 ", 2}, {"1E1", 10}, {"2e", 0},
        {"3 pictures", 0}, {"99999999999", 0}, {"2000000000", 0}, {"100001", 0}};
    for (const auto& [text, count] : cases) {
        const std::string file = std::string("[INIT]\r\nPictureCount_0=") + text + "\r\nDelay_0=30\r\nFileSpec_1=p1\r\n";
        SetFile(file);
        ClsSettings settings;
        EXPECT_EQ(settings.PictureCount(), count) << text;
        EXPECT_EQ(settings.getFileSpec(1), count > 0 ? "p1" : "") << text;
        EXPECT_EQ(FileText(), file) << "reading writes nothing";
        EXPECT_EQ(settings.Delay(), 30) << "the other settings are read all the same: " << text;
    }
}

TEST_F(Settings, ReadsEachEntryAndCutsLongValuesTo254Characters) {
    const std::string longPath = "C:\\" + std::string(300, 'p') + ".jpg";
    SetFile("[INIT]\r\nPictureCount_0=3\r\nFileSpec_1=C:\\one.jpg\r\nCenter_1=True\r\nVStretch_1=True\r\n"
            "Center_2=True\r\nHStretch_2=True\r\nFileSpec_3=" + longPath + "\r\n");
    ClsSettings s;
    ASSERT_EQ(s.PictureCount(), 3);
    EXPECT_EQ(s.getFileSpec(1), "C:\\one.jpg");
    EXPECT_TRUE(s.Center(1) && !s.HStretch(1) && s.VStretch(1));
    EXPECT_EQ(s.getFileSpec(2), "") << "a missing path is empty, the entry still there";
    EXPECT_TRUE(s.Center(2) && s.HStretch(2) && !s.VStretch(2));
    EXPECT_EQ(s.getFileSpec(3), longPath.substr(0, 254));
}

TEST_F(Settings, ReleaseWritesEverythingAsHeldWithTheCountLast) {
    {
        ClsSettings s; // no file yet: the file's lines come in the order written
        s.bgColor(-2147483647 - 1), s.RandomDisplay(true);
        s.Delay(5000); // stored unchanged; only a read keeps to 2..1000
        EXPECT_EQ(s.Delay(), 5000);
        s.FileSpec("C:\\a.jpg", 1), s.FileSpec("D:\\Holiday 2024\\b.gif", 2);
        s.Center(2, true), s.VStretch(1, true);
        EXPECT_FALSE(profile.Has(kIniFile)) << "accessors work on memory only";
    }
    EXPECT_EQ(FileText(), "[INIT]\r\nBGColor_0=-2147483648\r\nRandomDisplay_0=True\r\nDelay_0=5000\r\n"
                          "PreviewFlag_0=False\r\nDisplayWarnings_0=False\r\nFileSpec_1=C:\\a.jpg\r\nCenter_1=False\r\n"
                          "HStretch_1=False\r\nVStretch_1=True\r\nFileSpec_2=D:\\Holiday 2024\\b.gif\r\n"
                          "Center_2=True\r\nHStretch_2=False\r\nVStretch_2=False\r\nPictureCount_0=2\r\n");
}

TEST_F(Settings, TheListGrowsWithEmptyEntriesShrinksFromTheEndAndKeepsToItsLimit) {
    DiscardSettings = true; // writing a full list back is timed elsewhere
    ClsSettings s;
    for (int i = 1; i <= 4; ++i) s.FileSpec("p" + std::to_string(i), i), s.Center(i, true);
    s.FileSpec("C:\\seven.bmp", 7);
    EXPECT_TRUE(s.PictureCount() == 7 && s.Center(4));
    EXPECT_FALSE(s.Center(5) || s.HStretch(6) || s.VStretch(7));
    s.FileSpec("C:\\two.bmp", 2);
    EXPECT_TRUE(s.PictureCount() == 7 && s.Center(2)) << "an existing index only stores the path";
    s.PictureCount(3);
    s.PictureCount(5);
    EXPECT_EQ(s.getFileSpec(3), "p3");
    EXPECT_TRUE(s.getFileSpec(4).empty() && !s.Center(4)) << "dropped by the shrink";
    s.PictureCount(2000000000);
    EXPECT_EQ(s.PictureCount(), kMaxPictureCount);
    s.FileSpec("beyond", kMaxPictureCount + 1);
    EXPECT_EQ(s.PictureCount(), kMaxPictureCount);
}

TEST_F(Settings, IndicesOutsideTheListAreHarmless) {
    ClsSettings s;
    s.FileSpec("a", 1);
    for (const std::int32_t index : {0, -1, 2, 1000000, -2147483647 - 1}) {
        s.Center(index, true), s.HStretch(index, true), s.VStretch(index, true);
        EXPECT_FALSE(s.Center(index) || s.HStretch(index) || s.VStretch(index)) << index;
        EXPECT_EQ(s.getFileSpec(index), "") << index;
    }
    for (const std::int32_t index : {0, -5, 2147483647}) s.FileSpec("outside", index);
    EXPECT_TRUE(s.PictureCount() == 1 && s.getFileSpec(1) == "a");
}

TEST_F(Settings, EntriesBeyondTheCountStayInTheFileAndANegativeCountWritesNone) {
    SetFile("[INIT]\r\nPictureCount_0=-3\r\nFileSpec_1=p1\r\nFileSpec_2=p2\r\nVStretch_2=True\r\n");
    {
        ClsSettings settings;
        EXPECT_EQ(settings.PictureCount(), -3);
        settings.FileSpec("new", 1);
    }
    EXPECT_EQ(FileText(), "[INIT]\r\nPictureCount_0=1\r\nFileSpec_1=new\r\nFileSpec_2=p2\r\nVStretch_2=True\r\n"
                          "BGColor_0=0\r\nRandomDisplay_0=False\r\nDelay_0=10\r\nPreviewFlag_0=False\r\n"
                          "DisplayWarnings_0=False\r\nCenter_1=False\r\nHStretch_1=False\r\nVStretch_1=False\r\n");
    { ClsSettings settings; settings.PictureCount(-1); }
    EXPECT_NE(FileText().find("PictureCount_0=0\r\n"), std::string::npos);
}

// Guards against edits of the settings text growing with the square of the list (in
// memory: a file-backed profile rewrites the file for every key, which is slow anyway).
TEST_F(Settings, AFullListOfMissingEntriesIsReadAndWritten) {
    SetFile("[INIT]\r\nPictureCount_0=" + std::to_string(kMaxPictureCount) + "\r\n");
    {
        ClsSettings settings;
        EXPECT_EQ(settings.PictureCount(), kMaxPictureCount);
        settings.FileSpec("C:\\last.jpg", kMaxPictureCount);
    }
    ClsSettings again;
    EXPECT_EQ(again.PictureCount(), kMaxPictureCount);
    EXPECT_EQ(again.getFileSpec(kMaxPictureCount), "C:\\last.jpg");
}

// Binary noise around the settings, as a damaged file has it, is read past and written back.
TEST_F(Settings, NoiseAroundTheSettingsReadsAndWritesBackTheSame) {
    std::mt19937 generator(1);
    for (int run = 0; run < 20; ++run) {
        std::string noise(4096, '\0');
        for (char& c : noise) c = static_cast<char>(generator() & 0xFF);
        SetFile(noise + "\r\n[INIT]\r\nDelay_0=33\r\nBGColor_0=255\r\n" + noise + "\r\n");
        const std::int32_t delay = ClsSettings().Delay(); // read, then written back
        EXPECT_TRUE(delay >= 2 && delay <= 1000) << delay;
        EXPECT_EQ(ClsSettings().Delay(), delay) << "run " << run;
    }
}

} // namespace
} // namespace qs::test
