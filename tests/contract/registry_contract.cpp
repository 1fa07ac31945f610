// The registry calls as the program relies on them. On Windows the same cases run against
// advapi32 (in a key of their own under HKEY_CURRENT_USER\Software, deleted afterwards)
// and against the portable store; natively against the portable store alone.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/registry_portable.h"
#include "support/settings_temp_dir.h"
#ifdef _WIN32
#include <windows.h>

#include "platform/win32/registry_win32.h"
// windows.h's A/W renaming would otherwise reach the interface's method names.
#undef RegOpenKeyEx
#undef RegQueryValueEx
#undef RegSetValueEx
#undef RegCreateKeyEx
#endif

namespace {

using namespace qs::platform;

constexpr std::uint32_t kAccess = 0x2003F;
constexpr std::int32_t kInvalidHandle = 6;
constexpr std::int32_t kBadPathname = 161;

class RegistryContract : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
#ifdef _WIN32
        if (std::string(GetParam()) == "Advapi32") registry_ = MakeWin32Registry();
#endif
        if (!registry_) registry_ = MakePortableRegistry(dir_.File("registry.txt")); // goes with its folder
        ASSERT_EQ(registry_->RegCreateKeyEx(kHkeyCurrentUser, base_, kAccess, key_), 0);
    }

    void TearDown() override {
        if (key_ != 0) registry_->RegCloseKey(key_);
#ifdef _WIN32
        ::RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
        ::RegDeleteKeyA(HKEY_CURRENT_USER, base_.c_str());
#endif
    }

    std::int32_t Open(const std::string& path, RegKey& key) {
        return registry_->RegOpenKeyEx(kHkeyCurrentUser, path, kAccess, key);
    }

    qs::test::SettingsTempDir dir_;
    std::unique_ptr<Registry> registry_;
    std::string base_ = "Software\\QuilloTest" + std::to_string(std::random_device{}());
    RegKey key_ = 0;
};

TEST_P(RegistryContract, CreatesEveryLevelAndOpensWhatExists) {
    RegKey created = 0;
    ASSERT_EQ(registry_->RegCreateKeyEx(kHkeyCurrentUser, base_ + "\\A\\B\\C", kAccess, created), 0);
    registry_->RegCloseKey(created);
    ASSERT_EQ(registry_->RegCreateKeyEx(kHkeyCurrentUser, base_ + "\\A\\B\\C", kAccess, created), 0)
        << "creating an existing key opens it";
    registry_->RegCloseKey(created);
    ASSERT_EQ(registry_->RegCreateKeyEx(key_, "Brindle\\QuilloSaverF1\\AboutDlg", kAccess, created), 0)
        << "below an open key";
    registry_->RegCloseKey(created);
    EXPECT_EQ(registry_->RegCreateKeyEx(kHkeyCurrentUser, "\\" + base_ + "\\L", kAccess, created), kBadPathname);

    const struct {
        std::string path;
        std::int32_t status;
    } cases[] = {
        {base_ + "\\A", 0},
        {base_ + "\\a\\b\\c", 0},          // names ignore letter case
        {base_ + "\\A\\B\\", 0},           // a trailing "\" is accepted
        {base_ + "\\A\\\\B", 0},           // so is a doubled one
        {base_ + "\\Brindle\\QuilloSaverF1\\AboutDlg", 0},
        {"\\" + base_ + "\\A", kBadPathname},
        {base_ + "\\Missing", kErrorFileNotFound},
        {base_ + "\\L", kErrorFileNotFound},
        {"Software", 0},
        {"Control Panel\\Desktop", 0},
    };
    for (const auto& c : cases) {
        RegKey key = 0;
        const std::int32_t status = Open(c.path, key);
        EXPECT_EQ(status, c.status) << c.path;
        if (status == 0) {
            EXPECT_EQ(registry_->RegCloseKey(key), 0) << c.path;
        }
    }
    RegKey software = 0;
    EXPECT_EQ(registry_->RegOpenKeyEx(kHkeyLocalMachine, "SOFTWARE", kAccess, software), 0);
    registry_->RegCloseKey(software);
}

