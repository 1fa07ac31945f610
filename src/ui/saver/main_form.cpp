#include "ui/saver/main_form.h"

#include <cmath>

#include "app/main_module.h"
#include "platform/services.h"
#include "render/next_slide.h"
#include "render/slide_schedule.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "toolkit/picture.h"
#include "ui/saver/cursor_display.h"
#include "ui/saver/password_option.h"

namespace qs::ui {

namespace {
constexpr std::int32_t kPlatformNT = 2;
// SPI_SETSCREENSAVERRUNNING: on the Windows 95 family it blocks Ctrl+Alt+Del and task
// switching, so that the password cannot be got around while the show runs.
constexpr unsigned kSpiScreenSaverRunning = 97;

// The system asks for the password itself on the NT family; only the Windows 95 family
// leaves that, and the running flag, to the saver.
bool SaverGuardsPassword() {
    return OSPlatform != kPlatformNT && UsePassword != 0;
}

void TellSystemSaverRuns(bool running) {
    std::int32_t unused = 0;
    platform::services().system->ParametersInfo(kSpiScreenSaverRunning, running ? 1 : 0, &unused, 0);
}
} // namespace

void GetOSVersion() {
    OSInfo.dwOSVersionInfoSize = 148;
    platform::services().system->GetVersionInfo(OSInfo);
    OSPlatform = static_cast<std::int32_t>(OSInfo.dwPlatformId);
}

MainForm::MainForm()
    : tk::Form("MainForm"),
      Timer1(*this, "Timer1", 400),
      bgImg(*this, "bgImg", 0, 0, 0, 0) {
    setBorderStyle(tk::BorderStyle::None);
    setControlBox(false);
    setMinButton(false);
    setMaxButton(false);
    // A saver is no program to switch to: it keeps off the taskbar.
    setShowInTaskbar(false);
    // The program's icon, which the text slide shows.
    if (tk::hasBackend()) setIcon(tk::AppIcon());
    Timer1.Tick = [this] { Timer1_Timer(); };
    bgImg.MouseMove = [this](int Button, int Shift, float X, float Y) { bgImg_MouseMove(Button, Shift, X, Y); };
}

void MainForm::Form_Load() {
    setCaption(MainModule::kMainFormCaption);
    platform::Services& os = platform::services();
    os.system->MakeTopmost(hWnd());
    Move(0, 0, tk::Screen::Width(), tk::Screen::Height());
    UsePassword = PasswordOptionFromRegistry();
    GetOSVersion();
    if (SaverGuardsPassword()) TellSystemSaverRuns(true);
    HideCursorFully();

    std::int32_t x = 0, y = 0;
    if (os.cursor->GetPosition(x, y)) {
        stillCursor_.restart(CursorPoint{x, y});
    } else {
        stillCursor_.restart(std::nullopt);
    }

    LastSlideTime = os.clock->Now() - AppSettings().Delay() / kScheduleSecondsPerDay;
}

void MainForm::Timer1_Timer() {
    NextSlide(*this, *this, bgImg);
}

void MainForm::Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
    (void)KeyCode, (void)Shift;
    Unload();
}

void MainForm::Form_MouseDown(int Button, int Shift, float X, float Y) {
    (void)Button, (void)Shift, (void)X, (void)Y;
    Unload();
}

CursorPoint MainForm::ScreenPixel(float X, float Y) const {
    const double perPixelX = tk::Screen::TwipsPerPixelX() > 0 ? tk::Screen::TwipsPerPixelX() : 15.0;
    const double perPixelY = tk::Screen::TwipsPerPixelY() > 0 ? tk::Screen::TwipsPerPixelY() : 15.0;
    return CursorPoint{static_cast<std::int32_t>(std::lround((Left() + X) / perPixelX)),
                       static_cast<std::int32_t>(std::lround((Top() + Y) / perPixelY))};
}

void MainForm::Form_MouseMove(int Button, int Shift, float X, float Y) {
    (void)Button, (void)Shift;
    if (!stillCursor_.moved(ScreenPixel(X, Y))) return;

    // A 16-bit count that wraps instead of overflowing.
    MouseMoves = static_cast<std::int16_t>(static_cast<std::uint16_t>(MouseMoves) + 1u);
    // The count is tested before the time: a fourth move ends the run even when it came
    // too late to be counted with the others.
    if (MouseMoves == 4) Unload();

    const double now = platform::services().clock->SecondsAfterMidnight();
    if (FirstMoveTime == 0) {
        FirstMoveTime = static_cast<std::int32_t>(std::nearbyint(now));
    } else if (now - FirstMoveTime > 20) {
        // After midnight the difference is negative, so that move does not clear the count.
        FirstMoveTime = 0;
        MouseMoves = 0;
    }
}

void MainForm::bgImg_MouseMove(int Button, int Shift, float X, float Y) {
    // The picture reports positions on itself; the form's rule wants them on the form.
    Form_MouseMove(Button, Shift, bgImg.Left() + X, bgImg.Top() + Y);
}

void MainForm::Form_QueryUnload(std::int16_t& Cancel, int UnloadMode) {
    (void)UnloadMode;
    if (!SaverGuardsPassword()) return;
    ShowCursorFully();
    const std::int32_t verdict = platform::services().passwords->VerifyScreenSavePwd(hWnd());
    if (static_cast<std::int16_t>(verdict) == 0) {
        HideCursorFully();
        Cancel = -1;
    }
}

void MainForm::Form_Unload(std::int16_t& Cancel) {
    (void)Cancel;
    ShowCursorFully();
    if (SaverGuardsPassword()) TellSystemSaverRuns(false);
}

} // namespace qs::ui
