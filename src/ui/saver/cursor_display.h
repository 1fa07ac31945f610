// The saver hides the mouse cursor while the show runs and shows it again for the
// password dialog and at the end. ShowCursor keeps a display count, not a flag, and
// other code of the thread may have moved it, so both directions call it until the
// count is well past the threshold instead of calling it once.
#pragma once

namespace qs::ui {

// Calls ShowCursor(false) while the count it returns is -5 or more: ends at -6 or lower.
void HideCursorFully();
// Calls ShowCursor(true) while the count it returns is 5 or less: ends at 6 or higher.
void ShowCursorFully();

} // namespace qs::ui
