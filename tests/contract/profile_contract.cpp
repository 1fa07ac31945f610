// The profile file functions as the settings rely on them, against real files: kernel32's
// functions, with the copy of one section that the Win32 profile answers reads from.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/profile_win32.h"
#include "support/scratch_folder.h"

#include <windows.h>
// windows.h's A/W renaming would otherwise reach the interface's method names.
#undef GetPrivateProfileString

namespace {

class ProfileContract : public testing::Test {
protected:
    std::string Get(const std::string& file, const std::string& section, const std::string& key) {
        return profile_->GetPrivateProfileString(section, key, "DEF", 255, dir_.File(file));
    }
    // 0, or the system's error code.
    unsigned Put(const std::string& file, const std::string& section, const std::string& key,
                 const std::string& value) {
        return profile_->ReplaceKeys(section, {{key, value}}, dir_.File(file));
    }
    // Whether anything is left beside the settings files.
    bool NothingBeside() const {
        for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
            if (entry.path().extension() == ".saving") return false;
        return true;
    }
    void ExpectReads(const std::string& file, const std::vector<std::vector<std::string>>& cases) {
        for (const auto& c : cases) EXPECT_EQ(Get(file, c[0], c[1]), c[2]) << c[0] << "/" << c[1];
    }

    qs::test::ScratchFolder dir_;
    std::unique_ptr<qs::platform::ProfileFile> profile_ = qs::platform::MakeWin32ProfileFile();
};

// The shapes hand-edited settings files take.
const std::string kMixedFile =
    "[ INIT ]\r\n  Key1  =  value one  \r\nkey2=\"quoted\"\r\nkey3='single'\r\nkey4=\"unmatched\r\n"
    "noequals\r\nkey6=\r\nkey1=second\r\n\tkey9\t=\ttabbed\t\r\nlong=" + std::string(300, 'L') + "\r\n"
    "[INIT]\r\nkey12=in second INIT\r\n[AboutDlg]\r\nHomePage=x\r\n";

TEST_F(ProfileContract, ReadsTrimmedNamesAnyCaseAndValuesWithoutQuotes) {
    dir_.write("mixed.ini", kMixedFile);
    ExpectReads("mixed.ini", {
        {"init", "key1", "value one"}, {" INIT ", " KEY1 ", "value one"}, // trimmed, any case, the first one wins
        {"init", "key2", "quoted"}, {"init", "key3", "single"}, {"init", "key4", "\"unmatched"},
        {"init", "noequals", "DEF"}, {"init", "key6", ""}, {"init", "key9", "tabbed"},
        {"init", "long", std::string(254, 'L')},                                 // cut to the buffer
        {"init", "key12", "DEF"}, {"init", "missing", "DEF"}, {"nosuch", "k", "DEF"}, // a second [INIT] is not searched
    });
    EXPECT_EQ(Get("absent.ini", "INIT", "Delay_0"), "DEF");
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / "absent.ini")) << "reading must not create the file";
}

TEST_F(ProfileContract, WritesCreateTheFileAndChangeOnlyTheirKey) {
    ASSERT_EQ(Put("new.ini", "INIT", "BGColor_0", "0"), 0u);
    EXPECT_EQ(dir_.read("new.ini"), "[INIT]\r\nBGColor_0=0\r\n");
    dir_.write("mixed.ini", kMixedFile);
    EXPECT_EQ(Get("mixed.ini", "INIT", "key1"), "value one");
    const char* const puts[][3] = {{"init", "KEY1", "new"}, {"INIT", "added", "x"}, {"Other", "k", "y"}};
    for (const auto& put : puts) ASSERT_EQ(Put("mixed.ini", put[0], put[1], put[2]), 0u);
    ExpectReads("mixed.ini", {{"init", "key1", "new"}, {"init", "added", "x"}, {"other", "k", "y"},
                              {"init", "key2", "quoted"}, {"AboutDlg", "HomePage", "x"}});
    for (const char* value : {"1", "22"}) { // the copy of the section sees what others write
        dir_.write("mixed.ini", std::string("[INIT]\r\nk=") + value + "\r\n");
        EXPECT_EQ(Get("mixed.ini", "INIT", "k"), value);
    }
}

