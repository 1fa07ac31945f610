// Finding and working the settings dialog's and the about box's controls from the test
// process: child windows by class and text, their text as the control itself reports
// it, and clicks at their centres through real mouse input.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "e2e_driver.h"

namespace qs::e2e {

constexpr char kSettingsCaption[] = "Quillo Screen Saver Settings";
constexpr char kAboutCaption[] = "About Quillo Slide Show";
constexpr char kQuestionCaption[] = "Screen Saver";

// Every descendant window of `parent`.
std::vector<HWND> Descendants(HWND parent);
// The text of a window as it answers WM_GETTEXT (works across processes).
std::string TextOf(HWND window);
// The first descendant of that class (case-insensitive; "" for any) whose text is `text`, or null.
HWND FindChild(HWND parent, const std::string& className, const std::string& text);
// The first descendant of that class, or null.
HWND FindChildOfClass(HWND parent, const std::string& className);
// The window's rectangle on the screen.
RECT ScreenRect(HWND window);
// Clicks the middle of a window with the real mouse.
void ClickCentre(HWND window);
// Waits until the window is gone.
bool WaitForWindowGone(HWND window, Ms deadline);
// Waits for a top-level window of the saver with this caption that is shown with its
// controls: visible, and holding a button captioned `button`. Null when none is in time.
HWND WaitForDialog(const SaverProcess& saver, const std::string& caption, const std::string& button, Ms deadline);
// Waits until a descendant of that class shows the text; the control, or null.
HWND WaitForChildText(HWND parent, const std::string& className, const std::string& text, Ms deadline);

} // namespace qs::e2e
