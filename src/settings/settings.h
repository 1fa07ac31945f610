// Everything the saver keeps between runs, as a plain value: the show's options, the
// editor's two options and the slide list. Each window that needs them holds its own copy
// or a reference to its owner's; only SettingsFile reads and writes the file.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "settings/show_options.h"
#include "settings/slide.h"

namespace qs {

// The longest list the settings hold. Each slide costs four keys to read and up to four
// profile calls to write, and the Windows profile functions search the file anew for
// every call, so the time grows with the square of the count: a hundred thousand slides
// is far beyond any real show (the editor handles ten thousand comfortably), while a
// stored count such as 2000000000 would ask for gigabytes and hours of profile calls.
inline constexpr std::int32_t kMaxSlides = 100000;

// A delay the file does not give, or gives outside 2 to 1000 seconds, is this.
inline constexpr std::int32_t kDefaultDelay = 10;

struct Settings {
    // The colour behind every slide, packed RGB: red + 256 x green + 65536 x blue.
    std::int32_t backgroundColor = 0;
    bool randomOrder = false;
    // Seconds each slide stays. Kept as set; only reading the file holds it to 2..1000.
    std::int32_t delaySeconds = kDefaultDelay;
    // The editor's live preview of the selected slide.
    bool showPreview = false;
    // The editor asks no confirming question. The file keeps this as "DisplayWarnings",
    // which holds "do not display" despite its name.
    bool hideWarnings = false;
    // In show order.
    std::vector<Slide> slides;
    // The count the file gave a list it held no slide of: 0, or a negative count, which
    // stays as read (the settings dialog shows it so). A list with slides counts them.
    std::int32_t emptyListCount = 0;
    // The options of the "Show Options" dialog.
    ShowOptions options{};

    // The number of slides as the settings dialog shows it.
    std::int32_t pictureCount() const {
        return slides.empty() ? emptyListCount : static_cast<std::int32_t>(slides.size());
    }
    // A new list (the editor's Apply), cut to kMaxSlides: from now on its length is the count.
    void replaceSlides(std::vector<Slide> list) {
        slides = std::move(list);
        if (slides.size() > static_cast<std::size_t>(kMaxSlides)) slides.resize(kMaxSlides);
        emptyListCount = 0;
    }

    bool operator==(const Settings&) const = default;
};

} // namespace qs
