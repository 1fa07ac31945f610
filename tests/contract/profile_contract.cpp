// The profile file functions as the program relies on them. On Windows the same cases run
// against kernel32's GetPrivateProfileStringA / WritePrivateProfileStringA and against our
// portable reader and writer; natively against the portable one alone.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/profile_portable.h"
#include "support/settings_temp_dir.h"
#ifdef _WIN32
#include "platform/win32/profile_win32.h"
#endif

namespace {

using qs::platform::ProfileFile;

struct ProfileBackend {
    const char* name;
    std::function<std::unique_ptr<ProfileFile>()> make;
};

void PrintTo(const ProfileBackend& backend, std::ostream* out) {
    *out << backend.name;
}

std::string BackendName(const testing::TestParamInfo<ProfileBackend>& info) {
    return info.param.name;
}

class ProfileContract : public testing::TestWithParam<ProfileBackend> {
protected:
    void SetUp() override { profile_ = GetParam().make(); }

    struct Read {
        std::uint32_t length;
        std::string text;
    };

    Read Get(const std::string& file, const std::string& section, const std::string& key,
             const std::string& fallback = "DEF", std::uint32_t size = 255) {
        std::vector<char> buffer(size + 16, '#');
        const std::uint32_t length =
            profile_->GetPrivateProfileString(section, key, fallback, buffer.data(), size, dir_.File(file));
        if (size > 0) {
            EXPECT_EQ(buffer[length], '\0') << "result not terminated for " << section << "/" << key;
        }
        return {length, std::string(buffer.data(), length)};
    }

    bool Put(const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
        return profile_->WritePrivateProfileString(section, key, value, dir_.File(file));
    }

