// SaverWindow: the window of the full-screen run ("/S"), captioned kFullScreenCaption. It
// covers the screen above all other windows, hides the cursor, runs the slide show of the
// settings it is given on its own surface and closes itself on a key, a mouse button or
// sustained mouse movement; on the Windows 95 family with the system's password option
// on, the system's password check must pass first. With the option to steer it by keys,
// the arrow keys, Page Up and Page Down step through the show and Space pauses it; other
// input still ends it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "settings/settings.h"
#include "toolkit/form.h"
#include "ui/saver/monitor_cover.h"
#include "ui/saver/still_cursor_filter.h"
#include "ui/saver/window_show.h"

namespace qs::ui {

// The platform identifier of the operating-system version record.
enum class OsPlatform : std::uint32_t { Win32s = 0, Windows = 1, NT = 2 };

// The platform the program runs on, as the system's version query reports it.
OsPlatform QueryOsPlatform();

// The screen pixel under a position given in a window's client twips.
CursorPoint ScreenPixelOf(const tk::Form& window, float x, float y);

class SaverWindow : public tk::Form {
public:
    // The settings outlive the window.
    explicit SaverWindow(const Settings& settings);

    // A mouse move at a screen pixel, over this window or a cover of another monitor: the
    // movement rule counts the moves on every monitor together.
    void countMove(CursorPoint screenPixel);
    // A key on this window or a cover: a step or the pause of a steered show (on every
    // monitor that shows slides), else the end.
    void takeKey(tk::Key key, tk::KeyModifiers modifiers);

protected:
    void onLoad() override;
    // Asks for the password where the saver guards it; a wrong one keeps the show.
    bool onClosing(tk::CloseReason reason) override;
    void onClosed() override;
    void onKeyDown(tk::Key key, tk::KeyModifiers modifiers) override;
    void onMouseDown(float x, float y) override;
    void onMouseMove(float x, float y) override;

private:
    // The system asks for the password itself on the NT family; only the Windows 95
    // family leaves that, and the running flag, to the saver.
    bool guardsPassword() const { return osPlatform_ != OsPlatform::NT && usePassword_; }

    const Settings& settings_;
    WindowShow slides_;
    bool usePassword_ = false;
    OsPlatform osPlatform_ = OsPlatform::Win32s;
    // Mouse-move events counted since the last reset: 16 bits, wrapping.
    std::int16_t mouseMoves_ = 0;
    // Seconds after midnight of the first counted move; 0 = none.
    std::int32_t firstMoveTime_ = 0;
    StillCursorFilter stillCursor_;
    std::vector<std::unique_ptr<MonitorCover>> covers_;
};

} // namespace qs::ui
