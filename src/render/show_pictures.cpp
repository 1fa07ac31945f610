#include "render/show_pictures.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace qs {

bool ShowPictures::follow(const std::vector<Slide>& entries) {
    if (generation_ != 0 && entries == entries_) return false;
    ++generation_;
    entries_ = entries;
    pictures_ = entries;
    state_.assign(entries.size(), Entry{});
    wanted_.clear();
    for (std::size_t e = 0; e < entries.size(); ++e) {
        state_[e].start = e;
        want(e, true, false);
    }
    askedAt_ = ~std::uint64_t{0};
    sinceRead_ = 0;
    return true;
}

std::size_t ShowPictures::entryOf(std::size_t index) const {
    const auto after = std::upper_bound(state_.begin(), state_.end(), index,
                                        [](std::size_t i, const Entry& e) { return i < e.start; });
    return static_cast<std::size_t>(after - state_.begin()) - 1;
}

void ShowPictures::want(std::size_t entry, bool first, bool urgent) {
    state_[entry].reading = true;
    wanted_.push_back(FolderOrder{generation_, entry, entries_[entry].path, first, urgent});
}

bool ShowPictures::waiting(std::int32_t number) {
    if (number < 1 || static_cast<std::size_t>(number) > pictures_.size()) return false;
    const std::size_t e = entryOf(static_cast<std::size_t>(number - 1));
    Entry& entry = state_[e];
    if (entry.read) return false;
    if (!entry.urged) {
        entry.urged = true;
        want(e, true, true);
    }
    return true;
}

std::vector<FolderOrder> ShowPictures::takeWanted() { return std::exchange(wanted_, {}); }

std::int32_t ShowPictures::take(const FolderReading& reading, std::int32_t current) {
    if (reading.generation != generation_ || reading.entry >= state_.size()) return current;
    Entry& entry = state_[reading.entry];
    entry.read = true;
    if (reading.complete) entry.reading = false;
    const Slide& stands = entries_[reading.entry];
    std::vector<Slide> found;
    found.reserve(reading.pictures.size());
    for (const std::string& path : reading.pictures) found.push_back(Slide{path, stands.center, stands.hStretch, stands.vStretch});

    const auto first = pictures_.begin() + static_cast<std::ptrdiff_t>(entry.start);
    std::size_t at = 0; // where the found pictures go, counted in the entry
    if (!reading.folder || reading.replace) {
        if (found.empty()) found.push_back(stands);
        if (std::equal(first, first + static_cast<std::ptrdiff_t>(entry.count), found.begin(), found.end()))
            return current;
    } else {
        at = entry.count;
        if (found.empty()) return current;
    }

    // The picture on show keeps its place: by its path within the entry, by its offset
    // when it has gone (list order then goes on with the picture that took its place).
    const std::size_t old = static_cast<std::size_t>(std::max(current, 0));
    std::int32_t renumbered = current;
    const std::size_t oldCount = entry.count;
    const std::size_t newCount = at + found.size();
    if (old > entry.start + oldCount) {
        renumbered = static_cast<std::int32_t>(old - oldCount + newCount);
    } else if (old > entry.start + at) {
        const std::size_t offset = old - 1 - entry.start;
        const std::string& path = pictures_[old - 1].path;
        const auto same = std::find_if(found.begin(), found.end(), [&](const Slide& s) { return s.path == path; });
        renumbered = static_cast<std::int32_t>(
            entry.start + at + (same != found.end() ? static_cast<std::size_t>(same - found.begin()) + 1
                                                    : std::min(offset - at, found.size())));
    }

    pictures_.erase(first + static_cast<std::ptrdiff_t>(at), first + static_cast<std::ptrdiff_t>(oldCount));
    pictures_.insert(pictures_.begin() + static_cast<std::ptrdiff_t>(entry.start + at),
                     std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
    entry.count = newCount;
    for (std::size_t e = reading.entry + 1; e < state_.size(); ++e) state_[e].start = state_[e - 1].start + state_[e - 1].count;
    return renumbered;
}

void ShowPictures::comingTo(std::int32_t next) {
    if (askedAt_ == shownCount_ || next < 1 || static_cast<std::size_t>(next) > pictures_.size()) return;
    const std::size_t index = static_cast<std::size_t>(next - 1);
    const std::size_t e = entryOf(index);
    if (state_[e].start != index || !state_[e].read || state_[e].reading) return;
    askedAt_ = shownCount_;
    want(e, false, false);
}

void ShowPictures::shown(bool atRandom) {
    ++shownCount_;
    if (!atRandom || ++sinceRead_ < pictures_.size()) return;
    sinceRead_ = 0;
    for (std::size_t e = 0; e < state_.size(); ++e)
        if (state_[e].read && !state_[e].reading) want(e, false, false);
}

} // namespace qs
