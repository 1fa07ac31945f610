// The pictures a folder's tree holds, in the order people count in ("img2" before
// "img10"): one walk for the editor's drop and for the show's folder entries, so that a
// folder dropped picture by picture and the same folder as one entry come in one order.
#pragma once

#include <functional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace qs {

// Names in natural order: a run of digits counts by its value, letters without regard to
// their case; names that are alike in that sense keep their plain byte order, so that the
// order is total ("img02" before "img2").
bool NaturalNameLess(std::string_view a, std::string_view b);

// A file is a picture when its first bytes carry the signature of a format the loader
// decodes, whatever its name, or when its extension is one of `extensions` (lower case,
// with the dot, sorted: those of the system's decoders of other formats, when every
// format is on). Reading no further keeps thousands of files quick; a damaged one among
// them shows as the text slide when its turn comes.
bool IsPictureFile(const std::string& path, platform::Files& files, const std::vector<std::string>& extensions = {});

// The folder and its subfolders, names in natural order: `files` is called with each run
// of files that stand together, a subfolder's files coming at its name's place. Folders
// that are links are not entered (the platform leaves them out). Ends early on `stop`.
void WalkFolderTree(const std::string& folder, platform::Files& files, std::stop_token stop,
                    const std::function<void(std::vector<std::string>)>& run);

// The pictures among `found`, in their order. Opening many files mostly waits on the
// system, so a few readers work at once on a long list. Ends early on `stop`.
std::vector<std::string> PicturesAmong(std::vector<std::string> found, platform::Files& files,
                                       std::stop_token stop = {}, const std::vector<std::string>& extensions = {});

// The first picture of the folder's tree in the walk's order; empty when the tree holds
// none, or on `stop`. The walk ends at that picture.
std::string FirstPictureIn(const std::string& folder, platform::Files& files, std::stop_token stop,
                           const std::vector<std::string>& extensions = {});

} // namespace qs
