// COM plumbing for the imaging code: the WIC factory of each thread, and the JPEG
// codec's scaled-decoding interface, which mingw-w64's headers do not declare.
#pragma once

#include <windows.h>
#include <wincodec.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/scoped.h"
#include "toolkit/peer.h"

namespace qs::tk::win32 {

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

// The imaging factory of this thread, or null: a worker's from EnterImagingThread(); on
// any other thread made on first use (COM initialised then) and ended with the thread.
IWICImagingFactory* WicFactory();
// COM and the imaging factory of a worker thread, ended when the result goes: before the
// thread's exit, where ending them (under the system's loader lock) could wait on other
// threads.
std::unique_ptr<WorkerThreadScope> EnterImagingThread();

// The first frame of a picture in a file (memory == null) or in memory.
struct OpenedFrame {
    platform::Com<IWICStream> stream;
    platform::Com<IWICBitmapDecoder> decoder;
    platform::Com<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
};
bool OpenFrame(const std::string& path, const void* memory, std::size_t size, OpenedFrame& out);

// The EXIF orientation 1..8 the frame's metadata holds (a JPEG's or a TIFF's IFD, or the
// system's photo property where its decoder maps one); 1 when it holds none.
int FrameOrientation(IWICBitmapFrameDecode* frame);

// Rows of a bitmap source as 32-bit premultiplied BGRA. The usual formats are copied
// and widened here: Wine's format converter takes about half a second for a
// 24-megapixel photo (measured: 548 ms) where the plain copy takes 27 ms.
class FrameRows {
public:
    bool init(IWICBitmapSource* source);
    // Rows [y, y + count), columns [x, x + width), width * 4 bytes a row.
    bool read(int y, int count, int x, int width, std::uint8_t* out);

private:
    enum class Layout { Bgr24, Bgrx32, Bgra32, Pbgra32, Converted };
    IWICBitmapSource* source_ = nullptr;
    Layout layout_ = Layout::Converted;
    platform::Com<IWICFormatConverter> converter_;
    std::vector<std::uint8_t> raw_;
};

// The frame a picture was checked with at load, kept for its first drawing so that the
// file is not decoded twice in a row; one frame for the whole program, the most
// recently loaded picture's.
void KeepWarmFrame(const void* picture, std::unique_ptr<OpenedFrame> frame);
std::unique_ptr<OpenedFrame> TakeWarmFrame(const void* picture);
void DropWarmFrame(const void* picture);
// Drops whichever frame is kept (the frame is a COM object of the thread that loaded it).
void ClearWarmFrame();

} // namespace qs::tk::win32
