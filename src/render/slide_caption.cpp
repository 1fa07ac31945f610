#include "render/slide_caption.h"

#include <algorithm>

namespace qs {

namespace {
// 15 pixels high on a full screen at 96 dpi, growing with the display's scaling.
constexpr double kFullScreenPoints = 11.25;
// Smaller than 7 points (9 pixels at 96 dpi) does not read: a small surface's caption
// stops shrinking there.
constexpr double kSmallestPoints = 7.0;
constexpr const char* kJoin = " \xE2\x80\x93 "; // an en dash between spaces
} // namespace

std::string CaptionText(const ShowOptions& options, const std::string& path, const std::string& dateTaken) {
    std::string name;
    if (options.captionName) {
        const std::size_t slash = path.find_last_of("\\/");
        name = slash == std::string::npos ? path : path.substr(slash + 1);
    }
    const std::string date = options.captionDate ? dateTaken : std::string();
    if (name.empty() || date.empty()) return name + date;
    return name + kJoin + date;
}

double CaptionPoints(double surfaceWidth, double screenWidth) {
    const double share = screenWidth > 0 && surfaceWidth > 0 ? surfaceWidth / screenWidth : 1.0;
    return std::max(kSmallestPoints, kFullScreenPoints * std::min(share, 1.0));
}

} // namespace qs
