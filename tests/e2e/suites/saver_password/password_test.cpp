// The password check of the full-screen run: asked on the Windows 95 family when the
// system's option is on, never on the NT family. Wine reports the Windows 95 family for
// the saver when its executable name carries the per-application version "win98"; the
// test password.cpl beside the saver answers as the test says.
#include <gtest/gtest.h>

#include "e2e_driver.h"

namespace qs::e2e {
namespace {

constexpr char kCaption[] = "Quillo ScrSav Main Form";
constexpr char kSaver98[] = "QuilloSaver98.scr";
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr Ms kSlideShown{5000};

class PasswordCheck : public ::testing::Test {
protected:
    // A run folder whose saver Wine runs as a Windows 98 program, with a picture to show.
    explicit PasswordCheck(const char* saverName = kSaver98) : run_(saverName) {
        SetCursorPos(3, 3);
        const std::string red = run_.WriteSolidBitmap("red.bmp", 64, 64, kRed);
        run_.WriteSettings({"BGColor_0=0", "PictureCount_0=1", "FileSpec_1=" + red, "Center_1=True"});
    }

    // Starts "/S" and waits until the first slide shows.
    void StartShow(SaverProcess& saver) {
        ASSERT_TRUE(saver.Started());
        window_ = saver.WaitForWindow(kCaption, kStartDeadline);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(WaitForScreenPixel(ScreenWidth() / 2, ScreenHeight() / 2, kRed, kSlideShown));
    }

    WineAppVersion windows98_{kSaver98, "win98"};
    HWND window_ = nullptr;
    RunFolder run_;
};

class NtPasswordCheck : public PasswordCheck {
protected:
    NtPasswordCheck() : PasswordCheck("QuilloSlides.scr") {}
};

TEST_F(PasswordCheck, AWrongPasswordKeepsTheShowWithTheCursorHiddenAgain) {
    PasswordOption on("1");
    InstallTestPasswordCpl(run_, false);
    SaverProcess saver(run_, "/S");
    StartShow(saver);
    EXPECT_TRUE(ScreenSaverRunningFlag()) << "the system was not told that a saver runs";

    PressKey('K');
    ASSERT_TRUE(WaitUntil([&] { return TestPasswordCalls(run_) == 1; }, kExitDeadline));
    PumpFor(Ms(800));
    EXPECT_TRUE(saver.Running());
    EXPECT_FALSE(CursorShowing());
    EXPECT_TRUE(ScreenSaverRunningFlag());

    // A click asks again at once; now the password is right.
    SetTestPasswordAnswer(run_, true);
    ClickAt(200, 200);
    EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
    EXPECT_EQ(TestPasswordCalls(run_), 2);
    EXPECT_FALSE(ScreenSaverRunningFlag());
    EXPECT_TRUE(CursorShowing());
}

TEST_F(PasswordCheck, TheRightPasswordEndsTheRun) {
    PasswordOption on("1");
    InstallTestPasswordCpl(run_, true);
    SaverProcess saver(run_, "/S");
    StartShow(saver);
    PressKey(VK_RETURN);
    EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
    EXPECT_EQ(TestPasswordCalls(run_), 1);
}

TEST_F(PasswordCheck, AfterARefusedFourthMoveAKeyAsksAgain) {
    PasswordOption on("1");
    InstallTestPasswordCpl(run_, false);
    SaverProcess saver(run_, "/S");
    StartShow(saver);
    const POINT moves[] = {{100, 100}, {200, 150}, {300, 200}, {400, 250}};
    for (const POINT& p : moves) PostMouseMove(window_, p.x, p.y);
    ASSERT_TRUE(WaitUntil([&] { return TestPasswordCalls(run_) == 1; }, kExitDeadline));
    PumpFor(Ms(800));
    EXPECT_TRUE(saver.Running());
    SetTestPasswordAnswer(run_, true);
    PressKey('X');
    EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
    EXPECT_EQ(TestPasswordCalls(run_), 2);
}

TEST_F(PasswordCheck, WithTheOptionOffNoPasswordIsAsked) {
    for (const char* value : {"0", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(value ? value : "(absent)");
        PasswordOption off(value ? std::optional<std::string>(value) : std::nullopt);
        InstallTestPasswordCpl(run_, false);
        SaverProcess saver(run_, "/S");
        StartShow(saver);
        EXPECT_FALSE(ScreenSaverRunningFlag());
        PressKey('Z');
        EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
        EXPECT_EQ(TestPasswordCalls(run_), 0);
    }
}

TEST_F(NtPasswordCheck, TheNtFamilyNeverAsksWhateverTheOptionSays) {
    PasswordOption on("1");
    InstallTestPasswordCpl(run_, false);
    SaverProcess saver(run_, "/S");
    StartShow(saver);
    EXPECT_FALSE(ScreenSaverRunningFlag());
    PressKey('N');
    EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
    EXPECT_EQ(TestPasswordCalls(run_), 0);
}

} // namespace
} // namespace qs::e2e
