// The settings object in memory and its write-back when it is released.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/cls_settings.h"
#include "support/settings_fixture.h"

namespace {

using qs::ClsSettings;

class SettingsWrite : public qs::test::SettingsFixture {
protected:
    std::string Value(const std::string& key) {
        char buffer[300] = {};
        const std::uint32_t n = profile.GetPrivateProfileString("INIT", key, "<missing>", buffer, sizeof buffer, kIniFile);
        return std::string(buffer, n);
    }
};

TEST_F(SettingsWrite, ReleaseWithoutAFileCreatesItWithTheDefaults) {
    { ClsSettings settings; }
    EXPECT_EQ(FileText(),
              "[INIT]\r\nBGColor_0=0\r\nRandomDisplay_0=False\r\nDelay_0=10\r\nPreviewFlag_0=False\r\n"
              "DisplayWarnings_0=False\r\nPictureCount_0=0\r\n");
}

TEST_F(SettingsWrite, ReleaseWritesEverythingInOrderWithTheCountLast) {
    {
        ClsSettings settings;
        profile.calls.clear();
        settings.bgColor(16777215);
        settings.RandomDisplay(true);
        settings.Delay(45);
        settings.PreviewFlag(true);
        settings.DisplayWarnings(false);
        settings.FileSpec("C:\\a.jpg", 1);
        settings.FileSpec("C:\\b.gif", 2);
        settings.Center(2, true);
        settings.VStretch(1, true);
        EXPECT_TRUE(profile.calls.empty()) << "accessors work on memory only";
    }
    const std::vector<std::string> expected = {
        "INIT/BGColor_0",  "INIT/RandomDisplay_0", "INIT/Delay_0",     "INIT/PreviewFlag_0",
        "INIT/DisplayWarnings_0", "INIT/FileSpec_1", "INIT/Center_1",  "INIT/HStretch_1",
        "INIT/VStretch_1", "INIT/FileSpec_2",      "INIT/Center_2",    "INIT/HStretch_2",
        "INIT/VStretch_2", "INIT/PictureCount_0",
    };
    EXPECT_EQ(profile.Keys(true), expected);
    const std::pair<const char*, const char*> values[] = {
        {"BGColor_0", "16777215"}, {"RandomDisplay_0", "True"}, {"Delay_0", "45"},
        {"PreviewFlag_0", "True"}, {"DisplayWarnings_0", "False"}, {"FileSpec_1", "C:\\a.jpg"},
        {"Center_1", "False"},     {"HStretch_1", "False"},     {"VStretch_1", "True"},
        {"FileSpec_2", "C:\\b.gif"}, {"Center_2", "True"},      {"VStretch_2", "False"},
        {"PictureCount_0", "2"},
    };
    for (const auto& [key, value] : values) {
        EXPECT_EQ(Value(key), value) << key;
    }
}

TEST_F(SettingsWrite, DiscardSettingsWritesNothing) {
    SetFile("[INIT]\r\nDelay_0=30\r\n");
    {
        ClsSettings settings;
        settings.Delay(99);
        qs::DiscardSettings = true;
    }
    EXPECT_TRUE(profile.Keys(true).empty());
    EXPECT_EQ(FileText(), "[INIT]\r\nDelay_0=30\r\n");
}

TEST_F(SettingsWrite, AValueWrittenReadsBackTheSame) {
    {
        ClsSettings settings;
        settings.bgColor(-2147483647 - 1);
        settings.Delay(999);
        settings.RandomDisplay(true);
        settings.DisplayWarnings(true);
        settings.FileSpec("D:\\Pictures\\Holiday 2024\\beach.jpg", 3);
        settings.HStretch(3, true);
        settings.Center(1, true);
    }
    ClsSettings again;
    EXPECT_EQ(again.bgColor(), -2147483647 - 1);
    EXPECT_EQ(again.Delay(), 999);
    EXPECT_TRUE(again.RandomDisplay());
    EXPECT_FALSE(again.PreviewFlag());
    EXPECT_TRUE(again.DisplayWarnings());
    ASSERT_EQ(again.PictureCount(), 3);
    EXPECT_TRUE(again.Center(1));
    EXPECT_EQ(again.getFileSpec(2), "");
    EXPECT_EQ(again.getFileSpec(3), "D:\\Pictures\\Holiday 2024\\beach.jpg");
    EXPECT_TRUE(again.HStretch(3));
    EXPECT_FALSE(again.VStretch(3));
}

TEST_F(SettingsWrite, DelayIsStoredUnchangedAndNormalisedOnTheNextRead) {
    for (const std::int32_t delay : {1, 5000, -7}) {
        {
            ClsSettings settings;
            settings.Delay(delay);
            EXPECT_EQ(settings.Delay(), delay);
        }
        EXPECT_EQ(Value("Delay_0"), std::to_string(delay));
        ClsSettings next;
        EXPECT_EQ(next.Delay(), 10) << delay;
    }
}

TEST_F(SettingsWrite, FileSpecGrowsTheList) {
    ClsSettings settings;
    settings.PictureCount(4);
    for (int i = 1; i <= 4; ++i) {
        settings.FileSpec("old" + std::to_string(i), i);
        settings.Center(i, true);
    }
    settings.FileSpec("C:\\seven.bmp", 7);
    EXPECT_EQ(settings.PictureCount(), 7);
    EXPECT_EQ(settings.getFileSpec(4), "old4");
    EXPECT_TRUE(settings.Center(4));
    for (int i = 5; i <= 6; ++i) {
        EXPECT_EQ(settings.getFileSpec(i), "");
        EXPECT_FALSE(settings.Center(i));
        EXPECT_FALSE(settings.HStretch(i));
        EXPECT_FALSE(settings.VStretch(i));
    }
    EXPECT_EQ(settings.getFileSpec(7), "C:\\seven.bmp");
    EXPECT_FALSE(settings.Center(7));
    settings.FileSpec("C:\\two.bmp", 2);
    EXPECT_EQ(settings.PictureCount(), 7) << "an existing index only stores the path";
    EXPECT_EQ(settings.getFileSpec(2), "C:\\two.bmp");
    EXPECT_TRUE(settings.Center(2));
}

TEST_F(SettingsWrite, ShrinkingDropsEntriesAndGrowingBringsEmptyOnes) {
    ClsSettings settings;
    for (int i = 1; i <= 5; ++i) {
        settings.FileSpec("p" + std::to_string(i), i);
        settings.VStretch(i, true);
    }
    settings.PictureCount(3);
    EXPECT_EQ(settings.PictureCount(), 3);
    settings.PictureCount(5);
    EXPECT_EQ(settings.getFileSpec(3), "p3");
    EXPECT_TRUE(settings.VStretch(3));
    for (int i = 4; i <= 5; ++i) {
        EXPECT_EQ(settings.getFileSpec(i), "") << i;
        EXPECT_FALSE(settings.VStretch(i)) << i;
    }
}

TEST_F(SettingsWrite, EntryKeysBeyondTheCountStayInTheFile) {
    std::string file = "[INIT]\r\nPictureCount_0=5\r\n";
    for (int i = 1; i <= 5; ++i) {
        const std::string n = std::to_string(i);
        file += "FileSpec_" + n + "=p" + n + "\r\nCenter_" + n + "=True\r\nHStretch_" + n + "=False\r\nVStretch_" + n +
                "=True\r\n";
    }
    SetFile(file);
    {
        ClsSettings settings;
        settings.PictureCount(2);
    }
    EXPECT_EQ(Value("PictureCount_0"), "2");
    for (int i = 3; i <= 5; ++i) {
        EXPECT_EQ(Value("FileSpec_" + std::to_string(i)), "p" + std::to_string(i));
        EXPECT_EQ(Value("VStretch_" + std::to_string(i)), "True");
    }
    for (const std::string& key : profile.Keys(true)) {
        EXPECT_EQ(key.find("_3"), std::string::npos) << key;
    }
}

TEST_F(SettingsWrite, AnEmptyListWritesOnlyTheCount) {
    SetFile("[INIT]\r\nPictureCount_0=2\r\nFileSpec_1=a\r\nFileSpec_2=b\r\n");
    {
        ClsSettings settings;
        profile.calls.clear();
        settings.PictureCount(0);
        EXPECT_EQ(settings.PictureCount(), 0);
        EXPECT_EQ(settings.getFileSpec(1), "");
    }
    EXPECT_EQ(profile.Keys(true).size(), 6u);
    EXPECT_EQ(Value("PictureCount_0"), "0");
    EXPECT_EQ(Value("FileSpec_2"), "b");
}

TEST_F(SettingsWrite, ANegativeCountIsKeptInMemoryAndWrittenAsTheEntriesHeld) {
    SetFile("[INIT]\r\nPictureCount_0=-3\r\n");
    {
        ClsSettings settings;
        EXPECT_EQ(settings.PictureCount(), -3);
        settings.PictureCount(-1);
        EXPECT_EQ(settings.PictureCount(), -1);
    }
    EXPECT_EQ(Value("PictureCount_0"), "0");
}

TEST_F(SettingsWrite, IndicesOutsideTheListAreHarmless) {
    ClsSettings settings;
    settings.FileSpec("a", 1);
    for (const std::int32_t index : {0, -1, 2, 1000000, -2147483647 - 1}) {
        settings.Center(index, true);
        settings.HStretch(index, true);
        settings.VStretch(index, true);
        EXPECT_FALSE(settings.Center(index)) << index;
        EXPECT_FALSE(settings.HStretch(index)) << index;
        EXPECT_FALSE(settings.VStretch(index)) << index;
        EXPECT_EQ(settings.getFileSpec(index), "") << index;
    }
    settings.FileSpec("zero", 0);
    settings.FileSpec("negative", -5);
    EXPECT_EQ(settings.PictureCount(), 1);
    EXPECT_EQ(settings.getFileSpec(1), "a");
}

// At the limit the list is still read and written whole (in memory: a file-backed
// profile rewrites the file for every key, which is the slow part, not the list).
TEST_F(SettingsWrite, AFullListOfMissingEntriesIsReadAndWritten) {
    SetFile("[INIT]\r\nPictureCount_0=" + std::to_string(qs::kMaxPictureCount) + "\r\n");
    {
        ClsSettings settings;
        EXPECT_EQ(settings.PictureCount(), qs::kMaxPictureCount);
        EXPECT_EQ(settings.getFileSpec(qs::kMaxPictureCount), "");
        settings.FileSpec("C:\\last.jpg", qs::kMaxPictureCount);
    }
    ClsSettings again;
    EXPECT_EQ(again.PictureCount(), qs::kMaxPictureCount);
    EXPECT_EQ(again.getFileSpec(qs::kMaxPictureCount), "C:\\last.jpg");
}

TEST_F(SettingsWrite, TheListNeverHoldsMoreThanItsLimit) {
    ClsSettings settings;
    settings.PictureCount(2000000000);
    EXPECT_EQ(settings.PictureCount(), qs::kMaxPictureCount);
    settings.FileSpec("last", qs::kMaxPictureCount);
    EXPECT_EQ(settings.getFileSpec(qs::kMaxPictureCount), "last");
    settings.FileSpec("beyond", qs::kMaxPictureCount + 1);
    EXPECT_EQ(settings.PictureCount(), qs::kMaxPictureCount);
    EXPECT_EQ(settings.getFileSpec(qs::kMaxPictureCount + 1), "");
    settings.PictureCount(1);
    settings.FileSpec("far", 2147483647);
    EXPECT_EQ(settings.PictureCount(), 1);
}

TEST_F(SettingsWrite, FailingWritesLoseTheStateQuietly) {
    SetFile("[INIT]\r\nDelay_0=30\r\n");
    profile.failWrites = true;
    {
        ClsSettings settings;
        settings.Delay(50);
    }
    EXPECT_EQ(profile.Keys(true).size(), 6u) << "every write is still attempted";
    EXPECT_EQ(FileText(), "[INIT]\r\nDelay_0=30\r\n");
}

TEST_F(SettingsWrite, TheFileIsNamedAfterTheExecutable) {
    os.process.executablePath = "D:\\SAVERS\\SLIDES.SCR";
    {
        ClsSettings settings;
        EXPECT_EQ(settings.INIFile(), "D:\\SAVERS\\SLIDES.INI");
    }
    EXPECT_TRUE(profile.Has("D:\\SAVERS\\SLIDES.INI"));
    EXPECT_FALSE(profile.Has(kIniFile));
}

TEST_F(SettingsWrite, GetParmAndPutParmFormTheKeyName) {
    ClsSettings settings;
    profile.calls.clear();
    settings.PutParm("Custom", "v1");
    settings.PutParm("Custom", "v7", 7);
    EXPECT_EQ(settings.GetParm("Custom"), "v1");
    EXPECT_EQ(settings.GetParm("Custom", 7), "v7");
    EXPECT_EQ(settings.GetParm("Custom", 8), "");
    EXPECT_EQ(profile.Keys(true), (std::vector<std::string>{"INIT/Custom_0", "INIT/Custom_7"}));
}

} // namespace
