// What the preview draws, to the pixel: its surface in a host window of this process, where Wine shows the
// drawing on the screen. (The "/P" suite checks the real run's place and life in a host of another process,
// whose child window's drawing Wine does not show.)
#include <gtest/gtest.h>

#include <windows.h>
#include <wincodec.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <type_traits>

#include "settings/settings.h"
#include "toolkit/application.h"
#include "ui/saver/preview_window.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

COLORREF OnScreen(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF seen = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return seen;
}

bool ShowsOnScreen(HWND window, int x, int y, COLORREF colour) {
    const COLORREF seen = OnScreen(window, x, y);
    const auto within = [](int a, int b) { return std::abs(a - b) <= 8; };
    return seen != CLR_INVALID && within(GetRValue(seen), GetRValue(colour)) &&
           within(GetGValue(seen), GetGValue(colour)) && within(GetBValue(seen), GetBValue(colour));
}

// A display-settings monitor: a frameless popup of 152 x 112 pixels.
using Host = std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)>;
Host MakeHost() {
    return Host(CreateWindowExA(0, "STATIC", "Preview host", WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, 40, 40, 152,
                                112, nullptr, nullptr, nullptr, nullptr),
                DestroyWindow);
}

TEST(PreviewSurface, ShowsTheCentredSlideOnTheBackground) {
    tk::UseMonitorPixels(); // as the preview's run does
    const Host host = MakeHost();
    ASSERT_NE(host, nullptr);
    // One centred slide on blue: 1024 x 512 pixels become about 152 x 76, the middle of a 152-pixel surface.
    const Settings settings{.backgroundColor = static_cast<std::int32_t>(kBlue),
                            .slides = {{TempFile("red.bmp", EncodeWithWic(GUID_ContainerFormatBmp, 1024, 512, false)),
                                        true}}};
    ui::PreviewWindow preview(reinterpret_cast<platform::WindowHandle>(host.get()), settings);
    preview.load();
    EXPECT_TRUE(PumpUntil([&] { return ShowsOnScreen(host.get(), 76, 56, kRed); }, 5000)) << "no slide in time";
    EXPECT_TRUE(ShowsOnScreen(host.get(), 76, 5, kBlue)) << "the background above the slide";
    preview.close();
}

// With the fade on, the preview's next slide fades in over the last: in the top right quarter, which goes from red
// (an all-red picture) to green (a picture in quarters), the colours on the way lie between the two.
TEST(PreviewSurface, WithTheFadeOnTheNextSlideFadesInOverTheLast) {
    tk::UseMonitorPixels();
    const Host host = MakeHost();
    ASSERT_NE(host, nullptr);
    Settings settings;
    settings.delaySeconds = 2;
    settings.options.fade = true;
    settings.options.fadeMs = 1000;
    settings.slides = {{TempFile("all-red.bmp", EncodeWithWic(GUID_ContainerFormatBmp, 64, 48, false)), false, true, true},
                       {TempFile("quarters.bmp", EncodeWithWic(GUID_ContainerFormatBmp, 64, 48)), false, true, true}};
    ui::PreviewWindow preview(reinterpret_cast<platform::WindowHandle>(host.get()), settings);
    preview.load();
    ASSERT_TRUE(PumpUntil([&] { return ShowsOnScreen(host.get(), 114, 28, kRed); }, 5000)) << "no first slide";
    std::set<COLORREF> between;
    EXPECT_TRUE(PumpUntil([&] {
        const COLORREF c = OnScreen(host.get(), 114, 28);
        if (GetRValue(c) > 16 && GetRValue(c) < 239 && GetGValue(c) > 16 && GetGValue(c) < 239 && GetBValue(c) < 8)
            between.insert(c);
        return ShowsOnScreen(host.get(), 114, 28, RGB(0, 255, 0));
    }, 10000)) << "the second slide never showed";
    EXPECT_GE(between.size(), 3u) << "colours between red and green";
    preview.close();
}

} // namespace
} // namespace qs::test::win
