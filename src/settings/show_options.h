// The show's options beyond its list, each off by default. With every one off the show and
// the settings file are exactly as without them: a key the file does not hold is only
// written once its option differs from the default.
#pragma once

#include <cstdint>

namespace qs {

// The fade's length, in milliseconds: the file holds it in seconds (FadeSeconds_0), and a
// length it does not give, or gives outside this range, is the default.
inline constexpr std::int32_t kMinFadeMs = 500, kMaxFadeMs = 3000, kDefaultFadeMs = 1000;

struct ShowOptions {
    // A slide entry may name a folder: it stands for every picture in the folder's tree.
    bool folderEntries = false;
    // Random order shows every picture once before any shows twice.
    bool shuffle = false;
    // A file is a picture when an installed decoder opens it, not only the five known formats.
    bool allFormats = false;
    // Arrow keys and Space steer the full-screen show; other input still ends it.
    bool steeringKeys = false;
    // Every monitor shows slides of its own, not only the primary.
    bool everyMonitor = false;
    // A caption over each picture: its file name, the date it was taken, or both.
    bool captionName = false;
    bool captionDate = false;
    // Each slide after the first fades in over the one before, for fadeMs, from the tick
    // where it is due (the schedule stays as it is).
    bool fade = false;
    std::int32_t fadeMs = kDefaultFadeMs;
    // Each picture drifts slowly, zoomed in a little, over its time on screen.
    bool panZoom = false;

    bool operator==(const ShowOptions&) const = default;
};

} // namespace qs