TEST_P(RegistryContract, OnlyOpenHandlesAreAccepted) {
    RegKey key = 0;
    ASSERT_EQ(registry_->RegOpenKeyEx(kHkeyCurrentUser, "", kAccess, key), 0);
    EXPECT_EQ(key, kHkeyCurrentUser) << "an empty path gives the root back";
    EXPECT_EQ(registry_->RegCloseKey(key), 0);
    EXPECT_EQ(registry_->RegOpenKeyEx(0x12345, "Software", kAccess, key), kInvalidHandle);
    EXPECT_EQ(registry_->RegCloseKey(0x4321), kInvalidHandle);
    ASSERT_EQ(Open(base_, key), 0);
    EXPECT_EQ(registry_->RegCloseKey(key), 0);
    EXPECT_EQ(registry_->RegCloseKey(key), kInvalidHandle);
    std::uint32_t size = 0;
    EXPECT_EQ(registry_->RegQueryValueEx(key, "x", nullptr, nullptr, &size), kInvalidHandle);
}

TEST_P(RegistryContract, StoresAndReportsEachTypeThroughAnyHandle) {
    const std::string dword("\x05\x00\x00\x00", 4);
    std::string big(1500, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i);
    const struct {
        const char* name;
        std::uint32_t type;
        const char* stored; // nullptr: read a value written by an earlier row
        std::string bytes;
        std::uint32_t capacity;
        std::int32_t status;
        std::uint32_t size;
        std::string data;   // what the query reports, when it succeeds
    } cases[] = {
        {"sz", kRegSz, "", std::string("1\0", 2), 1024, 0, 2, std::string("1\0", 2)},
        // The ANSI call stores a string type with its terminating zero.
        {"unterminated", kRegSz, "", "1", 1024, 0, 2, std::string("1\0", 2)},
        {"emptysz", kRegSz, "", "", 1024, 0, 0, ""},
        {"expand", kRegExpandSz, "", std::string("%PATH%\0", 7), 1024, 0, 7, std::string("%PATH%\0", 7)},
        {"Dw", kRegDword, "", dword, 1024, 0, 4, dword},
        {"DW", kRegDword, nullptr, "", 4, 0, 4, dword}, // value names ignore case
        {"dw", kRegDword, nullptr, "", 2, kErrorMoreData, 4, ""},
        {"bin", kRegBinary, "", "\x01\x02\x03", 1024, 0, 3, "\x01\x02\x03"},
        {"bigbin", kRegBinary, "", big, 1024, kErrorMoreData, 1500, ""},
        {"s1023", kRegSz, "", std::string(1023, 'x') + '\0', 1024, 0, 1024, std::string(1023, 'x') + '\0'},
        {"s1024", kRegSz, "", std::string(1024, 'x') + '\0', 1024, kErrorMoreData, 1025, ""},
        {"", kRegSz, "", std::string("def\0", 4), 1024, 0, 4, std::string("def\0", 4)},
        {"Kept", kRegSz, "", std::string("yes\0", 4), 1024, 0, 6, std::string("again\0", 6)},
        {"kept", kRegSz, "", std::string("again\0", 6), 1024, 0, 6, std::string("again\0", 6)}, // one name
    };
    for (const auto& c : cases) {
        if (c.stored == nullptr) continue;
        ASSERT_EQ(registry_->RegSetValueEx(key_, c.name, c.type, reinterpret_cast<const std::uint8_t*>(c.bytes.data()),
                                           static_cast<std::uint32_t>(c.bytes.size())),
                  0)
            << c.name;
    }
    // Values outlive the handle that wrote them.
    ASSERT_EQ(registry_->RegCloseKey(key_), 0);
    ASSERT_EQ(Open(base_, key_), 0);
    for (const auto& c : cases) {
        std::vector<std::uint8_t> buffer(c.capacity + 1, 0xAA);
        std::uint32_t type = 77;
        std::uint32_t size = c.capacity;
        EXPECT_EQ(registry_->RegQueryValueEx(key_, c.name, &type, buffer.data(), &size), c.status) << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(size, c.size) << c.name;
        if (c.status == 0) {
            EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + size), c.data) << c.name;
        }
        EXPECT_EQ(buffer[c.capacity], 0xAA) << "written past the buffer: " << c.name;
    }
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(registry_->RegQueryValueEx(key_, "bigbin", &type, nullptr, &size), 0) << "no buffer: size only";
    EXPECT_EQ(size, 1500u);
    EXPECT_EQ(type, kRegBinary);
    std::uint8_t byte = 0;
    size = 1;
    EXPECT_EQ(registry_->RegQueryValueEx(key_, "missing", &type, &byte, &size), kErrorFileNotFound);
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryContract,
#ifdef _WIN32
                         testing::Values("Advapi32", "Portable"),
#else
                         testing::Values("Portable"),
#endif
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
