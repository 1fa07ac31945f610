// What files and folders dropped on the editor's list stand for: the pictures among them
// and in the folders, in the order people count in ("img2" before "img10").
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace qs::ui {

// Names in natural order: a run of digits counts by its value, letters without regard to
// their case; names that are alike in that sense keep their plain byte order, so that the
// order is total ("img02" before "img2").
bool NaturalNameLess(std::string_view a, std::string_view b);

// A file is a picture when its first bytes carry the signature of a format the loader
// decodes, whatever its name, or when its extension is one of `extensions` (lower case,
// with the dot, sorted: those of the system's decoders of other formats, when every
// format is on).
// Reading no further keeps a drop of thousands of photos quick; a damaged one among them
// shows as Add's would, when it is shown.
bool IsPictureFile(const std::string& path, platform::Files& files, const std::vector<std::string>& extensions = {});

// The pictures the dropped paths stand for, in the order they are added: a picture file
// for itself, a folder for every picture in it and in its subfolders. The dropped paths,
// and the names in each folder, go in natural order; a subfolder's pictures stand at its
// name's place. Everything else is left out.
std::vector<std::string> DroppedPictures(std::vector<std::string> dropped, platform::Files& files,
                                         const std::vector<std::string>& extensions = {});

} // namespace qs::ui
