// ControlForm and the preview surface's window procedure.
#include <gtest/gtest.h>

#include <cstdint>

#include "render/slide_schedule.h"
#include "saver_fixture.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
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
        WriteSettings({"Delay_0=10", "PictureCount_0=1", "FileSpec_1=" + PicturePath("quadrants.gif"),
                       "Center_1=True"});
        // Every window of the toolkit has a procedure of its own to replace.
        os.windowProcs.defaultProc = kSurfaceProc;
    }
    // Loads the preview form for a host window, as Main does for "/P".
    ControlForm& LoadFor(platform::WindowHandle host) {
        PreviewHost = host;
        ControlForm& form = tk::NewForm<ControlForm>();
        form.Load();
        return form;
    }
    platform::WindowHandle Host(std::int32_t widthPx = 152, std::int32_t heightPx = 112) {
        return os.system.AddWindow("Display Properties", platform::RectPx{0, 0, widthPx, heightPx});
    }
    static std::intptr_t Send(platform::WindowHandle w, unsigned message, std::uintptr_t wParam = 0,
                              std::intptr_t lParam = 0) {
        return ui::PreviewWndProc(w, message, wParam, lParam);
    }
};

struct SizingCase {
    platform::RectPx client;
    std::int32_t twipsPerPixel;
    float width, height;
};

class PreviewSizing : public Preview, public ::testing::WithParamInterface<SizingCase> {};

TEST_P(PreviewSizing, TheSurfaceTakesTheHostsClientSizeInTwipsAtItsTopLeft) {
    const SizingCase& c = GetParam();
    TwipsPerPixelX = TwipsPerPixelY = c.twipsPerPixel;
    ControlForm& form = LoadFor(os.system.AddWindow("host", c.client));
    EXPECT_EQ(form.Picture1.Left(), 0);
    EXPECT_EQ(form.Picture1.Top(), 0);
    EXPECT_EQ(form.Picture1.Width(), c.width);
    EXPECT_EQ(form.Picture1.Height(), c.height);
    EXPECT_EQ(HostRect.left, c.client.left);
    EXPECT_EQ(HostRect.bottom, c.client.bottom);
}

INSTANTIATE_TEST_SUITE_P(Hosts, PreviewSizing,
                         ::testing::Values(SizingCase{{0, 0, 152, 112}, 15, 2280, 1680},
                                           SizingCase{{0, 0, 152, 112}, 12, 1824, 1344},
                                           SizingCase{{10, 20, 162, 132}, 15, 2280, 1680},
                                           SizingCase{{0, 0, 1, 1}, 15, 15, 15},
                                           SizingCase{{0, 0, 0, 0}, 15, 0, 0}));

TEST_F(Preview, LoadPutsTheSurfaceIntoTheHostBehindThePreviewProcedure) {
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
    EXPECT_EQ(os.system.setParentCalls[0].child, surface);
    EXPECT_EQ(os.system.setParentCalls[0].parent, host);
    EXPECT_TRUE(PreviewAlive);
    EXPECT_DOUBLE_EQ(LastSlideTime, os.clock.Now() - 10 / kScheduleSecondsPerDay);
    EXPECT_EQ(form.Timer1.Interval(), 400);
}

TEST_F(Preview, TheFirstTickDrawsAScaledSlideOnTheSurface) {
    ControlForm& form = LoadFor(Host());
    Advance(400);
    ASSERT_EQ(backend->pictureLoads().size(), 1u);
    EXPECT_TRUE(form.bgImg.Visible());
    // 320 x 240 pixels at 152 / 1024 of the screen's width, centred on the surface.
    EXPECT_NEAR(form.bgImg.Width(), 320 * 15 * 152.0 / 1024, 0.5);
    EXPECT_NEAR(form.bgImg.Left(), (2280 - form.bgImg.Width()) / 2, 0.5);
    EXPECT_TRUE(form.IsLoaded());
}

