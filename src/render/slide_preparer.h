// The worker that prepares a running show's next slide off the user-interface thread:
// one thread per surface, one slide at a time. A new request replaces one not yet
// started; the result waits, one at most, until the user-interface thread takes it at
// a tick, so a surface never holds more than one prepared picture.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "render/slide_prefetch.h"
#include "toolkit/picture.h"

namespace qs {

struct PreparedSlide {
    SlideKey key;
    std::optional<tk::Picture> picture;  // nullopt when it did not load
    std::optional<FileStamp> stamp;      // the file as it was read
};

class SlidePreparer {
public:
    SlidePreparer();
    // Waits for a decode under way to end (the window is already gone by then).
    ~SlidePreparer();
    SlidePreparer(const SlidePreparer&) = delete;
    SlidePreparer& operator=(const SlidePreparer&) = delete;

    void prepare(const SlideKey& key);
    std::optional<PreparedSlide> takeFinished();

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<SlideKey> request_;
    std::optional<PreparedSlide> finished_;
    bool stopping_ = false;
    std::thread thread_;
};

// The picture of `key`, loaded and decoded for the place it will have on its surface.
PreparedSlide PrepareSlide(const SlideKey& key);

} // namespace qs
