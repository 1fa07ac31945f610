// The slide-count text of the settings dialog's picNoLbl, written when the dialog
// loads and again by the editor when it closes.
#pragma once

#include <cstdint>
#include <string>

namespace qs::ui {

// "One Picture" for one slide; otherwise the count in decimal and " Pictures".
std::string PictureCountCaption(std::int32_t count);

} // namespace qs::ui
