// The system's dialogs: message boxes, the colour chooser and the file-open dialog.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "toolkit/controls.h"
#include "toolkit/win32/form_peer.h"
#include "toolkit/win32/win32_backend.h"

namespace qs::tk::win32 {

namespace {
HWND OwnerWindow(Form* form) {
    if (form && form->peer()) {
        if (HWND h = reinterpret_cast<HWND>(form->peer()->hwnd()); h && IsWindow(h)) return h;
    }
    // No owner named: the active window, when it is one of ours.
    HWND active = GetActiveWindow();
    return active && FormPeerOf(active) ? active : nullptr;
}

int DialogResult(bool cancelError) {
    const DWORD error = CommDlgExtendedError();
    if (error == 0) return cancelError ? cdlCancel : 0; // the user cancelled
    return static_cast<int>(error);
}
} // namespace

int Win32Backend::messageBox(const std::string& prompt, int flags, const std::string& title, Form* owner) {
    const int answer = MessageBoxW(OwnerWindow(owner), platform::Widen(prompt).c_str(), platform::Widen(title).c_str(),
                                   static_cast<UINT>(flags));
    return answer == 0 ? vbCancel : answer; // 0: the box could not be shown at all
}

int Win32Backend::showColorDialog(CommonDialog& dialog) {
    static COLORREF custom[16] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = OwnerWindow(&dialog.form());
    cc.rgbResult = ToColorRef(dialog.Color);
    cc.lpCustColors = custom;
    cc.Flags = static_cast<DWORD>(dialog.Flags);
    if (ChooseColorW(&cc)) {
        dialog.Color = static_cast<Color>(cc.rgbResult & 0xFFFFFFu);
        return 0;
    }
    return DialogResult(dialog.CancelError);
}

int Win32Backend::showOpenDialog(CommonDialog& dialog) {
    // "Pictures|*.jpg;*.gif|All|*.*" -> pairs separated by NULs, ending in two NULs.
    std::wstring filter = platform::Widen(dialog.Filter);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    const std::wstring initialName = platform::Widen(dialog.FileName);
    const std::wstring initialDir = platform::Widen(dialog.InitDir);
    const std::wstring title = platform::Widen(dialog.DialogTitle);
    std::vector<wchar_t> file(32 * 1024, L'\0');
    std::copy_n(initialName.begin(), std::min(initialName.size(), file.size() - 1), file.begin());

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = OwnerWindow(&dialog.form());
    ofn.lpstrFilter = dialog.Filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(std::max(dialog.FilterIndex, 0));
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.Flags = static_cast<DWORD>(dialog.Flags) | OFN_EXPLORER;
    if (GetOpenFileNameW(&ofn)) {
        dialog.FileName = platform::Narrow(file.data());
        dialog.FilterIndex = static_cast<int>(ofn.nFilterIndex);
        return 0;
    }
    return DialogResult(dialog.CancelError);
}

} // namespace qs::tk::win32
