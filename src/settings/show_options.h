// The show's options beyond its list, each off by default. With every one off the show and
// the settings file are exactly as without them: a key the file does not hold is only
// written once its option differs from the default.
#pragma once

namespace qs {

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

    bool operator==(const ShowOptions&) const = default;
};

} // namespace qs
