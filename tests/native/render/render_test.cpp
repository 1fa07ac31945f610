// The headless screen is 1024 x 768 pixels, 15360 x 11520 twips.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "render/credit_line.h"
#include "render/fit_picture.h"
#include "render/next_slide.h"
#include "render/slide_schedule.h"
#include "settings/shared_state.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"
#include "toolkit/controls.h"
#include "toolkit/picture.h"

namespace qs::test {
namespace {

using tk::headless::DrawOp;

enum class Area { Screen, Preview };

struct TestSlide { std::string path; bool center = false, hStretch = false, vStretch = false; };

class RenderTest : public ToolkitTest {
protected:
    RenderTest() {
        surfaces.setBorderStyle(tk::BorderStyle::None);
        surfaces.setClientSize(15360, 11520);
        surfaces.Load();
        surfaces.setIcon(tk::AppIcon());
    }
    std::pair<tk::Surface&, tk::Image&> at(Area area) {
        if (area == Area::Preview) return {preview, previewImg};
        return {surfaces, screenImg};
    }
    std::string Bitmap(int widthPx, int heightPx) {
        return files.write("picture" + std::to_string(files_++) + ".bmp", MakeBmp(widthPx, heightPx));
    }
    void UseShow(const std::vector<TestSlide>& slides, std::int32_t delay = 10, bool random = false,
                 tk::Color background = 0) {
        ClsSettings& settings = AppSettings();
        settings.setBgColor(background);
        settings.setDelay(delay);
        settings.setRandomDisplay(random);
        settings.setPictureCount(0);
        std::int32_t i = 0;
        for (const TestSlide& slide : slides) {
            settings.setFileSpec(++i, slide.path);
            settings.setCenter(i, slide.center);
            settings.setHStretch(i, slide.hStretch);
            settings.setVStretch(i, slide.vStretch);
        }
    }
    void Tick(Area area = Area::Screen) { NextSlide(show, surfaces, at(area).first, at(area).second); }
    void DueTick(Area area = Area::Screen) {
        LastSlideTime = 0.0;
        Tick(area);
    }

