// Reading, writing and creating registry values and keys through the helpers, against
// the portable store, with every registry call recorded.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/registry_portable.h"
#include "settings/registry_functions.h"
#include "support/scoped_services.h"
#include "support/settings_recording_registry.h"
#include "support/settings_temp_dir.h"

namespace {

using qs::RegVariant;
using qs::platform::kHkeyCurrentUser;

constexpr const char* kKey = "Software\\QuilloTest";

class RegistryHelpers : public testing::Test {
protected:
    RegistryHelpers() {
        os_.UseRegistry(&recording_);
        qs::platform::RegKey key = 0;
        store_->RegCreateKeyEx(kHkeyCurrentUser, kKey, 0, key);
        store_->RegCloseKey(key);
    }

    void Store(const std::string& name, std::uint32_t type, const std::string& data) {
        qs::platform::RegKey key = 0;
        ASSERT_EQ(store_->RegOpenKeyEx(kHkeyCurrentUser, kKey, 0, key), 0);
        ASSERT_EQ(store_->RegSetValueEx(key, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                        static_cast<std::uint32_t>(data.size())),
                  0);
        store_->RegCloseKey(key);
    }

    // The raw type and bytes the store holds, or type 0 when there is no such value.
    std::pair<std::uint32_t, std::string> Stored(const std::string& path, const std::string& name) {
        qs::platform::RegKey key = 0;
        if (store_->RegOpenKeyEx(kHkeyCurrentUser, path, 0, key) != 0) {
            return {0, {}};
        }
        std::uint8_t buffer[2048];
        std::uint32_t type = 0;
        std::uint32_t size = sizeof buffer;
        const std::int32_t status = store_->RegQueryValueEx(key, name, &type, buffer, &size);
        store_->RegCloseKey(key);
        return status == 0 ? std::make_pair(type, std::string(reinterpret_cast<char*>(buffer), size))
                           : std::make_pair(0u, std::string());
    }

    RegVariant Read(const std::string& path, const std::string& name, const RegVariant& fallback = {}) {
        type_ = 77;
        error_ = -12345;
        return qs::GetRegValue(kHkeyCurrentUser, path, name, type_, error_, fallback);
    }

