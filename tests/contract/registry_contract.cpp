// The registry calls as the program relies on them. On Windows the same cases run against
// advapi32 (in a key of their own under HKEY_CURRENT_USER\Software, deleted afterwards)
// and against the portable store; natively against the portable store alone.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
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

using qs::platform::kHkeyCurrentUser;
using qs::platform::kHkeyLocalMachine;
using qs::platform::RegKey;
using qs::platform::Registry;

constexpr std::uint32_t kAccess = 0x2003F;
constexpr std::int32_t kInvalidHandle = 6;
constexpr std::int32_t kBadPathname = 161;

struct RegistryBackend {
    const char* name;
    std::function<std::unique_ptr<Registry>(const qs::test::SettingsTempDir&)> make;
    std::function<void(const std::string& path)> removeKey;
};

void PrintTo(const RegistryBackend& backend, std::ostream* out) {
    *out << backend.name;
}

std::string BackendName(const testing::TestParamInfo<RegistryBackend>& info) {
    return info.param.name;
}

class RegistryContract : public testing::TestWithParam<RegistryBackend> {
protected:
    void SetUp() override {
        registry_ = GetParam().make(dir_);
        base_ = "Software\\QuilloTest" + std::to_string(std::random_device{}());
        ASSERT_EQ(registry_->RegCreateKeyEx(kHkeyCurrentUser, base_, kAccess, key_), 0);
    }

    void TearDown() override {
        if (key_ != 0) {
            registry_->RegCloseKey(key_);
        }
        GetParam().removeKey(base_);
    }

    std::int32_t Open(const std::string& path, RegKey& key) {
        return registry_->RegOpenKeyEx(kHkeyCurrentUser, path, kAccess, key);
    }

    std::int32_t Set(const std::string& name, std::uint32_t type, const std::string& data) {
        return registry_->RegSetValueEx(key_, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                                        static_cast<std::uint32_t>(data.size()));
    }

    struct Query {
        std::int32_t status;
        std::uint32_t type;
        std::uint32_t size;
        std::string data; // the bytes reported (when the call succeeded)
    };

    Query Get(RegKey key, const std::string& name, std::uint32_t capacity) {
        std::vector<std::uint8_t> buffer(capacity + 1, 0xAA);
        Query q{0, 77, capacity, {}};
        q.status = registry_->RegQueryValueEx(key, name, &q.type, buffer.data(), &q.size);
        if (q.status == 0) {
            q.data.assign(reinterpret_cast<const char*>(buffer.data()), q.size);
        }
        EXPECT_EQ(buffer[capacity], 0xAA) << "written past the buffer";
        return q;
    }

    qs::test::SettingsTempDir dir_;
    std::unique_ptr<Registry> registry_;
    std::string base_;
    RegKey key_ = 0;
};

