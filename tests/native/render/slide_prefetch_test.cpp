// Slides prepared ahead: what is prepared, when it is dropped, and the slides' order.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "render/next_slide.h"
#include "settings/shared_state.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

SlideKey Changed(SlideKey key, void (*change)(SlideKey&)) { return change(key), key; }

TEST(SlidePrefetch, WhatWasPreparedShowsUntilItsSlideOptionsSurfaceOrFileChange) {
    const SlideKey key{"a.jpg", true, false, false, {15360, 15360, 11520, 15360, 15, 15}};
    const FileStamp stamp{100, 7};
    const struct {
        SlideKey due;
        std::optional<FileStamp> now;
        bool loaded;
        DueAction action;
    } cases[] = {
        {key, stamp, true, DueAction::ShowPicture},
        {key, stamp, false, DueAction::ShowText},
        {key, std::nullopt, true, DueAction::ShowText},
        {Changed(key, [](SlideKey& k) { k.path = "b.jpg"; }), stamp, true, DueAction::Wait},
        {Changed(key, [](SlideKey& k) { k.center = false; }), stamp, true, DueAction::Wait},
        {Changed(key, [](SlideKey& k) { k.surface.scaleHeight = 11000; }), stamp, true, DueAction::Wait},
        {key, FileStamp{101, 7}, true, DueAction::Wait},
        {key, FileStamp{100, 8}, true, DueAction::Wait},
    };
    for (const auto& c : cases) {
        SlidePrefetch prefetch;
        EXPECT_TRUE(prefetch.order(key) && !prefetch.order(key)) << "prepared once";
        EXPECT_EQ(prefetch.atDue(key, stamp), DueAction::Wait) << "not ready yet";
        EXPECT_FALSE(prefetch.prepared(Changed(key, [](SlideKey& k) { k.vStretch = true; }), true, stamp));
        EXPECT_TRUE(prefetch.prepared(key, c.loaded, stamp));
        EXPECT_EQ(prefetch.atDue(c.due, c.now), c.action) << c.due.path << c.due.center;
        EXPECT_TRUE(c.action != DueAction::Wait || prefetch.order(c.due)) << "dropped: prepared again";
    }
}

// The slides shown, on the injected clock, with or without preparing them ahead.
class PreparedShow : public ToolkitTest {
protected:
    struct Window : tk::Form {
        Window() : tk::Form("window") { setClientSize(15360, 11520); }
        tk::Image picture{*this, "picture", 0, 0, 0, 0};
    };
    std::vector<std::int32_t> Show(bool ahead) {
        Window window;
        window.Load();
        ShowState show;
        if (ahead) PrepareSlidesAhead(show, window);
        std::vector<std::int32_t> slides;
        for (auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
             slides.size() < 6 && std::chrono::steady_clock::now() < end; std::this_thread::yield()) {
            LastSlideTime = 0.0;
            NextSlide(show, window, window, window.picture);
            if (LastSlideTime == 0.0) continue; // being prepared
            slides.push_back(show.currentSlide);
            EXPECT_EQ(window.picture.Picture().data()->source, AppSettings().fileSpec(show.currentSlide));
        }
        return slides;
    }
    ScratchFolder files;
};

TEST_F(PreparedShow, ShowsTheSlidesOfTheSameOrderAndSeed) {
    for (int i = 1; i <= 5; ++i) AppSettings().setFileSpec(i, files.write(std::to_string(i) + ".bmp", MakeBmp(8 + i, 8)));
    const std::vector<std::int32_t> expected[] = {{1, 2, 3, 4, 5, 1}, {5, 1, 3, 2, 4, 2}};
    for (const bool random : {false, true}) {
        AppSettings().setRandomDisplay(random);
        for (const bool ahead : {false, true}) {
            os.random.queued = {0.9, 0.1, 0.5, 0.3, 0.7, 0.2, 0.95};
            EXPECT_EQ(Show(ahead), expected[random]) << random << ahead;
        }
    }
}

} // namespace
} // namespace qs::test
