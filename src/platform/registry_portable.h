// The registry for systems without one: a key-value store kept in one file, with the
// paths, value names, types and status codes of advapi32 as Windows (and Wine) give them:
// - roots are the predefined handles HKEY_CLASSES_ROOT .. HKEY_CURRENT_CONFIG; another
//   handle that was never returned (or is closed) gives 6 (ERROR_INVALID_HANDLE);
// - a path's levels are separated by "\"; empty levels (a doubled or trailing "\") are
//   skipped, a leading "\" gives 161 (ERROR_BAD_PATHNAME); opening an empty path gives
//   back the root handle itself, creating one gives a new handle to the root;
// - a missing key or value gives 2 (ERROR_FILE_NOT_FOUND) (the type of a missing value
//   reads as 0), data larger than the buffer 234 (ERROR_MORE_DATA) with the needed size;
// - string types (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) stored without a terminating zero
//   get one, as the ANSI functions do;
// - access masks are accepted and not enforced.
// A new store already holds the keys every Windows user has and the program reads:
// HKEY_CURRENT_USER\Software, HKEY_CURRENT_USER\Control Panel\Desktop and
// HKEY_LOCAL_MACHINE\SOFTWARE.
// Each change rewrites the file through a temporary file and a rename; a change made by
// another process is seen at the next call. When the file cannot be written the change
// is undone and the call gives 1021 (ERROR_CANTWRITE).
#pragma once

#include <memory>
#include <string>

#include "platform/services.h"

namespace qs::platform {

// storagePath: the file that holds the store ("\" separates folders, see file_store.h).
std::unique_ptr<Registry> MakePortableRegistry(const std::string& storagePath);

} // namespace qs::platform
