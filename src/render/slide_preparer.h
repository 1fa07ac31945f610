// The preparer of one running show: it gets a slide's picture ready for the show's surface
// (decoded at the size it will be drawn) on a thread of its own, one slide at a time,
// tells the window when a picture is ready, looks at the file again when asked, just
// before the slide's turn, and decides at a due tick whether what it prepared can be
// shown (PreparerJob's rules).
//
// The thread is contained: everything it needs (the backend, the way to the window) is
// made before it starts; any failure on it is a failed slide; a newer request stops the
// preparing under way at its next step and cancels a file call it is blocked in. A
// preparing that is still under way one delay after its slide came due is left behind
// with its thread, and a new thread takes the next slide; so is one under way when the
// show ends, so that the window never waits for a decode. The process then ends without
// waiting for such threads (see the entry point).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <thread>

#include "render/preparer_job.h"
#include "settings/show_options.h"
#include "toolkit/peer.h"
#include "toolkit/picture.h"
#include "toolkit/surface.h"

namespace qs {

class SlidePreparer {
public:
    // `ready` is called on the preparing thread whenever a picture (or a failure) waits to
    // be collected; it is to wake the window thread, which then calls collect().
    SlidePreparer(tk::Backend& backend, std::function<void()> ready);
    // Stops the preparing; the thread is joined when idle and left behind when busy.
    ~SlidePreparer();
    SlidePreparer(const SlidePreparer&) = delete;
    SlidePreparer& operator=(const SlidePreparer&) = delete;

    // --- on the window thread ---
    // A show steered by keys keeps the pictures of the slide on show and of the one before
    // it, so that a step back, and forward again, shows at once.
    void keepShownPictures() { keepsShown_ = true; }
    // Takes in what the thread has finished.
    void collect();
    // Has `request` prepared, unless it is prepared, kept or being prepared already.
    void prepare(const PrepareRequest& request);
    // The prepared slide's turn is near: its file is looked at again (LookAgain's rules).
    void lookAgain();
    // What the due slide may show now (at `now`, in a show of `delaySeconds`); on Wait the
    // request is being prepared, on GiveUp its preparing has been left behind.
    DueAction atDue(const PrepareRequest& request, double now, std::int32_t delaySeconds);
    // The picture prepared for the due slide, after atDue gave ShowPicture.
    const tk::Picture& picture() const { return fromKept_ ? kept_.front().picture : *picture_; }
    // The due slide went on show.
    void slideShown();

    // True once any show of the process has left a preparing thread behind.
    static bool threadsLeftBehind();

private:
    struct Channel;
    void startThread();
    void leaveThreadBehind();

    tk::Backend& backend_;
    std::function<void()> ready_;
    PreparerJob job_;
    std::optional<tk::Picture> picture_;    // for the job's request, once loaded
    struct Kept {
        PrepareRequest request;
        tk::Picture picture;
    };
    bool keepsShown_ = false;
    std::deque<Kept> kept_;              // the slide on show's first, then the one before
    bool fromKept_ = false;              // the due slide's picture is kept_.front()
    std::optional<PrepareRequest> due_;  // the request of the last atDue
    std::optional<PrepareRequest> ordered_; // the request last given to the thread ...
    std::uint64_t serial_ = 0;              // ... under this number
    std::stop_source current_;              // ... which this stops
    std::shared_ptr<Channel> channel_;      // shared with the thread, which may outlive this
    std::jthread thread_;
};

// A request for `slide`'s picture drawn on `surface`, fitted to the screen (monitor) it stands for.
PrepareRequest RequestFor(const Slide& slide, const tk::Surface& surface, const ShowOptions& options);
// Where the request's picture goes on its surface, in pixels: the size it is decoded at.
tk::DisplayPlace PlaceOf(const tk::Picture& picture, const PrepareRequest& request);

} // namespace qs
