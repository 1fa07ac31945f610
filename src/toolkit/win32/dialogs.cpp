// The system's dialogs: message boxes, the colour chooser and the file-open dialog.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "toolkit/dialogs.h"
#include "toolkit/form.h"
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

UINT MessageBoxFlags(MessageKind kind) {
    switch (kind) {
    case MessageKind::Question: return MB_YESNO | MB_ICONQUESTION; // Yes is the first button, the default
    case MessageKind::Error: return MB_OK | MB_ICONEXCLAMATION;
    case MessageKind::Notice: break;
    }
    return MB_OK;
}
} // namespace

bool Win32Backend::messageBox(const std::string& text, const std::string& title, MessageKind kind, Form* owner) {
    return MessageBoxW(OwnerWindow(owner), platform::Widen(text).c_str(), platform::Widen(title).c_str(),
                       MessageBoxFlags(kind)) == IDYES;
}

std::optional<Color> Win32Backend::chooseColor(Form* owner) {
    // The dialog's memory for the run: the custom colours made in it and the last choice.
    static COLORREF custom[16] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    static COLORREF chosen = 0;
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = OwnerWindow(owner);
    cc.rgbResult = chosen;
    cc.lpCustColors = custom;
    if (!ChooseColorW(&cc)) return std::nullopt; // cancelled or failed: nothing is chosen
    chosen = cc.rgbResult & 0xFFFFFFu;
    return static_cast<Color>(chosen);
}

FileChoice Win32Backend::chooseFileToOpen(Form* owner, const OpenFileRequest& request) {
    // "Pictures|*.jpg;*.gif|All|*.*" -> pairs separated by NULs, ending in two NULs.
    std::wstring filter = platform::Widen(request.filter);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    const std::wstring initialName = platform::Widen(request.fileName);
    const std::wstring title = platform::Widen(request.title);
    std::vector<wchar_t> file(32 * 1024, L'\0');
    std::copy_n(initialName.begin(), std::min(initialName.size(), file.size() - 1), file.begin());

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = OwnerWindow(owner);
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(std::max(request.filterIndex, 0));
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    // One file, no read-only box.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (GetOpenFileNameW(&ofn)) return FileChoice{platform::Narrow(file.data()), false};
    // No extended error: the user cancelled.
    return FileChoice{std::nullopt, CommDlgExtendedError() != 0};
}

} // namespace qs::tk::win32
