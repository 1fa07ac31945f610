#include "slide_show_fixture.h"

#include "render/next_slide.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/picture.h"

namespace qs::test {

SlideShowTest::SlideShowTest() {
    os.UseProfile(&profile);
    ResetAppSettingsForTest();
    surfaces.setIcon(tk::AppIcon());
    LastSlideTime = os.clock.Now();
}

SlideShowTest::~SlideShowTest() { ResetAppSettingsForTest(); }

void SlideShowTest::Tick(Area area) {
    auto slot = surfaces.at(area);
    NextSlide(surfaces, slot.surface, slot.element);
}

void SlideShowTest::MakeDue() { LastSlideTime = 0.0; }

void SlideShowTest::DueTick(Area area) {
    MakeDue();
    Tick(area);
}

} // namespace qs::test
