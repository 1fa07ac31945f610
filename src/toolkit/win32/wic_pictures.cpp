// Loading pictures: every check happens here, so that a picture that loads also draws.
//
// 1. ReadPictureHeader: the format by its signature, the declared size within the
//    limits (before any decoder allocates), the structure complete to its end. Under
//    Wine a truncated JPEG is refused by the decoder itself; a Windows decoder may
//    instead fill the missing part with grey, so the structure walk decides for both.
// 2. The decoder opens the first frame and reports its size.
// 3. One decode of the whole frame at the smallest scale the codec offers (1/8 for a
//    JPEG where the codec scales; Wine's does not, and decodes its whole frame when it
//    opens anyway), in bands of rows into a small buffer: any error fails the load.
// A load on a show's preparing thread gives up between steps, bands and reads once its
// order is stopped, and a file call it is blocked in is cancelled then.
#include <algorithm>
#include <cmath>
#include <optional>
#include <stop_token>
#include <utility>
#include <vector>

#include "platform/win32/file_stamp.h"
#include "platform/win32/wide_text.h"
#include "toolkit/application.h"
#include "toolkit/jpeg_orientation.h"
#include "toolkit/win32/wic_common.h"
#include "toolkit/win32/wic_pictures.h"
#include "toolkit/win32/win32_common.h"

namespace qs::tk::win32 {

namespace {

// COM and the imaging factory of one thread, made on its first picture and ended with the
// thread: a show's worker releases both as it stops. COM already up on the thread, in
// either model, is all the factory needs.
struct ThreadImaging {
    ThreadImaging() {
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                         reinterpret_cast<void**>(factory.out()));
    }
    platform::ComInit com{COINIT_APARTMENTTHREADED}; // first, so that it ends last
    platform::Com<IWICImagingFactory> factory;
};

} // namespace

namespace {

// A worker's imaging, made on its first picture and ended with its scope.
class ImagingThreadScope final : public WorkerThreadScope {
public:
    ImagingThreadScope();
    ~ImagingThreadScope() override;
    IWICImagingFactory* factory() {
        if (!imaging_) imaging_.emplace();
        return imaging_->factory.get();
    }

private:
    std::optional<ThreadImaging> imaging_;
};

// The worker's scope while it lasts; a plain pointer, which the thread's exit has nothing to end.
thread_local ImagingThreadScope* t_workerScope = nullptr;

ImagingThreadScope::ImagingThreadScope() { t_workerScope = this; }
ImagingThreadScope::~ImagingThreadScope() { t_workerScope = nullptr; }

} // namespace

std::unique_ptr<WorkerThreadScope> EnterImagingThread() { return std::make_unique<ImagingThreadScope>(); }

IWICImagingFactory* WicFactory() {
    if (t_workerScope) return t_workerScope->factory();
    static thread_local const ThreadImaging imaging;
    return imaging.factory.get();
}

bool OpenFrame(const std::string& path, const void* memory, std::size_t size, OpenedFrame& out) {
    IWICImagingFactory* factory = WicFactory();
    if (!factory) return false;
    HRESULT hr;
    if (memory) {
        if (FAILED(factory->CreateStream(out.stream.out())) ||
            FAILED(out.stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(memory)),
                                                    static_cast<DWORD>(size))))
            return false;
        hr = factory->CreateDecoderFromStream(out.stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              out.decoder.out());
    } else {
        hr = factory->CreateDecoderFromFilename(platform::Widen(path).c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, out.decoder.out());
    }
    if (FAILED(hr) || FAILED(out.decoder->GetFrame(0, out.frame.out()))) return false;
    if (FAILED(out.frame->GetSize(&out.width, &out.height))) return false;
    return out.width > 0 && out.height > 0 && out.width <= kMaxPictureSide && out.height <= kMaxPictureSide &&
           std::uint64_t(out.width) * out.height <= kMaxPicturePixels;
}

