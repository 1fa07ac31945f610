#include "settings/shared_state.h"

namespace qs {

double LastSlideTime = 0.0;
bool DiscardSettings = false;

} // namespace qs
