#include "render/next_slide.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/services.h"
#include "render/fit_picture.h"
#include "render/slide_schedule.h"
#include "render/text_slide.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"

namespace qs {
namespace {

// The fitting flags as the 16-bit Booleans FitPicture takes.
std::int16_t Flag(bool on) { return on ? -1 : 0; }

std::int32_t RandomSlide(ClsSettings& settings) {
    const std::int32_t count = settings.PictureCount();
    const double r = platform::services().random->Rnd();
    const double pick = std::floor(r * count) + 1;
    // With a large count, r * count can round up to count itself for r just below 1;
    // an empty list gives 1.
    if (!(pick <= count)) return count > 0 ? count : 1;
    return static_cast<std::int32_t>(pick);
}

std::int32_t FollowingSlide(ClsSettings& settings) {
    // Widened so that a CurrentSlide at the top of its range wraps instead of overflowing.
    const std::int64_t next = std::int64_t{CurrentSlide} + 1;
    if (next > settings.PictureCount()) return 1;
    return static_cast<std::int32_t>(next);
}

// The path on success, the empty string when no picture could be shown.
std::string ShowPicture(ClsSettings& settings, tk::Surface& surface, tk::Image& element) {
    if (settings.PictureCount() <= 0) return {};
    return FitPicture(element, surface, settings.getFileSpec(CurrentSlide), Flag(settings.Center(CurrentSlide)),
                      Flag(settings.HStretch(CurrentSlide)), Flag(settings.VStretch(CurrentSlide)));
}

} // namespace

void NextSlide(tk::Form& window, tk::Surface& surface, tk::Image& pictureElement) {
    // Every tick, due or not, so a colour chosen in the settings dialog shows at once.
    // Nothing else is touched until a slide is due: this runs several times a second.
    ClsSettings& settings = AppSettings();
    const tk::Color background = settings.bgColor();
    if (surface.BackColor() != background) surface.setBackColor(background);

    platform::Clock& clock = *platform::services().clock;
    const double elapsed = (clock.Now() - LastSlideTime) * kScheduleSecondsPerDay;
    if (!(elapsed > settings.Delay())) return;

    CurrentSlide = settings.RandomDisplay() ? RandomSlide(settings) : FollowingSlide(settings);

    if (ShowPicture(settings, surface, pictureElement).empty()) {
        std::optional<std::string> missingPath;
        if (settings.PictureCount() > 0) missingPath = settings.getFileSpec(CurrentSlide);
        DrawTextSlide(window, surface, pictureElement, missingPath);
    }

    pictureElement.setVisible(true);
    // Read after drawing: a slow picture load must not eat into the time the slide is on show.
    LastSlideTime = clock.Now();
}

} // namespace qs
