// The fixture of the sequencer tests: the rendering fixture with a settings object of
// its own (read from an empty in-memory settings file, dropped unwritten at the end),
// the window's icon set, and one timer tick at a time.
#pragma once

#include "render_fixture.h"
#include "support/settings_memory_profile.h"
#include "show_settings.h"

namespace qs::test {

class SlideShowTest : public RenderTest {
protected:
    SlideShowTest();
    ~SlideShowTest() override;

    // One tick of the timer of the window showing the area.
    void Tick(Area area = Area::Screen);
    // Puts the last slide far enough in the past that the next tick draws one.
    void MakeDue();
    // Due, then one tick.
    void DueTick(Area area = Area::Screen);

    MemoryProfileFile profile;
};

} // namespace qs::test