    qs::test::SettingsTempDir dir_;
    std::unique_ptr<ProfileFile> profile_;
};

// One file with the shapes real settings files take, hand-edited ones included.
const std::string kMixedFile =
    "; comment line\r\n"
    "keybefore=kb\r\n"
    "\r\n"
    "[ INIT ]\r\n"
    "  Key1  =  value one  \r\n"
    "key2=\"quoted\"\r\n"
    "key3='single'\r\n"
    "key4=\"unmatched\r\n"
    "key5=\"a\"b\"\r\n"
    "noequals\r\n"
    "key6=\r\n"
    ";key7=commented\r\n"
    "key1=second\r\n"
    "key8=a=b=c\r\n"
    "\tkey9\t=\ttabbed\t\r\n"
    "key10=\"\"\r\n"
    "key11= \" padded \" \r\n"
    "lf=1\nlonecr=2\rafter=3\r\n"
    "ctrlz\x1a=z\x1a\r\n"
    "[INIT]\r\n"
    "key12=in second INIT\r\n"
    "key2=shadowed\r\n"
    "[sec2\r\n"
    "k=v\r\n"
    "[a]b]\r\n"
    "k=ab\r\n"
    "[tail] junk\r\n"
    "k=tail\r\n";

struct ReadCase {
    const char* section;
    const char* key;
    const char* expected; // nullptr: the default comes back
};

TEST_P(ProfileContract, ReadsNamesAndValuesAsTheSystemDoes) {
    dir_.WriteBytes("mixed.ini", kMixedFile);
    const ReadCase cases[] = {
        {"init", "key1", "value one"},   // names and values trimmed, first occurrence wins
        {"INIT", "KEY1", "value one"},   // names ignore letter case
        {" init ", " key1 ", "value one"}, // the caller's names are trimmed too
        {"init", "key2", "quoted"},      // double quotes dropped
        {"init", "key3", "single"},      // single quotes dropped
        {"init", "key4", "\"unmatched"}, // a lone quote stays
        {"init", "key5", "a\"b"},        // only the outer pair goes
        {"init", "noequals", nullptr},   // a key without "=" has no value
        {"init", "key6", ""},            // an empty value is not the default
        {"init", ";key7", "commented"},  // ";" lines are keys like any other
        {"init", "key8", "a=b=c"},       // the name ends at the first "="
        {"init", "key9", "tabbed"},      // tabs are blanks
        {"init", "key10", ""},           // a pair of quotes is an empty value
        {"init", "key11", " padded "},   // blanks inside the quotes stay
        {"init", "lf", "1"},             // LF ends a line
        {"init", "lonecr", "2"},         // so does a lone CR
        {"init", "after", "3"},
        {"init", "ctrlz", "z"},          // Ctrl-Z counts as a blank
        {"init", "key12", nullptr},      // a second section of the same name is never searched
        {"init", "missing", nullptr},
        {"", "keybefore", "kb"},         // lines before the first header: the empty section
        {"sec2", "k", nullptr},          // "[sec2" without "]" is no header
        {"a]b", "k", "ab"},              // the name runs to the last "]"
        {"a", "k", nullptr},
        {"tail", "k", "tail"},           // text after "]" is ignored
        {"nosuch", "k", nullptr},
    };
    for (const ReadCase& c : cases) {
        const Read got = Get("mixed.ini", c.section, c.key);
        const std::string expected = c.expected != nullptr ? c.expected : "DEF";
        EXPECT_EQ(got.text, expected) << "[" << c.section << "] " << c.key;
        EXPECT_EQ(got.length, expected.size()) << "[" << c.section << "] " << c.key;
    }
}

TEST_P(ProfileContract, CutsValuesToTheBuffer) {
    dir_.WriteBytes("cut.ini", "[S]\r\nq=\"abcdef\"\r\nlong=" + std::string(100000, 'L') + "\r\nz=end\r\n");
    struct Case {
        const char* key;
        const char* fallback;
        std::uint32_t size;
        std::string expected;
    };
    const Case cases[] = {
        {"q", "", 4, "abc"},        // quotes go before the cut
        {"q", "", 7, "abcde"},      // room for abcdef" loses the f with the quote
        {"q", "", 8, "abcdef"},
        {"q", "", 1, ""},           // room for the terminating zero only
        {"long", "", 255, std::string(254, 'L')},
        {"long", "", 100001, std::string(100000, 'L')}, // a very long line is read whole
        {"z", "", 255, "end"},      // and the line after it is intact
        {"missing", "abcdef", 3, "ab"},      // the default is cut the same way
        {"missing", "  def  ", 255, "  def"}, // its trailing blanks go
        {"missing", "\"def\"", 255, "def"},   // and its quotes
    };
    for (const Case& c : cases) {
        const Read got = Get("cut.ini", "S", c.key, c.fallback, c.size);
        EXPECT_EQ(got.text, c.expected) << c.key << " with buffer " << c.size;
        EXPECT_EQ(got.length, c.expected.size()) << c.key << " with buffer " << c.size;
    }
}

TEST_P(ProfileContract, MissingFileGivesTheDefault) {
    EXPECT_EQ(Get("absent.ini", "INIT", "Delay_0").text, "DEF");
    EXPECT_EQ(Get("absent.ini", "INIT", "Delay_0", "").length, 0u);
    EXPECT_FALSE(dir_.Exists("absent.ini")) << "reading must not create the file";
}

TEST_P(ProfileContract, WritingCreatesTheFileAndSection) {
    ASSERT_TRUE(Put("new.ini", "INIT", "BGColor_0", "0"));
    EXPECT_EQ(dir_.ReadBytes("new.ini"), "[INIT]\r\nBGColor_0=0\r\n");
    EXPECT_EQ(Get("new.ini", "init", "bgcolor_0").text, "0");
}

TEST_P(ProfileContract, WritingIntoAMissingFolderFails) {
    EXPECT_FALSE(Put("no such folder\\x.ini", "INIT", "a", "1"));
    EXPECT_FALSE(dir_.Exists("no such folder"));
}

TEST_P(ProfileContract, ReplacesTheFirstOccurrenceInPlace) {
    dir_.WriteBytes("edit.ini", kMixedFile);
    ASSERT_TRUE(Put("edit.ini", "init", "KEY1", "new"));
    EXPECT_EQ(Get("edit.ini", "INIT", "key1").text, "new");
    const std::string text = dir_.ReadBytes("edit.ini");
    const std::size_t replaced = text.find("=new");
    ASSERT_NE(replaced, std::string::npos);
    EXPECT_LT(text.find("INIT"), replaced) << text;
    EXPECT_LT(replaced, text.find("key2=")) << "the key keeps its place: " << text;
    EXPECT_NE(text.find("key1=second"), std::string::npos) << "a later duplicate is left alone";
}

TEST_P(ProfileContract, LeavesEveryOtherKeyAsItWas) {
    dir_.WriteBytes("keep.ini", kMixedFile);
    const char* sections[] = {"init", "", "a]b", "tail"};
    const char* keys[] = {"keybefore", "key2", "key3", "key4", "key5", "noequals", "key6", ";key7", "key8",
                          "key9", "key10", "key11", "lf", "lonecr", "after", "ctrlz", "key12", "k"};
    std::vector<std::string> before;
    for (const char* section : sections) {
        for (const char* key : keys) {
            before.push_back(Get("keep.ini", section, key).text);
        }
    }
    ASSERT_TRUE(Put("keep.ini", "init", "key1", "changed"));
    ASSERT_TRUE(Put("keep.ini", "init", "added", "x"));
    ASSERT_TRUE(Put("keep.ini", "other", "k", "y"));
    std::size_t i = 0;
    for (const char* section : sections) {
        for (const char* key : keys) {
            EXPECT_EQ(Get("keep.ini", section, key).text, before[i++]) << "[" << section << "] " << key;
        }
    }
    EXPECT_NE(dir_.ReadBytes("keep.ini").find("; comment line"), std::string::npos);
}

TEST_P(ProfileContract, AppendsANewKeyAfterTheLastKeyOfItsSection) {
    dir_.WriteBytes("append.ini", "[A]\r\na=1\r\n\r\n[B]\r\nb=1\r\n");
    ASSERT_TRUE(Put("append.ini", "a", "a2", "2"));
    const std::string text = dir_.ReadBytes("append.ini");
    EXPECT_LT(text.find("a=1"), text.find("a2=2")) << text;
    EXPECT_LT(text.find("a2=2"), text.find("[B]")) << text;
    EXPECT_EQ(Get("append.ini", "A", "a2").text, "2");
    EXPECT_EQ(Get("append.ini", "B", "b").text, "1");
}

TEST_P(ProfileContract, AppendsANewSectionAtTheEnd) {
    dir_.WriteBytes("sect.ini", "[A]\r\na=1");
    ASSERT_TRUE(Put("sect.ini", "New", "n", "v"));
    ASSERT_TRUE(Put("sect.ini", "A", "b", "2"));
    const std::string text = dir_.ReadBytes("sect.ini");
    EXPECT_LT(text.find("a=1"), text.find("[New]")) << text;
    EXPECT_LT(text.find("b=2"), text.find("[New]")) << text;
    EXPECT_EQ(Get("sect.ini", "new", "N").text, "v");
    EXPECT_EQ(Get("sect.ini", "A", "a").text, "1");
    EXPECT_EQ(Get("sect.ini", "A", "b").text, "2");
}

TEST_P(ProfileContract, WritesIntoTheFirstOfTwoSectionsOfOneName) {
    dir_.WriteBytes("dup.ini", "[S]\r\na=1\r\n[T]\r\nt=1\r\n[s]\r\nb=2\r\n");
    ASSERT_TRUE(Put("dup.ini", "S", "b", "first"));
    EXPECT_EQ(Get("dup.ini", "S", "b").text, "first");
    const std::string text = dir_.ReadBytes("dup.ini");
    EXPECT_LT(text.find("b=first"), text.find("[T]")) << text;
}

TEST_P(ProfileContract, GivesAValueToAKeyWithoutOne) {
    dir_.WriteBytes("noeq.ini", "[S]\r\nnoeq\r\nnoeq=later\r\n");
    ASSERT_TRUE(Put("noeq.ini", "S", "noeq", "x"));
    EXPECT_EQ(Get("noeq.ini", "S", "noeq").text, "x");
}

TEST_P(ProfileContract, ValuesWrittenReadBackTrimmed) {
    ASSERT_TRUE(Put("trim.ini", " S ", " k ", "  spaced  "));
    ASSERT_TRUE(Put("trim.ini", "S", "q", "\"x\""));
    ASSERT_TRUE(Put("trim.ini", "S", "blank", " "));
    ASSERT_TRUE(Put("trim.ini", "S", "empty", ""));
    EXPECT_EQ(Get("trim.ini", "S", "k").text, "spaced");
    EXPECT_EQ(Get("trim.ini", "S", "q").text, "x");
    EXPECT_EQ(Get("trim.ini", "S", "blank").length, 0u);
    EXPECT_EQ(Get("trim.ini", "S", "empty").length, 0u);
}

TEST_P(ProfileContract, WritingTheSameValueLeavesTheFileAlone) {
    const std::string original = "[S]\r\n\r\n  a = 1 \r\n\r\n";
    dir_.WriteBytes("same.ini", original);
    ASSERT_TRUE(Put("same.ini", "s", "A", "1"));
    EXPECT_EQ(dir_.ReadBytes("same.ini"), original);
}

TEST_P(ProfileContract, OtherBytesSurviveAWrite) {
    const std::string high = "hi=\x80\x81\x8d\x9d\xe9\r\n";
    const std::string longLine = "long=" + std::string(100000, 'L') + "\r\n";
    dir_.WriteBytes("bytes.ini", "[S]\r\n" + high + longLine + "z=end\r\n");
    ASSERT_TRUE(Put("bytes.ini", "S", "z", "end2"));
    const std::string text = dir_.ReadBytes("bytes.ini");
    EXPECT_NE(text.find(high), std::string::npos);
    EXPECT_NE(text.find(longLine), std::string::npos);
    EXPECT_EQ(Get("bytes.ini", "S", "long", "", 100001).length, 100000u);
    EXPECT_EQ(Get("bytes.ini", "S", "hi").text, "\x80\x81\x8d\x9d\xe9");
}

TEST_P(ProfileContract, ANulByteEndsAValue) {
    static const char kText[] = "[S]\r\nbin=a\0b\x01\xff\r\nafter=ok\r\n";
    dir_.WriteBytes("zerobyte.ini", std::string(kText, sizeof kText - 1));
    EXPECT_EQ(Get("zerobyte.ini", "S", "bin").text, "a");
    EXPECT_EQ(Get("zerobyte.ini", "S", "after").text, "ok");
}

TEST_P(ProfileContract, SkipsAByteOrderMark) {
    dir_.WriteBytes("bom.ini", "\xEF\xBB\xBF[INIT]\r\nk=v\r\n");
    EXPECT_EQ(Get("bom.ini", "init", "k").text, "v");
    ASSERT_TRUE(Put("bom.ini", "INIT", "k2", "v2"));
    EXPECT_EQ(dir_.ReadBytes("bom.ini").substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(Get("bom.ini", "init", "k2").text, "v2");
}

TEST_P(ProfileContract, SeesChangesMadeToTheFileByOthers) {
    dir_.WriteBytes("ext.ini", "[S]\r\nk=1\r\n");
    EXPECT_EQ(Get("ext.ini", "S", "k").text, "1");
    dir_.WriteBytes("ext.ini", "[S]\r\nk=22\r\n");
    EXPECT_EQ(Get("ext.ini", "S", "k").text, "22");
    ASSERT_TRUE(Put("ext.ini", "S", "j", "3"));
    EXPECT_EQ(Get("ext.ini", "S", "k").text, "22");
}

std::vector<ProfileBackend> Backends() {
    std::vector<ProfileBackend> backends;
#ifdef _WIN32
    backends.push_back({"Kernel32", [] { return qs::platform::MakeWin32ProfileFile(); }});
#endif
    backends.push_back({"Portable", [] { return qs::platform::MakePortableProfileFile(); }});
    return backends;
}

INSTANTIATE_TEST_SUITE_P(Backends, ProfileContract, testing::ValuesIn(Backends()), BackendName);

} // namespace
