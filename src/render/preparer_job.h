// What a running show's preparer has been asked for and what came of it, and what a due
// tick may do with it: the decisions alone, with no thread, no file and no picture, so
// that they are the same on every surface. SlidePreparer does the work and reports here.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/services.h"
#include "settings/slide.h"

namespace qs {

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
    // Any format an installed decoder reads, not only the five known by their signatures.
    bool allFormats = false;
    // The caption shows the date taken: it is read with the picture.
    bool dateTaken = false;
    // The picture drifts (pan and zoom): it is prepared at the largest zoom (DriftPlace).
    bool drift = false;
    bool operator==(const PrepareRequest&) const = default;
};

// What a due tick does.
enum class DueAction {
    ShowPicture, // the prepared picture goes on the surface
    ShowText,    // the text slide: nothing can be shown for the slide
    Wait,        // the slide on show stays; the due slide is being prepared
    GiveUp,      // the text slide, and the preparing, one delay overdue, is abandoned
};

class PreparerJob {
public:
    // True when `request` is to be prepared now; what was prepared or asked for another
    // request is dropped. False while `request` is prepared or being prepared.
    bool start(const PrepareRequest& request);
    // What came of preparing `request`; a later report (its file was looked at again)
    // replaces an earlier one. A report for a request no longer wanted is ignored: false.
    bool finish(const PrepareRequest& request, bool loaded);
    // `request` is being prepared again (its file changed since): it is waited for again.
    void preparingAgain(const PrepareRequest& request);

    // A slide is due at `now` (days), in a show of `delaySeconds`.
    // - What was prepared for it shows: the picture, or the text slide when it did not load.
    // - Prepared for another slide, surface or options: the old slide stays (Wait), and
    //   `request` is to be prepared. A slide whose picture is not ready when due comes at
    //   the first tick after it is, the clock's rule having already let it through: the
    //   show never decodes on the window thread, so input is answered at once.
    // - Still being prepared one delay after it came due (in the schedule's measure), as a
    //   file whose read blocks would be: GiveUp, and the show goes on.
    DueAction atDue(const PrepareRequest& request, double now, std::int32_t delaySeconds);
    // The due slide went on show: what was prepared for it now lies on the surface.
    void clear() { job_.reset(); }

private:
    enum class State { Preparing, Loaded, Failed };
    struct Job {
        PrepareRequest request;
        State state = State::Preparing;
        std::optional<double> dueSince; // when it first came due while being prepared
    };
    std::optional<Job> job_;
};

// In the second before a prepared slide's turn, the preparing thread looks at its file
// again, so that the slide shows the file as it is when it comes, without holding the show:
enum class FileVerdict {
    Keep,         // unchanged, or changed again after it was prepared again: what was decoded shows
    PrepareAgain, // changed (or come) since it was prepared: prepared once more and waited for
    Gone,         // gone since it was prepared: the text slide
};
// `asPrepared` is the file as the preparing read it and `now` as it is now (nullopt: it
// cannot be read); `preparedAgain` says the slide was prepared again already this turn,
// so that a file rewritten more often than it decodes still shows, as it was decoded.
FileVerdict LookAgain(const std::optional<FileStamp>& asPrepared, const std::optional<FileStamp>& now,
                      bool preparedAgain);

} // namespace qs
