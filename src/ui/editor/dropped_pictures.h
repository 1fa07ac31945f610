// What files and folders dropped on the editor's list stand for: the pictures among them
// and in the folders, in the order people count in ("img2" before "img10").
#pragma once

#include <string>
#include <vector>

#include "platform/services.h"

namespace qs::ui {

// The pictures the dropped paths stand for, in the order they are added: a picture file
// for itself, a folder for every picture in it and in its subfolders (WalkFolderTree's
// order). The dropped paths go in natural order. Everything else is left out; `extensions`
// name the formats beyond the five known ones (IsPictureFile).
std::vector<std::string> DroppedPictures(std::vector<std::string> dropped, platform::Files& files,
                                         const std::vector<std::string>& extensions = {});

} // namespace qs::ui
