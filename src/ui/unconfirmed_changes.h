// Whether the user holds changes not yet confirmed with OK. The settings dialog owns it
// and hands it to the editor it opens: both mark changes, and both ask before throwing
// them away.
#pragma once

namespace qs::ui {

struct UnconfirmedChanges {
    bool pending = false;
};

} // namespace qs::ui
