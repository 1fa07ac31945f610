#include "settings/slide.h"

namespace qs {

bool Slide::option(SlideOption which) const {
    switch (which) {
    case SlideOption::Center: return center;
    case SlideOption::HStretch: return hStretch;
    case SlideOption::VStretch: return vStretch;
    }
    return false;
}

void Slide::setOption(SlideOption which, bool on) {
    switch (which) {
    case SlideOption::Center: center = on; break;
    case SlideOption::HStretch: hStretch = on; break;
    case SlideOption::VStretch: vStretch = on; break;
    }
}

} // namespace qs
