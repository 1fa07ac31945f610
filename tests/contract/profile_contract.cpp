// The profile file functions as the program relies on them. On Windows the same cases run
// against kernel32's GetPrivateProfileStringA / WritePrivateProfileStringA and against our
// portable reader and writer; natively against the portable one alone.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/profile_portable.h"
#include "support/settings_temp_dir.h"
#ifdef _WIN32
#include "platform/win32/profile_win32.h"
#endif

namespace {

std::unique_ptr<qs::platform::ProfileFile> MakeProfile(const std::string& backend) {
#ifdef _WIN32
    if (backend == "Kernel32") return qs::platform::MakeWin32ProfileFile();
#endif
    return backend == "Portable" ? qs::platform::MakePortableProfileFile() : nullptr;
}

struct ReadCase {
    const char* section;
    const char* key;
    const char* expected; // "DEF" is the default the reads pass
};

class ProfileContract : public testing::TestWithParam<const char*> {
protected:
    std::string Get(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& fallback = "DEF", std::uint32_t size = 255) {
        std::vector<char> buffer(size + 16, '#');
        const std::uint32_t length =
            profile_->GetPrivateProfileString(section, key, fallback, buffer.data(), size, dir_.File(file));
        if (size > 0) {
            EXPECT_EQ(buffer[length], '\0') << "result not terminated for " << section << "/" << key;
        }
        return std::string(buffer.data(), length);
    }

    bool Put(const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
        return profile_->WritePrivateProfileString(section, key, value, dir_.File(file));
    }

    void ExpectReads(const std::string& file, const std::vector<ReadCase>& cases) {
        for (const ReadCase& c : cases) EXPECT_EQ(Get(file, c.section, c.key), c.expected) << c.section << "/" << c.key;
    }

