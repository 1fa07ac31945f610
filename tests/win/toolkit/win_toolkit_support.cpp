#include "win_toolkit_support.h"

#include <gtest/gtest.h>
#include <wincodec.h>

#include "platform/services.h"
#include "support/scratch_folder.h"
#include "toolkit/application.h"
#include "toolkit/win32/wic_common.h"
#include "toolkit/win32/win32_backend.h"

namespace qs::test::win {

// Every program that links these helpers runs its tests on the Win32 services and toolkit backend.
class Win32Toolkit : public testing::Environment {
    void SetUp() override {
        platform::InstallDefaultServices();
        tk::InitializeToolkit();
    }
};
const testing::Environment* const kToolkit = testing::AddGlobalTestEnvironment(new Win32Toolkit);

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (MSG msg; !done();) {
        // The deadline holds even while messages keep coming.
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            tk::win32::Win32Backend::current()->processMessage(msg);
        else
            MsgWaitForMultipleObjects(0, nullptr, FALSE, DWORD(std::min<ULONGLONG>(deadline - now, 50)), QS_ALLINPUT);
    }
    return true;
}

std::string TempFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    static const ScratchFolder folder;
    return folder.write(name, bytes);
}

std::vector<std::uint8_t> EncodeWithWic(const GUID& container, int width, int height, bool quadrants) {
    const UINT stride = (static_cast<UINT>(width) * 3 + 3) & ~3u;
    std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = quadrants && x >= width / 2, bottom = quadrants && y >= height / 2;
            BYTE* p = &pixels[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3];
            p[0] = bottom ? 255 : 0;            // blue
            p[1] = right ? 255 : 0;             // green
            p[2] = right == bottom ? 255 : 0;   // red
        }
    const ScratchFolder folder;
    const std::string path = folder.write("encode.tmp", std::string());
    const std::wstring wide(path.begin(), path.end());
    IWICImagingFactory* factory = tk::win32::WicFactory();
    platform::Com<IWICStream> stream;
    platform::Com<IWICBitmapEncoder> encoder;
    platform::Com<IWICBitmapFrameEncode> frame;
    platform::Com<IPropertyBag2> options;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const bool ok = factory && SUCCEEDED(factory->CreateStream(stream.out())) &&
                    SUCCEEDED(stream->InitializeFromFilename(wide.c_str(), GENERIC_WRITE)) &&
                    SUCCEEDED(factory->CreateEncoder(container, nullptr, encoder.out())) &&
                    SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
                    SUCCEEDED(encoder->CreateNewFrame(frame.out(), options.out())) &&
                    SUCCEEDED(frame->Initialize(options.get())) &&
                    SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
                    SUCCEEDED(frame->SetPixelFormat(&format)) && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
                    SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride,
                                                 static_cast<UINT>(pixels.size()), pixels.data())) &&
                    SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    frame.reset(); // the file is complete once the stream is released
    encoder.reset();
    stream.reset();
    const std::string bytes = ok ? folder.read("encode.tmp") : "";
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace qs::test::win
