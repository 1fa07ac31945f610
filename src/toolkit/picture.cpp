#include "toolkit/picture.h"

#include "toolkit/application.h"

namespace qs::tk {

std::optional<Picture> LoadPicture(const std::string& path) { return backend().loadPicture(path); }

Picture AppIcon() { return backend().appIcon(); }

Picture ResourcePicture(std::string_view name) { return backend().resourcePicture(name); }

} // namespace qs::tk
