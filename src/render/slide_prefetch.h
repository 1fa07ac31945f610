// What a running show prepares ahead and when it uses it: the decisions only, with no
// window, no picture and no thread, so that they are the same on every surface and
// testable on their own. The caller does the work they name (SlidePreparer decodes off
// the user-interface thread, NextSlide draws) and reports back.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/services.h"

namespace qs {

// A file that changed on disk after it was prepared is prepared again.
using platform::FileStamp;

// A surface as a fitted picture depends on it, in twips: its outer width, its inner
// area, the screen's width and the screen's twips per pixel.
struct SurfaceGeometry {
    float width = 0, scaleWidth = 0, scaleHeight = 0;
    float screenWidth = 0, twipsPerPixelX = 0, twipsPerPixelY = 0;
    bool operator==(const SurfaceGeometry&) const = default;
};

// One slide as it would be drawn: everything its prepared picture depends on but the
// file's contents.
struct SlideKey {
    std::string path;
    bool center = false, hStretch = false, vStretch = false;
    SurfaceGeometry surface;
    bool operator==(const SlideKey&) const = default;
};

// What a due tick does.
enum class DueAction {
    ShowPicture,  // the prepared picture goes on the surface
    ShowText,     // the text slide: nothing can be shown for the slide
    Wait,         // the slide on show stays; the due slide is being prepared
};

class SlidePrefetch {
public:
    // The slide after `current`: in list order the next entry, wrapping to 1; in random
    // order floor(r * count) + 1 for one value r of `draw`. That value is drawn once, the
    // first time this slide is asked for, and kept until takeSlide(): so the generator
    // gives one value per slide shown, in the order the slides are shown, however early
    // or often the slide is asked for, and a given seed shows the slides it always did.
    std::int32_t nextSlide(bool random, std::int32_t count, std::int32_t current, const std::function<double()>& draw);

    // True when `key` is to be prepared now; what was prepared or asked for another key
    // is dropped. False while `key` is prepared or being prepared.
    bool order(const SlideKey& key);
    // The preparation of `key` ended; `stamp` is the file as it was read (nullopt when it
    // could not be). A report for a key no longer wanted is ignored: false.
    bool prepared(const SlideKey& key, bool loaded, const std::optional<FileStamp>& stamp);

    // A slide is due. `stamp` is the due slide's file as it is now (nullopt when it
    // cannot be read, or the path is empty).
    // - What was prepared for the same key and the same file is shown (the picture, or
    //   the text slide when it did not load).
    // - A file gone since it was prepared gives the text slide at once.
    // - Otherwise the old slide stays (Wait), and the caller orders `key`. A slide whose
    //   picture is not ready at its due tick thus comes at the first tick after it is,
    //   the clock's rule having already let it through: the show never decodes on the
    //   user-interface thread, so input is answered at once while a large photo decodes.
    DueAction atDue(const SlideKey& key, const std::optional<FileStamp>& stamp);
    // The due slide was shown: its random value is used up, and what was prepared for it
    // now lies on the surface.
    void takeSlide();

private:
    enum class State { Preparing, Loaded, Failed };
    struct Job {
        SlideKey key;
        State state = State::Preparing;
        std::optional<FileStamp> stamp;
    };
    std::optional<double> drawn_;
    std::optional<Job> job_;
};

} // namespace qs
