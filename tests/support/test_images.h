// Small, real picture files for tests: every function returns the complete bytes of
// a w x h picture (a colour pattern), written by our own encoders (BMP, GIF) or by
// stb_image_write (PNG, JPEG). Exif helpers build the APP1 segment that carries a
// JPEG's orientation, so that a test can splice it, or a damaged copy, into a file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "settings_temp_dir.h"

namespace qs::test {

using Bytes = std::vector<std::uint8_t>;

// The colour of channel 0..2 (red, green, blue) of the pixel at x, y in every picture made here.
inline std::uint8_t Pattern(int x, int y, int channel) {
    return static_cast<std::uint8_t>((x * 7 + y * 13 + channel * 80) & 0xFF);
}

Bytes MakeBmp(int width, int height);
Bytes MakeGif(int width, int height);
// PNG and JPEG come from Debian's libstb, so they exist in the native build only.
Bytes MakePng(int width, int height);
Bytes MakeJpeg(int width, int height, int quality = 90);

// A TIFF block ("II" little-endian or "MM" big-endian) whose IFD0 holds the single
// entry tag 0x0112 (orientation), type SHORT, count 1.
Bytes ExifTiff(int orientation, bool bigEndian = false);
// An APP1 segment (marker, length, "Exif\0\0", then `tiff`).
Bytes ExifApp1(const Bytes& tiff);
// The JPEG with `segment` inserted right after its start-of-image marker.
Bytes InsertAfterSoi(const Bytes& jpeg, const Bytes& segment);
// A JPEG whose Exif orientation is `orientation` (native build only).
Bytes MakeJpegWithOrientation(int width, int height, int orientation, bool bigEndian = false);

// A folder of its own, removed with its contents when the object goes.
class ScratchFolder : public SettingsTempDir {
public:
    const std::filesystem::path& path() const { return HostPath(); }
    // Writes the bytes to `name` in the folder and returns the file's full path.
    std::string write(const std::string& name, const Bytes& bytes) const {
        WriteBytes(name, std::string(bytes.begin(), bytes.end()));
        return (path() / name).string();
    }
};

} // namespace qs::test
