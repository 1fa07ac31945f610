#include "render/slide_schedule.h"

#include "platform/services.h"
#include "settings/shared_state.h"

namespace qs {

void MakeNextSlideDue(std::int32_t delaySeconds) {
    LastSlideTime = platform::services().clock->Now() - delaySeconds / kScheduleSecondsPerDay;
}

} // namespace qs
