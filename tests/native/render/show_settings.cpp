#include "show_settings.h"

#include "settings/app_settings.h"

namespace qs::test {

void UseShow(const TestShow& show) {
    ClsSettings& settings = AppSettings();
    settings.bgColor(show.background);
    settings.Delay(show.delay);
    settings.RandomDisplay(show.random);
    settings.PictureCount(0);
    settings.PictureCount(static_cast<std::int32_t>(show.slides.size()));
    for (std::int32_t i = 1; i <= settings.PictureCount(); ++i) {
        const TestSlide& slide = show.slides[static_cast<std::size_t>(i - 1)];
        settings.FileSpec(slide.path, i);
        settings.Center(i, slide.center != 0);
        settings.HStretch(i, slide.hStretch != 0);
        settings.VStretch(i, slide.vStretch != 0);
    }
}

} // namespace qs::test
