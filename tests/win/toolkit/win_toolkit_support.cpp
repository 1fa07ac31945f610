#include "win_toolkit_support.h"

#include <psapi.h>
#include <wincodec.h>

#include "platform/services.h"
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
void Put16(std::vector<std::uint8_t>& v, unsigned x) {
    v.push_back(static_cast<std::uint8_t>(x & 0xFF));
    v.push_back(static_cast<std::uint8_t>((x >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}
} // namespace

std::vector<std::uint8_t> MakeBmp(int width, int height, const PixelFn& pixel) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> v;
    v.push_back('B');
    v.push_back('M');
    Put32(v, 54 + imageSize);
    Put32(v, 0);
    Put32(v, 54);
    Put32(v, 40);
    Put32(v, static_cast<std::uint32_t>(width));
    Put32(v, static_cast<std::uint32_t>(height));
    Put16(v, 1);
    Put16(v, 24);
    Put32(v, 0);
    Put32(v, imageSize);
    Put32(v, 3780); // 96 dpi in pixels per metre
    Put32(v, 3780);
    Put32(v, 0);
    Put32(v, 0);
    for (int y = height - 1; y >= 0; --y) {
        std::uint32_t row = 0;
        for (int x = 0; x < width; ++x, row += 3) {
            const COLORREF c = pixel(x, y);
            v.push_back(GetBValue(c));
            v.push_back(GetGValue(c));
            v.push_back(GetRValue(c));
        }
        for (; row < stride; ++row) v.push_back(0);
    }
    return v;
}

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
        std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const COLORREF c = pixel(x, y);
                BYTE* p = &pixels[static_cast<std::size_t>(y) * stride + x * 3];
                p[0] = GetBValue(c);
                p[1] = GetGValue(c);
                p[2] = GetRValue(c);
            }
        ok = SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride, static_cast<UINT>(pixels.size()),
                                          pixels.data()));
    } else if (ok) {
        // The encoder wants another format (GIF: indexed): hand it a converted bitmap.
        IWICBitmap* bitmap = nullptr;
        const UINT stride = static_cast<UINT>(width) * 4;
        std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const COLORREF c = pixel(x, y);
                BYTE* p = &pixels[static_cast<std::size_t>(y) * stride + x * 4];
                p[0] = GetBValue(c);
                p[1] = GetGValue(c);
                p[2] = GetRValue(c);
                p[3] = 255;
            }
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
    // APP1: "Exif\0\0", a little-endian TIFF header, IFD0 with one entry: 0x0112 SHORT.
    std::vector<std::uint8_t> tiff = {'I', 'I', 0x2A, 0x00, 0x08, 0x00, 0x00, 0x00, 0x01, 0x00,
                                      0x12, 0x01, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00,
                                      static_cast<std::uint8_t>(orientation), 0x00, 0x00, 0x00,
                                      0x00, 0x00, 0x00, 0x00};
    std::vector<std::uint8_t> app1 = {0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
    app1.insert(app1.end(), tiff.begin(), tiff.end());
    const std::size_t length = app1.size() - 2;
    app1[2] = static_cast<std::uint8_t>(length >> 8);
    app1[3] = static_cast<std::uint8_t>(length & 0xFF);
    if (jpeg.size() < 2) return jpeg;
    std::vector<std::uint8_t> out;
    out.reserve(jpeg.size() + app1.size());
    out.push_back(jpeg[0]);
    out.push_back(jpeg[1]);
    out.insert(out.end(), app1.begin(), app1.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
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
