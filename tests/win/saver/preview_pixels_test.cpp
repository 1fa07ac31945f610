// What the preview draws, to the pixel: its surface in a host window of this process, where Wine shows the
// drawing on the screen. (The "/P" suite checks the real run's place and life in a host of another process,
// whose child window's drawing Wine does not show.)
#include <gtest/gtest.h>

#include <windows.h>
#include <wincodec.h>

#include <cstdlib>
#include <memory>
#include <type_traits>

#include "settings/settings.h"
#include "toolkit/application.h"
#include "ui/saver/preview_window.h"
#include "win_toolkit_support.h"

namespace qs::test::win {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

bool ShowsOnScreen(HWND window, int x, int y, COLORREF colour) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF seen = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    const auto within = [](int a, int b) { return std::abs(a - b) <= 8; };
    return seen != CLR_INVALID && within(GetRValue(seen), GetRValue(colour)) &&
           within(GetGValue(seen), GetGValue(colour)) && within(GetBValue(seen), GetBValue(colour));
}

TEST(PreviewSurface, ShowsTheCentredSlideOnTheBackground) {
    tk::UseMonitorPixels(); // as the preview's run does
    // A display-settings monitor: a frameless popup of 152 x 112 pixels.
    using Host = std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)>;
    const Host host(CreateWindowExA(0, "STATIC", "Preview host", WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, 40, 40,
                                    152, 112, nullptr, nullptr, nullptr, nullptr),
                    DestroyWindow);
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

} // namespace
} // namespace qs::test::win