    qs::test::SettingsTempDir dir_;
    std::unique_ptr<qs::platform::ProfileFile> profile_ = MakeProfile(GetParam());
};

// One file with the shapes real settings files take, hand-edited ones included.
const std::string kMixedFile =
    "; comment line\r\nkeybefore=kb\r\n\r\n"
    "[ INIT ]\r\n  Key1  =  value one  \r\n"
    "key2=\"quoted\"\r\nkey3='single'\r\nkey4=\"unmatched\r\nkey5=\"a\"b\"\r\n"
    "noequals\r\nkey6=\r\n;key7=commented\r\nkey1=second\r\nkey8=a=b=c\r\n"
    "\tkey9\t=\ttabbed\t\r\nkey10=\"\"\r\nkey11= \" padded \" \r\n"
    "lf=1\nlonecr=2\rafter=3\r\nctrlz\x1a=z\x1a\r\n"
    "[INIT]\r\nkey12=in second INIT\r\nkey2=shadowed\r\n"
    "[sec2\r\nk=v\r\n[a]b]\r\nk=ab\r\n[tail] junk\r\nk=tail\r\n";

const std::vector<ReadCase> kMixedReads = {
    {"init", "key1", "value one"}, {"INIT", "KEY1", "value one"}, // trimmed, any case, the first one wins
    {" init ", " key1 ", "value one"},                            // the caller's names are trimmed too
    {"init", "key2", "quoted"}, {"init", "key3", "single"},       // either kind of quotes dropped
    {"init", "key4", "\"unmatched"}, {"init", "key5", "a\"b"},    // a lone quote stays; only the outer pair goes
    {"init", "noequals", "DEF"}, {"init", "key6", ""},            // no "=": no value; "=" alone: an empty one
    {"init", ";key7", "commented"}, {"init", "key8", "a=b=c"},    // no comments; the name ends at the first "="
    {"init", "key9", "tabbed"}, {"init", "ctrlz", "z"},           // tabs and Ctrl-Z are blanks
    {"init", "key10", ""}, {"init", "key11", " padded "},         // blanks inside the quotes stay
    {"init", "lf", "1"}, {"init", "lonecr", "2"}, {"init", "after", "3"}, // LF and a lone CR end a line
    {"init", "key12", "DEF"}, {"init", "missing", "DEF"},         // a second [INIT] is never searched
    {"", "keybefore", "kb"},                                      // lines before the first header
    {"sec2", "k", "DEF"}, {"a]b", "k", "ab"}, {"a", "k", "DEF"},  // no "]", no header; else to the last "]"
    {"tail", "k", "tail"}, {"nosuch", "k", "DEF"},                // text after "]" is ignored
};

TEST_P(ProfileContract, ReadsNamesAndValuesAsTheSystemDoes) {
    dir_.WriteBytes("mixed.ini", kMixedFile);
    ExpectReads("mixed.ini", kMixedReads);
}

TEST_P(ProfileContract, CutsValuesToTheBufferAndStopsAtANulByte) {
    static const char kNul[] = "bin=a\0b\x01\xff\r\n";
    dir_.WriteBytes("cut.ini", "[S]\r\nq=\"abcdef\"\r\n" + std::string(kNul, sizeof kNul - 1) + "long=" +
                                   std::string(100000, 'L') + "\r\nz=end\r\n");
    const struct {
        const char* key;
        const char* fallback;
        std::uint32_t size;
        std::string expected;
    } cases[] = {
        {"q", "", 4, "abc"}, {"q", "", 7, "abcde"}, // quotes go before the cut: abcdef" loses the f too
        {"q", "", 8, "abcdef"}, {"q", "", 1, ""},   // room for the terminating zero only
        {"bin", "", 255, "a"},                      // the value ends at the NUL, the next line is intact
        {"long", "", 255, std::string(254, 'L')}, {"long", "", 100001, std::string(100000, 'L')},
        {"z", "", 255, "end"},                      // the line after a very long one is intact
        {"missing", "abcdef", 3, "ab"},             // the default is cut the same way,
        {"missing", "  def  ", 255, "  def"}, {"missing", "\"def\"", 255, "def"}, // loses trailing blanks, quotes
    };
    for (const auto& c : cases) EXPECT_EQ(Get("cut.ini", "S", c.key, c.fallback, c.size), c.expected) << c.size;
}

TEST_P(ProfileContract, AMissingFileOrFolderGivesTheDefaultAndCreatesNothing) {
    EXPECT_EQ(Get("absent.ini", "INIT", "Delay_0"), "DEF");
    EXPECT_EQ(Get("absent.ini", "INIT", "Delay_0", ""), "");
    EXPECT_FALSE(dir_.Exists("absent.ini")) << "reading must not create the file";
    EXPECT_FALSE(Put("no such folder\\x.ini", "INIT", "a", "1"));
    EXPECT_FALSE(dir_.Exists("no such folder"));
}

TEST_P(ProfileContract, WritesPlaceKeysAndSectionsWhereTheSystemDoes) {
    // In the mixed file one key changes in place, and every other key reads as before.
    std::vector<ReadCase> mixedAfter = kMixedReads;
    for (ReadCase& c : mixedAfter) {
        if (std::string(c.expected) == "value one") c.expected = "new";
    }
    mixedAfter.insert(mixedAfter.end(), {{"init", "added", "x"}, {"other", "k", "y"}});
    const std::string high = "hi=\x80\x81\x8d\x9d\xe9\r\n";
    const std::string longLine = "long=" + std::string(100000, 'L') + "\r\n";
    const struct {
        const char* what;
        std::string before;                         // empty: no file yet
        std::vector<std::vector<const char*>> puts; // section, key, value
        std::vector<std::string> inOrder;           // pieces the file then holds, in this order
        std::vector<ReadCase> reads;
        const char* exactly = nullptr;              // the whole file afterwards, where it is known
    } cases[] = {
        {"mixed", kMixedFile, {{"init", "KEY1", "new"}, {"init", "added", "x"}, {"other", "k", "y"}},
         {"; comment line", "INIT", "=new", "key2=\"quoted\"", "key1=second"}, mixedAfter},
        {"new file", "", {{"INIT", "BGColor_0", "0"}}, {}, {{"init", "bgcolor_0", "0"}}, "[INIT]\r\nBGColor_0=0\r\n"},
        {"new key", "[A]\r\na=1\r\n\r\n[B]\r\nb=1\r\n", {{"a", "a2", "2"}}, {"a=1", "a2=2", "[B]"},
         {{"A", "a2", "2"}, {"B", "b", "1"}}},
        {"new section", "[A]\r\na=1", {{"New", "n", "v"}, {"A", "b", "2"}}, {"a=1", "b=2", "[New]"},
         {{"new", "N", "v"}, {"A", "a", "1"}, {"A", "b", "2"}}},
        {"two sections of one name", "[S]\r\na=1\r\n[T]\r\nt=1\r\n[s]\r\nb=2\r\n", {{"S", "b", "first"}},
         {"b=first", "[T]"}, {{"S", "b", "first"}}},
        {"key without a value", "[S]\r\nnoeq\r\nnoeq=later\r\n", {{"S", "noeq", "x"}}, {}, {{"S", "noeq", "x"}}},
        {"values written", "",
         {{" S ", " k ", "  spaced  "}, {"S", "q", "\"x\""}, {"S", "blank", " "}, {"S", "empty", ""}}, {},
         {{"S", "k", "spaced"}, {"S", "q", "x"}, {"S", "blank", ""}, {"S", "empty", ""}}},
        {"same value", "[S]\r\n\r\n  a = 1 \r\n\r\n", {{"s", "A", "1"}}, {}, {}, "[S]\r\n\r\n  a = 1 \r\n\r\n"},
        {"byte order mark", "\xEF\xBB\xBF[INIT]\r\nk=v\r\n", {{"INIT", "k2", "v2"}}, {},
         {{"init", "k", "v"}, {"init", "k2", "v2"}}, "\xEF\xBB\xBF[INIT]\r\nk=v\r\nk2=v2\r\n"},
        {"other bytes", "[S]\r\n" + high + longLine + "z=end\r\n", {{"S", "z", "end2"}}, {high, longLine},
         {{"S", "hi", "\x80\x81\x8d\x9d\xe9"}, {"S", "z", "end2"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = std::string(c.what) + ".ini";
        if (!c.before.empty()) dir_.WriteBytes(file, c.before);
        for (const auto& put : c.puts) ASSERT_TRUE(Put(file, put[0], put[1], put[2]));
        const std::string text = dir_.ReadBytes(file);
        std::size_t at = 0;
        for (const std::string& piece : c.inOrder) {
            at = text.find(piece, at);
            ASSERT_NE(at, std::string::npos) << "missing or out of order: " << piece.substr(0, 20) << "\n" << text;
        }
        if (c.exactly != nullptr) {
            EXPECT_EQ(text, c.exactly);
        }
        ExpectReads(file, c.reads);
    }
}

TEST_P(ProfileContract, SeesChangesMadeToTheFileByOthers) {
    for (const char* value : {"1", "22"}) {
        dir_.WriteBytes("ext.ini", std::string("[S]\r\nk=") + value + "\r\n");
        EXPECT_EQ(Get("ext.ini", "S", "k"), value);
    }
    ASSERT_TRUE(Put("ext.ini", "S", "j", "3"));
    EXPECT_EQ(Get("ext.ini", "S", "k"), "22");
}

// A long slide list: a section far larger than one read's first buffer, every key found,
// and writing back what a key holds leaves the file as it was.
TEST_P(ProfileContract, ReadsALargeSectionWholeAndRewritesNothingUnchanged) {
    std::string text = "[INIT]\r\nq=\"quoted\"\r\n";
    for (int i = 1; i <= 6000; ++i) text += "FileSpec_" + std::to_string(i) + "=C:\\pictures\\" + std::to_string(i) + ".jpg\r\n";
    dir_.WriteBytes("big.ini", text);
    for (int i : {1, 2999, 6000}) EXPECT_EQ(Get("big.ini", "INIT", "filespec_" + std::to_string(i)), "C:\\pictures\\" + std::to_string(i) + ".jpg");
    EXPECT_EQ(Get("big.ini", "INIT", "FileSpec_6001"), "DEF");
    ASSERT_TRUE(Put("big.ini", "INIT", "FileSpec_6000", "C:\\pictures\\6000.jpg"));
    ASSERT_TRUE(Put("big.ini", "INIT", "q", "\"quoted\""));
    EXPECT_EQ(dir_.ReadBytes("big.ini"), text);
    ASSERT_TRUE(Put("big.ini", "INIT", "q", "quoted")); // reads the same, but is another text
    EXPECT_NE(dir_.ReadBytes("big.ini").find("q=quoted\r\n"), std::string::npos);
    EXPECT_EQ(Get("big.ini", "INIT", "FileSpec_3"), "C:\\pictures\\3.jpg");
}

INSTANTIATE_TEST_SUITE_P(Backends, ProfileContract,
#ifdef _WIN32
                         testing::Values("Kernel32", "Portable"),
#else
                         testing::Values("Portable"),
#endif
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