    qs::test::SettingsTempDir dir_;
    std::unique_ptr<qs::platform::Registry> store_ = qs::platform::MakePortableRegistry(dir_.File("registry.txt"));
    qs::test::RecordingRegistry recording_{*store_};
    qs::test::ScopedServices os_;
    std::uint32_t type_ = 0;
    std::int32_t error_ = 0;
};

TEST_F(RegistryHelpers, AMissingKeyGivesTheDefaultAndLeavesTheTypeAlone) {
    const RegVariant got = Read("Software\\NoSuchKey", "x", std::int32_t{0});
    EXPECT_EQ(got, RegVariant(std::int32_t{0}));
    EXPECT_EQ(error_, qs::platform::kErrorFileNotFound);
    EXPECT_EQ(type_, 77u);
    EXPECT_TRUE(recording_.OpenKeys().empty());
}

TEST_F(RegistryHelpers, AMissingValueGivesTheDefaultOrEmpty) {
    EXPECT_EQ(Read(kKey, "missing", std::string("fallback")), RegVariant(std::string("fallback")));
    EXPECT_EQ(error_, qs::platform::kErrorFileNotFound);
    EXPECT_EQ(Read(kKey, "missing"), RegVariant());
    EXPECT_TRUE(recording_.OpenKeys().empty()) << "the key is closed again";
}

struct ReadCase {
    const char* name;
    std::uint32_t type;
    std::string data;
    RegVariant expected;
    std::int32_t error;
};

TEST_F(RegistryHelpers, ReadsEachTypeItHandles) {
    std::string binary = std::string("\x01\x02\x03", 3);
    const ReadCase cases[] = {
        {"sz", qs::platform::kRegSz, std::string("1\0", 2), std::string("1"), 0},
        {"text", qs::platform::kRegSz, std::string("C:\\Program Files\\x.exe\0", 23),
         std::string("C:\\Program Files\\x.exe"), 0},
        {"emptysz", qs::platform::kRegSz, "", std::string(), 0},
        {"dword", qs::platform::kRegDword, std::string("\x05\0\0\0", 4), std::int32_t{5}, 0},
        {"minus", qs::platform::kRegDword, std::string("\xff\xff\xff\xff", 4), std::int32_t{-1}, 0},
        {"binary", qs::platform::kRegBinary, binary, binary + std::string(1024 - 3, '\0'), 0},
        {"expand", qs::platform::kRegExpandSz, std::string("%PATH%\0", 7), std::string("dflt"), qs::kUnhandledRegType},
        {"multi", qs::platform::kRegMultiSz, std::string("a\0b\0\0", 5), std::string("dflt"), qs::kUnhandledRegType},
        {"odd", 9, "ab", std::string("dflt"), qs::kUnhandledRegType},
        {"toolong", qs::platform::kRegSz, std::string(1024, 'x'), std::string("dflt"), qs::platform::kErrorMoreData},
        {"bigbinary", qs::platform::kRegBinary, std::string(1025, 'b'), std::string("dflt"),
         qs::platform::kErrorMoreData},
    };
    for (const ReadCase& c : cases) {
        Store(c.name, c.type, c.data);
        EXPECT_EQ(Read(kKey, c.name, std::string("dflt")), c.expected) << c.name;
        EXPECT_EQ(error_, c.error) << c.name;
        EXPECT_EQ(type_, c.type) << c.name;
    }
    EXPECT_TRUE(recording_.OpenKeys().empty());
}

TEST_F(RegistryHelpers, AStringWithoutItsTerminatingZeroIsTakenWhole) {
    // Written straight into the store's file: the ANSI call would add the zero.
    dir_.WriteBytes("registry.txt", "QuilloRegistry 1\nkey HKEY_CURRENT_USER\\Software\\QuilloTest\nvalue 1 6f6e65 31\n");
    EXPECT_EQ(Read(kKey, "one"), RegVariant(std::string("1")));
    EXPECT_EQ(error_, 0);
}

TEST_F(RegistryHelpers, QueriesWithAZeroedBufferOf1024BytesThenFourForADword) {
    Store("dword", qs::platform::kRegDword, std::string("\x07\0\0\0", 4));
    recording_.calls.clear();
    Read(kKey, "dword");
    ASSERT_EQ(recording_.Ops(), (std::vector<std::string>{"open", "query", "query", "close"}));
    EXPECT_EQ(recording_.calls[0].access, qs::kRegAccess);
    EXPECT_EQ(recording_.calls[0].name, kKey);
    EXPECT_EQ(recording_.calls[1].size, 1024u);
    EXPECT_TRUE(recording_.calls[1].bufferZeroed);
    EXPECT_EQ(recording_.calls[2].size, 4u);
}

TEST_F(RegistryHelpers, AnErrorWithoutADefaultIsEmptyNotAnEmptyString) {
    Store("expand", qs::platform::kRegExpandSz, std::string("x\0", 2));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(Read(kKey, "expand")));
    Store("emptysz", qs::platform::kRegSz, "");
    EXPECT_TRUE(std::holds_alternative<std::string>(Read(kKey, "emptysz")));
}

struct WriteCase {
    const char* name;
    RegVariant value;
    std::int32_t error;
    std::uint32_t type;
    std::string data;
};

TEST_F(RegistryHelpers, WritesEachKindOfValue) {
    const WriteCase cases[] = {
        {"text", std::string("abc"), 0, qs::platform::kRegSz, std::string("abc\0", 4)},
        {"empty", std::string(), 0, qs::platform::kRegSz, std::string("\0", 1)},
        {"double", 2.5, 0, qs::platform::kRegSz, std::string("2.5\0", 4)},
        {"int16", std::int16_t{7}, 0, qs::platform::kRegDword, std::string("\x07\0\0\0", 4)},
        {"int16neg", std::int16_t{-2}, 0, qs::platform::kRegDword, std::string("\xfe\xff\xff\xff", 4)},
        {"int32", std::int32_t{0x01020304}, 0, qs::platform::kRegDword, std::string("\x04\x03\x02\x01", 4)},
        {"true", true, 0, qs::platform::kRegDword, std::string("\xff\xff\xff\xff", 4)},
        {"false", false, 0, qs::platform::kRegDword, std::string("\0\0\0\0", 4)},
        {"nothing", RegVariant(), qs::kUnhandledRegType, 0, ""},
        {"single", 1.5f, qs::kUnhandledRegType, 0, ""},
    };
    for (const WriteCase& c : cases) {
        std::int32_t error = -1;
        EXPECT_EQ(qs::SetRegValue(kHkeyCurrentUser, kKey, c.name, c.value, &error), c.error == 0) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
        const auto [type, data] = Stored(kKey, c.name);
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(data, c.data) << c.name;
    }
    EXPECT_TRUE(recording_.OpenKeys().empty());
}

