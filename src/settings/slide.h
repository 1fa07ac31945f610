// One slide of the show: the full path of a picture file and its three fitting flags. The
// settings hold the list, the editor edits it, the show draws it.
#pragma once

#include <string>

namespace qs {

enum class SlideOption { Center = 0, HStretch = 1, VStretch = 2 };
inline constexpr int kSlideOptionCount = 3;

struct Slide {
    std::string path;
    bool center = false;
    bool hStretch = false;
    bool vStretch = false;
    bool operator==(const Slide&) const = default;

    bool option(SlideOption which) const;
    void setOption(SlideOption which, bool on);
};

} // namespace qs
