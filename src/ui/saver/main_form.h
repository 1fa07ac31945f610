// MainForm: the window of the full-screen run ("/S"). It covers the screen above all
// other windows, hides the cursor, runs the slide show on its own surface and unloads
// itself on a key, a mouse button or sustained mouse movement; on the Windows 95 family
// with the system's password option on, the system's password check must pass first.
#pragma once

#include <cstdint>

#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "ui/saver/still_cursor_filter.h"

namespace qs::ui {

class MainForm : public tk::Form {
public:
    MainForm();

    tk::Timer Timer1;
    tk::Image bgImg;

    // Seconds after midnight of the first counted move; 0 = none.
    std::int32_t FirstMoveTime = 0;

protected:
    void Form_Load() override;
    void Form_QueryUnload(std::int16_t& Cancel, int UnloadMode) override;
    void Form_Unload(std::int16_t& Cancel) override;
    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;

private:
    void Timer1_Timer();
    void bgImg_MouseMove(int Button, int Shift, float X, float Y);

    // The screen pixel under a position given in the form's client twips.
    CursorPoint ScreenPixel(float X, float Y) const;

    StillCursorFilter stillCursor_;
};

// Fills OSInfo through the system's version query and sets OSPlatform from it.
void GetOSVersion();

} // namespace qs::ui
