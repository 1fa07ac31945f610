// A file's stamp through the wide API, for the profile copy and for prepared pictures alike.
#pragma once

#include <optional>
#include <string>

#include "platform/services.h"

namespace qs::platform {

// Nullopt when the path names no file that can be read (missing, a folder, empty).
std::optional<FileStamp> FileStampOf(const std::string& path);

} // namespace qs::platform
