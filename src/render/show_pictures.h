// The pictures a running show goes through when its slide entries may name folders: each
// entry stands for itself, or, naming a folder, for every picture in its tree (in
// WalkFolderTree's order, each with the entry's fitting flags), laid end to end in list
// order. The show's order (SlideSequencer) counts in this flat list.
//
// Nothing here reads a folder: it says which entries are to be read (takeWanted) and takes
// in what a reading found (take), on the window thread; FolderScanner reads them. Until
// its first reading comes, an entry stands for itself and the show waits when it comes to
// it; a large tree comes in parts, so the show picks among what is known so far. An entry
// that is no folder, or a folder without pictures, stands for itself: a picture, or the
// text slide once per pass. An entry is read again each time list order comes to its
// first picture, and at random after each pass's worth of slides (as many as the list
// holds), so that pictures added or removed since are seen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/slide.h"

namespace qs {

// An entry to read: its place in the list and its path, for the entries of `generation`.
struct FolderOrder {
    std::uint64_t generation = 0;
    std::size_t entry = 0;
    std::string path;
    bool first = false;  // its first reading: handed over in parts as it goes
    bool urgent = false; // the show waits for it: read before the others
};

// What reading an entry found, whole or in parts.
struct FolderReading {
    std::uint64_t generation = 0;
    std::size_t entry = 0;
    bool folder = false;               // false: the path names no folder; the entry stands for itself
    bool replace = true;               // the pictures replace those known; false: they follow them
    bool complete = true;              // the reading is done
    std::vector<std::string> pictures; // in show order
};

class ShowPictures {
public:
    // The entries as the settings hold them now. When they changed, every entry is to be
    // read again, from the first: true.
    bool follow(const std::vector<Slide>& entries);
    const std::vector<Slide>& pictures() const { return pictures_; }

    // True while picture `number` (from 1) stands for an entry whose first reading has not
    // come: the show waits, and that entry is read before the others.
    bool waiting(std::int32_t number);
    // The entries to read now, in order, each once.
    std::vector<FolderOrder> takeWanted();
    // Takes in a reading. `current` is the number of the picture on show (0 for none);
    // returns its number in the changed list, so that list order goes on from it.
    std::int32_t take(const FolderReading& reading, std::int32_t current);

    // List order comes to picture `next` after a slide was shown: the first picture of an
    // entry has the entry read again (once per arrival).
    void comingTo(std::int32_t next);
    // A slide went on show; `atRandom`: after a pass's worth, every entry is read again.
    void shown(bool atRandom);

private:
    struct Entry {
        std::size_t start = 0, count = 1; // its pictures in pictures_
        bool read = false;                // a reading has come
        bool reading = false;             // a reading is asked for and not complete
        bool urged = false;               // asked for before the others
    };
    std::size_t entryOf(std::size_t index) const;
    void want(std::size_t entry, bool first, bool urgent);

    std::vector<Slide> entries_;
    std::vector<Entry> state_;
    std::vector<Slide> pictures_;
    std::vector<FolderOrder> wanted_;
    std::uint64_t generation_ = 0;
    std::uint64_t shownCount_ = 0, askedAt_ = ~std::uint64_t{0};
    std::size_t sinceRead_ = 0;
};

} // namespace qs
