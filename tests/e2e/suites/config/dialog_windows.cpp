#include "dialog_windows.h"

namespace qs::e2e {

namespace {
BOOL CALLBACK CollectChild(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

bool SameClass(HWND window, const std::string& className) {
    return className.empty() || lstrcmpiA(ClassOf(window).c_str(), className.c_str()) == 0;
}
} // namespace

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string TextOf(HWND window) {
    char buffer[512] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                             2000, &copied))
        return {};
    return std::string(buffer, copied);
}

HWND FindChild(HWND parent, const std::string& className, const std::string& text) {
    for (HWND child : Descendants(parent))
        if (SameClass(child, className) && TextOf(child) == text) return child;
    return nullptr;
}

HWND FindChildOfClass(HWND parent, const std::string& className) {
    for (HWND child : Descendants(parent))
        if (SameClass(child, className)) return child;
    return nullptr;
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

void ClickCentre(HWND window) {
    const RECT r = ScreenRect(window);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool WaitForWindowGone(HWND window, Ms deadline) {
    return WaitUntil([&] { return !IsWindow(window); }, deadline);
}

HWND WaitForDialog(const SaverProcess& saver, const std::string& caption, const std::string& button, Ms deadline) {
    // The window exists, hidden and captioned, before its controls do: wait for all of it.
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : saver.TopLevelWindows())
                if (CaptionOf(window) == caption && IsWindowVisible(window) && FindChild(window, "Button", button))
                    return (found = window) != nullptr;
            return false;
        },
        deadline);
    return found;
}

HWND WaitForChildText(HWND parent, const std::string& className, const std::string& text, Ms deadline) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindChild(parent, className, text)) != nullptr; }, deadline);
    return found;
}

} // namespace qs::e2e
