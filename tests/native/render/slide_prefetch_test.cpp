// Slides prepared ahead: what is prepared, when it is dropped, and the slides' order.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include "render/next_slide.h"
#include "settings/shared_state.h"
#include "support/scratch_folder.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"

namespace qs::test {
namespace {

TEST(SlidePrefetch, WhatWasPreparedShowsUntilItsSlideOptionsSurfaceOrFileChange) {
    const SlideKey key{"a.jpg", true, false, false, {15360, 15360, 11520, 15360, 15, 15}};
    const FileStamp stamp{100, 7};
    const auto changed = [&](auto change) { SlideKey k = key; change(k); return k; };
    const struct {
        SlideKey due;
        std::optional<FileStamp> now;
        bool loaded;
        DueAction action;
    } cases[] = {
        {key, stamp, true, DueAction::ShowPicture},
        {key, stamp, false, DueAction::ShowText},
        {key, std::nullopt, true, DueAction::ShowText},
        {changed([](SlideKey& k) { k.path = "b.jpg"; }), stamp, true, DueAction::Wait},
        {changed([](SlideKey& k) { k.center = false; }), stamp, true, DueAction::Wait},
        {changed([](SlideKey& k) { k.surface.scaleHeight = 11000; }), stamp, true, DueAction::Wait},
        {key, FileStamp{101, 7}, true, DueAction::Wait},
        {key, FileStamp{100, 8}, true, DueAction::Wait},
    };
    for (const auto& c : cases) {
        SlidePrefetch prefetch;
        EXPECT_TRUE(prefetch.order(key) && !prefetch.order(key)) << "prepared once";
        EXPECT_EQ(prefetch.atDue(key, stamp), DueAction::Wait) << "not ready yet";
        EXPECT_FALSE(prefetch.prepared(c.due == key ? changed([](SlideKey& k) { k.path = "old"; }) : c.due, true, stamp));
        EXPECT_TRUE(prefetch.prepared(key, c.loaded, stamp));
        EXPECT_EQ(prefetch.atDue(c.due, c.now), c.action) << c.due.path << c.due.center;
        EXPECT_TRUE(c.action != DueAction::Wait || prefetch.order(c.due)) << "dropped: prepared again";
    }
}

class PreparedShow : public ToolkitTest {
protected:
    // The slides of `count` shows; each is waited for on the injected clock's due tick.
    std::vector<std::int32_t> Show(bool ahead, int count) {
        struct Window : tk::Form {
            Window() : tk::Form("window") { setClientSize(15360, 11520); }
            tk::Image picture{*this, "picture", 0, 0, 0, 0};
        } window;
        tk::Image& picture = window.picture;
        window.Load();
        ShowState show;
        if (ahead) PrepareSlidesAhead(show, window);
        std::vector<std::int32_t> slides;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (int(slides.size()) < count && std::chrono::steady_clock::now() < deadline) {
            LastSlideTime = 0.0;
            NextSlide(show, window, window, picture);
            if (LastSlideTime == 0.0) {
                std::this_thread::yield(); // the picture is being prepared
                continue;
            }
            slides.push_back(show.currentSlide);
            EXPECT_EQ(picture.Picture().data()->source, AppSettings().fileSpec(show.currentSlide));
        }
        window.Unload();
        return slides;
    }
    ScratchFolder files;
};

TEST_F(PreparedShow, ShowsTheSlidesOfTheSameOrderAndSeed) {
    for (int i = 1; i <= 5; ++i) AppSettings().setFileSpec(i, files.write(std::to_string(i) + ".bmp", MakeBmp(8 + i, 8)));
    for (const bool random : {false, true}) {
        AppSettings().setRandomDisplay(random);
        const std::vector<double> seeded = {0.9, 0.1, 0.5, 0.3, 0.7, 0.2, 0.95};
        os.random.queued.assign(seeded.begin(), seeded.end());
        const auto shown = Show(false, 6);
        os.random.queued.assign(seeded.begin(), seeded.end());
        EXPECT_EQ(Show(true, 6), shown) << random;
        const std::vector<std::int32_t> expected[] = {{1, 2, 3, 4, 5, 1}, {5, 1, 3, 2, 4, 2}};
        EXPECT_EQ(shown, expected[random]);
    }
}

} // namespace
} // namespace qs::test
