// The caption the full-screen window gives itself: a window with it means a full-screen
// run is on already, and a second full-screen start opens nothing.
#pragma once

namespace qs::ui {

inline constexpr char kFullScreenCaption[] = "Quillo ScrSav Main Form";

} // namespace qs::ui
