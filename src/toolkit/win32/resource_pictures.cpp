// Pictures stored with the program: its icon and RCDATA resources ("MONITOR", "LOGO").
#include <map>
#include <optional>
#include <string>

#include "platform/win32/scoped.h"
#include "toolkit/win32/resource_ids.h"
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

namespace {

// The largest image of the program's icon (256 x 256, stored as PNG) as a picture, so
// that the text slide scales it smoothly to half the screen instead of blowing up the
// window-sized image. Empty when the icon holds no image the decoder reads.
std::optional<Picture> LargestIconImage() {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(IDI_APP), reinterpret_cast<LPCWSTR>(RT_GROUP_ICON));
    HGLOBAL groupData = group ? LoadResource(module, group) : nullptr;
    auto* directory = static_cast<BYTE*>(groupData ? LockResource(groupData) : nullptr);
    const int id = directory ? LookupIconIdFromDirectoryEx(directory, TRUE, 256, 256, LR_DEFAULTCOLOR) : 0;
    HRSRC image = id ? FindResourceW(module, MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(RT_ICON)) : nullptr;
    HGLOBAL imageData = image ? LoadResource(module, image) : nullptr;
    const void* bytes = imageData ? LockResource(imageData) : nullptr;
    return bytes ? LoadPictureFromMemory(bytes, SizeofResource(module, image), "icon") : std::nullopt;
}

} // namespace

Picture AppIconPicture() {
    // A cache of one picture that every window shares, kept to the end of the process.
    static const Picture cached = [] {
        if (auto largest = LargestIconImage()) return *largest;
        auto data = std::make_shared<IconPictureData>();
        data->type = PictureType::Icon;
        data->source = "icon";
        // The shared icon belongs to the system, which keeps it as long as the module: the
        // picture never destroys it.
        data->icon = AppIconHandle(false);
        data->owned = false;
        ICONINFO info{};
        BITMAP bm{};
        int w = GetSystemMetrics(SM_CXICON), h = GetSystemMetrics(SM_CYICON);
        if (data->icon && GetIconInfo(data->icon, &info)) {
            const platform::GdiObject<HBITMAP> color(info.hbmColor), mask(info.hbmMask); // copies made for us
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
    return cached;
}

Picture ResourcePictureNamed(std::string_view name) {
    // A cache that every window shares, kept to the end of the process; a missing or bad
    // picture is cached too, as empty.
    static std::map<std::string, Picture, std::less<>> cache;
    if (auto it = cache.find(name); it != cache.end()) return it->second;
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
    cache.emplace(key, picture);
    return picture;
}

} // namespace qs::tk::win32
