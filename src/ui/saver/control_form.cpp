#include "ui/saver/control_form.h"

#include <algorithm>
#include <limits>

#include "render/next_slide.h"
#include "render/slide_schedule.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "toolkit/picture.h"

namespace qs::ui {

namespace {
constexpr unsigned kWmClose = 0x0010;

// The loaded preview form: PreviewWndProc is called by the window system with the
// surface's handle only, and needs the form to take the surface back.
ControlForm* LoadedPreview = nullptr;

// Twips of a pixel length. Real client areas are far too small to overflow 32 bits;
// a host reporting absurd numbers gets the largest surface instead of a wrapped one.
float TwipsOf(std::int64_t pixels, std::int32_t twipsPerPixel) {
    const std::int64_t twips = pixels * twipsPerPixel;
    return static_cast<float>(std::clamp<std::int64_t>(twips, std::numeric_limits<std::int32_t>::min(),
                                                       std::numeric_limits<std::int32_t>::max()));
}
} // namespace

void SubclassSurface(platform::WindowHandle window) {
    OldWndProc = platform::services().windowProcs->SetWindowProc(
        window, reinterpret_cast<platform::WndProcAddress>(&PreviewWndProc));
}

void RestoreSurface(platform::WindowHandle window) {
    if (OldWndProc == 0) return;
    platform::services().windowProcs->SetWindowProc(window, OldWndProc);
    OldWndProc = 0;
}

std::intptr_t QS_WNDPROC_CALL PreviewWndProc(platform::WindowHandle window, unsigned message,
                                             std::uintptr_t wParam, std::intptr_t lParam) noexcept {
    if (OldWndProc == 0) return 0;
    if (message != kWmClose) {
        return platform::services().windowProcs->CallProc(OldWndProc, window, message, wParam, lParam);
    }
    // Not passed on: the surface's own procedure would destroy it.
    if (LoadedPreview) {
        platform::services().system->SetParent(LoadedPreview->Picture1.hWnd(), LoadedPreview->hWnd());
    }
    PreviewAlive = false;
    return 0;
}

ControlForm::ControlForm()
    : tk::Form("ControlForm"),
      Timer1(*this, "Timer1", 400),
      Picture1(*this, "Picture1", 0, 0, 2280, 1680),
      bgImg(Picture1, "bgImg", 0, 0, 0, 0) {
    setBorderStyle(tk::BorderStyle::None);
    setShowInTaskbar(false);
    // The program's icon, which the text slide shows.
    if (tk::hasBackend()) setIcon(tk::AppIcon());
    Timer1.Tick = [this] { Timer1_Timer(); };
}

ControlForm::~ControlForm() {
    if (LoadedPreview == this) LoadedPreview = nullptr;
}

void ControlForm::Form_Load() {
    LoadedPreview = this;
    platform::Services& os = platform::services();
    SubclassSurface(Picture1.hWnd());
    os.system->GetClientRect(PreviewHost, HostRect);
    Picture1.Move(0, 0, TwipsOf(std::int64_t{HostRect.right} - HostRect.left, TwipsPerPixelX),
                  TwipsOf(std::int64_t{HostRect.bottom} - HostRect.top, TwipsPerPixelY));
    os.system->SetParent(Picture1.hWnd(), PreviewHost);
    PreviewAlive = true;
    LastSlideTime = os.clock->Now() - AppSettings().Delay() / kScheduleSecondsPerDay;
}

void ControlForm::Timer1_Timer() {
    if (!platform::services().system->IsWindow(PreviewHost) || !PreviewAlive) {
        Unload();
        return;
    }
    NextSlide(*this, Picture1, bgImg);
}

void ControlForm::Form_Unload(std::int16_t& Cancel) {
    (void)Cancel;
    RestoreSurface(Picture1.hWnd());
    if (LoadedPreview == this) LoadedPreview = nullptr;
}

} // namespace qs::ui
