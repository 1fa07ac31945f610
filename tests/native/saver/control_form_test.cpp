// The preview run: the surface lent to the host window, its window procedure, and what
// ends it.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "render/slide_schedule.h"
#include "saver_fixture.h"
#include "ui/saver/control_form.h"

namespace qs::test {
namespace {

using ui::ControlForm;

constexpr unsigned kWmClose = 0x0010;
constexpr unsigned kWmPaint = 0x000F;
// The surface's own procedure, as the toolkit gave it; never called for real here.
constexpr platform::WndProcAddress kSurfaceProc = 0x5EED;

class Preview : public SaverTest {
protected:
    Preview() {
        WriteSettings("Delay_0=10\r\nPictureCount_0=1\r\nCenter_1=True\r\nFileSpec_1=" + PicturePath("quadrants.gif"));
        os.windowProcs.defaultProc = kSurfaceProc;
    }
    // Loads the preview form for a host window, as Main does for "/P".
    ControlForm& LoadFor(platform::WindowHandle host) {
        PreviewHost = host;
        ControlForm& form = tk::NewForm<ControlForm>();
        form.Load();
        return form;
    }
    platform::WindowHandle Host() { return os.system.AddWindow("Display Properties", platform::RectPx{0, 0, 152, 112}); }
    static std::intptr_t Send(platform::WindowHandle w, unsigned message, std::uintptr_t wParam = 0,
                              std::intptr_t lParam = 0) {
        return ui::PreviewWndProc(w, message, wParam, lParam);
    }
};

TEST_F(Preview, TheSurfaceTakesTheHostsClientSizeInTwipsAtItsTopLeft) {
    const std::tuple<platform::RectPx, std::int32_t, float, float> cases[] = { // client, twips per pixel, size
        {{10, 20, 162, 132}, 12, 1824, 1344}, {{0, 0, 0, 0}, 15, 0, 0}};
    for (const auto& [client, twips, width, height] : cases) {
        TwipsPerPixelX = TwipsPerPixelY = twips;
        ControlForm& form = LoadFor(os.system.AddWindow("host", client));
        EXPECT_EQ((std::array{form.Picture1.Left(), form.Picture1.Top(), form.Picture1.Width(), form.Picture1.Height()}),
                  (std::array{0.0f, 0.0f, width, height}));
        EXPECT_TRUE(HostRect.left == client.left && HostRect.bottom == client.bottom);
    }
}

TEST_F(Preview, LoadPutsTheSurfaceIntoTheHostBehindThePreviewProcedureAndTheFirstTickDraws) {
    const platform::WindowHandle host = Host();
    ControlForm& form = LoadFor(host);
    const platform::WindowHandle surface = form.Picture1.hWnd();
    ASSERT_NE(surface, 0u);
    EXPECT_FALSE(form.Visible());
    ASSERT_EQ(os.windowProcs.setCalls.size(), 1u);
    EXPECT_EQ(os.windowProcs.setCalls[0].window, surface);
    EXPECT_EQ(os.windowProcs.setCalls[0].proc, reinterpret_cast<platform::WndProcAddress>(&ui::PreviewWndProc));
    EXPECT_EQ(OldWndProc, kSurfaceProc);
    ASSERT_EQ(os.system.setParentCalls.size(), 1u);
    EXPECT_TRUE(os.system.setParentCalls[0].child == surface && os.system.setParentCalls[0].parent == host);
    EXPECT_TRUE(PreviewAlive);
    EXPECT_DOUBLE_EQ(LastSlideTime, os.clock.Now() - 10 / kScheduleSecondsPerDay);
    Advance(400);
    ASSERT_EQ(ui().pictureLoads().size(), 1u);
    EXPECT_TRUE(form.bgImg.Visible());
    // 320 x 240 pixels at 152 / 1024 of the screen's width, centred on the surface.
    EXPECT_NEAR(form.bgImg.Width(), 320 * 15 * 152.0 / 1024, 0.5);
    EXPECT_NEAR(form.bgImg.Left(), (2280 - form.bgImg.Width()) / 2, 0.5);
}

TEST_F(Preview, OtherMessagesGoOnToTheSurfacesOwnProcedure) {
    ControlForm& form = LoadFor(Host());
    os.windowProcs.callResult = 77;
    EXPECT_EQ(Send(form.Picture1.hWnd(), kWmPaint, 5, -6), 77);
    ASSERT_EQ(os.windowProcs.procCalls.size(), 1u);
    const auto& call = os.windowProcs.procCalls[0];
    EXPECT_TRUE(call.proc == kSurfaceProc && call.msg == kWmPaint && call.wParam == 5u && call.lParam == -6);
}

TEST_F(Preview, WmCloseTakesTheSurfaceBackWithoutDestroyingItAndTheNextTickUnloads) {
    ControlForm& form = LoadFor(Host());
    Advance(400);
    const auto loads = ui().pictureLoads().size();
    EXPECT_EQ(Send(form.Picture1.hWnd(), kWmClose), 0);
    EXPECT_TRUE(os.windowProcs.procCalls.empty()) << "WM_CLOSE reached the surface's own procedure";
    ASSERT_EQ(os.system.setParentCalls.size(), 2u);
    EXPECT_TRUE(os.system.setParentCalls[1].child == form.Picture1.hWnd() &&
                os.system.setParentCalls[1].parent == form.hWnd());
    EXPECT_FALSE(PreviewAlive);
    EXPECT_TRUE(form.IsLoaded());
    Advance(400);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(ui().pictureLoads().size(), loads);
    EXPECT_EQ(os.windowProcs.setCalls.back().proc, kSurfaceProc) << "the surface has its own procedure back";
    EXPECT_EQ(OldWndProc, 0u);
}

} // namespace
} // namespace qs::test
