// What our own profile reader and writer promise beyond the system's functions: every
// byte it does not need to change stays as it was, and its files are replaced whole.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/profile_portable.h"
#include "platform/profile_text.h"
#include "support/settings_temp_dir.h"

namespace {

using qs::platform::ProfileText;

struct EditCase {
    const char* description;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

TEST(ProfileTextEdits, ChangeOnlyWhatTheyMust) {
    const EditCase cases[] = {
        {"value replaced in place, spacing before it kept", "; head\r\n\r\n[S]\r\n  a = 1 \r\n\r\nb=2\r\n", "s", "A",
         "9", "; head\r\n\r\n[S]\r\n  a =9\r\n\r\nb=2\r\n"},
        {"LF endings kept", "[S]\na=1\nb=2\n", "S", "a", "x", "[S]\na=x\nb=2\n"},
        {"new key after the section's last line, before the blank lines that end it",
         "[A]\r\na=1\r\n\r\n[B]\r\nb=1\r\n", "A", "n", "v", "[A]\r\na=1\r\nn=v\r\n\r\n[B]\r\nb=1\r\n"},
        {"comment lines count as lines of the section", "[A]\r\na=1\r\n;c\r\n[B]\r\n", "A", "n", "v",
         "[A]\r\na=1\r\n;c\r\nn=v\r\n[B]\r\n"},
        {"new key in an empty section", "[A]\r\n[B]\r\n", "A", "n", "v", "[A]\r\nn=v\r\n[B]\r\n"},
        {"last line without a line break", "[A]\r\na=1", "A", "n", "v", "[A]\r\na=1\r\nn=v\r\n"},
        {"new section at the end", "[A]\r\na=1", "B", "n", "v", "[A]\r\na=1\r\n[B]\r\nn=v\r\n"},
        {"new file", "", "INIT", "Delay_0", "10", "[INIT]\r\nDelay_0=10\r\n"},
        {"key without a value gets one", "[A]\r\nk\r\nz=1\r\n", "A", "k", "v", "[A]\r\nk=v\r\nz=1\r\n"},
        {"key before any section", "top=1\r\n[A]\r\n", "", "new", "v", "top=1\r\nnew=v\r\n[A]\r\n"},
        {"empty leading section", "\xEF\xBB\xBF[A]\r\n", "", "new", "v", "\xEF\xBB\xBFnew=v\r\n[A]\r\n"},
        {"binary bytes elsewhere kept", std::string("[A]\r\nx=\x01\x00\xff\r\na=1\r\n", 16), "A", "a", "2",
         std::string("[A]\r\nx=\x01\x00\xff\r\na=2\r\n", 16)},
        {"the value's leading blanks dropped", "[A]\r\n", "A", "k", "  v ", "[A]\r\nk=v \r\n"},
    };
    for (const EditCase& c : cases) {
        ProfileText text(c.before);
        EXPECT_TRUE(text.Write(c.section, c.key, c.value)) << c.description;
        EXPECT_EQ(text.Bytes(), c.after) << c.description;
    }
}

TEST(ProfileTextEdits, WritingTheStoredValueChangesNothing) {
    ProfileText text("[A]\r\n a = 1 \r\nq=\"x\"\r\n");
    EXPECT_FALSE(text.Write("A", "a", "1"));
    EXPECT_TRUE(text.Write("A", "q", "x")) << "the stored value has quotes";
    EXPECT_EQ(text.Bytes(), "[A]\r\n a = 1 \r\nq=x\r\n");
}

// Editing keeps an index of the text instead of parsing it again; it must always agree
// with what a fresh parse of the edited text finds.
TEST(ProfileTextEdits, ManyEditsAgreeWithAFreshParse) {
    std::mt19937 generator(2024);
    const std::vector<std::string> sections = {"", "A", "b", "INIT"};
    std::vector<std::string> keys;
    for (int i = 0; i < 12; ++i) {
        keys.push_back("Key_" + std::to_string(i));
    }
    ProfileText text("junk\r\n[A]\n;c\r\n\r\n[INIT]\rKey_1=x\r\n[A]\r\nKey_2=shadowed\r\nlast");
    for (int step = 0; step < 600; ++step) {
        const std::string& section = sections[generator() % sections.size()];
        const std::string& key = keys[generator() % keys.size()];
        const std::string value = std::string(generator() % 6, 'v') + std::to_string(step % 7);
        text.Write(section, key, value);
        ASSERT_EQ(text.Read(section, key), value) << "step " << step;
        const ProfileText fresh(text.Bytes());
        for (const std::string& s : sections) {
            for (const std::string& k : keys) {
                ASSERT_EQ(text.Read(s, k), fresh.Read(s, k)) << "step " << step << " [" << s << "] " << k;
            }
        }
    }
}

TEST(ProfileTextCopy, QuotesAndTheBuffer) {
    struct Case {
        const char* value;
        std::uint32_t size;
        const char* expected;
    };
    const Case cases[] = {
        {"plain", 255, "plain"}, {"plain", 3, "pl"},     {"\"q\"", 255, "q"},  {"'q'", 255, "q"},
        {"\"\"", 255, ""},       {"\"", 255, "\""},      {"\"q'", 255, "\"q'"}, {"\"abcdef\"", 4, "abc"},
        {"\"abcdef\"", 7, "abcde"}, {"\"abcdef\"", 8, "abcdef"}, {"x", 1, ""},
    };
    for (const Case& c : cases) {
        char buffer[300];
        const std::uint32_t n = qs::platform::CopyProfileValue(c.value, buffer, c.size);
        EXPECT_EQ(std::string(buffer, n), c.expected) << c.value << " / " << c.size;
        EXPECT_EQ(buffer[n], '\0');
    }
    char untouched = 'u';
    EXPECT_EQ(qs::platform::CopyProfileValue("x", &untouched, 0), 0u);
    EXPECT_EQ(untouched, 'u');
}

class PortableProfileFiles : public testing::Test {
protected:
    std::string Get(const std::string& file, const std::string& key) {
        char buffer[255];
        const std::uint32_t n = profile_->GetPrivateProfileString("S", key, "DEF", buffer, sizeof buffer, dir_.File(file));
        return std::string(buffer, n);
    }

