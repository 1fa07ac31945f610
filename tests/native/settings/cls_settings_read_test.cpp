// Constructing the settings object: what each key of the settings file turns into.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/cls_settings.h"
#include "support/settings_fixture.h"

namespace {

using qs::ClsSettings;

class SettingsRead : public qs::test::SettingsFixture {};

TEST_F(SettingsRead, NoFileGivesTheDefaults) {
    ClsSettings settings;
    EXPECT_EQ(settings.bgColor(), 0);
    EXPECT_FALSE(settings.RandomDisplay());
    EXPECT_EQ(settings.Delay(), 10);
    EXPECT_FALSE(settings.PreviewFlag());
    EXPECT_FALSE(settings.DisplayWarnings());
    EXPECT_EQ(settings.PictureCount(), 0);
}

TEST_F(SettingsRead, ReadsSixKeysAndFourPerEntryInOrder) {
    SetFile("[INIT]\r\nPictureCount_0=2\r\n");
    ClsSettings settings;
    const std::vector<std::string> expected = {
        "INIT/BGColor_0",  "INIT/RandomDisplay_0", "INIT/Delay_0",      "INIT/PreviewFlag_0",
        "INIT/DisplayWarnings_0", "INIT/PictureCount_0", "INIT/FileSpec_1", "INIT/Center_1",
        "INIT/HStretch_1", "INIT/VStretch_1", "INIT/FileSpec_2", "INIT/Center_2",
        "INIT/HStretch_2", "INIT/VStretch_2",
    };
    EXPECT_EQ(profile.Keys(false), expected);
    EXPECT_TRUE(profile.Keys(true).empty()) << "construction writes nothing";
    for (const auto& call : profile.calls) {
        EXPECT_EQ(call.size, 255u);
        EXPECT_EQ(call.value, "") << "an empty default";
        EXPECT_EQ(call.file, kIniFile);
    }
}

struct NumberCase {
    const char* text; // nullptr: the key is missing
    std::int32_t delay;
    std::int32_t color;
};

TEST_F(SettingsRead, DelayAndColourTakeTheNumberAtTheStart) {
    const NumberCase cases[] = {
        {nullptr, 10, 0},
        {"30", 30, 30},
        {"1", 10, 1},          // below 2: the default delay
        {"2", 2, 2},
        {"1000", 1000, 1000},
        {"1001", 10, 1001},    // above 1000: the default delay
        {"abc", 10, 0},
        {"", 10, 0},
        {"30 seconds", 30, 30},
        {"2.5", 2, 2},         // a half goes to the even neighbour
        {"3.5", 4, 4},
        {"1000.5", 1000, 1000},
        {"1000.6", 10, 1001},
        {"-5", 10, -5},
        {"16777215", 10, 16777215},
        {"\"42\"", 42, 42},    // quotes around a value are dropped by the profile functions
        {"  7  ", 7, 7},
        {"1e2", 100, 100},
        {"2147483647", 10, 2147483647},
        {"2147483648", 10, 0}, // beyond 32 bits: unreadable
        {"-2147483649", 10, 0},
        {"99999999999999999999", 10, 0},
    };
    for (const NumberCase& c : cases) {
        SetFile(c.text == nullptr ? "[INIT]\r\n"
                                  : std::string("[INIT]\r\nDelay_0=") + c.text + "\r\nBGColor_0=" + c.text + "\r\n");
        ClsSettings settings;
        EXPECT_EQ(settings.Delay(), c.delay) << (c.text ? c.text : "(missing)");
        EXPECT_EQ(settings.bgColor(), c.color) << (c.text ? c.text : "(missing)");
    }
}

struct FlagCase {
    const char* text;
    bool flag;
};

TEST_F(SettingsRead, FlagsReadWordsAndNumbers) {
    const FlagCase cases[] = {
        {"True", true}, {"true", true}, {"TRUE", true}, {"-1", true},  {"1", true},     {"0.5", true},
        {"False", false}, {"FALSE", false}, {"0", false}, {"yes", false}, {"", false}, {"no", false},
        {"'true'", true}, {"1 true", false},
    };
    for (const FlagCase& c : cases) {
        const std::string value = c.text;
        SetFile("[INIT]\r\nRandomDisplay_0=" + value + "\r\nPreviewFlag_0=" + value + "\r\nDisplayWarnings_0=" +
                value + "\r\nPictureCount_0=1\r\nCenter_1=" + value + "\r\nHStretch_1=" + value +
                "\r\nVStretch_1=" + value + "\r\n");
        ClsSettings settings;
        EXPECT_EQ(settings.RandomDisplay(), c.flag) << c.text;
        EXPECT_EQ(settings.PreviewFlag(), c.flag) << c.text;
        EXPECT_EQ(settings.DisplayWarnings(), c.flag) << c.text;
        EXPECT_EQ(settings.Center(1), c.flag) << c.text;
        EXPECT_EQ(settings.HStretch(1), c.flag) << c.text;
        EXPECT_EQ(settings.VStretch(1), c.flag) << c.text;
    }
}

struct CountCase {
    const char* text;
    std::int32_t count;
    std::size_t entryReads; // keys read for entries
};

TEST_F(SettingsRead, CountIsAWholeNumber) {
    const CountCase cases[] = {
        {"3", 3, 12},
        {"0", 0, 0},
        {"-3", -3, 0},         // stays as read, and no entry is read
        {"abc", 0, 0},
        {"2.5", 2, 8},
        {"3.5", 4, 16},
        {" 2 ", 2, 8},
        {"3 pictures", 0, 0},  // the whole text must be the number
        {"99999999999", 0, 0}, // beyond 32 bits
        {"2000000000", 0, 0},  // more than the list can hold
        {"100001", 0, 0},
        {"100000", 100000, 400000},  // the most the list holds
    };
    for (const CountCase& c : cases) {
        SetFile(std::string("[INIT]\r\nPictureCount_0=") + c.text + "\r\nDelay_0=30\r\n");
        profile.calls.clear();
        ClsSettings settings;
        EXPECT_EQ(settings.PictureCount(), c.count) << c.text;
        EXPECT_EQ(profile.calls.size(), 6 + c.entryReads) << c.text;
        EXPECT_EQ(settings.Delay(), 30) << "the other settings are read all the same: " << c.text;
    }
}

TEST_F(SettingsRead, ReadsEachEntry) {
    SetFile(
        "[INIT]\r\nPictureCount_0=3\r\n"
        "FileSpec_1=C:\\pics\\one.jpg\r\nCenter_1=True\r\nHStretch_1=False\r\nVStretch_1=True\r\n"
        "Center_2=True\r\nHStretch_2=True\r\nVStretch_2=False\r\n"
        "FileSpec_3=D:\\two.gif\r\n");
    ClsSettings settings;
    ASSERT_EQ(settings.PictureCount(), 3);
    EXPECT_EQ(settings.getFileSpec(1), "C:\\pics\\one.jpg");
    EXPECT_TRUE(settings.Center(1));
    EXPECT_FALSE(settings.HStretch(1));
    EXPECT_TRUE(settings.VStretch(1));
    EXPECT_EQ(settings.getFileSpec(2), "") << "a missing path is empty, the entry still there";
    EXPECT_TRUE(settings.Center(2));
    EXPECT_TRUE(settings.HStretch(2));
    EXPECT_FALSE(settings.VStretch(2));
    EXPECT_EQ(settings.getFileSpec(3), "D:\\two.gif");
    EXPECT_FALSE(settings.Center(3));
}

TEST_F(SettingsRead, OnlyKeysWithTheIndexSuffixInSectionInitCount) {
    SetFile(
        "[OTHER]\r\nDelay_0=40\r\n"
        "[INIT]\r\nDelay=30\r\nFileSpec1=C:\\x.jpg\r\nPictureCount_0=1\r\nBGColor_00=255\r\n");
    ClsSettings settings;
    EXPECT_EQ(settings.Delay(), 10);
    EXPECT_EQ(settings.getFileSpec(1), "");
    EXPECT_EQ(settings.bgColor(), 0);
}

TEST_F(SettingsRead, ALongValueIsCutTo254Characters) {
    const std::string path = "C:\\" + std::string(300, 'p') + ".jpg";
    SetFile("[INIT]\r\nPictureCount_0=1\r\nFileSpec_1=" + path + "\r\n");
    ClsSettings settings;
    EXPECT_EQ(settings.getFileSpec(1), path.substr(0, 254));
}

TEST_F(SettingsRead, NamesIgnoreLetterCase) {
    SetFile("[init]\r\ndelay_0=25\r\nPICTURECOUNT_0=1\r\nfilespec_1=a.bmp\r\n");
    ClsSettings settings;
    EXPECT_EQ(settings.Delay(), 25);
    EXPECT_EQ(settings.getFileSpec(1), "a.bmp");
}

} // namespace
