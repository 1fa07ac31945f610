// The about box end to end: opened from the settings dialog's "&About...", it shows
// the title, the version and the link and notice configured in the settings file,
// and closes with Esc, leaving the settings dialog open.
#include <gtest/gtest.h>

#include <string>

#include "e2e_driver.h"

namespace qs::e2e {
namespace {

constexpr char kAboutCaption[] = "About Quillo Slide Show";
constexpr char kAboutKey[] = "Software\\Brindle\\QuilloSaverF1\\AboutDlg";
constexpr Ms kReactionDeadline{3000};

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override { SetCursorPos(3, 3); }
    // The about box copies what it reads into the registry of this Wine prefix.
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kAboutKey); }

    RunFolder run_;
};

TEST_F(AboutBox, ShowsTheConfiguredLinkAndNoticeAndClosesWithEsc) {
    run_.WriteText("QuilloSlides.INI", "[INIT]\r\nDelay_0=10\r\n[AboutDlg]\r\nHyperlinkDesc1=Project page:\r\n"
                                       "HyperlinkValue1=http://quillo-e2e.example/\r\n"
                                       "Warning1=Configured notice for this test.\r\n");
    SaverProcess saver(run_, "/C");
    HWND dialog = WaitForDialog(saver, kSettingsCaption, "&OK", kStartDeadline);
    ASSERT_NE(dialog, nullptr);
    HWND aboutButton = FindChild(dialog, "Button", "&About...");
    ASSERT_NE(aboutButton, nullptr);
    ClickCentre(aboutButton);

    HWND about = WaitForDialog(saver, kAboutCaption, "OK", kReactionDeadline);
    ASSERT_NE(about, nullptr) << "no about box";
    for (const char* text : {"Quillo Slide Show", "Version 1.3.67", "Project page:", "http://quillo-e2e.example/",
                             "Configured notice for this test."})
        EXPECT_NE(FindChild(about, "Static", text), nullptr) << text;
    EXPECT_NE(FindChild(about, "Button", "&System Info..."), nullptr);
    EXPECT_FALSE(IsWindowEnabled(dialog)) << "the about box is modal over the settings dialog";

    SetForegroundWindow(about);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }, kReactionDeadline));
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(dialog) != FALSE; }, kReactionDeadline));

    HWND cancel = FindChild(dialog, "Button", "&Cancel");
    ASSERT_NE(cancel, nullptr);
    ClickCentre(cancel);
    EXPECT_TRUE(saver.WaitForExit(kExitDeadline));
}

} // namespace
} // namespace qs::e2e
