// The decisions of a running show and its fitting geometry; the Wine suites draw them.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "render/fit_box.h"
#include "render/slide_prefetch.h"

namespace qs::test {
namespace {

TEST(FitBox, SizesStayFiniteWithoutASurfaceOrAScreenWidth) {
    for (int flags = 0; flags < 8; ++flags)
        for (const auto& [surface, screen] : {std::pair{0.0f, 15360.0}, {1536.0f, 0.0}}) {
            const ElementBox e = FitBox(9600, 7200, surface, surface, surface * 0.75f, screen, (flags & 1) != 0,
                                        (flags & 2) != 0, (flags & 4) != 0);
            for (float value : {e.left, e.top, e.width, e.height}) EXPECT_TRUE(std::isfinite(value)) << flags;
            EXPECT_TRUE(surface > 0 || (e.width == 0 && e.height == 0)) << flags;
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
