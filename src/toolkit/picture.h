// Pictures: a loaded image with its natural size. Decoding belongs to the backend
// (the Windows Imaging Component on Windows, a test decoder natively); a picture may
// defer the full decode until it is drawn at its final size.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace qs::tk {

enum class PictureType { None, Bitmap, Icon };

// What a backend keeps for a loaded picture (decoder state, decoded bitmaps, ...).
struct PictureData {
    virtual ~PictureData() = default;
    PictureType type = PictureType::Bitmap;
    std::string source;   // file path or resource name
    int widthPx = 0;      // natural size in picture pixels, after EXIF orientation
    int heightPx = 0;
    std::int32_t himetricWidth = 0;  // natural size in 0.01 mm
    std::int32_t himetricHeight = 0;
    // When the picture was taken, written for the user; empty unless asked for at load
    // (PictureOrder::dateTaken) and known.
    std::string dateTaken;
};

class Picture {
public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const PictureData> data) : data_(std::move(data)) {}

    bool empty() const { return !data_ || data_->type == PictureType::None; }
    PictureType type() const { return data_ ? data_->type : PictureType::None; }
    // Natural size in HIMETRIC units, as a picture object reports it.
    std::int32_t himetricWidth() const { return data_ ? data_->himetricWidth : 0; }
    std::int32_t himetricHeight() const { return data_ ? data_->himetricHeight : 0; }
    int widthPx() const { return data_ ? data_->widthPx : 0; }
    int heightPx() const { return data_ ? data_->heightPx : 0; }
    const std::string& dateTaken() const {
        static const std::string kNone;
        return data_ ? data_->dateTaken : kNone;
    }
    const std::shared_ptr<const PictureData>& data() const { return data_; }

    bool operator==(const Picture& other) const { return data_ == other.data_; }

private:
    std::shared_ptr<const PictureData> data_;
};

// Loads a picture file (GIF, JPEG, BMP; PNG and TIFF where the backend decodes them).
// Only these five: another format is asked of the system's decoders on a preparing
// thread alone (PictureOrder::anyDecoder), never on the user-interface thread.
// A missing, truncated or undecodable file gives std::nullopt; nothing is thrown.
std::optional<Picture> LoadPicture(const std::string& path);

using platform::FileStamp;

// Where a picture is to be drawn, in pixels of its surface's client area: the picture
// element's rectangle (it may reach beyond the area) and the area's size.
struct DisplayPlace {
    int left = 0, top = 0, width = 0, height = 0;
    int clientWidth = 0, clientHeight = 0;
};

// What a thread other than the user-interface thread asks for: a picture file loaded and,
// once its natural size is known, decoded for the place `placeOf` gives, so that drawing
// it there later takes no decoding (see Backend::preparePicture).
struct PictureOrder {
    std::string path;
    // The screen's twips per pixel, which give the picture its natural size.
    float twipsPerPixelX = 0, twipsPerPixelY = 0;
    std::function<DisplayPlace(const Picture&)> placeOf;
    // Stopped when the picture is no longer wanted: the preparing gives up at its next
    // step, and a file call it is blocked in is cancelled.
    std::stop_token stop;
    // A file whose first bytes name none of the known formats is still decoded when one
    // of the system's installed decoders reads it.
    bool anyDecoder = false;
    // The picture's date taken is read too (PictureData::dateTaken).
    bool dateTaken = false;
};

// The file extensions the system's installed picture decoders declare, lower case with
// their dot (".png"), sorted, each once; read from the system once, the first time.
struct DecoderExtensionList {
    std::vector<std::string> all;
    // Those of the decoders of formats other than the five known by their signatures.
    std::vector<std::string> otherFormats;
};
const DecoderExtensionList& DecoderExtensions();

// The program's icon: the picture a window's icon holds by default.
Picture AppIcon();

// A picture stored with the program ("MONITOR", "LOGO", ...).
Picture ResourcePicture(std::string_view name);

// HIMETRIC <-> twips: 2540 HIMETRIC = 1440 twips = 1 inch.
constexpr double HimetricToTwips(double himetric) { return himetric * 1440.0 / 2540.0; }

// Twips at natural size, snapped to whole screen pixels as a bitmap is shown.
float NaturalTwips(std::int32_t himetric, float twipsPerPixel);

} // namespace qs::tk
