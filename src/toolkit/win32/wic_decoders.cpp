// What the system's imaging component knows beyond the five formats: the extensions its
// installed decoders declare, and the orientation a frame's metadata holds.
#include <propidl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "toolkit/win32/wic_common.h"
#include "toolkit/win32/wic_pictures.h"

namespace qs::tk::win32 {
namespace {

// ".jpg,.JPEG" -> ".jpg", ".jpeg" (Wine's JPEG decoder separates them by ';')
void AddExtensions(const std::string& list, std::vector<std::string>& out) {
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find_first_of(",;", start), list.size());
        std::string extension = list.substr(start, end - start);
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        if (extension.size() > 1 && extension[0] == '.') out.push_back(std::move(extension));
        start = end + 1;
    }
}

// The five formats told by their signatures.
bool IsKnownContainer(const GUID& container) {
    for (const GUID& known : {GUID_ContainerFormatJpeg, GUID_ContainerFormatPng, GUID_ContainerFormatGif,
                              GUID_ContainerFormatBmp, GUID_ContainerFormatTiff})
        if (IsEqualGUID(container, known)) return true;
    return false;
}

std::wstring FileExtensionsOf(IWICBitmapCodecInfo* codec) {
    UINT length = 0;
    if (FAILED(codec->GetFileExtensions(0, nullptr, &length)) || length == 0) return {};
    std::wstring text(length, L'\0');
    if (FAILED(codec->GetFileExtensions(length, text.data(), &length))) return {};
    text.resize(std::wcslen(text.c_str()));
    return text;
}

} // namespace

DecoderExtensionList InstalledDecoderExtensions() {
    DecoderExtensionList extensions;
    IWICImagingFactory* factory = WicFactory();
    platform::Com<IEnumUnknown> decoders;
    if (!factory || FAILED(factory->CreateComponentEnumerator(WICDecoder, WICComponentEnumerateDefault, decoders.out())))
        return extensions;
    for (;;) {
        platform::Com<IUnknown> item;
        ULONG fetched = 0;
        if (decoders->Next(1, item.out(), &fetched) != S_OK || fetched == 0) break;
        platform::Com<IWICBitmapCodecInfo> codec;
        if (FAILED(item->QueryInterface(IID_IWICBitmapCodecInfo, reinterpret_cast<void**>(codec.out())))) continue;
        const std::string list = platform::Narrow(FileExtensionsOf(codec.get()));
        AddExtensions(list, extensions.all);
        GUID container{};
        if (FAILED(codec->GetContainerFormat(&container)) || !IsKnownContainer(container))
            AddExtensions(list, extensions.otherFormats);
    }
    for (std::vector<std::string>* list : {&extensions.all, &extensions.otherFormats}) {
        std::sort(list->begin(), list->end());
        list->erase(std::unique(list->begin(), list->end()), list->end());
    }
    return extensions;
}

int FrameOrientation(IWICBitmapFrameDecode* frame) {
    platform::Com<IWICMetadataQueryReader> reader;
    if (!frame || FAILED(frame->GetMetadataQueryReader(reader.out()))) return 1;
    for (const wchar_t* name : {L"/app1/ifd/{ushort=274}", L"/ifd/{ushort=274}", L"System.Photo.Orientation"}) {
        PROPVARIANT value;
        PropVariantInit(&value);
        int orientation = 0;
        if (SUCCEEDED(reader->GetMetadataByName(name, &value)) && value.vt == VT_UI2) orientation = value.uiVal;
        PropVariantClear(&value);
        if (orientation >= 1 && orientation <= 8) return orientation;
    }
    return 1;
}

} // namespace qs::tk::win32
