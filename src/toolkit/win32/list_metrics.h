// Row height of list boxes, shared by the list peer and the backend's listRowHeight.
#pragma once

namespace qs::tk::win32 {

// Plain lists: the height of the control font. Check-style lists: room for the check
// box as well, plus one pixel above and below it.
int ListRowHeightPx(bool checkStyle);
// The side of the check box drawn in a check-style row.
int ListCheckBoxPx();

} // namespace qs::tk::win32
