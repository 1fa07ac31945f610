// Pictures stored with the program: its icon and RCDATA resources ("MONITOR", "LOGO").
#include <map>
#include <string>

#include "app/win32_main/resource_ids.h"
#include "toolkit/win32/gdi_objects.h"
#include "toolkit/win32/wic_pictures.h"
#include "toolkit/win32/win32_common.h"

namespace qs::tk::win32 {

HICON AppIconHandle(bool small) {
    const int cx = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    const int cy = GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
    // LR_SHARED: the system keeps one copy for the module; nothing to destroy.
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, cx, cy, LR_SHARED);
    if (!icon) icon = LoadImageW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION), IMAGE_ICON, cx, cy, LR_SHARED);
    return static_cast<HICON>(icon);
}

Picture AppIconPicture() {
    static const Picture picture = [] {
        auto data = std::make_shared<IconPictureData>();
        data->type = PictureType::Icon;
        data->source = "icon";
        data->icon = AppIconHandle(false);
        data->owned = false;
        ICONINFO info{};
        BITMAP bm{};
        int w = GetSystemMetrics(SM_CXICON), h = GetSystemMetrics(SM_CYICON);
        if (data->icon && GetIconInfo(data->icon, &info)) {
            const GdiObject<HBITMAP> color(info.hbmColor), mask(info.hbmMask); // copies made for us
            if (color && GetObjectW(color.get(), sizeof bm, &bm)) {
                w = bm.bmWidth;
                h = bm.bmHeight;
            }
        }
        data->widthPx = w;
        data->heightPx = h;
        data->himetricWidth = MulDiv(w, 2540, ScreenDpiX());
        data->himetricHeight = MulDiv(h, 2540, ScreenDpiY());
        return Picture(std::move(data));
    }();
    return picture;
}

Picture ResourcePictureNamed(std::string_view name) {
    static std::map<std::string, Picture, std::less<>> loaded;
    if (auto it = loaded.find(name); it != loaded.end()) return it->second;
    const std::string key(name);
    Picture picture;
    HMODULE module = GetModuleHandleW(nullptr);
    if (HRSRC res = FindResourceW(module, platform::Widen(key).c_str(), reinterpret_cast<LPCWSTR>(RT_RCDATA))) {
        HGLOBAL handle = LoadResource(module, res);
        const void* bytes = handle ? LockResource(handle) : nullptr;
        const DWORD size = SizeofResource(module, res);
        if (bytes && size) {
            if (auto p = LoadPictureFromMemory(bytes, size, key)) picture = *p;
        }
    }
    loaded.emplace(key, picture);
    return picture;
}

} // namespace qs::tk::win32