TEST_F(RegistryHelpers, WritingIgnoresOneTrailingSeparator) {
    recording_.calls.clear();
    EXPECT_TRUE(qs::SetRegValue(kHkeyCurrentUser, "Control Panel\\Desktop\\", "Probe", std::string("1")));
    ASSERT_FALSE(recording_.calls.empty());
    EXPECT_EQ(recording_.calls[0].name, "Control Panel\\Desktop");
    EXPECT_EQ(recording_.calls[0].access, qs::kRegAccess);
    EXPECT_EQ(Stored("Control Panel\\Desktop", "Probe").second, std::string("1\0", 2));
}

TEST_F(RegistryHelpers, WritingNeverCreatesAKey) {
    std::int32_t error = 0;
    EXPECT_FALSE(qs::SetRegValue(kHkeyCurrentUser, "Software\\Brindle\\Missing", "k", std::string("v"), &error));
    EXPECT_EQ(error, qs::platform::kErrorFileNotFound);
    EXPECT_FALSE(qs::SetRegValue(kHkeyCurrentUser, "Software\\Brindle\\Missing", "k", std::string("v")));
    Read("Software\\Brindle", "k");
    EXPECT_EQ(error_, qs::platform::kErrorFileNotFound);
}

TEST_F(RegistryHelpers, CreatesEveryLevelBelowAnExistingParent) {
    std::int32_t error = -1;
    recording_.calls.clear();
    EXPECT_TRUE(qs::CreateRegKey(kHkeyCurrentUser, "Software", "Brindle\\QuilloSaverF1\\AboutDlg", &error));
    EXPECT_EQ(error, 0);
    EXPECT_EQ(recording_.Ops(), (std::vector<std::string>{"open", "create", "close", "close"}));
    EXPECT_EQ(recording_.calls[1].access, qs::kRegAccess);
    EXPECT_TRUE(recording_.OpenKeys().empty());
    EXPECT_TRUE(qs::SetRegValue(kHkeyCurrentUser, "Software\\Brindle\\QuilloSaverF1\\AboutDlg", "k", std::string("v")));
    EXPECT_TRUE(qs::CreateRegKey(kHkeyCurrentUser, "Software", "Brindle\\QuilloSaverF1\\AboutDlg"))
        << "an existing key is simply opened";
    EXPECT_EQ(Stored("Software\\Brindle\\QuilloSaverF1\\AboutDlg", "k").second, std::string("v\0", 2));
}

TEST_F(RegistryHelpers, CreatingBelowAMissingParentFails) {
    std::int32_t error = 0;
    EXPECT_FALSE(qs::CreateRegKey(kHkeyCurrentUser, "Software\\Nope", "Child", &error));
    EXPECT_EQ(error, qs::platform::kErrorFileNotFound);
    EXPECT_EQ(Stored("Software\\Nope\\Child", "x").first, 0u);
    qs::platform::RegKey key = 0;
    EXPECT_EQ(store_->RegOpenKeyEx(kHkeyCurrentUser, "Software\\Nope", 0, key), qs::platform::kErrorFileNotFound);
}

TEST(RegistryHelpersWithoutARegistry, EveryCallFailsQuietly) {
    qs::test::ScopedServices os;
    os.UseRegistry(nullptr);
    std::uint32_t type = 5;
    std::int32_t error = 0;
    EXPECT_EQ(qs::GetRegValue(kHkeyCurrentUser, kKey, "x", type, error, std::string("d")), RegVariant(std::string("d")));
    EXPECT_EQ(error, qs::kNoRegistryService);
    EXPECT_FALSE(qs::SetRegValue(kHkeyCurrentUser, kKey, "x", std::string("v")));
    EXPECT_FALSE(qs::CreateRegKey(kHkeyCurrentUser, "Software", "x"));
}

struct DoubleCase {
    double value;
    const char* text;
};

TEST(RegistryDoubleText, WritesUpToFifteenDigits) {
    const DoubleCase cases[] = {
        {2.5, "2.5"},     {0.0, "0"},      {-0.0, "0"},           {-7.0, "-7"},
        {0.1, "0.1"},     {1.0 / 3.0, "0.333333333333333"},       {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},  {1e20, "1E+20"}, {1.5e-7, "1.5E-07"},  {0.0001, "0.0001"},
        {2.0 / 3.0 * 1e-5, "6.66666666666667E-06"},
    };
    for (const DoubleCase& c : cases) {
        EXPECT_EQ(qs::DoubleText(c.value), c.text) << c.value;
    }
}

} // namespace
