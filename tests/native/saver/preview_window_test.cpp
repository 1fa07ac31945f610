// The preview run: the surface lent to the host window, and what ends it.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "saver_fixture.h"
#include "ui/saver/preview_window.h"

namespace qs::test {
namespace {

using ui::PreviewWindow;

class Preview : public SaverTest {
protected:
    Preview() {
        WriteSettings("Delay_0=10\r\nPictureCount_0=1\r\nCenter_1=True\r\nFileSpec_1=" + PicturePath("quadrants.gif"));
    }
    // Loads the preview window for a host window, as Main does for "/P".
    PreviewWindow& LoadFor(platform::WindowHandle host) {
        PreviewWindow& window = tk::NewForm<PreviewWindow>(host);
        window.Load();
        return window;
    }
    platform::WindowHandle Host() { return os.system.AddWindow("Display Properties", platform::RectPx{0, 0, 152, 112}); }
};

TEST_F(Preview, TheSurfaceTakesTheHostsClientSizeInWholeTwipsPerPixelAtItsTopLeft) {
    const std::tuple<platform::RectPx, double, float, float> cases[] = { // client, twips per pixel, size
        {{10, 20, 162, 132}, 12, 1824, 1344}, {{0, 0, 10, 10}, 7.5, 80, 80}, {{0, 0, 0, 0}, 15, 0, 0}};
    for (const auto& [client, twips, width, height] : cases) {
        os.screen.metrics.twipsPerPixelX = os.screen.metrics.twipsPerPixelY = twips;
        PreviewWindow& window = LoadFor(os.system.AddWindow("host", client));
        EXPECT_EQ((std::array{window.surface.Left(), window.surface.Top(), window.surface.Width(),
                              window.surface.Height()}),
                  (std::array{0.0f, 0.0f, width, height}));
    }
}

// The surface lives in the host and the first tick draws the screen's share; the host
// closing the surface or going away ends the run at the next tick.
TEST_F(Preview, TheShowRunsInTheHostUntilItClosesTheSurfaceOrGoesAway) {
    for (const bool byClose : {true, false}) {
        SCOPED_TRACE(byClose ? "closed" : "destroyed");
        const platform::WindowHandle host = Host();
        PreviewWindow& window = LoadFor(host);
        EXPECT_FALSE(window.Visible());
        EXPECT_EQ(ui().hostOf(window.surface), host);
        ui().advance(400);
        ASSERT_TRUE(window.slidePicture.Visible());
        // 320 x 240 pixels at 152 / 1024 of the screen's width, centred on the surface.
        EXPECT_NEAR(window.slidePicture.Width(), 320 * 15 * 152.0 / 1024, 0.5);
        EXPECT_NEAR(window.slidePicture.Left(), (2280 - window.slidePicture.Width()) / 2, 0.5);
        const auto loads = ui().pictureLoads().size();
        if (byClose) {
            ui().closeFromHost(window.surface);
            EXPECT_EQ(ui().hostOf(window.surface), 0u) << "back in its own window, not destroyed";
        } else {
            os.system.DestroyWindow(host);
        }
        EXPECT_TRUE(window.IsLoaded());
        ui().advance(400);
        EXPECT_FALSE(window.IsLoaded());
        EXPECT_EQ(ui().pictureLoads().size(), loads);
    }
}

} // namespace
} // namespace qs::test