TEST_P(RegistryContract, CreatesEveryLevelAndOpensWhatExists) {
    RegKey created = 0;
    ASSERT_EQ(registry_->RegCreateKeyEx(kHkeyCurrentUser, base_ + "\\A\\B\\C", kAccess, created), 0);
    registry_->RegCloseKey(created);
    ASSERT_EQ(registry_->RegCreateKeyEx(kHkeyCurrentUser, base_ + "\\A\\B\\C", kAccess, created), 0)
        << "creating an existing key opens it";
    registry_->RegCloseKey(created);

    struct Case {
        std::string path;
        std::int32_t status;
    };
    const Case cases[] = {
        {base_ + "\\A", 0},
        {base_ + "\\a\\b\\c", 0},          // names ignore letter case
        {base_ + "\\A\\B\\", 0},           // a trailing "\" is accepted
        {base_ + "\\A\\\\B", 0},           // so is a doubled one
        {"\\" + base_ + "\\A", kBadPathname},
        {base_ + "\\Missing", qs::platform::kErrorFileNotFound},
        {base_ + "\\A\\B\\C\\D\\E", qs::platform::kErrorFileNotFound},
        {"Software", 0},
        {"Control Panel\\Desktop", 0},
    };
    for (const Case& c : cases) {
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

TEST_P(RegistryContract, CreatesBelowAnOpenKey) {
    RegKey parent = 0;
    ASSERT_EQ(Open(base_, parent), 0);
    RegKey child = 0;
    ASSERT_EQ(registry_->RegCreateKeyEx(parent, "Brindle\\QuilloSaverF1\\AboutDlg", kAccess, child), 0);
    registry_->RegCloseKey(child);
    registry_->RegCloseKey(parent);
    RegKey again = 0;
    EXPECT_EQ(Open(base_ + "\\Brindle\\QuilloSaverF1\\AboutDlg", again), 0);
    registry_->RegCloseKey(again);
    RegKey leading = 0;
    EXPECT_EQ(registry_->RegCreateKeyEx(kHkeyCurrentUser, "\\" + base_ + "\\L", kAccess, leading), kBadPathname);
}

TEST_P(RegistryContract, OpeningAnEmptyPathGivesTheRootBack) {
    RegKey key = 0;
    ASSERT_EQ(registry_->RegOpenKeyEx(kHkeyCurrentUser, "", kAccess, key), 0);
    EXPECT_EQ(key, kHkeyCurrentUser);
    EXPECT_EQ(registry_->RegCloseKey(key), 0);
}

TEST_P(RegistryContract, HandlesThatAreNotOpenAreRefused) {
    RegKey key = 0;
    EXPECT_EQ(registry_->RegOpenKeyEx(0x12345, "Software", kAccess, key), kInvalidHandle);
    EXPECT_EQ(registry_->RegCloseKey(0x4321), kInvalidHandle);
    ASSERT_EQ(Open(base_, key), 0);
    EXPECT_EQ(registry_->RegCloseKey(key), 0);
    EXPECT_EQ(registry_->RegCloseKey(key), kInvalidHandle);
    std::uint32_t size = 0;
    EXPECT_EQ(registry_->RegQueryValueEx(key, "x", nullptr, nullptr, &size), kInvalidHandle);
    EXPECT_EQ(registry_->RegCloseKey(kHkeyCurrentUser), 0);
}

TEST_P(RegistryContract, StoresAndReportsEachType) {
    const std::string dword("\x05\x00\x00\x00", 4);
    std::string big(1500, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<char>(i);
    }
    ASSERT_EQ(Set("sz", qs::platform::kRegSz, std::string("1\0", 2)), 0);
    ASSERT_EQ(Set("unterminated", qs::platform::kRegSz, "1"), 0);
    ASSERT_EQ(Set("emptysz", qs::platform::kRegSz, ""), 0);
    ASSERT_EQ(Set("expand", qs::platform::kRegExpandSz, std::string("%PATH%\0", 7)), 0);
    ASSERT_EQ(Set("Dw", qs::platform::kRegDword, dword), 0);
    ASSERT_EQ(Set("bin", qs::platform::kRegBinary, "\x01\x02\x03"), 0);
    ASSERT_EQ(Set("bigbin", qs::platform::kRegBinary, big), 0);
    ASSERT_EQ(Set("s1023", qs::platform::kRegSz, std::string(1023, 'x') + '\0'), 0);
    ASSERT_EQ(Set("s1024", qs::platform::kRegSz, std::string(1024, 'x') + '\0'), 0);
    ASSERT_EQ(Set("", qs::platform::kRegSz, std::string("def\0", 4)), 0);

    struct Case {
        const char* name;
        std::uint32_t capacity;
        std::int32_t status;
        std::uint32_t type;
        std::uint32_t size;
        std::string data;
    };
    const Case cases[] = {
        {"sz", 1024, 0, qs::platform::kRegSz, 2, std::string("1\0", 2)},
        // The ANSI call stores a string type with its terminating zero.
        {"unterminated", 1024, 0, qs::platform::kRegSz, 2, std::string("1\0", 2)},
        {"emptysz", 1024, 0, qs::platform::kRegSz, 0, ""},
        {"expand", 1024, 0, qs::platform::kRegExpandSz, 7, std::string("%PATH%\0", 7)},
        {"dw", 1024, 0, qs::platform::kRegDword, 4, dword},   // value names ignore case
        {"DW", 4, 0, qs::platform::kRegDword, 4, dword},
        {"dw", 2, qs::platform::kErrorMoreData, qs::platform::kRegDword, 4, ""},
        {"bin", 1024, 0, qs::platform::kRegBinary, 3, "\x01\x02\x03"},
        {"bigbin", 1024, qs::platform::kErrorMoreData, qs::platform::kRegBinary, 1500, ""},
        {"s1023", 1024, 0, qs::platform::kRegSz, 1024, std::string(1023, 'x') + '\0'},
        {"s1024", 1024, qs::platform::kErrorMoreData, qs::platform::kRegSz, 1025, ""},
        {"", 1024, 0, qs::platform::kRegSz, 4, std::string("def\0", 4)},
    };
    for (const Case& c : cases) {
        const Query q = Get(key_, c.name, c.capacity);
        EXPECT_EQ(q.status, c.status) << c.name;
        EXPECT_EQ(q.type, c.type) << c.name;
        EXPECT_EQ(q.size, c.size) << c.name;
        EXPECT_EQ(q.data, c.data) << c.name;
    }
}

TEST_P(RegistryContract, AMissingValueIsNotFound) {
    const Query q = Get(key_, "missing", 1024);
    EXPECT_EQ(q.status, qs::platform::kErrorFileNotFound);
}

TEST_P(RegistryContract, ReportsTheSizeWhenNoBufferIsGiven) {
    ASSERT_EQ(Set("bin", qs::platform::kRegBinary, std::string(1500, 'b')), 0);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(registry_->RegQueryValueEx(key_, "bin", &type, nullptr, &size), 0);
    EXPECT_EQ(size, 1500u);
    EXPECT_EQ(type, qs::platform::kRegBinary);
}

TEST_P(RegistryContract, ValuesOutliveTheHandleThatWroteThem) {
    ASSERT_EQ(Set("Kept", qs::platform::kRegSz, std::string("yes\0", 4)), 0);
    ASSERT_EQ(Set("kept", qs::platform::kRegSz, std::string("again\0", 6)), 0) << "same name, any case";
    ASSERT_EQ(registry_->RegCloseKey(key_), 0);
    key_ = 0;
    RegKey reopened = 0;
    ASSERT_EQ(Open(base_, reopened), 0);
    EXPECT_EQ(Get(reopened, "KEPT", 1024).data, std::string("again\0", 6));
    registry_->RegCloseKey(reopened);
}

#ifdef _WIN32
void DeleteWin32Key(const std::string& path) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}
#endif

std::vector<RegistryBackend> Backends() {
    std::vector<RegistryBackend> backends;
#ifdef _WIN32
    backends.push_back({"Advapi32", [](const qs::test::SettingsTempDir&) { return qs::platform::MakeWin32Registry(); },
                        DeleteWin32Key});
#endif
    backends.push_back({"Portable",
                        [](const qs::test::SettingsTempDir& dir) {
                            return qs::platform::MakePortableRegistry(dir.File("registry.txt"));
                        },
                        [](const std::string&) {}}); // the store goes with its folder
    return backends;
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryContract, testing::ValuesIn(Backends()), BackendName);

} // namespace
