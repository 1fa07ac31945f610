// Pictures through the Windows Imaging Component. A picture is checked completely when
// it is loaded (format, declared size, structure, one decode at the smallest scale the
// codec offers) and decoded again only when drawn, at the size it is shown, so that a
// 24-megapixel photo on a full-HD screen never holds a full-size bitmap.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/scoped.h"
#include "toolkit/picture.h"
#include "toolkit/picture_header.h"
#include "toolkit/win32/pixel_scaling.h"

namespace qs::tk::win32 {

// Pixels decoded for display: a top-down 32-bit premultiplied DIB section.
class DecodedBitmap {
public:
    DecodedBitmap(int width, int height, bool hasAlpha);
    DecodedBitmap(const DecodedBitmap&) = delete;
    DecodedBitmap& operator=(const DecodedBitmap&) = delete;
    bool valid() const { return static_cast<bool>(bitmap_); }
    HBITMAP bitmap() const { return bitmap_.get(); }
    std::uint8_t* bits() const { return bits_; }
    int width() const { return width_; }
    int height() const { return height_; }
    bool hasAlpha() const { return hasAlpha_; }

private:
    platform::GdiObject<HBITMAP> bitmap_;
    std::uint8_t* bits_ = nullptr;
    int width_, height_;
    bool hasAlpha_;
};

// A picture decoded by WIC from a file or from bytes stored with the program.
class WicPictureData final : public PictureData {
public:
    ~WicPictureData() override;
    PictureFormat format = PictureFormat::Jpeg;
    int orientation = 1;                 // EXIF orientation of a JPEG, 1 otherwise
    const void* memory = nullptr;        // resource bytes (live as long as the module)
    std::size_t memorySize = 0;
    bool hasAlpha = false;               // the pixel format carries transparency

    // The display bitmap of the last draw: one entry, for one target size and region.
    struct CacheEntry {
        int targetWidth = 0, targetHeight = 0;
        PixelRect region;
        std::shared_ptr<DecodedBitmap> bitmap;
    };
    mutable CacheEntry cache;
};

// An icon (the program's own).
class IconPictureData final : public PictureData {
public:
    ~IconPictureData() override;
    HICON icon = nullptr;
    bool owned = false;
};

std::optional<Picture> LoadPictureFromFile(const std::string& path);
// LoadPictureFromFile on any thread, decoded at once for the order's place (see
// Backend::preparePicture); it keeps nothing of the file open.
std::optional<Picture> PreparePictureFromFile(const PictureOrder& order);
// When the picture in `bytes` (the file at `path`) was taken, as the user's locale writes a
// long date: its EXIF date, else the file's last-write time; empty when neither is known.
std::string DateTakenText(ByteSource& bytes, const std::string& path);
// The file's stamp (see Backend::fileStamp), on any thread; a stop cancels the look.
std::optional<FileStamp> PictureFileStamp(const std::string& path, const std::stop_token& stop);
// Bytes that stay valid for the life of the process (a resource).
std::optional<Picture> LoadPictureFromMemory(const void* data, std::size_t size, const std::string& source);

// The picture shown at targetWidth x targetHeight pixels (after orientation), only the
// part `region` of it, decoded now or taken from the picture's one-entry cache. Null
// when the picture cannot be decoded.
std::shared_ptr<DecodedBitmap> DecodeForDisplay(const WicPictureData& picture, int targetWidth, int targetHeight,
                                                const PixelRect& region);

struct OpenedFrame;
// The part of the picture that shows at `place`, decoded into its cache from `frame` (or
// the file, when null). False when it cannot be decoded, or `stop` stopped the decode
// between two bands of rows.
bool DecodeAhead(const WicPictureData& picture, const DisplayPlace& place, std::unique_ptr<OpenedFrame> frame,
                 const std::stop_token& stop);

// The extensions the installed WIC decoders declare (see DecoderExtensions).
DecoderExtensionList InstalledDecoderExtensions();

// Draws a picture scaled to `dest` (pixels of dc, may reach beyond the visible part);
// only the part inside `visible` is decoded and drawn.
void DrawPicture(HDC dc, const Picture& picture, const RECT& dest, const RECT& visible);

// The program's icon as a window wants it (large and small), never null.
HICON AppIconHandle(bool small);
// The program's icon as a picture (natural size: the icon's own).
Picture AppIconPicture();
// An RCDATA resource of the executable decoded as a picture; empty when absent or bad.
Picture ResourcePictureNamed(std::string_view name);

} // namespace qs::tk::win32
