// The registry helpers against advapi32 in a key of their own below HKEY_CURRENT_USER\Software
// (deleted afterwards), and the settings that the settings file hands on to the program's own key.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <random>
#include <string>
#include <tuple>

#include "platform/win32/profile_win32.h"
#include "platform/win32/registry_win32.h"
#include "settings/registry_functions.h"
#include "settings/registry_settings.h"
#include "support/scoped_services.h"
#include "support/scratch_folder.h"

namespace qs {
namespace {

using platform::kHkeyCurrentUser;

class RegistryContract : public testing::Test {
protected:
    RegistryContract() {
        os.UseRegistry(registry_.get());
        os.UseProfile(profile_.get());
        os.process.executablePath = dir_.File("QuilloSlides.scr");
    }
    ~RegistryContract() override {
        for (const std::string& key : {"Software\\" + name_, "Software\\Brindle\\QuilloSaverF1\\" + name_})
            RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str()); // the key itself too
    }
    // The value exactly as the system stores it: its type and bytes.
    std::pair<DWORD, std::string> Stored(const std::string& path, const std::string& value) {
        DWORD type = 0, size = 2048;
        char data[2048] = {};
        if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), value.c_str(), RRF_RT_ANY, &type, data, &size)) return {0, "none"};
        return {type, std::string(data, size)};
    }

    test::ScopedServices os;
    std::unique_ptr<platform::Registry> registry_ = platform::MakeWin32Registry();
    std::unique_ptr<platform::ProfileFile> profile_ = platform::MakeWin32ProfileFile();
    test::ScratchFolder dir_;
    const std::string name_ = "QuilloTest" + std::to_string(std::random_device{}());
    const std::string key_ = "Software\\" + name_ + "\\A\\B";
    std::uint32_t type_ = 77;
    std::int32_t error_ = 0;
};

TEST_F(RegistryContract, ReadsTextNumbersAndBinaryAndGivesTheFallbackForTheRest) {
    EXPECT_EQ(GetRegValue(kHkeyCurrentUser, key_, "x", type_, error_, std::int32_t{0}), RegVariant(std::int32_t{0}));
    EXPECT_EQ(error_, ERROR_FILE_NOT_FOUND) << "no key";
    EXPECT_EQ(type_, 77u) << "the type is left alone";
    ASSERT_TRUE(CreateRegKey(kHkeyCurrentUser, "Software", name_ + "\\A\\B")) << "every level is created";
    EXPECT_EQ(GetRegValue(kHkeyCurrentUser, key_, "missing", type_, error_), RegVariant());
    EXPECT_EQ(error_, ERROR_FILE_NOT_FOUND);
    const std::string binary("\x01\x02\x03", 3);
    const std::tuple<const char*, DWORD, std::string, RegVariant, std::int32_t> cases[] = {
        {"sz", REG_SZ, std::string("C:\\x.exe\0", 9), std::string("C:\\x.exe"), 0},
        {"noZero", REG_SZ, "1", std::string("1"), 0},
        {"emptySz", REG_SZ, "", std::string(), 0},
        {"minus", REG_DWORD, "\xff\xff\xff\xff", std::int32_t{-1}, 0},
        {"binary", REG_BINARY, binary, binary + std::string(1024 - 3, '\0'), 0},
        {"expand", REG_EXPAND_SZ, std::string("%P%\0", 4), std::string("d"), kUnhandledRegType},
        {"tooLong", REG_SZ, std::string(1024, 'x'), std::string("d"), ERROR_MORE_DATA}};
    for (const auto& [name, type, data, expected, error] : cases) {
        ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key_.c_str(), name, type, data.data(), DWORD(data.size())), 0);
        const std::string path = key_ + "\\"; // a trailing separator is ignored, as the password option's key has one
        EXPECT_EQ(GetRegValue(kHkeyCurrentUser, path, name, type_, error_, std::string("d")), expected) << name;
        EXPECT_EQ(error_, error) << name;
        EXPECT_EQ(type_, type) << name;
    }
}

TEST_F(RegistryContract, TheSettingsFilesValueWinsAndIsCopiedIntoTheProgramsKey) {
    const std::string section = "Software\\Brindle\\QuilloSaverF1\\" + name_;
    const std::string file = "[" + name_ + "]\r\nHomePage=" + std::string(2000, 'h') + "\r\nEmpty=\r\n";
    dir_.write("QuilloSlides.INI", file);
    EXPECT_EQ(GetRegistrySetting(name_, "HomePage", "dflt"), std::string(1023, 'h'));
    EXPECT_EQ(Stored(section, "HomePage"), std::make_pair(DWORD(REG_SZ), std::string(1023, 'h') + '\0'));
    EXPECT_EQ(dir_.read("QuilloSlides.INI"), file) << "the settings file is not changed";
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, section.c_str(), "Number", REG_DWORD, "\x05\0\0\0", 4), 0);
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, section.c_str(), "Empty", REG_SZ, "kept", 5), 0);
    const std::pair<const char*, const char*> cases[] = {{"Number", "5"}, {"Empty", "kept"}, {"Nowhere", "dflt"}};
    for (const auto& [key, answer] : cases) EXPECT_EQ(GetRegistrySetting(name_, key, "dflt"), answer) << key;
    EXPECT_EQ(Stored(section, "Nowhere").second, "none");
}

} // namespace
} // namespace qs