namespace {

// A picture file read through the wide file API, its UTF-8 name widened; invalid when
// the file cannot be opened. Reads stop short once `stop` is stopped.
class FileBytes final : public ByteSource {
public:
    FileBytes(const std::string& path, std::stop_token stop)
        : stop_(std::move(stop)),
          handle_(CreateFileW(platform::Widen(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {
        LARGE_INTEGER size{};
        // Only a file on a disk is read: a pipe or a device may never answer, or never end.
        if (!handle_ || GetFileType(handle_.get()) != FILE_TYPE_DISK || !GetFileSizeEx(handle_.get(), &size)) {
            handle_.reset();
            return;
        }
        size_ = static_cast<std::uint64_t>(size.QuadPart);
    }
    bool valid() const { return static_cast<bool>(handle_); }
    std::uint64_t size() const override { return size_; }
    std::size_t read(std::uint64_t offset, void* buffer, std::size_t n) override {
        LARGE_INTEGER pos{};
        pos.QuadPart = static_cast<LONGLONG>(offset);
        if (!handle_ || offset >= size_ || !SetFilePointerEx(handle_.get(), pos, nullptr, FILE_BEGIN)) return 0;
        std::size_t total = 0;
        auto* out = static_cast<std::uint8_t*>(buffer);
        while (total < n && !stop_.stop_requested()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(n - total, 1u << 20));
            DWORD got = 0;
            if (!ReadFile(handle_.get(), out + total, chunk, &got, nullptr) || got == 0) break;
            total += got;
        }
        return total;
    }

private:
    std::stop_token stop_;
    platform::KernelHandle handle_;
    std::uint64_t size_ = 0;
};

// While it lives, a stop cancels the file call this thread is blocked in (CreateFileW or
// ReadFile on a share that no longer answers), which then fails. A stop that comes just
// before the call is not seen by it: the show leaves such a thread behind (SlidePreparer).
class BlockedCallCanceller {
public:
    explicit BlockedCallCanceller(const std::stop_token& stop) : onStop_(stop, Cancel{ThisThread()}) {}

private:
    struct Cancel {
        HANDLE thread;
        void operator()() const {
            if (thread) CancelSynchronousIo(thread);
        }
    };
    // The calling thread's own handle, which the thread that stops uses; opened once a
    // thread and closed with it.
    static HANDLE ThisThread() {
        static thread_local const platform::KernelHandle self(
            OpenThread(THREAD_TERMINATE, FALSE, GetCurrentThreadId()));
        return self.get();
    }
    std::stop_callback<Cancel> onStop_;
};

// Decodes every pixel once, the smallest way the codec allows, into a band buffer.
bool DecodesCompletely(OpenedFrame& f, PictureFormat format, const std::stop_token& stop) {
    if (format == PictureFormat::Jpeg) {
        platform::Com<IWicSourceTransform> transform;
        if (SUCCEEDED(f.frame->QueryInterface(kIidSourceTransform, reinterpret_cast<void**>(transform.out())))) {
            UINT w = std::max(1u, (f.width + 7) / 8), h = std::max(1u, (f.height + 7) / 8);
            WICPixelFormatGUID fmt = GUID_WICPixelFormat24bppBGR;
            if (SUCCEEDED(transform->GetClosestSize(&w, &h)) && w > 0 && h > 0 && w <= f.width &&
                SUCCEEDED(transform->GetClosestPixelFormat(&fmt))) {
                const UINT stride = w * 4; // room for any format of up to 32 bits a pixel
                std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * h);
                return SUCCEEDED(transform->CopyPixels(nullptr, w, h, &fmt, WICBitmapTransformRotate0, stride,
                                                       static_cast<UINT>(pixels.size()), pixels.data()));
            }
        }
    }
    FrameRows rows;
    if (!rows.init(f.frame.get())) return false;
    const UINT stride = f.width * 4;
    const UINT band = std::max(1u, std::min(f.height, (1u << 20) / stride));
    std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * band);
    for (UINT y = 0; y < f.height; y += band) {
        const UINT count = std::min(band, f.height - y);
        if (stop.stop_requested() || !rows.read(static_cast<int>(y), static_cast<int>(count), 0, static_cast<int>(f.width), pixels.data()))
            return false;
    }
    return true;
}

// What a load needs besides the bytes: the screen's resolution, which gives a picture its
// natural size, and the stop of a load no longer wanted.
struct LoadTerms {
    int dpiX = 96, dpiY = 96;
    std::stop_token stop;
    // A file no signature names is the installed decoders' to judge (PictureOrder::anyDecoder).
    bool anyDecoder = false;
    bool dateTaken = false; // PictureOrder::dateTaken
};

bool HasKnownSignature(ByteSource& bytes) {
    std::uint8_t start[8] = {};
    return PictureSignature(start, bytes.read(0, start, sizeof start)).has_value();
}

LoadTerms ScreenTerms() { return {ScreenDpiX(), ScreenDpiY(), {}, false, false}; }

int DotsPerInch(float twipsPerPixel) {
    return twipsPerPixel > 0 ? static_cast<int>(std::lround(1440.0f / twipsPerPixel)) : 96;
}

// The frame checked at load goes to `frameOut` when given, else it is kept warm for the
// picture's first drawing.
std::optional<Picture> Load(ByteSource& bytes, const std::string& path, const void* memory, std::size_t size,
                            const std::string& source, const LoadTerms& terms,
                            std::unique_ptr<OpenedFrame>* frameOut = nullptr) {
    std::optional<PictureHeader> header = ReadPictureHeader(bytes);
    // A damaged picture of a known format stays refused; its structure walk decides.
    if (!header && terms.anyDecoder && !HasKnownSignature(bytes)) header = PictureHeader{PictureFormat::Other};
    if (!header || terms.stop.stop_requested()) return std::nullopt;
    auto opened = std::make_unique<OpenedFrame>();
    if (!OpenFrame(path, memory, size, *opened) || !DecodesCompletely(*opened, header->format, terms.stop))
        return std::nullopt;
    const OpenedFrame& frame = *opened;

    auto data = std::make_shared<WicPictureData>();
    data->type = PictureType::Bitmap;
    data->source = source;
    data->format = header->format;
    data->memory = memory;
    data->memorySize = size;
    // Rows come as premultiplied BGRA whatever the format: an unknown one may be transparent.
    data->hasAlpha = header->format == PictureFormat::Gif || header->format == PictureFormat::Png ||
                     header->format == PictureFormat::Tiff || header->format == PictureFormat::Other;
    if (header->format == PictureFormat::Jpeg) {
        const int o = JpegOrientationOf(bytes);
        data->orientation = (o >= 1 && o <= 8) ? o : 1;
    } else if (terms.anyDecoder) {
        data->orientation = FrameOrientation(frame.frame.get());
    }
    if (terms.dateTaken) data->dateTaken = DateTakenText(bytes, path);
    const bool swap = OrientationSwapsAxes(data->orientation);
    data->widthPx = static_cast<int>(swap ? frame.height : frame.width);
    data->heightPx = static_cast<int>(swap ? frame.width : frame.height);
    // HIMETRIC at the screen's resolution: one picture pixel shows as one screen pixel. A
    // picture stored with the program is drawn for the dialogs at 96 dpi and grows with them.
    const bool stored = memory != nullptr;
    data->himetricWidth = MulDiv(data->widthPx, 2540, stored ? 96 : terms.dpiX);
    data->himetricHeight = MulDiv(data->heightPx, 2540, stored ? 96 : terms.dpiY);
    if (frameOut) {
        *frameOut = std::move(opened);
    } else {
        KeepWarmFrame(data.get(), std::move(opened));
    }
    return Picture(std::move(data));
}

} // namespace

