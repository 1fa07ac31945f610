#include "ui/config/picture_count_caption.h"

namespace qs::ui {

std::string PictureCountCaption(std::int32_t count) {
    if (count == 1) return "One Picture";
    return std::to_string(count) + " Pictures";
}

} // namespace qs::ui
