// Reading bitmap sources as premultiplied BGRA.
#include "toolkit/win32/wic_common.h"

namespace qs::tk::win32 {

bool FrameRows::init(IWICBitmapSource* source) {
    source_ = source;
    WICPixelFormatGUID format{};
    if (!source || FAILED(source->GetPixelFormat(&format))) return false;
    if (IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) layout_ = Layout::Bgr24;
    else if (IsEqualGUID(format, GUID_WICPixelFormat32bppBGR)) layout_ = Layout::Bgrx32;
    else if (IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA)) layout_ = Layout::Bgra32;
    else if (IsEqualGUID(format, GUID_WICPixelFormat32bppPBGRA)) layout_ = Layout::Pbgra32;
    else layout_ = Layout::Converted;
    if (layout_ != Layout::Converted) return true;
    IWICImagingFactory* factory = WicFactory();
    return factory && SUCCEEDED(factory->CreateFormatConverter(converter_.out())) &&
           SUCCEEDED(converter_->Initialize(source, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                            0.0, WICBitmapPaletteTypeCustom));
}

bool FrameRows::read(int y, int count, int x, int width, std::uint8_t* out) {
    if (count <= 0 || width <= 0) return true;
    const WICRect rc{x, y, width, count};
    const UINT stride = static_cast<UINT>(width) * 4;
    const std::size_t pixels = static_cast<std::size_t>(width) * count;
    switch (layout_) {
    case Layout::Converted:
        return SUCCEEDED(converter_->CopyPixels(&rc, stride, stride * static_cast<UINT>(count), out));
    case Layout::Pbgra32:
        return SUCCEEDED(source_->CopyPixels(&rc, stride, stride * static_cast<UINT>(count), out));
    case Layout::Bgrx32:
        if (FAILED(source_->CopyPixels(&rc, stride, stride * static_cast<UINT>(count), out))) return false;
        for (std::size_t i = 0; i < pixels; ++i) out[i * 4 + 3] = 255;
        return true;
    case Layout::Bgra32:
        if (FAILED(source_->CopyPixels(&rc, stride, stride * static_cast<UINT>(count), out))) return false;
        for (std::size_t i = 0; i < pixels; ++i) {
            std::uint8_t* p = out + i * 4;
            const unsigned a = p[3];
            p[0] = static_cast<std::uint8_t>((p[0] * a + 127) / 255);
            p[1] = static_cast<std::uint8_t>((p[1] * a + 127) / 255);
            p[2] = static_cast<std::uint8_t>((p[2] * a + 127) / 255);
        }
        return true;
    case Layout::Bgr24: {
        const UINT rawStride = static_cast<UINT>(width) * 3;
        raw_.resize(static_cast<std::size_t>(rawStride) * count);
        if (FAILED(source_->CopyPixels(&rc, rawStride, static_cast<UINT>(raw_.size()), raw_.data()))) return false;
        const std::uint8_t* s = raw_.data();
        for (std::size_t i = 0; i < pixels; ++i, s += 3, out += 4) {
            out[0] = s[0];
            out[1] = s[1];
            out[2] = s[2];
            out[3] = 255;
        }
        return true;
    }
    }
    return false;
}

} // namespace qs::tk::win32
