// Settings kept in the registry under the program's own key, copied from the settings file.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/registry_portable.h"
#include "settings/registry_functions.h"
#include "settings/registry_settings.h"
#include "support/settings_fixture.h"
#include "support/settings_recording_registry.h"
#include "support/settings_temp_dir.h"

namespace {

using qs::platform::kHkeyCurrentUser;

constexpr const char* kAboutKey = "Software\\Brindle\\QuilloSaverF1\\AboutDlg";

class RegistrySettings : public qs::test::SettingsFixture {
protected:
    RegistrySettings() { os.UseRegistry(&recording_); }

    std::string RegistryText(const std::string& path, const std::string& name) {
        std::uint32_t type = 0;
        std::int32_t error = 0;
        const qs::RegVariant value = qs::GetRegValue(kHkeyCurrentUser, path, name, type, error);
        if (error != 0) {
            return "<error " + std::to_string(error) + ">";
        }
        return std::get<std::string>(value) + (type == qs::platform::kRegSz ? "" : "<not REG_SZ>");
    }

    void PutInRegistry(const std::string& name, const qs::RegVariant& value) {
        ASSERT_TRUE(qs::CreateRegKey(kHkeyCurrentUser, "Software", "Brindle\\QuilloSaverF1\\AboutDlg"));
        ASSERT_TRUE(qs::SetRegValue(kHkeyCurrentUser, kAboutKey, name, value));
        recording_.calls.clear();
    }

    qs::test::SettingsTempDir dir_;
    std::unique_ptr<qs::platform::Registry> store_ = qs::platform::MakePortableRegistry(dir_.File("registry.txt"));
    qs::test::RecordingRegistry recording_{*store_};
};

TEST_F(RegistrySettings, TheFilesValueIsCopiedIntoTheRegistryAndReturned) {
    const std::string file = "[AboutDlg]\r\nHomePage=http://example.invalid/quillo\r\n";
    SetFile(file);
    EXPECT_EQ(qs::GetRegistrySetting("AboutDlg", "HomePage", "dflt"), "http://example.invalid/quillo");
    EXPECT_EQ(RegistryText(kAboutKey, "HomePage"), "http://example.invalid/quillo");
    EXPECT_EQ(FileText(), file) << "the settings file is not changed";
    EXPECT_TRUE(profile.Keys(true).empty());
    EXPECT_EQ(profile.calls.at(0).size, 1024u);
    EXPECT_EQ(profile.calls.at(0).file, kIniFile);
}

TEST_F(RegistrySettings, TheFileWinsOverTheRegistryEveryTime) {
    PutInRegistry("HomePage", std::string("from registry"));
    SetFile("[AboutDlg]\r\nHomePage=from file\r\n");
    for (int call = 0; call < 2; ++call) {
        recording_.calls.clear();
        EXPECT_EQ(qs::GetRegistrySetting("AboutDlg", "HomePage", "dflt"), "from file");
        const std::vector<std::string> ops = recording_.Ops();
        EXPECT_EQ(ops, (std::vector<std::string>{"open", "create", "close", "close", "open", "set", "close"}));
        EXPECT_EQ(recording_.calls.at(0).name, "Software");
        EXPECT_EQ(recording_.calls.at(1).name, "Brindle\\QuilloSaverF1\\AboutDlg");
        EXPECT_EQ(recording_.calls.at(4).name, kAboutKey);
        EXPECT_EQ(recording_.calls.at(5).name, "HomePage");
        EXPECT_EQ(recording_.calls.at(5).type, qs::platform::kRegSz);
    }
}

struct LookupCase {
    const char* description;
    const char* file;             // settings file text
    qs::RegVariant registry;      // value put in the registry first (empty: none)
    const char* expected;
};

TEST_F(RegistrySettings, WithoutTheKeyInTheFileTheRegistryAnswers) {
    const LookupCase cases[] = {
        {"nowhere", "[AboutDlg]\r\nOther=1\r\n", qs::RegVariant(), "dflt"},
        {"no file section", "", qs::RegVariant(), "dflt"},
        {"registry text", "", std::string("kept"), "kept"},
        {"registry number", "", std::int32_t{5}, "5"},
        {"registry negative", "", std::int32_t{-1}, "-1"},
        {"registry empty text", "", std::string(), ""},
        {"empty in the file", "[AboutDlg]\r\nKey=\r\n", std::string("kept"), "kept"},
        {"quotes around nothing", "[AboutDlg]\r\nKey=\"\"\r\n", std::string("kept"), "kept"},
    };
    for (const LookupCase& c : cases) {
        qs::test::SettingsTempDir caseDir;
        const auto store = qs::platform::MakePortableRegistry(caseDir.File("registry.txt"));
        qs::test::RecordingRegistry recording(*store);
        os.UseRegistry(&recording);
        SetFile(c.file);
        if (!std::holds_alternative<std::monostate>(c.registry)) {
            ASSERT_TRUE(qs::CreateRegKey(kHkeyCurrentUser, "Software", "Brindle\\QuilloSaverF1\\AboutDlg"));
            ASSERT_TRUE(qs::SetRegValue(kHkeyCurrentUser, kAboutKey, "Key", c.registry));
            recording.calls.clear();
        }
        EXPECT_EQ(qs::GetRegistrySetting("AboutDlg", "Key", "dflt"), c.expected) << c.description;
        for (const auto& call : recording.calls) {
            EXPECT_NE(call.op, "set") << c.description << ": nothing is written";
            EXPECT_NE(call.op, "create") << c.description << ": nothing is created";
        }
        os.UseRegistry(&recording_);
    }
}

TEST_F(RegistrySettings, AnUnhandledTypeInTheRegistryGivesTheDefault) {
    ASSERT_TRUE(qs::CreateRegKey(kHkeyCurrentUser, "Software", "Brindle\\QuilloSaverF1\\AboutDlg"));
    qs::platform::RegKey key = 0;
    ASSERT_EQ(store_->RegOpenKeyEx(kHkeyCurrentUser, kAboutKey, 0, key), 0);
    store_->RegSetValueEx(key, "Key", qs::platform::kRegExpandSz, reinterpret_cast<const std::uint8_t*>("x"), 2);
    store_->RegCloseKey(key);
    EXPECT_EQ(qs::GetRegistrySetting("AboutDlg", "Key", "dflt"), "dflt");
}

TEST_F(RegistrySettings, TheFilesValueIsReturnedEvenWhenTheRegistryCannotTakeIt) {
    SetFile("[AboutDlg]\r\nKey=value\r\n");
    os.UseRegistry(nullptr);
    EXPECT_EQ(qs::GetRegistrySetting("AboutDlg", "Key", "dflt"), "value");
    EXPECT_EQ(qs::GetRegistrySetting("AboutDlg", "Missing", "dflt"), "dflt");
}

TEST_F(RegistrySettings, ReadIniStringReadsAnySectionUpTo1023Characters) {
    const std::string other = "C:\\other.ini";
    profile.SetText(other, "[Any]\r\nlong=" + std::string(2000, 'z') + "\r\nshort=  s  \r\n");
    EXPECT_EQ(qs::ReadIniString(other, "Any", "long"), std::string(1023, 'z'));
    EXPECT_EQ(qs::ReadIniString(other, "any", "SHORT"), "s");
    EXPECT_EQ(qs::ReadIniString(other, "Any", "missing"), "");
    EXPECT_EQ(qs::ReadIniString("C:\\absent.ini", "Any", "long"), "");
    for (const auto& call : profile.calls) {
        EXPECT_EQ(call.size, 1024u);
        EXPECT_EQ(call.value, "");
    }
}

} // namespace
