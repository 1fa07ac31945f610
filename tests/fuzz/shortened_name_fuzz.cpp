// Any path and width limit (a name's width: its count of characters): a name that fits stays whole,
// any other one becomes "(...)" and a tail of the path that fits.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ui/editor/slide_list_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const double limit = data[0] - 8.0;
    const std::string path(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto width = [](const std::string& s) { return static_cast<double>(s.size()); };
    const std::string name = qs::ui::ShortenedName(path, limit, width);
    if (width(path) <= limit ? name != path
                             : name.rfind("(...)", 0) != 0 || width(name) - 5 > std::max(limit, 0.0) ||
                                   !path.ends_with(name.substr(5)))
        std::abort();
    return 0;
}
