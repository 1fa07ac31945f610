// The profile file functions of kernel32.
#pragma once

#include <memory>

#include "platform/services.h"

namespace qs::platform {

std::unique_ptr<ProfileFile> MakeWin32ProfileFile();

} // namespace qs::platform
