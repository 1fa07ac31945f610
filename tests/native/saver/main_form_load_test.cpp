// MainForm's load: the window, the system's password option and version, the cursor,
// and the first slide.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "render/slide_schedule.h"
#include "saver_fixture.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "ui/saver/main_form.h"

namespace qs::test {
namespace {

using ui::MainForm;

constexpr unsigned kSpiScreenSaverRunning = 97;

class MainFormLoad : public SaverTest {
protected:
    MainForm& Show() {
        MainForm& form = tk::NewForm<MainForm>();
        form.Show();
        return form;
    }
};

TEST_F(MainFormLoad, BecomesABorderlessTopmostWindowCoveringTheScreenWithItsCaption) {
    os.screen.metrics = {1280, 1024, 15.0, 15.0};
    MainForm& form = Show();
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.Caption(), "Quillo ScrSav Main Form");
    EXPECT_EQ(form.borderStyle(), tk::BorderStyle::None);
    ASSERT_EQ(os.system.topmostCalls.size(), 1u);
    EXPECT_EQ(os.system.topmostCalls[0], form.hWnd());
    EXPECT_NE(form.hWnd(), 0u);
    EXPECT_EQ(form.Left(), 0);
    EXPECT_EQ(form.Top(), 0);
    EXPECT_EQ(form.Width(), 1280 * 15);
    EXPECT_EQ(form.Height(), 1024 * 15);
    EXPECT_EQ(form.Timer1.Interval(), 400);
    EXPECT_TRUE(form.Timer1.Enabled());
}

struct PasswordOptionCase {
    const char* name;
    std::uint32_t platform;
    std::optional<OptionValue> option;
    std::int16_t usePassword;
    bool runningFlagSent;
};

class MainFormPasswordOption : public MainFormLoad, public ::testing::WithParamInterface<PasswordOptionCase> {};

TEST_P(MainFormPasswordOption, TellsTheSystemOnlyOffNtWithTheOptionOn) {
    const PasswordOptionCase& c = GetParam();
    os.system.version.dwPlatformId = c.platform;
    SetPasswordOption(c.option);
    Show();
    EXPECT_EQ(UsePassword, c.usePassword);
    EXPECT_EQ(OSPlatform, static_cast<std::int32_t>(c.platform));
    if (c.runningFlagSent) {
        ASSERT_EQ(os.system.parametersCalls.size(), 1u);
        const auto& call = os.system.parametersCalls[0];
        EXPECT_EQ(call.action, kSpiScreenSaverRunning);
        EXPECT_EQ(call.param, 1u);
        EXPECT_TRUE(call.pointerGiven);
        EXPECT_EQ(call.valueAtCall, 0);
        EXPECT_EQ(call.winIni, 0u);
    } else {
        EXPECT_TRUE(os.system.parametersCalls.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MainFormPasswordOption,
    ::testing::Values(
        PasswordOptionCase{"Nt_On", 2, OptionValue::Text("1"), 1, false},
        PasswordOptionCase{"Nt_Off", 2, OptionValue::Text("0"), 0, false},
        PasswordOptionCase{"Win95_TextOne", 1, OptionValue::Text("1"), 1, true},
        PasswordOptionCase{"Win95_DwordOne", 1, OptionValue::Dword(1), 1, true},
        PasswordOptionCase{"Win95_TextZero", 1, OptionValue::Text("0"), 0, false},
        PasswordOptionCase{"Win95_Absent", 1, std::nullopt, 0, false},
        PasswordOptionCase{"Win95_BinaryOn", 1, OptionValue::Binary({1, 0, 0, 0}), -1, true},
        PasswordOptionCase{"Win95_BinaryZeros", 1, OptionValue::Binary({0, 0, 0, 0}), 0, false},
        PasswordOptionCase{"Win32s_On", 0, OptionValue::Text("1"), 1, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormLoad, AsksForTheVersionWithTheRecordSizeAndKeepsTheRecord) {
    os.system.version.dwPlatformId = 1;
    os.system.version.dwMajorVersion = 4;
    os.system.version.dwMinorVersion = 10;
    os.system.version.dwBuildNumber = 2222;
    Show();
    ASSERT_EQ(os.system.versionSizesSeen.size(), 1u);
    EXPECT_EQ(os.system.versionSizesSeen[0], 148u);
    EXPECT_EQ(OSInfo.dwOSVersionInfoSize, 148u);
    EXPECT_EQ(OSInfo.dwMajorVersion, 4u);
    EXPECT_EQ(OSInfo.dwMinorVersion, 10u);
    EXPECT_EQ(OSInfo.dwBuildNumber, 2222u);
    EXPECT_EQ(OSPlatform, 1);
}

struct CursorCase {
    int startCount;
    int endCount;
    int calls;
};

class MainFormCursor : public MainFormLoad, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(MainFormCursor, HidesTheCursorUntilTheCountIsBelowMinusFive) {
    os.cursor.displayCount = GetParam().startCount;
    Show();
    EXPECT_EQ(os.cursor.displayCount, GetParam().endCount);
    EXPECT_EQ(static_cast<int>(os.cursor.calls.size()), GetParam().calls);
    for (bool shown : os.cursor.calls) EXPECT_FALSE(shown);
}

INSTANTIATE_TEST_SUITE_P(StartCounts, MainFormCursor,
                         ::testing::Values(CursorCase{0, -6, 6}, CursorCase{-1, -6, 5}, CursorCase{4, -6, 10},
                                           CursorCase{-5, -6, 1}, CursorCase{-6, -7, 1}, CursorCase{-20, -21, 1}));

TEST_F(MainFormLoad, SetsTheScheduleBackOneDelaySoTheFirstTickDraws) {
    WriteSettings({"Delay_0=7", "PictureCount_0=1", "FileSpec_1=" + PicturePath("quadrants.gif")});
    MainForm& form = Show();
    EXPECT_DOUBLE_EQ(LastSlideTime, os.clock.Now() - 7 / kScheduleSecondsPerDay);
    EXPECT_TRUE(backend->pictureLoads().empty());

    Advance(399);
    EXPECT_TRUE(backend->pictureLoads().empty()) << "drawn before the first tick";
    Advance(1);
    ASSERT_EQ(backend->pictureLoads().size(), 1u);
    EXPECT_EQ(backend->pictureLoads()[0], PicturePath("quadrants.gif"));
    EXPECT_TRUE(form.bgImg.Visible());
    EXPECT_EQ(CurrentSlide, 1);
}

TEST_F(MainFormLoad, TheTextSlideShowsTheWindowsIconAndTheCreditLine) {
    WriteSettings({"Delay_0=5", "PictureCount_0=0"});
    MainForm& form = Show();
    Advance(400);
    const auto texts = backend->textsOn(form);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0], "No pictures defined");
    // The window's icon fills the middle of the screen.
    EXPECT_EQ(form.bgImg.Picture().Type(), tk::PictureType::Icon);
    EXPECT_TRUE(form.bgImg.Visible());
    EXPECT_EQ(form.bgImg.Width(), form.Width() / 2);
}

} // namespace
} // namespace qs::test