TEST_F(Preview, OtherMessagesGoOnToTheSurfacesOwnProcedure) {
    ControlForm& form = LoadFor(Host());
    os.windowProcs.callResult = 77;
    EXPECT_EQ(Send(form.Picture1.hWnd(), kWmPaint, 5, -6), 77);
    ASSERT_EQ(os.windowProcs.procCalls.size(), 1u);
    const auto& call = os.windowProcs.procCalls[0];
    EXPECT_EQ(call.proc, kSurfaceProc);
    EXPECT_EQ(call.window, form.Picture1.hWnd());
    EXPECT_EQ(call.msg, kWmPaint);
    EXPECT_EQ(call.wParam, 5u);
    EXPECT_EQ(call.lParam, -6);
}

TEST_F(Preview, WmCloseTakesTheSurfaceBackWithoutDestroyingItAndTheNextTickUnloads) {
    ControlForm& form = LoadFor(Host());
    Advance(400);
    const auto loadsBefore = backend->pictureLoads().size();

    EXPECT_EQ(Send(form.Picture1.hWnd(), kWmClose), 0);
    EXPECT_TRUE(os.windowProcs.procCalls.empty()) << "WM_CLOSE reached the surface's own procedure";
    ASSERT_EQ(os.system.setParentCalls.size(), 2u);
    EXPECT_EQ(os.system.setParentCalls[1].child, form.Picture1.hWnd());
    EXPECT_EQ(os.system.setParentCalls[1].parent, form.hWnd());
    EXPECT_FALSE(PreviewAlive);
    EXPECT_TRUE(form.IsLoaded());

    Advance(400);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(backend->pictureLoads().size(), loadsBefore);
    // The surface has its own procedure back.
    EXPECT_EQ(os.windowProcs.setCalls.back().proc, kSurfaceProc);
    EXPECT_EQ(OldWndProc, 0u);
}

TEST_F(Preview, TheHostGoingAwayUnloadsAtTheNextTick) {
    const platform::WindowHandle host = Host();
    ControlForm& form = LoadFor(host);
    Advance(400);
    const auto loadsBefore = backend->pictureLoads().size();
    os.system.DestroyWindow(host);
    Advance(399);
    EXPECT_TRUE(form.IsLoaded());
    Advance(1);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(backend->pictureLoads().size(), loadsBefore);
}

TEST_F(Preview, NoHostOrADeadOneUnloadsAtTheFirstTickWithoutDrawing) {
    const platform::WindowHandle dead = Host();
    os.system.DestroyWindow(dead);
    for (platform::WindowHandle host : {platform::WindowHandle{0}, dead, platform::WindowHandle{0xDEAD0}}) {
        SCOPED_TRACE(host);
        ControlForm& form = LoadFor(host);
        EXPECT_EQ(form.Picture1.Width(), 0);
        EXPECT_EQ(form.Picture1.Height(), 0);
        Advance(400);
        EXPECT_FALSE(form.IsLoaded());
        EXPECT_TRUE(backend->pictureLoads().empty());
        EXPECT_TRUE(form.bgImg.Picture().empty()) << "a slide was drawn";
    }
}

TEST_F(Preview, RestoringTwiceDoesNothingTheSecondTime) {
    ControlForm& form = LoadFor(Host());
    const platform::WindowHandle surface = form.Picture1.hWnd();
    ui::RestoreSurface(surface);
    EXPECT_EQ(OldWndProc, 0u);
    const auto calls = os.windowProcs.setCalls.size();
    EXPECT_EQ(os.windowProcs.procs[surface], kSurfaceProc);
    ui::RestoreSurface(surface);
    EXPECT_EQ(os.windowProcs.setCalls.size(), calls);
    EXPECT_EQ(OldWndProc, 0u);
}

TEST_F(Preview, WithNoProcedureToPassOnMessagesAreDropped) {
    ControlForm& form = LoadFor(Host());
    ui::RestoreSurface(form.Picture1.hWnd());
    EXPECT_EQ(Send(form.Picture1.hWnd(), kWmPaint), 0);
    EXPECT_EQ(Send(form.Picture1.hWnd(), kWmClose), 0);
    EXPECT_TRUE(os.windowProcs.procCalls.empty());
    EXPECT_TRUE(PreviewAlive) << "a WM_CLOSE after the restore still ended the preview";
}

} // namespace
} // namespace qs::test
