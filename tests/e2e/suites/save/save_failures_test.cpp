// A save that fails says so and loses nothing: the settings dialog's OK names the file and the cause, stays
// open with the user's change and leaves the file byte for byte; OK again, once the cause is gone, saves. A
// full-screen run with a correction to save and no way to save it ends without a word.
// The full disk and the folder that may not be written are mounts that run.sh makes (root only); without them
// those two cases are skipped, as run.sh says.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "e2e_driver.h"

using namespace qs::e2e;

namespace {

constexpr Ms kReactionDeadline{5000};

// A prepared folder run.sh made (the saver and its settings, read-only or nearly full), as Windows names it.
std::string PreparedFolder(const char* variable) {
    const char* unixPath = std::getenv(variable);
    return unixPath && *unixPath ? WindowsPath(unixPath) : std::string();
}

std::string ReadAll(const std::string& path) {
    std::string text;
    if (FILE* in = std::fopen(path.c_str(), "rb")) {
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;) text.append(chunk, n);
        std::fclose(in);
    }
    return text;
}

struct Cause {
    const char* name;
    const char* words;       // in the message
    const char* folderVariable = nullptr; // a folder run.sh prepared, or none: a run folder of the test's own
    // Makes the cause on the settings file; the returned step takes it away again (none: it stays).
    std::function<std::function<void()>(const std::string& settingsFile)> make = nullptr;
};

void PrintTo(const Cause& cause, std::ostream* out) { *out << cause.name; }

class SaveFailure : public ::testing::TestWithParam<Cause> {};

TEST_P(SaveFailure, OkSaysWhyKeepsTheDialogAndTheChangeAndLeavesTheFile) {
    const Cause& cause = GetParam();
    std::unique_ptr<RunFolder> own;
    std::string folder;
    if (cause.folderVariable) {
        folder = PreparedFolder(cause.folderVariable);
        if (folder.empty()) GTEST_SKIP() << cause.name << ": no prepared folder (see run.sh's output)";
    } else {
        own = std::make_unique<RunFolder>();
        own->WriteSettings({"Delay_0=7", "PictureCount_0=0"});
        folder = own->Folder();
    }
    const std::string settingsFile = folder + "\\QuilloSlides.INI";
    const std::string before = ReadAll(settingsFile);
    ASSERT_FALSE(before.empty());
    std::function<void()> undo = cause.make ? cause.make(settingsFile) : nullptr;

    SaverProcess saver(folder + "\\QuilloSlides.scr", "/C");
    HWND dialog = OpenSettings(saver);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ClickCheck(dialog, "Random order"));
    ASSERT_TRUE(ClickButton(dialog, "&OK"));
    HWND box = saver.WaitForWindow("Screen Saver", kReactionDeadline, "OK");
    ASSERT_NE(box, nullptr) << "no message";
    std::string message;
    for (HWND part : Descendants(box)) message += TextOf(part) + "\n";
    EXPECT_NE(message.find(settingsFile), std::string::npos) << message;
    EXPECT_NE(message.find(cause.words), std::string::npos) << message;
    ASSERT_TRUE(ClickButton(box, "OK"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, kReactionDeadline));
    ASSERT_TRUE(IsWindow(dialog)) << "the dialog closed";
    EXPECT_EQ(SendMessageA(FindChild(dialog, "Button", "Random order"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(saver.Running());

    if (undo) {
        undo();
        EXPECT_EQ(ReadAll(settingsFile), before) << "the file changed";
        ASSERT_TRUE(BringToFront(dialog));
        ASSERT_TRUE(ClickButton(dialog, "&OK"));
        ASSERT_TRUE(saver.WaitForExit(kExitDeadline)) << "OK again did not save";
        EXPECT_NE(ReadAll(settingsFile).find("RandomDisplay_0=True"), std::string::npos);
    } else {
        ASSERT_TRUE(ClickButton(dialog, "&Cancel"));
        HWND question = saver.WaitForWindow("Screen Saver", kReactionDeadline, "&Yes");
        ASSERT_NE(question, nullptr);
        ASSERT_TRUE(ClickButton(question, "&Yes"));
        ASSERT_TRUE(saver.WaitForExit(kExitDeadline));
        EXPECT_EQ(ReadAll(settingsFile), before);
    }
}

std::function<void()> MakeReadOnly(const std::string& file) {
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    return [file] { SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL); };
}

std::function<void()> HoldOpen(const std::string& file) {
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    return [held] { CloseHandle(held); };
}

INSTANTIATE_TEST_SUITE_P(Causes, SaveFailure,
                         ::testing::Values(Cause{.name = "ReadOnlyFile", .words = "read-only", .make = MakeReadOnly},
                                           Cause{.name = "HeldOpen", .words = "Another program holds", .make = HoldOpen},
                                           Cause{.name = "FolderNotWritable", .words = "may not be written",
                                                 .folderVariable = "QS_E2E_READ_ONLY_FOLDER"},
                                           Cause{.name = "DiskFull", .words = "disk is full",
                                                 .folderVariable = "QS_E2E_FULL_DISK_FOLDER"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A show that read a value it corrected (Delay 1) has something to save; with the file read-only it ends on
// a key as always, with no window over the desktop, and the file stays as it was.
TEST(SaveFailureOfAShow, EndsQuietlyAndLeavesTheFile) {
    RunFolder run;
    run.WriteSettings({"Delay_0=1", "PictureCount_0=0"});
    const std::string before = run.SettingsText();
    const std::function<void()> undo = MakeReadOnly(run.PathOf("QuilloSlides.INI"));
    SaverProcess saver(run, "/S");
    HWND show = saver.WaitForWindow(kSaverCaption, kStartDeadline);
    ASSERT_NE(show, nullptr);
    ASSERT_TRUE(BringToFront(show));
    PressKey(VK_SPACE);
    // A message box would hold the process until someone answered it.
    ASSERT_TRUE(saver.WaitForExit(kExitDeadline));
    EXPECT_EQ(saver.ExitCode(), 0u);
    EXPECT_EQ(run.SettingsText(), before);
    undo();
}

} // namespace
