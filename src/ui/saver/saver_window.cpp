#include "ui/saver/saver_window.h"

#include <cmath>

#include "platform/services.h"
#include "toolkit/application.h"
#include "toolkit/picture.h"
#include "ui/saver/cursor_display.h"
#include "ui/saver/full_screen_caption.h"
#include "ui/saver/password_option.h"

namespace qs::ui {

namespace {
// SPI_SETSCREENSAVERRUNNING: on the Windows 95 family it blocks Ctrl+Alt+Del and task
// switching, so that the password cannot be got around while the show runs.
constexpr unsigned kSpiScreenSaverRunning = 97;

void TellSystemSaverRuns(bool running) {
    std::int32_t unused = 0;
    platform::services().system->ParametersInfo(kSpiScreenSaverRunning, running ? 1 : 0, &unused, 0);
}

// What a key does in a show steered by keys (virtual-key codes): a step (+1 or -1), the
// pause (0), or nothing of the show's (the key ends it).
std::optional<int> SteeringOf(tk::Key key) {
    switch (static_cast<std::uint16_t>(key)) {
    case 0x27: // VK_RIGHT
    case 0x22: // VK_NEXT, Page Down
        return +1;
    case 0x25: // VK_LEFT
    case 0x21: // VK_PRIOR, Page Up
        return -1;
    case 0x20: // VK_SPACE
        return 0;
    default: return std::nullopt;
    }
}
} // namespace

OsPlatform QueryOsPlatform() {
    platform::OsVersionInfo info;
    info.dwOSVersionInfoSize = 148;
    platform::services().system->GetVersionInfo(info);
    return static_cast<OsPlatform>(info.dwPlatformId);
}

// A saver is no program to switch to: it keeps off the taskbar.
SaverWindow::SaverWindow(const Settings& settings)
    : tk::Form({.border = tk::BorderStyle::None,
                .controlBox = false,
                .minButton = false,
                .maxButton = false,
                .inTaskbar = false}),
      settings_(settings),
      // Moves over the picture count as moves over the window.
      slides_(*this, settings, [this](float x, float y) { countMove(ScreenPixelOf(*this, x, y)); }) {
    // The program's icon, which the text slide shows.
    setIcon(tk::AppIcon());
}

void SaverWindow::onLoad() {
    // In the show's colour before the window first shows, not the system's.
    setBackColor(settings_.backgroundColor);
    setCaption(kFullScreenCaption);
    platform::Services& os = platform::services();
    os.system->MakeTopmost(handle());
    move({0, 0, tk::ScreenWidth(), tk::ScreenHeight()});
    usePassword_ = PasswordOptionFromRegistry();
    osPlatform_ = QueryOsPlatform();
    if (guardsPassword()) TellSystemSaverRuns(true);
    HideCursorFully();

    std::int32_t x = 0, y = 0;
    if (os.cursor->GetPosition(x, y)) {
        stillCursor_.restart(CursorPoint{x, y});
    } else {
        stillCursor_.restart(std::nullopt);
    }

    // The first picture decodes while the window comes up.
    slides_.show().start();
    covers_ = CoverOtherMonitors(*this, settings_);
}

void SaverWindow::onKeyDown(tk::Key key, tk::KeyModifiers modifiers) {
    takeKey(key, modifiers);
}

// A held arrow steps once per auto-repeat; a held Space pauses or resumes once. Steps and
// the pause go to the show on every monitor.
void SaverWindow::takeKey(tk::Key key, tk::KeyModifiers modifiers) {
    const std::optional<int> steering = slides_.steered() ? SteeringOf(key) : std::nullopt;
    if (!steering) {
        close();
    } else if (*steering != 0) {
        slides_.step(*steering);
        for (const auto& cover : covers_) cover->step(*steering);
    } else if (!modifiers.repeat) {
        slides_.setPaused(!slides_.paused());
        for (const auto& cover : covers_) cover->setPaused(slides_.paused());
    }
}

void SaverWindow::onMouseDown(float, float) {
    close();
}

void SaverWindow::onMouseMove(float x, float y) {
    countMove(ScreenPixelOf(*this, x, y));
}

CursorPoint ScreenPixelOf(const tk::Form& window, float x, float y) {
    const double perPixelX = tk::TwipsPerPixelX() > 0 ? tk::TwipsPerPixelX() : 15.0;
    const double perPixelY = tk::TwipsPerPixelY() > 0 ? tk::TwipsPerPixelY() : 15.0;
    return CursorPoint{static_cast<std::int32_t>(std::lround((window.left() + x) / perPixelX)),
                       static_cast<std::int32_t>(std::lround((window.top() + y) / perPixelY))};
}

// The movement rule: the fourth move within 20 seconds of the first ends the run.
void SaverWindow::countMove(CursorPoint screenPixel) {
    if (!stillCursor_.moved(screenPixel)) return;

    // A 16-bit count that wraps instead of overflowing.
    mouseMoves_ = static_cast<std::int16_t>(static_cast<std::uint16_t>(mouseMoves_) + 1u);
    // The count is tested before the time: a fourth move ends the run even when it came
    // too late to be counted with the others.
    if (mouseMoves_ == 4) close();

    const double now = platform::services().clock->SecondsAfterMidnight();
    if (firstMoveTime_ == 0) {
        firstMoveTime_ = static_cast<std::int32_t>(std::nearbyint(now));
    } else if (now - firstMoveTime_ > 20) {
        // After midnight the difference is negative, so that move does not clear the count.
        firstMoveTime_ = 0;
        mouseMoves_ = 0;
    }
}

bool SaverWindow::onClosing(tk::CloseReason) {
    if (!guardsPassword()) return true;
    ShowCursorFully();
    const std::int32_t verdict = platform::services().passwords->VerifyScreenSavePwd(handle());
    // Only the low 16 bits of the answer count.
    if (static_cast<std::int16_t>(verdict) != 0) return true;
    HideCursorFully();
    return false;
}

void SaverWindow::onClosed() {
    // Only closed, not destroyed: the cover whose close request ended the show is still
    // in its own close.
    for (const auto& cover : covers_) cover->close();
    ShowCursorFully();
    if (guardsPassword()) TellSystemSaverRuns(false);
}

} // namespace qs::ui