// A long slide list: a section far larger than one read's first buffer. Writing back what
// a key holds does not touch the file: it succeeds even while another program holds it.
TEST_F(ProfileContract, ReadsALargeSectionWholeAndSkipsUnchangedWrites) {
    std::string text = "[INIT]\r\nq=\"quoted\"\r\n";
    const auto path = [](int i) { return "C:\\pictures\\" + std::to_string(i) + ".jpg"; };
    for (int i = 1; i <= 6000; ++i) text += "FileSpec_" + std::to_string(i) + "=" + path(i) + "\r\n";
    dir_.write("big.ini", text);
    for (int i : {1, 2999, 6000}) EXPECT_EQ(Get("big.ini", "INIT", "filespec_" + std::to_string(i)), path(i));
    EXPECT_EQ(Get("big.ini", "INIT", "FileSpec_6001"), "DEF");
    HANDLE held = CreateFileA(dir_.File("big.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Put("big.ini", "INIT", "FileSpec_6000", "C:\\pictures\\6000.jpg"), 0u);
    EXPECT_EQ(Put("big.ini", "INIT", "q", "\"quoted\""), 0u);
    EXPECT_NE(Put("big.ini", "INIT", "q", "quoted"), 0u) << "reads the same, but is another text";
    CloseHandle(held);
    EXPECT_EQ(dir_.read("big.ini"), text);
    ASSERT_EQ(Put("big.ini", "INIT", "q", "quoted"), 0u);
    EXPECT_NE(dir_.read("big.ini").find("q=quoted\r\n"), std::string::npos);
}

// A value outside the code page: the file takes the Unicode form, keeping what it held, and
// carries any character; the 254-character cut counts characters, not UTF-8 bytes. A file in
// that form keeps it.
TEST_F(ProfileContract, UnicodeFormKeepsTheFileAndCarriesAnyCharacter) {
    std::string omegas;
    for (int i = 0; i < 300; ++i) omegas += "\xCF\x89";
    dir_.write("ansi.ini", std::string("[INIT]\r\nk=caf\xE9\r\n"));
    for (const char* file : {"ansi.ini", "absent.ini"}) {
        ASSERT_EQ(Put(file, "INIT", "long", omegas), 0u) << file;
        EXPECT_EQ(dir_.read(file).substr(0, 2), "\xFF\xFE") << file;
        EXPECT_EQ(Get(file, "INIT", "long"), omegas.substr(0, 254 * 2)) << file;
        ASSERT_EQ(Put(file, "INIT", "plain", "x"), 0u) << file;
        EXPECT_EQ(dir_.read(file).substr(0, 2), "\xFF\xFE") << file;
    }
    EXPECT_EQ(Get("ansi.ini", "INIT", "k"), "caf\xC3\xA9");
    EXPECT_EQ(Get("ansi.ini", "INIT", "plain"), "x");
}

// The file is replaced whole or not at all: a read-only file, one another program holds, a missing folder
// fail with their cause and leave the file byte for byte; nothing stays beside it, and what an ended process
// left beside it goes.
TEST_F(ProfileContract, AFailedReplaceSaysWhyAndLeavesTheFileAsItWas) {
    const std::string text = "[INIT]\r\nk=old\r\n";
    dir_.write("a.ini", text);
    SetFileAttributesA(dir_.File("a.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Put("a.ini", "INIT", "k", "new"), qs::platform::kErrorFileReadOnly);
    SetFileAttributesA(dir_.File("a.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE held = CreateFileA(dir_.File("a.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Put("a.ini", "INIT", "k", "new"), qs::platform::kErrorFileHeldOpen);
    CloseHandle(held);
    EXPECT_EQ(dir_.read("a.ini"), text);
    EXPECT_TRUE(NothingBeside());
    EXPECT_EQ(Put("none\\such.ini", "INIT", "k", "new"), unsigned(ERROR_PATH_NOT_FOUND));
    dir_.write("a.ini.99999.saving", std::string("left by an ended process"));
    ASSERT_EQ(Put("a.ini", "INIT", "k", "new"), 0u);
    EXPECT_EQ(dir_.read("a.ini"), "[INIT]\r\nk=new\r\n");
    EXPECT_TRUE(NothingBeside());
}

} // namespace