    qs::test::SettingsTempDir dir_;
    std::unique_ptr<qs::platform::ProfileFile> profile_ = qs::platform::MakePortableProfileFile();
};

TEST_F(PortableProfileFiles, LeaveNoTemporaryFilesBehind) {
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(profile_->WritePrivateProfileString("S", "k" + std::to_string(i % 7), std::to_string(i),
                                                        dir_.File("a.ini")));
    }
    EXPECT_EQ(dir_.FileCount(), 1u);
    EXPECT_EQ(Get("a.ini", "k0"), "49");
}

TEST_F(PortableProfileFiles, AFolderNamedLikeTheFileRefusesTheWrite) {
    std::filesystem::create_directory(dir_.HostPath() / "a.ini");
    EXPECT_FALSE(profile_->WritePrivateProfileString("S", "k", "1", dir_.File("a.ini")));
    EXPECT_EQ(Get("a.ini", "k"), "DEF");
    EXPECT_EQ(dir_.FileCount(), 1u);
}

TEST_F(PortableProfileFiles, BackslashesSeparateFolders) {
    std::filesystem::create_directory(dir_.HostPath() / "sub");
    ASSERT_TRUE(profile_->WritePrivateProfileString("S", "k", "v", dir_.Path() + "\\sub\\b.ini"));
    EXPECT_EQ(dir_.ReadBytes("sub/b.ini"), "[S]\r\nk=v\r\n");
}

TEST_F(PortableProfileFiles, ManyKeysOfOneFileAreWrittenAndReadQuickly) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i <= 4000; ++i) {
        ASSERT_TRUE(profile_->WritePrivateProfileString("S", "Key_" + std::to_string(i), "value " + std::to_string(i),
                                                        dir_.File("big.ini")));
    }
    for (int i = 1; i <= 4000; ++i) {
        ASSERT_EQ(Get("big.ini", "Key_" + std::to_string(i)), "value " + std::to_string(i));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

} // namespace
