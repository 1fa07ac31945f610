// Registry values read and written through the helpers, and the settings the settings
// file hands on to the program's own key; against the portable store, every call recorded.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/registry_portable.h"
#include "settings/registry_functions.h"
#include "settings/registry_settings.h"
#include "support/settings_fixture.h"
#include "support/settings_recording_registry.h"
#include "support/settings_temp_dir.h"

namespace {

using qs::RegVariant;
using namespace qs::platform;
using Ops = std::vector<std::string>;

constexpr const char* kKey = "Software\\Brindle\\QuilloSaverF1\\AboutDlg";

class Registry : public qs::test::SettingsFixture {
protected:
    Registry() { os.UseRegistry(&recording_); }
    void CreateKey() { ASSERT_TRUE(qs::CreateRegKey(kHkeyCurrentUser, "Software", "Brindle\\QuilloSaverF1\\AboutDlg")); }
    RegVariant Read(const std::string& path, const std::string& name, const RegVariant& fallback = {}) {
        type_ = 77;
        return qs::GetRegValue(kHkeyCurrentUser, path, name, type_, error_, fallback);
    }

    qs::test::SettingsTempDir dir_;
    std::unique_ptr<qs::platform::Registry> store_ = MakePortableRegistry(dir_.File("registry.txt"));
    qs::test::RecordingRegistry recording_{*store_};
    std::uint32_t type_ = 0;
    std::int32_t error_ = 0;
};

TEST_F(Registry, ReadsTextNumbersAndBinaryAndGivesTheDefaultForTheRest) {
    EXPECT_EQ(Read(kKey, "x", std::int32_t{0}), RegVariant(std::int32_t{0}));
    EXPECT_EQ(error_, kErrorFileNotFound) << "no key";
    EXPECT_EQ(type_, 77u) << "the type is left alone";
    CreateKey();
    EXPECT_TRUE(std::holds_alternative<std::monostate>(Read(kKey, "missing")));
    EXPECT_EQ(error_, kErrorFileNotFound);
    const std::string binary("\x01\x02\x03", 3);
    const std::tuple<const char*, std::uint32_t, std::string, RegVariant, std::int32_t> cases[] = {
        {"sz", kRegSz, std::string("C:\\x.exe\0", 9), std::string("C:\\x.exe"), 0},
        {"noZero", kRegSz, "1", std::string("1"), 0},
        {"emptySz", kRegSz, "", std::string(), 0},
        {"minus", kRegDword, "\xff\xff\xff\xff", std::int32_t{-1}, 0},
        {"binary", kRegBinary, binary, binary + std::string(1024 - 3, '\0'), 0},
        {"expand", kRegExpandSz, std::string("%P%\0", 4), std::string("d"), qs::kUnhandledRegType},
        {"tooLong", kRegSz, std::string(1024, 'x'), std::string("d"), kErrorMoreData}};
    for (const auto& [name, type, data, expected, error] : cases) {
        qs::test::PutRegValue(*store_, kHkeyCurrentUser, kKey, name, type, data);
        EXPECT_EQ(Read(kKey, name, std::string("d")), expected) << name;
        EXPECT_EQ(error_, error) << name;
        EXPECT_EQ(type_, type) << name;
    }
    EXPECT_TRUE(recording_.OpenKeys().empty()) << "every key is closed again";
}

TEST_F(Registry, WritesTextAndNumbersIntoAnExistingKeyOnly) {
    std::int32_t error = 0;
    EXPECT_FALSE(qs::SetRegValue(kHkeyCurrentUser, kKey, "k", std::string("v"), &error));
    EXPECT_EQ(error, kErrorFileNotFound) << "no key is created";
    CreateKey();
    const std::tuple<RegVariant, std::uint32_t, std::string> cases[] = {
        {std::string("abc"), kRegSz, std::string("abc\0", 4)}, {std::string(), kRegSz, std::string("\0", 1)},
        {2.5, kRegSz, std::string("2.5\0", 4)}, {std::int16_t{-2}, kRegDword, "\xfe\xff\xff\xff"},
        {true, kRegDword, "\xff\xff\xff\xff"}};
    for (const auto& [value, type, data] : cases) {
        recording_.calls.clear();
        EXPECT_TRUE(qs::SetRegValue(kHkeyCurrentUser, kKey + std::string("\\"), "v", value, &error)) << data;
        EXPECT_EQ(error, 0);
        ASSERT_EQ(recording_.Ops(), (Ops{"open", "set", "close"}));
        EXPECT_EQ(recording_.calls[0].name, kKey) << "one trailing separator is ignored";
        EXPECT_EQ(recording_.calls[1].type, type);
        EXPECT_EQ(recording_.calls[1].data, data);
    }
    recording_.calls.clear();
    EXPECT_FALSE(qs::SetRegValue(kHkeyCurrentUser, kKey, "v", 1.5f, &error));
    EXPECT_EQ(error, qs::kUnhandledRegType);
    EXPECT_EQ(recording_.Ops(), (Ops{"open", "close"}));
}

TEST_F(Registry, TheFilesValueWinsAndIsCopiedIntoTheProgramsKeyEveryTime) {
    CreateKey();
    ASSERT_TRUE(qs::SetRegValue(kHkeyCurrentUser, kKey, "HomePage", std::string("from registry")));
    const std::string file = "[AboutDlg]\r\nHomePage=" + std::string(2000, 'h') + "\r\n";
    SetFile(file);
    for (int call = 0; call < 2; ++call) {
        recording_.calls.clear();
        EXPECT_EQ(qs::GetRegistrySetting("AboutDlg", "HomePage", "dflt"), std::string(1023, 'h'));
        EXPECT_EQ(recording_.Ops(), (Ops{"open", "create", "close", "close", "open", "set", "close"}));
        EXPECT_EQ(Read(kKey, "HomePage"), RegVariant(std::string(1023, 'h')));
        EXPECT_EQ(type_, kRegSz);
    }
    EXPECT_EQ(FileText(), file) << "the settings file is not changed";
    EXPECT_TRUE(profile.Keys(true).empty());
}

TEST_F(Registry, WithoutTheKeyInTheFileTheRegistryAnswersAndNothingIsWritten) {
    CreateKey();
    const std::tuple<const char*, const char*, RegVariant, const char*> cases[] = { // key, file, registry, answer
        {"Nowhere", "[AboutDlg]\r\nOther=1\r\n", RegVariant(), "dflt"},
        {"Negative", "", std::int32_t{-1}, "-1"},
        {"EmptyText", "", std::string(), ""},
        {"EmptyInTheFile", "[AboutDlg]\r\nEmptyInTheFile=\r\n", std::string("kept"), "kept"},
        {"QuotedNothing", "[AboutDlg]\r\nQuotedNothing=\"\"\r\n", std::string("kept"), "kept"}};
    for (const auto& [key, file, registry, answer] : cases) {
        SetFile(file);
        if (registry.index() != 0) {
            ASSERT_TRUE(qs::SetRegValue(kHkeyCurrentUser, kKey, key, registry));
        }
        recording_.calls.clear();
        EXPECT_EQ(qs::GetRegistrySetting("AboutDlg", key, "dflt"), answer) << key;
        for (const std::string& op : recording_.Ops()) EXPECT_TRUE(op != "set" && op != "create") << key << " " << op;
    }
}

} // namespace
