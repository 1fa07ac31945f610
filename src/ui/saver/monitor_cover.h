// MonitorCover: a borderless, topmost window in the show's background colour over a
// monitor other than the primary, for as long as the full-screen show runs. Its input is
// the show's: a key does what it does on the show's window, a button or a close request
// ends the show through the show's own close path (so the password is asked once), and
// its mouse moves count toward the show's movement rule.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/services.h"
#include "toolkit/form.h"

namespace qs::ui {

class SaverWindow;

class MonitorCover : public tk::Form {
public:
    MonitorCover(SaverWindow& show, const platform::RectPx& monitor, tk::Color background);

protected:
    void onLoad() override;
    bool onClosing(tk::CloseReason reason) override;
    void onKeyDown(tk::Key key, tk::KeyModifiers modifiers) override;
    void onMouseDown(float x, float y) override;
    void onMouseMove(float x, float y) override;

private:
    SaverWindow& show_;
};

// Opens a cover in the show's background colour over every monitor but the primary,
// which the show's window covers.
std::vector<std::unique_ptr<MonitorCover>> CoverOtherMonitors(SaverWindow& show, tk::Color background);

} // namespace qs::ui
