// The profile file functions for systems without them: our own reader and writer of
// INI files with the behaviour of GetPrivateProfileStringA / WritePrivateProfileStringA
// (see profile_text.h for how a file's text is understood and edited).
//
// Reading keeps the parsed text of recently used files and re-reads a file only when
// its size or modification time changed, so reading many keys in a row costs one read
// of the file, while changes made by another process are still seen. Writing a key
// rewrites the file through a temporary file and a rename (never a truncated file);
// writing the value a key already holds leaves the file alone.
//
// Paths: "\" separates folders as "/" does (see file_store.h). A path without a
// folder names a file in the working folder (Windows would look in its own folder).
// Text is taken as bytes: no code-page conversion, and names fold only ASCII letters.
#pragma once

#include <memory>

#include "platform/services.h"

namespace qs::platform {

std::unique_ptr<ProfileFile> MakePortableProfileFile();

} // namespace qs::platform
