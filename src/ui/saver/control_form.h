// ControlForm: the preview run ("/P"). The form is loaded but never shown; its picture
// box Picture1 becomes a child of the host window named on the command line and the
// slide show is drawn into it. When the host closes the surface or goes away, the form
// unloads itself at its next tick, which ends the program.
#pragma once

#include <cstdint>

#include "platform/services.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace qs::ui {

class ControlForm : public tk::Form {
public:
    ControlForm();
    ~ControlForm() override;

    tk::Timer Timer1;
    tk::PictureBox Picture1;
    tk::Image bgImg;

protected:
    void Form_Load() override;
    void Form_Unload(std::int16_t& Cancel) override;

private:
    void Timer1_Timer();
};

// Puts PreviewWndProc in front of the window's own procedure, kept in OldWndProc.
void SubclassSurface(platform::WindowHandle window);
// Gives the window its own procedure back; does nothing when OldWndProc is 0 already.
void RestoreSurface(platform::WindowHandle window);

// The preview surface's window procedure while the preview runs. WM_CLOSE from the host
// takes the surface back into the hidden form instead of destroying it, and marks the
// preview as ended; everything else goes on to the surface's own procedure.
std::intptr_t QS_WNDPROC_CALL PreviewWndProc(platform::WindowHandle window, unsigned message,
                                             std::uintptr_t wParam, std::intptr_t lParam) noexcept;

} // namespace qs::ui
