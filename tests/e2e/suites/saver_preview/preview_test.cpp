// "/P": the saver's surface inside a host window of this process, as the display settings host it, and its
// life there; and the switches that show nothing at all. Wine does not show the drawing of another process's
// child window: what the surface draws is checked in the saver's own process (tests/win/saver).
#include <gtest/gtest.h>

#include <tuple>

#include "e2e_driver.h"

using namespace qs::e2e;

// The host watch runs on the 400 ms timer; a process also needs a moment to end.
constexpr Ms kEndsSoon{2000};

// One centred slide on blue: 1024 x 512 pixels become about 152 x 76, the middle of a 152-pixel surface.
void WriteShow(const RunFolder& run, const std::string& picture) {
    run.WriteSettings({"BGColor_0=" + std::to_string(kBlue), "Delay_0=10", "PictureCount_0=1", "FileSpec_1=" + picture,
                       "Center_1=True"});
}

// A picture path that tells whether the saver tried to load it: a pipe of this process.
struct PictureProbe {
    ~PictureProbe() { CloseHandle(pipe); }
    // A pipe that does not wait tells at once whether a client has connected (and maybe gone) since.
    bool Opened() const {
        return !ConnectNamedPipe(pipe, nullptr) &&
               (GetLastError() == ERROR_PIPE_CONNECTED || GetLastError() == ERROR_NO_DATA);
    }
    inline static int sequence = 0;
    const std::string path = "\\\\.\\pipe\\qs-e2e-probe-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(sequence++) + ".bmp";
    const HANDLE pipe = CreateNamedPipeA(path.c_str(), PIPE_ACCESS_DUPLEX, PIPE_NOWAIT, 1, 4096, 4096, 0, nullptr);
};

TEST(Preview, TheSurfaceFillsTheHostAndEndsOnWmCloseOrWithTheHost) {
    for (const bool byWmClose : {true, false}) {
        SCOPED_TRACE(byWmClose ? "WM_CLOSE" : "host destroyed");
        RunFolder run;
        WriteShow(run, run.WriteSolidBitmap("red.bmp", 1024, 512, kRed));
        Host host = MakeHost();
        SaverProcess saver(run, "/P " + HandleText(host.get()));
        HWND surface = WaitForSurface(host.get());
        ASSERT_NE(surface, nullptr) << "no surface in the host";
        EXPECT_EQ(ProcessOfWindow(surface), saver.Id());
        RECT placed = ScreenRect(surface);
        MapWindowPoints(nullptr, host.get(), reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(std::tuple(placed.left, placed.top, placed.right, placed.bottom), std::tuple(0L, 0L, 152L, 112L));
        RECT client{};
        GetClientRect(surface, &client);
        EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(152L, 112L));

        for (HWND window : saver.TopLevelWindows()) EXPECT_FALSE(IsWindowVisible(window)) << "the preview form shows";
        ASSERT_TRUE(saver.Running());

        if (byWmClose) {
            DWORD_PTR result = 12345;
            ASSERT_TRUE(SendMessageTimeoutA(surface, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 2000, &result));
            EXPECT_EQ(result, 0u);
            EXPECT_EQ(GetWindow(host.get(), GW_CHILD), nullptr) << "given back to the saver's form, not destroyed";
        } else {
            host.reset();
        }
        EXPECT_TRUE(saver.WaitForExit(kEndsSoon)) << "the run did not end in time";
    }
}

// Only a live host gets a slide tried; the rest end at once. Only "/P" writes the settings back.
TEST(Preview, WithoutALiveHostOrWithAnUnknownSwitchTheSaverEndsAtOnceShowingNothing) {
    const Host host = MakeHost();
    const std::string deadHandle = HandleText(MakeHost().get());  // destroyed at once
    const struct { std::string arguments; bool draws = false, keepsFile = true; } cases[] = {
        {"/P " + HandleText(host.get()), true}, {"/P", false, false}, {"/p 0", false, false},
        {"/P " + deadHandle, false, false}, {"/p 99999999999", false, false},
        {"/a 0"},  // the system's password dialog with no owner (a stub under Wine)
        {"/A"}, {"-s"}, {"/x"}, {"s"}, {"/a 4294967296"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        RunFolder run;
        PictureProbe probe;
        WriteShow(run, probe.path);
        const std::string settings = run.SettingsText();
        SaverProcess saver(run, c.arguments);
        if (c.draws) {
            EXPECT_TRUE(WaitUntil([&] { return probe.Opened(); }, kStartDeadline));
            continue;
        }
        EXPECT_TRUE(saver.WaitForExit(kStartDeadline));
        EXPECT_EQ(saver.ExitCode(), std::optional<DWORD>(0));
        EXPECT_FALSE(probe.Opened()) << "a slide was drawn";
        EXPECT_TRUE(!c.keepsFile || run.SettingsText() == settings) << "the settings file changed";
    }
}
