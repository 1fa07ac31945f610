#include "render/next_slide.h"

#include <cstdint>
#include <optional>
#include <string>

#include "platform/services.h"
#include "render/fit_picture.h"
#include "render/slide_schedule.h"
#include "render/text_slide.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"

namespace qs {
namespace {

std::int32_t ChooseNext(ShowState& show, ClsSettings& settings) {
    return show.prefetch.nextSlide(settings.randomDisplay(), settings.pictureCount(), show.currentSlide,
                                   [] { return platform::services().random->Rnd(); });
}

SlideKey KeyOf(ClsSettings& settings, std::int32_t slide, const tk::Surface& surface) {
    return SlideKey{settings.fileSpec(slide),
                    settings.center(slide),
                    settings.hStretch(slide),
                    settings.vStretch(slide),
                    {surface.surfaceWidth(), surface.surfaceScaleWidth(), surface.surfaceScaleHeight(),
                     tk::Screen::Width(), tk::Screen::TwipsPerPixelX(), tk::Screen::TwipsPerPixelY()}};
}

void Order(ShowState& show, const SlideKey& key) {
    if (show.prefetch.order(key)) {
        show.prepared.reset();
        show.preparer->prepare(key);
    }
}

void PrepareNext(ShowState& show, const tk::Surface& surface) {
    ClsSettings& settings = AppSettings();
    const std::int32_t slide = ChooseNext(show, settings);
    if (settings.pictureCount() > 0) Order(show, KeyOf(settings, slide, surface));
}

void TakeFinished(ShowState& show) {
    std::optional<PreparedSlide> done = show.preparer->takeFinished();
    if (done && show.prefetch.prepared(done->key, done->picture.has_value(), done->stamp))
        show.prepared = std::move(done->picture);
}

// The due slide with a picture prepared ahead: what it shows, or nullopt while the old
// slide stays. The empty string stands for the text slide.
std::optional<std::string> ShowPrepared(ShowState& show, ClsSettings& settings, std::int32_t slide,
                                        tk::Surface& surface, tk::Image& element) {
    const SlideKey key = KeyOf(settings, slide, surface);
    switch (show.prefetch.atDue(key, tk::PictureFileStamp(key.path))) {
    case DueAction::Wait:
        Order(show, key);
        return std::nullopt;
    case DueAction::ShowText:
        element.setVisible(false);
        element.setStretch(false);
        return std::string();
    case DueAction::ShowPicture:
        break;
    }
    FitLoadedPicture(element, surface, *show.prepared, key.center, key.hStretch, key.vStretch);
    return key.path;
}

} // namespace

void NextSlide(ShowState& show, tk::Form& window, tk::Surface& surface, tk::Image& pictureElement) {
    // Every tick, due or not, so a colour chosen in the settings dialog shows at once.
    // Nothing else is touched until a slide is due: this runs several times a second.
    ClsSettings& settings = AppSettings();
    const tk::Color background = settings.bgColor();
    if (surface.BackColor() != background) surface.setBackColor(background);
    if (show.preparer) TakeFinished(show);

    platform::Clock& clock = *platform::services().clock;
    const double elapsed = (clock.Now() - LastSlideTime) * kScheduleSecondsPerDay;
    if (!(elapsed > settings.delay())) return;

    const std::int32_t slide = ChooseNext(show, settings);
    std::string shown;
    if (settings.pictureCount() > 0) {
        if (show.preparer) {
            const auto prepared = ShowPrepared(show, settings, slide, surface, pictureElement);
            if (!prepared) return;
            shown = *prepared;
        } else {
            shown = FitPicture(pictureElement, surface, settings.fileSpec(slide), settings.center(slide),
                               settings.hStretch(slide), settings.vStretch(slide));
        }
    }
    show.currentSlide = slide;
    show.prefetch.takeSlide();
    show.prepared.reset();

    if (shown.empty()) {
        std::optional<std::string> missingPath;
        if (settings.pictureCount() > 0) missingPath = settings.fileSpec(slide);
        DrawTextSlide(window, surface, pictureElement, missingPath);
    }

    pictureElement.setVisible(true);
    // Read after drawing: a slow picture load must not eat into the time the slide is on show.
    LastSlideTime = clock.Now();
    if (show.preparer) PrepareNext(show, surface);
}

void PrepareSlidesAhead(ShowState& show, const tk::Surface& surface) {
    if (!show.preparer) show.preparer = std::make_unique<SlidePreparer>();
    PrepareNext(show, surface);
}

} // namespace qs
