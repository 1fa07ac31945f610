// Damaged and hostile settings files, read and written through the portable profile
// functions on real files: every one gives its defined answer, and the file's other
// settings survive the write-back.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "platform/profile_portable.h"
#include "settings/cls_settings.h"
#include "support/settings_fixture.h"
#include "support/settings_temp_dir.h"

namespace {

using qs::ClsSettings;

class SettingsGarbage : public qs::test::SettingsFixture {
protected:
    SettingsGarbage() : portable_(qs::platform::MakePortableProfileFile()) {
        os.UseProfile(portable_.get());
        os.process.executablePath = dir_.File("QuilloSlides.scr");
    }

    void Write(const std::string& bytes) { dir_.WriteBytes("QuilloSlides.INI", bytes); }
    std::string Read() const { return dir_.ReadBytes("QuilloSlides.INI"); }

    qs::test::SettingsTempDir dir_;
    std::unique_ptr<qs::platform::ProfileFile> portable_;
};

std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(byte(generator));
    }
    return bytes;
}

TEST_F(SettingsGarbage, BinaryNoiseAroundTheSettings) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::string noise = RandomBytes(4096, seed);
        Write(noise + "\r\n[INIT]\r\nDelay_0=33\r\nBGColor_0=255\r\n" + noise + "\r\n");
        std::int32_t delay = 0;
        {
            ClsSettings settings;
            delay = settings.Delay();
            EXPECT_GE(delay, 2);
            EXPECT_LE(delay, 1000);
            EXPECT_GE(settings.PictureCount(), -2147483647 - 1);
        }
        ClsSettings again;
        EXPECT_EQ(again.Delay(), delay) << "seed " << seed << ": the write-back reads back the same";
    }
}

TEST_F(SettingsGarbage, NoiseBytesOutsideTheSettingsSurviveTheWriteBack) {
    const std::string noise = RandomBytes(2048, 99);
    std::string kept = "[Elsewhere]\r\n";
    for (char c : noise) {
        if (c != '\r' && c != '\n' && c != '[' && c != '\0') {
            kept += c;
        }
    }
    kept += "\r\n";
    Write(kept + "[INIT]\r\nDelay_0=33\r\n");
    { ClsSettings settings; }
    EXPECT_EQ(Read().substr(0, kept.size()), kept);
}

TEST_F(SettingsGarbage, VeryLongLinesAndValues) {
    const std::string longPath = "C:\\" + std::string(100000, 'x') + ".jpg";
    // Only the first 254 characters of a value are read: 200 zeros and 42 are 42.
    Write("[INIT]\r\nBGColor_0=" + std::string(10000, '9') + "\r\nDelay_0=" + std::string(200, '0') + "42\r\n" +
          "Junk" + std::string(200000, '=') + "\r\nPictureCount_0=1\r\nFileSpec_1=" + longPath + "\r\n");
    {
        ClsSettings settings;
        EXPECT_EQ(settings.bgColor(), 0) << "beyond 32 bits";
        EXPECT_EQ(settings.Delay(), 42);
        ASSERT_EQ(settings.PictureCount(), 1);
        EXPECT_EQ(settings.getFileSpec(1), longPath.substr(0, 254));
    }
    const std::string text = Read();
    EXPECT_NE(text.find("Junk" + std::string(200000, '=')), std::string::npos);
    EXPECT_NE(text.find("FileSpec_1=" + longPath.substr(0, 254) + "\r\n"), std::string::npos);
}

struct HugeCountCase {
    const char* count;
    std::int32_t expected;
};

TEST_F(SettingsGarbage, HugeAndNegativeCountsKeepTheOtherSettings) {
    const HugeCountCase cases[] = {
        {"2000000000", 0},  {"2147483647", 0},  {"2147483648", 0}, {"1e300", 0},
        {"-2147483648", -2147483647 - 1}, {"-5", -5},
    };
    for (const HugeCountCase& c : cases) {
        Write(std::string("[INIT]\r\nBGColor_0=65280\r\nDelay_0=77\r\nRandomDisplay_0=True\r\nPictureCount_0=") +
              c.count + "\r\nFileSpec_1=C:\\keep.jpg\r\n");
        const auto start = std::chrono::steady_clock::now();
        {
            ClsSettings settings;
            EXPECT_EQ(settings.PictureCount(), c.expected) << c.count;
            EXPECT_EQ(settings.getFileSpec(1), "") << c.count;
            EXPECT_EQ(settings.bgColor(), 65280) << c.count;
            EXPECT_EQ(settings.Delay(), 77) << c.count;
            EXPECT_TRUE(settings.RandomDisplay()) << c.count;
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << c.count;
        ClsSettings again;
        EXPECT_EQ(again.bgColor(), 65280) << c.count;
        EXPECT_EQ(again.Delay(), 77) << c.count;
        EXPECT_TRUE(again.RandomDisplay()) << c.count;
        EXPECT_EQ(again.PictureCount(), 0) << c.count;
        EXPECT_NE(Read().find("FileSpec_1=C:\\keep.jpg"), std::string::npos) << "entry keys stay: " << c.count;
    }
}

TEST_F(SettingsGarbage, MissingSectionLeavesOtherSectionsAlone) {
    const std::string other = "[AboutDlg]\r\nHomePage=http://example.invalid/\r\n; note\r\n\r\n";
    Write(other);
    {
        ClsSettings settings;
        EXPECT_EQ(settings.Delay(), 10);
        EXPECT_EQ(settings.PictureCount(), 0);
    }
    const std::string text = Read();
    EXPECT_EQ(text.substr(0, other.size()), other);
    EXPECT_NE(text.find("[INIT]\r\nBGColor_0=0\r\n"), std::string::npos);
}

TEST_F(SettingsGarbage, HeadersAndKeysWithoutValues) {
    Write("[INIT\r\nDelay_0=50\r\n[INIT]\r\nDelay_0\r\nPictureCount_0\r\n[]\r\n=\r\n[INIT]\r\nDelay_0=60\r\n");
    ClsSettings settings;
    EXPECT_EQ(settings.Delay(), 10) << "a key without a value is not given; a second INIT is never searched";
    EXPECT_EQ(settings.PictureCount(), 0);
}

TEST_F(SettingsGarbage, AFolderInPlaceOfTheFile) {
    std::filesystem::create_directory(dir_.HostPath() / "QuilloSlides.INI");
    {
        ClsSettings settings;
        EXPECT_EQ(settings.Delay(), 10);
        settings.Delay(20);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir_.HostPath() / "QuilloSlides.INI"));
    EXPECT_EQ(dir_.FileCount(), 1u) << "no temporary file is left behind";
}

} // namespace
