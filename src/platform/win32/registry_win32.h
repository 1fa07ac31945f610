// The registry functions of advapi32.
#pragma once

#include <memory>

#include "platform/services.h"

namespace qs::platform {

std::unique_ptr<Registry> MakeWin32Registry();

} // namespace qs::platform
