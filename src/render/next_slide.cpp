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

std::int32_t RandomSlide(ClsSettings& settings) {
    const std::int32_t count = settings.pictureCount();
    const double r = platform::services().random->Rnd();
    const double pick = std::floor(r * count) + 1;
    // With a large count, r * count can round up to count itself for r just below 1;
    // an empty list gives 1.
    if (!(pick <= count)) return count > 0 ? count : 1;
    return static_cast<std::int32_t>(pick);
}

std::int32_t FollowingSlide(ClsSettings& settings, std::int32_t current) {
    // Widened so that a slide number at the top of its range wraps instead of overflowing.
    const std::int64_t next = std::int64_t{current} + 1;
    if (next > settings.pictureCount()) return 1;
    return static_cast<std::int32_t>(next);
}

// The path on success, the empty string when no picture could be shown.
std::string ShowPicture(ClsSettings& settings, std::int32_t slide, tk::Surface& surface, tk::Image& element) {
    if (settings.pictureCount() <= 0) return {};
    return FitPicture(element, surface, settings.fileSpec(slide), settings.center(slide), settings.hStretch(slide),
                      settings.vStretch(slide));
}

} // namespace

void NextSlide(ShowState& show, tk::Form& window, tk::Surface& surface, tk::Image& pictureElement) {
    // Every tick, due or not, so a colour chosen in the settings dialog shows at once.
    // Nothing else is touched until a slide is due: this runs several times a second.
    ClsSettings& settings = AppSettings();
    const tk::Color background = settings.bgColor();
    if (surface.BackColor() != background) surface.setBackColor(background);

    platform::Clock& clock = *platform::services().clock;
    const double elapsed = (clock.Now() - LastSlideTime) * kScheduleSecondsPerDay;
    if (!(elapsed > settings.delay())) return;

    const std::int32_t slide =
        settings.randomDisplay() ? RandomSlide(settings) : FollowingSlide(settings, show.currentSlide);
    show.currentSlide = slide;

    if (ShowPicture(settings, slide, surface, pictureElement).empty()) {
        std::optional<std::string> missingPath;
        if (settings.pictureCount() > 0) missingPath = settings.fileSpec(slide);
        DrawTextSlide(window, surface, pictureElement, missingPath);
    }

    pictureElement.setVisible(true);
    // Read after drawing: a slow picture load must not eat into the time the slide is on show.
    LastSlideTime = clock.Now();
}

} // namespace qs
