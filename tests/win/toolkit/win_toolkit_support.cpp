#include "win_toolkit_support.h"

#include <psapi.h>
#include <wincodec.h>

#include "platform/services.h"
#include "support/test_images.h"
#include "toolkit/application.h"
#include "toolkit/win32/win32_backend.h"

namespace qs::test::win {

void EnsureToolkit() {
    static bool done = false;
    if (done) return;
    done = true;
    platform::InstallDefaultServices();
    tk::InitializeToolkit();
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        if (done()) return true;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (auto* backend = tk::win32::Win32Backend::current()) {
                backend->processMessage(msg);
            } else {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (done()) return true;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 50)),
                                  QS_ALLINPUT);
    }
}

void PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

std::string TempFolder() {
    static const std::string folder = [] {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        std::string path = std::string(base) + "qs_toolkit_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }();
    return folder;
}

std::string TempFile(const std::string& name) { return TempFolder() + "\\" + name; }

bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = bytes.empty() || WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    return ok && written == bytes.size();
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(h, nullptr));
    DWORD got = 0;
    if (!bytes.empty()) ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    bytes.resize(got);
    CloseHandle(h);
    return bytes;
}

namespace {
// The pixels in BGR order, `bytesPerPixel` apart (4: with an opaque alpha byte).
std::vector<BYTE> Pixels(int width, int height, int bytesPerPixel, UINT stride, const PixelFn& pixel) {
    std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixel(x, y);
            BYTE* p = &pixels[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * bytesPerPixel];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
            if (bytesPerPixel == 4) p[3] = 255;
        }
    return pixels;
}
} // namespace

std::vector<std::uint8_t> EncodeWithWic(const GUID& container, int width, int height, const PixelFn& pixel) {
    std::vector<std::uint8_t> out;
    IWICImagingFactory* factory = nullptr;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory))))
        return out;
    const std::string path = TempFile("encode.tmp");
    const std::wstring wide(path.begin(), path.end());
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    IPropertyBag2* options = nullptr;
    bool ok = SUCCEEDED(factory->CreateStream(&stream)) &&
              SUCCEEDED(stream->InitializeFromFilename(wide.c_str(), GENERIC_WRITE)) &&
              SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
              SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
              SUCCEEDED(encoder->CreateNewFrame(&frame, &options)) && SUCCEEDED(frame->Initialize(options)) &&
              SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height)));
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (ok) ok = SUCCEEDED(frame->SetPixelFormat(&format));
    if (ok && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) {
        const UINT stride = (static_cast<UINT>(width) * 3 + 3) & ~3u;
        std::vector<BYTE> pixels = Pixels(width, height, 3, stride, pixel);
        ok = SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride, static_cast<UINT>(pixels.size()),
                                          pixels.data()));
    } else if (ok) {
        // The encoder wants another format (GIF: indexed): hand it a converted bitmap.
        IWICBitmap* bitmap = nullptr;
        const UINT stride = static_cast<UINT>(width) * 4;
        std::vector<BYTE> pixels = Pixels(width, height, 4, stride, pixel);
        ok = SUCCEEDED(factory->CreateBitmapFromMemory(static_cast<UINT>(width), static_cast<UINT>(height),
                                                       GUID_WICPixelFormat32bppBGRA, stride,
                                                       static_cast<UINT>(pixels.size()), pixels.data(), &bitmap)) &&
             SUCCEEDED(frame->WriteSource(bitmap, nullptr));
        if (bitmap) bitmap->Release();
    }
    if (ok) ok = SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    if (options) options->Release();
    if (frame) frame->Release();
    if (encoder) encoder->Release();
    if (stream) stream->Release();
    factory->Release();
    if (ok) out = ReadBytes(path);
    DeleteFileA(path.c_str());
    return out;
}

std::vector<std::uint8_t> WithExifOrientation(const std::vector<std::uint8_t>& jpeg, int orientation) {
    return InsertAfterSoi(jpeg, ExifApp1(ExifTiff(orientation)));
}

const std::vector<std::uint8_t>& ProgressiveJpeg() {
    // Made once with ImageMagick (-interlace JPEG): Wine's JPEG encoder writes baseline only.
    static const std::vector<std::uint8_t> bytes = {
#include "progressive_jpeg.inc"
    };
    return bytes;
}

std::uint64_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                 sizeof counters))
        return 0;
    return counters.PrivateUsage;
}

} // namespace qs::test::win