std::optional<Picture> PreparePictureFromFile(const PictureOrder& order) {
    const BlockedCallCanceller canceller(order.stop);
    FileBytes bytes(order.path, order.stop);
    if (!bytes.valid() || bytes.size() == 0) return std::nullopt;
    std::unique_ptr<OpenedFrame> frame;
    const LoadTerms terms{DotsPerInch(order.twipsPerPixelX), DotsPerInch(order.twipsPerPixelY), order.stop,
                          order.anyDecoder, order.dateTaken};
    std::optional<Picture> picture = Load(bytes, order.path, nullptr, 0, order.path, terms, &frame);
    if (!picture) return std::nullopt;
    // The frame was opened on this thread and is released on it, inside DecodeAhead.
    if (!DecodeAhead(static_cast<const WicPictureData&>(*picture->data()), order.placeOf(*picture), std::move(frame),
                     order.stop))
        return std::nullopt;
    return picture;
}

std::optional<FileStamp> PictureFileStamp(const std::string& path, const std::stop_token& stop) {
    const BlockedCallCanceller canceller(stop);
    return platform::FileStampOf(path);
}

std::optional<Picture> LoadPictureFromFile(const std::string& path) {
    FileBytes bytes(path, {});
    if (!bytes.valid() || bytes.size() == 0) return std::nullopt;
    return Load(bytes, path, nullptr, 0, path, ScreenTerms());
}

std::optional<Picture> LoadPictureFromMemory(const void* data, std::size_t size, const std::string& source) {
    if (!data || size == 0) return std::nullopt;
    MemoryBytes bytes(data, size);
    return Load(bytes, std::string(), data, size, source, ScreenTerms());
}

} // namespace qs::tk::win32
