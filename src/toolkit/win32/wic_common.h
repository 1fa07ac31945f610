// COM plumbing for the imaging code: a small owning pointer, the WIC factory of the
// UI thread, and the JPEG codec's scaled-decoding interface, which mingw-w64's
// headers do not declare.
#pragma once

#include <windows.h>
#include <wincodec.h>

#include <string>

namespace qs::tk::win32 {

template <class T>
class Com {
public:
    Com() = default;
    ~Com() { reset(); }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T** out() {
        reset();
        return &p_;
    }
    explicit operator bool() const { return p_ != nullptr; }
    void reset() {
        if (p_) p_->Release();
        p_ = nullptr;
    }

private:
    T* p_ = nullptr;
};

// IWICBitmapSourceTransform, as documented: IID and method order.
struct IWicSourceTransform : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect* prc, UINT uiWidth, UINT uiHeight,
                                                 WICPixelFormatGUID* pguidDstFormat,
                                                 WICBitmapTransformOptions dstTransform, UINT nStride,
                                                 UINT cbBufferSize, BYTE* pbBuffer) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestSize(UINT* puiWidth, UINT* puiHeight) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestPixelFormat(WICPixelFormatGUID* pguidDstFormat) = 0;
    virtual HRESULT STDMETHODCALLTYPE DoesSupportTransform(WICBitmapTransformOptions dstTransform,
                                                           BOOL* pfIsSupported) = 0;
};
inline constexpr IID kIidSourceTransform = {0x3B16811B, 0x6A43, 0x4EC9, {0xB7, 0x13, 0x3D, 0x5A, 0x0C, 0x13, 0xB9, 0x40}};

// The imaging factory of this thread (COM initialised on first use), or null.
IWICImagingFactory* WicFactory();

std::wstring Widen(const std::string& ansi);

// The first frame of a picture in a file (memory == null) or in memory.
struct OpenedFrame {
    Com<IWICStream> stream;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
};
bool OpenFrame(const std::string& path, const void* memory, std::size_t size, OpenedFrame& out);

} // namespace qs::tk::win32
