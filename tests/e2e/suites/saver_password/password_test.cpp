// The password check of "/S": asked on the Windows 95 family when the system's option is on, never on
// the NT family. Wine reports the Windows 95 family for an executable given the version "win98".
#include <gtest/gtest.h>

#include "e2e_driver.h"

using namespace qs::e2e;

constexpr char kSaver98[] = "QuilloSaver98.scr";
constexpr char kDesktop[] = "Control Panel\\Desktop", kOption[] = "ScreenSaveUsePassword";
const std::string kAppDefaults = std::string("Software\\Wine\\AppDefaults\\") + kSaver98;

std::optional<std::string> UserValue(const std::string& key, const char* name) {
    char data[256] = {};
    DWORD size = sizeof data - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size)) return std::nullopt;
    return data;
}
void SetUserValue(const std::string& key, const char* name, const std::optional<std::string>& value) {
    if (value) RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, value->c_str(), DWORD(value->size() + 1));
    else RegDeleteKeyValueA(HKEY_CURRENT_USER, key.c_str(), name);
}

// Action 97's flag as any process sees it now: Wine keeps it in a volatile value (SystemParametersInfo
// would answer from this process's own earlier copy).
bool ScreenSaverRunningFlag() {
    return UserValue("Software\\Wine\\Temporary System Parameters\\Control Panel\\Desktop",
                     "WINE_ScreenSaverRunning") == "1";
}

class PasswordCheck : public ::testing::Test {
protected:
    void SetUp() override { SetUserValue(kAppDefaults, "Version", "win98"); }
    void TearDown() override {
        saver_.reset();
        SetUserValue(kDesktop, kOption, savedOption_);
        SetUserValue(kAppDefaults, "Version", std::nullopt);
    }

    // "/S" with the option at `option` and the test password.cpl answering `accept`; returns on the first slide.
    void StartShow(const char* saverName, std::optional<std::string> option, bool accept) {
        SetCursorPos(3, 3);
        saver_.reset();
        run_ = std::make_unique<RunFolder>(saverName);
        SetUserValue(kDesktop, kOption, option);
        run_->CopyIn(WindowsPath(QS_E2E_PASSWORD_CPL_PATH), "password.cpl");
        Answer(accept);
        run_->WriteSettings({"BGColor_0=0", "PictureCount_0=1",
                             "FileSpec_1=" + run_->WriteSolidBitmap("red.bmp", 64, 64, kRed), "Center_1=True"});
        saver_ = std::make_unique<SaverProcess>(*run_, "/S");
        window_ = saver_->WaitForWindow(kSaverCaption, kStartDeadline);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(WaitForScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2, kRed, Ms(5000)));
    }
    void Answer(bool accept) const { run_->WriteText("password-answer.txt", accept ? "1" : "0"); }
    int Calls() const { return static_cast<int>(run_->ReadText("password-calls.txt").size()); }
    // A refused check leaves the show running, the cursor hidden again.
    void ExpectRefusedAsCall(int call) {
        ASSERT_TRUE(WaitUntil([&] { return Calls() == call; }, kExitDeadline));
        PumpFor(Ms(800));
        EXPECT_TRUE(saver_->Running());
        EXPECT_FALSE(CursorShowing());
        EXPECT_TRUE(ScreenSaverRunningFlag());
    }

    const std::optional<std::string> savedOption_ = UserValue(kDesktop, kOption);
    std::unique_ptr<RunFolder> run_;
    std::unique_ptr<SaverProcess> saver_;
    HWND window_ = nullptr;
};

TEST_F(PasswordCheck, EveryWayOfEndingAsksAndOnlyTheRightPasswordEndsTheRun) {
    StartShow(kSaver98, "1", false);
    EXPECT_TRUE(ScreenSaverRunningFlag()) << "the system was not told that a saver runs";
    for (const POINT& p : {POINT{100, 100}, POINT{200, 150}, POINT{300, 200}, POINT{400, 250}})
        PostMessageA(window_, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    ExpectRefusedAsCall(1);
    PressKey('K');
    ExpectRefusedAsCall(2);

    Answer(true);
    ClickAt(200, 200);
    EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
    EXPECT_EQ(Calls(), 3);
    EXPECT_FALSE(ScreenSaverRunningFlag());
    EXPECT_TRUE(CursorShowing());
}

TEST_F(PasswordCheck, NoneIsAskedWithTheOptionOffOrOnTheNtFamily) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {kSaver98, "0"}, {kSaver98, std::nullopt}, {"QuilloSlides.scr", "1"}};
    for (const auto& [saver, option] : cases) {
        SCOPED_TRACE(std::string(saver) + " " + option.value_or("(absent)"));
        StartShow(saver, option, false);
        EXPECT_FALSE(ScreenSaverRunningFlag());
        PressKey('Z');
        EXPECT_TRUE(saver_->WaitForExit(kExitDeadline));
        EXPECT_EQ(Calls(), 0);
    }
}
