#include "ui/editor/dropped_pictures.h"

#include <algorithm>

#include "render/folder_pictures.h"

namespace qs::ui {

// Every file first, then the pictures among them at once: a drop of many small folders
// still reads its files with several readers.
std::vector<std::string> DroppedPictures(std::vector<std::string> dropped, platform::Files& files,
                                         const std::vector<std::string>& extensions) {
    std::sort(dropped.begin(), dropped.end(),
              [](const std::string& a, const std::string& b) { return NaturalNameLess(a, b); });
    std::vector<std::string> found;
    for (const std::string& path : dropped) {
        const platform::PathKind kind = files.Kind(path);
        if (kind == platform::PathKind::Folder)
            WalkFolderTree(path, files, {}, [&found](std::vector<std::string> run) {
                found.insert(found.end(), std::make_move_iterator(run.begin()), std::make_move_iterator(run.end()));
            });
        else if (kind == platform::PathKind::File)
            found.push_back(path);
    }
    return PicturesAmong(std::move(found), files, {}, extensions);
}

} // namespace qs::ui
