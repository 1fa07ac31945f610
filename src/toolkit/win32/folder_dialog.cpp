// The system's folder picker: the common item dialog in its folder mode (Windows Vista on,
// and Wine), where typing a path into its name box works as on the file dialogs.
#include <windows.h>
#include <shobjidl.h>

#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/win32/form_peer.h"
#include "toolkit/win32/win32_backend.h"

namespace qs::tk::win32 {

namespace {

template <typename T>
struct Released {
    T* p = nullptr;
    ~Released() {
        if (p) p->Release();
    }
};

} // namespace

FileChoice Win32Backend::chooseFolder(Form* owner, const std::string& title) {
    HWND window = owner && owner->peer() ? reinterpret_cast<HWND>(owner->peer()->hwnd()) : GetActiveWindow();
    Released<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog.p))))
        return FileChoice{std::nullopt, true};
    FILEOPENDIALOGOPTIONS options = 0;
    dialog.p->GetOptions(&options);
    dialog.p->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog.p->SetTitle(platform::Widen(title).c_str());
    const HRESULT shown = dialog.p->Show(window);
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED)) return FileChoice{std::nullopt, false};
    Released<IShellItem> item;
    wchar_t* path = nullptr;
    if (FAILED(shown) || FAILED(dialog.p->GetResult(&item.p)) ||
        FAILED(item.p->GetDisplayName(SIGDN_FILESYSPATH, &path)))
        return FileChoice{std::nullopt, true};
    FileChoice choice{platform::Narrow(path), false};
    CoTaskMemFree(path);
    return choice;
}

} // namespace qs::tk::win32
