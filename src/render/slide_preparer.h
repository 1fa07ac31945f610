// The preparer of one running show: it gets a slide's picture ready for the show's surface
// (decoded at the size it will be drawn) on a thread of its own, one slide at a time, and
// decides at a due tick whether what it prepared can be shown (PreparerJob's rules). A new
// request replaces one not yet started; a finished picture waits, one at most, until the
// window thread collects it, so a surface never holds more than one prepared picture.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "render/preparer_job.h"
#include "toolkit/picture.h"

namespace qs {

class SlidePreparer {
public:
    SlidePreparer();
    // Stops the thread, waiting for a decode under way to end (the window is gone by then).
    ~SlidePreparer() = default;
    SlidePreparer(const SlidePreparer&) = delete;
    SlidePreparer& operator=(const SlidePreparer&) = delete;

    // --- on the window thread ---
    // Takes in what the thread has finished; at every tick.
    void collect();
    // Has `request` prepared, unless it is prepared or being prepared already.
    void prepare(const PrepareRequest& request);
    // What the due slide may show now; on Wait the request is being prepared.
    DueAction atDue(const PrepareRequest& request);
    // The picture prepared for the due slide, after atDue gave ShowPicture.
    const tk::Picture& picture() const { return *picture_; }
    // The due slide went on show.
    void slideShown();

private:
    struct Prepared {
        PrepareRequest request;
        std::optional<tk::Picture> picture; // nullopt when it did not load
        std::optional<FileStamp> stamp;     // the file as it was read
    };
    static Prepared Prepare(const PrepareRequest& request);
    void run(std::stop_token stop);

    PreparerJob job_;
    std::optional<tk::Picture> picture_; // for the job's request, once loaded
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::optional<PrepareRequest> request_; // waiting for the thread
    std::optional<Prepared> finished_;      // waiting for the window thread
    std::jthread thread_;                   // last: stopped and joined before the rest goes
};

} // namespace qs
