// The one frame kept warm from a picture's load to its first drawing (see KeepWarmFrame):
// a cache of one entry that every window shares.
#include <mutex>

#include "toolkit/win32/wic_common.h"

namespace qs::tk::win32 {

namespace {

// Pictures prepared ahead load on other threads, which never keep their frame here but
// may drop a picture, and with it its entry.
struct WarmFrameCache {
    std::mutex mutex;
    const void* picture = nullptr;
    std::unique_ptr<OpenedFrame> frame;

    // With the mutex held.
    void empty() {
        frame.reset();
        picture = nullptr;
    }
};

// At namespace scope, so made before the program starts and destroyed after every object
// made once it runs: the program's own pictures cached in static objects drop their entry
// here as they go.
WarmFrameCache warm;

} // namespace

void KeepWarmFrame(const void* picture, std::unique_ptr<OpenedFrame> frame) {
    std::lock_guard lock(warm.mutex);
    warm.empty(); // the old one goes before the new one is kept: never two at once
    warm.picture = picture;
    warm.frame = std::move(frame);
}

std::unique_ptr<OpenedFrame> TakeWarmFrame(const void* picture) {
    std::lock_guard lock(warm.mutex);
    if (!warm.frame || warm.picture != picture) return nullptr;
    warm.picture = nullptr;
    return std::move(warm.frame);
}

void DropWarmFrame(const void* picture) {
    std::lock_guard lock(warm.mutex);
    if (warm.picture == picture) warm.empty();
}

void ClearWarmFrame() {
    std::lock_guard lock(warm.mutex);
    warm.empty();
}

} // namespace qs::tk::win32
