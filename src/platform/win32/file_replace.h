// A file replaced whole or not at all: the new bytes go to a file beside the old one, are
// flushed to the disk, and take the old file's place in one rename. A crash, a power cut
// or a full disk at any moment leaves either the old file or the new one, never a part.
#pragma once

#include <string>
#include <string_view>

#include "platform/services.h"

namespace qs::platform {

// 0, or why not: kErrorFileReadOnly for a read-only file (left alone, as the system's own
// writers leave it), kErrorFolderNotWritable when nothing may be made beside it,
// kErrorDiskFull, kErrorFileHeldOpen when another program's hold on the file keeps it in
// place, or another system error code. On failure the file is as it was and nothing is
// left beside it. Files beside it that an earlier process left (it ended while writing)
// are removed first.
ErrorCode ReplaceFileWhole(const std::wstring& file, std::string_view bytes);

} // namespace qs::platform
