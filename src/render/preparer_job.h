// What a running show's preparer has been asked for and what came of it, and what a due
// tick may do with it: the decisions alone, with no thread and no picture, so that they
// are the same on every surface. SlidePreparer does the work and reports here.
#pragma once

#include <optional>

#include "platform/services.h"
#include "settings/slide.h"

namespace qs {

// A file that changed on disk after it was prepared is prepared again.
using platform::FileStamp;

// A surface as a fitted picture depends on it, in twips: its outer width, its inner area,
// the screen's width and the screen's twips per pixel.
struct SurfaceGeometry {
    float width = 0, scaleWidth = 0, scaleHeight = 0;
    float screenWidth = 0, twipsPerPixelX = 0, twipsPerPixelY = 0;
    bool operator==(const SurfaceGeometry&) const = default;
};

// A slide as it would be drawn: everything its prepared picture depends on but the file's contents.
struct PrepareRequest {
    Slide slide;
    SurfaceGeometry surface;
    bool operator==(const PrepareRequest&) const = default;
};

// What a due tick does.
enum class DueAction {
    ShowPicture, // the prepared picture goes on the surface
    ShowText,    // the text slide: nothing can be shown for the slide
    Wait,        // the slide on show stays; the due slide is being prepared
};

class PreparerJob {
public:
    // True when `request` is to be prepared now; what was prepared or asked for another
    // request is dropped. False while `request` is prepared or being prepared.
    bool start(const PrepareRequest& request);
    // The preparation of `request` ended; `stamp` is the file as it was read (nullopt when
    // it could not be). A report for a request no longer wanted is ignored: false.
    bool finish(const PrepareRequest& request, bool loaded, const std::optional<FileStamp>& stamp);

    // A slide is due. `stamp` is the due slide's file as it is now (nullopt when it cannot
    // be read, or the path is empty).
    // - What was prepared for the same request and the same file is shown (the picture,
    //   or the text slide when it did not load).
    // - A file gone since it was prepared gives the text slide at once.
    // - Otherwise the old slide stays (Wait), and the request is to be prepared. A slide
    //   whose picture is not ready at its due tick thus comes at the first tick after it
    //   is, the clock's rule having already let it through: the show never decodes on the
    //   window thread, so input is answered at once while a large photo decodes.
    DueAction atDue(const PrepareRequest& request, const std::optional<FileStamp>& stamp);
    // The due slide went on show: what was prepared for it now lies on the surface.
    void clear() { job_.reset(); }

private:
    enum class State { Preparing, Loaded, Failed };
    struct Job {
        PrepareRequest request;
        State state = State::Preparing;
        std::optional<FileStamp> stamp;
    };
    std::optional<Job> job_;
};

} // namespace qs