    ScratchFolder files;
    // The full-screen window itself, and a picture box a tenth of the screen wide with a
    // border (the inner area smaller than the outer size).
    tk::Form surfaces{"SlideSurfaces"};
    tk::Image screenImg{surfaces, "screenImg", 0, 0, 0, 0};
    tk::PictureBox preview{surfaces, "preview", 0, 0, 1536, 1152, tk::BorderStyle::FixedSingle};
    tk::Image previewImg{preview, "previewImg", 0, 0, 0, 0};
    ShowState show;
    int files_ = 0;
};

// The schedule counts 86000 seconds a day: a slide stays the least whole number of
// clock seconds k with k * 86000 / 86400 > Delay (from day 0 the arithmetic is exact).
// Until then a tick only follows the background colour.
TEST_F(RenderTest, ASlideStaysItsWholeSecondsOnTheClockAndTheNextIsMadeDueByOneDelay) {
    for (const auto& [delay, staysSeconds] : {std::pair{2, 3}, {5, 6}, {215, 217}, {1000, 1005}}) {
        UseShow({{Bitmap(16, 12)}}, delay, false, tk::Rgb(200, 100, delay % 256));
        os.clock.SetNow(0.0);
        LastSlideTime = 0.0;
        os.clock.AdvanceMs((staysSeconds - 1) * 1000);
        const auto loads = ui().pictureLoads().size();
        Tick();
        EXPECT_TRUE(LastSlideTime == 0.0 && ui().pictureLoads().size() == loads) << delay;
        EXPECT_EQ(surfaces.BackColor(), tk::Rgb(200, 100, delay % 256));
        os.clock.AdvanceMs(1000);
        Tick();
        EXPECT_EQ(LastSlideTime, os.clock.Now()) << delay;
        MakeNextSlideDue(delay); // due once the clock has moved on by a second
        const double madeDue = LastSlideTime;
        Tick();
        EXPECT_EQ(LastSlideTime, madeDue) << delay;
        os.clock.AdvanceMs(1000);
        Tick();
        EXPECT_EQ(LastSlideTime, os.clock.Now()) << delay;
    }
}

// A tenth of the screen shows a tenth; the share comes from the outer width, the fit from
// the inner area (2 pixels a side less). The Wine suite proves every fit on the screen.
TEST_F(RenderTest, APreviewPictureIsFittedByTheScreenShareAndItsEntrysFlags) {
    const std::tuple<int, int, TestSlide, std::array<float, 4>> cases[] = { // pixels, flags, left, top, width, height
        {300, 600, {"", true}, {513, 96, 450, 900}}, {640, 480, {"", false, true, true}, {0, 0, 1536 - 60, 1152 - 60}}};
    for (auto [widthPx, heightPx, slide, placed] : cases) {
        auto [surface, e] = at(Area::Preview);
        slide.path = Bitmap(widthPx, heightPx);
        UseShow({slide});
        surface.Print("earlier text");
        DueTick(Area::Preview);
        EXPECT_TRUE(e.Picture().data()->source == slide.path && e.Stretch() && e.Visible());
        EXPECT_TRUE(ui().textsOn(preview).empty()) << "the surface is cleared";
        EXPECT_EQ((std::array{e.Left(), e.Top(), e.Width(), e.Height()}), placed) << widthPx;
    }
}

TEST(FitBox, SizesStayFiniteWithoutASurfaceOrAScreenWidth) {
    for (int flags = 0; flags < 8; ++flags)
        for (const auto& [surface, screen] : {std::pair{0.0f, 15360.0}, {1536.0f, 0.0}}) {
            const ElementBox e = FitBox(9600, 7200, surface, surface, surface * 0.75f, screen, (flags & 1) != 0,
                                        (flags & 2) != 0, (flags & 4) != 0);
            for (float value : {e.left, e.top, e.width, e.height}) EXPECT_TRUE(std::isfinite(value)) << flags;
            EXPECT_TRUE(surface > 0 || (e.width == 0 && e.height == 0)) << flags;
        }
}

// In list order the slides wrap, also when the list shrank below the one on show; in
// random order each slide shown draws one value. With no entries both give the first.
// Prepared ahead off the user-interface thread, the slides follow the same order and seed.
TEST_F(RenderTest, SlidesFollowInListOrderOrAtRandomAlsoWhenPreparedAhead) {
    const std::tuple<bool, int, std::vector<double>, std::vector<std::int32_t>> cases[] = {
        // random, entries, values drawn, slides chosen (from slide 6 on show)
        {false, 4, {}, {1, 2, 3, 4, 1, 2}}, {false, 0, {}, {1, 1}}, {true, 0, {0.75}, {1}},
        {true, 4, {0.0, 0.2499, 0.25, 0.5, 0.74, 0.75, 0.9999999}, {1, 1, 2, 3, 3, 4, 4}}};
    for (const auto& [random, entries, draws, chosen] : cases) {
        std::vector<TestSlide> slides;
        for (int i = 0; i < entries; ++i) slides.push_back({Bitmap(10 + i, 10)});
        UseShow(slides, 10, random);
        for (const bool ahead : {false, true}) {
            os.random.queued.assign(draws.begin(), draws.end());
            show = ShowState{};
            show.currentSlide = 6;
            if (ahead) PrepareSlidesAhead(show, surfaces);
            std::vector<std::int32_t> got;
            for (auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
                 got.size() < chosen.size() && std::chrono::steady_clock::now() < end; std::this_thread::yield()) {
                DueTick();
                if (LastSlideTime == 0.0) continue; // being prepared
                got.push_back(show.currentSlide);
                if (entries > 0) {
                    EXPECT_EQ(screenImg.Picture().data()->source, AppSettings().fileSpec(got.back()));
                }
            }
            EXPECT_EQ(got, chosen) << entries << ahead;
            EXPECT_TRUE(os.random.queued.empty()) << "one value per slide shown";
        }
    }
}

TEST_F(RenderTest, ATextSlideShowsTheIconTheHeadingAndOnAWindowTheCredit) {
    const std::string notes = files.write("notes.bmp", Bytes{'h', 'i'}); // no picture
    const struct {
        Area area;
        std::optional<std::string> path; // none: no entries
        tk::Color background, text; // light yellow on black only, dark blue on anything else
        int screenPx;
        double headingPoints; // 25 on a surface as wide as the screen, its share on others
        std::array<float, 4> icon; // left, top, width, height: half the outer size, centred
    } cases[] = {
        {Area::Screen, std::nullopt, 0, tk::Rgb(255, 255, 127), 1024, 25.0, {3840, 2880, 7680, 5760}},
        {Area::Screen, (files.path() / "gone.jpg").string(), tk::Rgb(255, 255, 255), tk::Rgb(0, 0, 127), 1024, 25.0,
         {3840, 2880, 7680, 5760}},
        {Area::Preview, notes, 0, tk::Rgb(255, 255, 127), 2048, 1.25, {384, 288, 768, 576}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.value_or("no entries"));
        os.screen.metrics.widthPx = c.screenPx;
        auto [surface, e] = at(c.area);
        UseShow(c.path ? std::vector<TestSlide>{{*c.path, true, true, true}} : std::vector<TestSlide>{}, 10, false,
                c.background);
        surface.Print("earlier text");

        DueTick(c.area);

        EXPECT_TRUE(e.Picture() == surfaces.Icon() && e.Stretch() && e.Visible());
        EXPECT_EQ((std::array{e.Left(), e.Top(), e.Width(), e.Height()}), c.icon);
        // Both headings start where "Picture File Not Found" would be centred; the path
        // follows at the left edge, half the size, neither bold nor italic.
        using Line = std::tuple<std::string, tk::Color, float, float, tk::FontSpec>;
        const std::string notFound = "Picture File Not Found";
        const tk::FontSpec heading{.Size = c.headingPoints, .Bold = true, .Italic = true};
        const float left = (surface.surfaceWidth() - ui().measureText(heading, notFound).Width) / 2;
        const float top = ui().measureText(heading, "W").Height / 2;
        std::vector<Line> expected = {{c.path ? notFound : "No pictures defined", c.text, left, top, heading}};
        if (c.path) {
            expected.push_back({*c.path, c.text, 0, top + ui().measureText(heading, notFound).Height,
                                tk::FontSpec{.Size = c.headingPoints / 2}});
        }
        if (c.area == Area::Screen) { // bold stays as the heading lines left it
            const tk::FontSpec credit{.Size = 8, .Bold = !c.path};
            expected.push_back({kCreditLine, c.text, 0,
                                surface.surfaceHeight() - ui().measureText(credit, "W").Height, credit});
        }
        const auto ops = ui().surfaceOps(dynamic_cast<tk::Component&>(surface));
        ASSERT_FALSE(ops.empty());
        EXPECT_TRUE(ops[0].type == DrawOp::Type::Cls && ops[0].color == c.background);
        std::vector<Line> drawn;
        for (std::size_t i = 1; i < ops.size(); ++i)
            drawn.emplace_back(ops[i].text, ops[i].color, ops[i].x, ops[i].y, ops[i].font);
        EXPECT_EQ(drawn, expected);
        EXPECT_EQ(LastSlideTime, os.clock.Now());
    }
}

// A picture prepared for the due slide shows; a change of path, options, surface or file
// drops it, to be prepared again. The Wine suite proves the text slide for a picture that
// did not load or whose file went after it was prepared.
TEST(SlidePrefetch, WhatWasPreparedShowsUntilItsSlideOptionsSurfaceOrFileChange) {
    const SlideKey key{"a.jpg", true, false, false, {15360, 15360, 11520, 15360, 15, 15}};
    const FileStamp stamp{100, 7};
    const std::pair<SlideKey, FileStamp> cases[] = { // the due slide, its file now
        {key, stamp}, {{"b.jpg", true, false, false, key.surface}, stamp},
        {{"a.jpg", false, false, false, key.surface}, stamp},
        {{"a.jpg", true, false, false, {15360, 15360, 11000, 15360, 15, 15}}, stamp},
        {key, FileStamp{101, 7}}, {key, FileStamp{100, 8}}};
    for (const auto& [due, now] : cases) {
        SlidePrefetch prefetch;
        EXPECT_TRUE(prefetch.order(key) && !prefetch.order(key)) << "prepared once";
        EXPECT_EQ(prefetch.atDue(key, stamp), DueAction::Wait) << "not ready yet";
        EXPECT_FALSE(prefetch.prepared(SlideKey{"a.jpg", true, false, true, key.surface}, true, stamp));
        EXPECT_TRUE(prefetch.prepared(key, true, stamp));
        const bool unchanged = due == key && now == stamp;
        EXPECT_EQ(prefetch.atDue(due, now), unchanged ? DueAction::ShowPicture : DueAction::Wait) << due.path;
        EXPECT_TRUE(unchanged || prefetch.order(due)) << "dropped: prepared again";
    }
}

} // namespace
} // namespace qs::test
