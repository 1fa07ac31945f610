#include "toolkit/picture.h"

#include <cmath>

#include "toolkit/application.h"

namespace qs::tk {

std::optional<Picture> LoadPicture(const std::string& path) { return CurrentBackend().loadPicture(path); }

float NaturalTwips(std::int32_t himetric, float twipsPerPixel) {
    if (twipsPerPixel <= 0) return static_cast<float>(HimetricToTwips(himetric));
    const double pixels = std::round(HimetricToTwips(himetric) / twipsPerPixel);
    return static_cast<float>(pixels * twipsPerPixel);
}

const DecoderExtensionList& DecoderExtensions() {
    static const DecoderExtensionList extensions = CurrentBackend().decoderExtensions();
    return extensions;
}

Picture AppIcon() { return CurrentBackend().appIcon(); }

Picture ResourcePicture(std::string_view name) { return CurrentBackend().resourcePicture(name); }

} // namespace qs::tk
